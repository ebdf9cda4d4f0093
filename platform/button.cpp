// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/button.hpp"

namespace platform {

CommandButton::CommandButton(QWidget* parent)
    : QPushButton(parent)
{
    // No button acts on Enter or Escape for the whole window.
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, &CommandButton::Click);
}

void CommandButton::SetEnabled(bool enabled) { setEnabled(enabled); }

} // namespace platform
