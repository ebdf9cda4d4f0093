// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program on the X display and waits for its first complete frame:
// the first moment its window shows exactly the picture it settles on.
//   first_frame --reference FILE -- PROGRAM...  waits two seconds, saves the picture
//   first_frame FILE -- PROGRAM...               prints milliseconds, peak RSS in kB, and
//                                                the kB of PCRE2 and HarfBuzz resident then
// There is no window manager: the window is a child of the root window with
// the program's process id in _NET_WM_PID.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

long windowPid(Display* display, Window window)
{
    static const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data)
            == Success
        && data != nullptr) {
        if (count == 1 && format == 32)
            pid = static_cast<long>(*reinterpret_cast<unsigned long*>(data));
        XFree(data);
    }
    return pid;
}

// The program's mapped top-level window, or None.
Window findWindow(Display* display, pid_t pid)
{
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    Window found = None;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count) == 0)
        return None;
    for (unsigned int i = 0; i < count && found == None; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, children[i], &attributes) != 0
            && attributes.map_state == IsViewable && windowPid(display, children[i]) == pid)
            found = children[i];
    }
    XFree(children);
    return found;
}

std::string picture(Display* display, Window window)
{
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, window, &attributes) == 0)
        return {};
    XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (image == nullptr)
        return {};
    std::string bytes(image->data, static_cast<std::size_t>(image->bytes_per_line) * image->height);
    XDestroyImage(image);
    return bytes;
}

long peakRssKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        constexpr std::string_view peak = "VmHWM:";
        if (line.starts_with(peak))
            return std::stol(line.substr(peak.size()));
    }
    return -1;
}

// The resident kB of a shared library whose file name starts with `name`.
long residentKb(pid_t pid, std::string_view name)
{
    std::ifstream smaps("/proc/" + std::to_string(pid) + "/smaps");
    std::string line;
    bool inLibrary = false;
    long kb = 0;
    while (std::getline(smaps, line)) {
        // A mapping's first line: "start-end perms offset device inode [path]".
        std::istringstream fields(line);
        std::string range;
        std::string permissions;
        fields >> range >> permissions;
        constexpr std::size_t permissionLetters = 4;
        if (range.find('-') != std::string::npos && permissions.size() == permissionLetters) {
            const std::string::size_type slash = line.rfind('/');
            inLibrary = slash != std::string::npos
                        && std::string_view(line).substr(slash + 1).starts_with(name);
            continue;
        }
        constexpr std::string_view rss = "Rss:";
        if (inLibrary && line.starts_with(rss))
            kb += std::stol(line.substr(rss.size()));
    }
    return kb;
}

} // namespace

int main(int argc, char* argv[])
{
    const bool reference = argc > 1 && std::strcmp(argv[1], "--reference") == 0;
    const int fileArg = reference ? 2 : 1;
    if (argc < fileArg + 3 || std::strcmp(argv[fileArg + 1], "--") != 0) {
        std::fprintf(stderr, "usage: first_frame [--reference] FILE -- PROGRAM...\n");
        return 2;
    }
    const std::string file = argv[fileArg];
    std::string expected;
    if (!reference) {
        std::ifstream in(file, std::ios::binary);
        expected.assign(std::istreambuf_iterator<char>(in), {});
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return 2;

    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[fileArg + 2], argv + fileArg + 2);
        _exit(127);
    }
    const auto deadline = start + std::chrono::seconds(10);
    Window window = None;
    // Polls every half millisecond, leaving the cores to the program and the X server.
    const auto pause = std::chrono::microseconds(500);
    while (window == None && Clock::now() < deadline) {
        window = findWindow(display, pid);
        std::this_thread::sleep_for(pause);
    }
    int status = 1;
    if (reference) {
        std::this_thread::sleep_for(std::chrono::seconds(2));
        std::ofstream(file, std::ios::binary) << picture(display, window);
        status = window == None ? 1 : 0;
    } else {
        while (window != None && Clock::now() < deadline) {
            if (picture(display, window) == expected) {
                const auto ms =
                    std::chrono::duration<double, std::milli>(Clock::now() - start).count();
                std::printf("%.1f %ld %ld %ld\n", ms, peakRssKb(pid),
                            residentKb(pid, "libpcre2-16"), residentKb(pid, "libharfbuzz"));
                status = 0;
                break;
            }
            std::this_thread::sleep_for(pause);
        }
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    if (status != 0)
        std::fprintf(stderr, "first_frame: no complete frame from %s\n", argv[fileArg + 2]);
    return status;
}
