// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/keys.hpp"

#include <QKeyEvent>
#include <QKeySequence>

#include <array>
#include <utility>

namespace platform {
namespace {

constexpr char16_t controlCode(char letter) { return static_cast<char16_t>(letter - 'A' + 1); }

} // namespace

std::optional<QString> typedCharacters(const QKeyEvent& event)
{
    // Checked first: Shift+Insert, Ctrl+Insert and Shift+Delete carry no text.
    static constexpr std::array shortcuts{
        std::pair{QKeySequence::Copy, controlCode('C')},
        std::pair{QKeySequence::Cut, controlCode('X')},
        std::pair{QKeySequence::Paste, controlCode('V')},
        std::pair{QKeySequence::Undo, controlCode('Z')},
        std::pair{QKeySequence::Redo, controlCode('Y')},
        std::pair{QKeySequence::SelectAll, controlCode('A')},
    };
    for (const auto& [sequence, code] : shortcuts) {
        if (event.matches(sequence))
            return QString(QChar(code));
    }

    const auto modifiers = event.modifiers();
    // X reports Delete as the character 127, but it is an editing key.
    if (event.key() == Qt::Key_Delete || event.text().isEmpty())
        return std::nullopt;
    if (modifiers.testAnyFlags(Qt::AltModifier | Qt::MetaModifier))
        return QString();
    if (modifiers.testFlag(Qt::ControlModifier) && event.key() >= Qt::Key_A
        && event.key() <= Qt::Key_Z)
        return QString(QChar(static_cast<char16_t>(event.key() - Qt::Key_A + 1)));
    return event.text();
}

QString pastedCharacters(QStringView text)
{
    // What number-to-text writes for the point in Arabic locales.
    constexpr char32_t arabicDecimalSeparator = 0x066b;
    QString kept;
    kept.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        const QChar::Category category = QChar::category(c);
        if (c == u',' || c == arabicDecimalSeparator)
            kept.append(u'.');
        else if (c == u'\u00a0' || c == u'\u2007' || c == u'\u202f')
            kept.append(u' ');
        else if (category != QChar::Other_Control && category != QChar::Other_Format)
            kept.append(QString::fromUcs4(&c, 1));
    }
    return kept;
}

} // namespace platform
