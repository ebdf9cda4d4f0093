// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

namespace platform {

// The message box's style as Visual Basic numbers it: 16 is the critical
// (stop) icon with a single OK button, the only style this program shows.
inline constexpr int vbCritical = 16;
// The code MsgBox returns for its OK button.
inline constexpr int vbOK = 1;

// Shows a modal message box with one OK button, with the stop icon when
// `style` is vbCritical; returns the code of the button pressed.
int MsgBox(const QString& text, int style, const QString& title);

// Replaces the box, for tests that must not block. An empty handler brings
// the real box back.
using MsgBoxHandler = std::function<int(const QString& text, int style, const QString& title)>;
void setMsgBoxHandler(MsgBoxHandler replacement);

} // namespace platform
