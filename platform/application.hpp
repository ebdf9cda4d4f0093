// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

namespace platform {

// Names the program and sets its face.
void prepare();

// Loads Qt's own texts (context menu, dialog buttons) in German, whatever the
// desktop's language; called before the first of them is shown.
void GermanQtTexts();

// Starts the program with its one window: the window's Form_Load runs before
// it is first shown, then events are delivered until the program ends.
template <class Window>
int run(int argc, char** argv)
{
    const QApplication app(argc, argv);
    prepare();
    Window window;
    window.start();
    return QApplication::exec();
}

// Ends the program at once: the event loop returns and no further handler runs.
void End();

} // namespace platform
