// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/button.hpp"

#include <QKeyEvent>

namespace platform {

CommandButton::CommandButton(QWidget* parent)
    : QPushButton(parent)
{
    // No button acts on Enter or Escape for the whole window.
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, &CommandButton::Click);
}

void CommandButton::SetEnabled(bool enabled) { setEnabled(enabled); }

void CommandButton::keyPressEvent(QKeyEvent* event)
{
    // The focused button takes Return and Enter as well as Space, as desktop
    // buttons do; being no default button, it takes them only while focused.
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter)
        && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace platform
