// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

namespace platform {

// Names the program and loads Qt's German texts.
void prepare(QApplication& app);

// Starts the program with its one window: the window's Form_Load runs before
// it is first shown, then events are delivered until the program ends.
template <class Window>
int run(int argc, char** argv)
{
    QApplication app(argc, argv);
    prepare(app);
    Window window;
    window.start();
    return QApplication::exec();
}

// Ends the program at once: the event loop returns and no further handler runs.
void End();

} // namespace platform
