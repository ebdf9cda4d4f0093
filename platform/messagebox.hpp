// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

namespace platform {

// Styles of the classic message box; only the icon part is used here.
inline constexpr int vbCritical = 16;
inline constexpr int vbQuestion = 32;
inline constexpr int vbExclamation = 48;
inline constexpr int vbInformation = 64;
inline constexpr int vbIconMask = 0x70;
// The code MsgBox returns for its OK button.
inline constexpr int vbOK = 1;

// Shows a modal message box with one OK button and the icon that `style`
// names; returns the code of the button pressed.
int MsgBox(const QString& text, int style, const QString& title);

// Replaces the box, for tests that must not block. An empty handler brings
// the real box back.
using MsgBoxHandler = std::function<int(const QString& text, int style, const QString& title)>;
void setMsgBoxHandler(MsgBoxHandler replacement);

} // namespace platform
