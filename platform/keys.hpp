// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

class QKeyEvent;

namespace platform {

// The characters a key press types, as Visual Basic's KeyAscii codes: printable characters
// by their code, Backspace 8, Enter 13, Escape 27, Ctrl+A..Ctrl+Z 1..26, and the
// keyboard clipboard and undo shortcuts (Shift+Insert too) as their Ctrl codes.
// Empty when the key types nothing at all (Alt and Meta combinations), and
// nullopt for editing keys that are no characters: arrows, Home, End, Delete.
[[nodiscard]] std::optional<QString> typedCharacters(const QKeyEvent& event);

// Text pasted or dropped into a field, made to read as it looks: the digit groups of a German
// ("1.234,56") or English ("1,234.56") number are joined and its decimal separator becomes a
// point; a lone comma, and the Arabic decimal separator U+066B, become a point, as a typed
// comma does; no-break spaces become blanks, which Val skips; invisible control and format
// characters (direction marks, zero-width characters, NUL) are dropped. Everything else is kept
// as it is. Nothing where a number's separators fit neither convention ("1.234.56"): that
// text would read as another number.
[[nodiscard]] std::optional<QString> pastedCharacters(QStringView text);

} // namespace platform
