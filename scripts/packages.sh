# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian packages the program needs to build and run, and those its tests add.
build_packages=(build-essential cmake libgl-dev libfontconfig-dev qt6-base-dev qt6-svg-dev qt6-translations-l10n qt6-wayland
                fonts-liberation2 fonts-dejavu-core)
test_packages=(xvfb xauth xdotool xclip imagemagick dbus dbus-x11 at-spi2-core python3 python3-pyatspi
               dpkg-dev desktop-file-utils appstream libbenchmark-dev
               clang-14 libclang-rt-14-dev clang-format-14 clang-tidy-14
               libmpfr-dev pkgconf openbox x11-utils qt6-gtk-platformtheme weston lintian devscripts man-db
               orca python3-speechd speech-dispatcher speech-dispatcher-espeak-ng espeak-ng libglib2.0-bin dconf-cli
               gsettings-desktop-schemas)
