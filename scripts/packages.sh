# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian packages the program needs to build and run, those the Debian
# package's build adds (CPack's dependency list), and those its tests add. The
# names are the same on Debian 12 and 13; LLVM 19 is in both. Sourced by the
# scripts, which build with one compiler per core.
build_packages=(build-essential cmake pkgconf libgmp-dev libmpfr-dev libgl-dev qt6-base-dev qt6-svg-dev qt6-translations-l10n qt6-wayland
                fonts-liberation2 fonts-dejavu-core)
package_packages=(dpkg-dev file)
test_packages=(xvfb xauth xdotool xclip imagemagick dbus dbus-x11 at-spi2-core python3 python3-pyatspi
               desktop-file-utils appstream libbenchmark-dev
               clang-19 libclang-rt-19-dev clang-format-19 clang-tidy-19
               openbox x11-utils qt6-gtk-platformtheme weston lintian devscripts man-db
               orca python3-speechd speech-dispatcher speech-dispatcher-espeak-ng espeak-ng libglib2.0-bin dconf-cli
               gsettings-desktop-schemas)

# One compiler per core; CMake's Makefiles build one file at a time otherwise.
export CMAKE_BUILD_PARALLEL_LEVEL="${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
