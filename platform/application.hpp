// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

#include <thread>

namespace platform {

// Names the program and sets its face.
void prepare();

// Reading the desktop's font configuration is a third of the start-up work:
// it runs on a second core while Qt connects to the display, and is joined
// before the first font is asked for.
std::jthread readFontConfiguration();

// Loads Qt's own texts (context menu, dialog buttons) in German, whatever the
// desktop's language; called before the first of them is shown.
void GermanQtTexts();

// Starts the program with its one window: the window's Form_Load runs before
// it is first shown, then events are delivered until the program ends.
template <class Window>
int run(int argc, char** argv)
{
    std::jthread fontConfiguration = readFontConfiguration();
    const QApplication app(argc, argv);
    fontConfiguration.join();
    prepare();
    Window window;
    window.start();
    return QApplication::exec();
}

// Ends the program at once: the event loop returns and no further handler runs.
void End();

} // namespace platform
