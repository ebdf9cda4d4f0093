// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/keys.hpp"

#include <QKeyEvent>
#include <QKeySequence>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
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

namespace {

// A number whose separators are digit groups of a German ("1.234.567,8") or
// English ("1,234,567.8") number: the groups joined, its decimal separator a
// point. One separator alone is the decimal one, as a typed one is. Nothing
// where the separators fit neither convention.
std::optional<QString> numberRead(const QString& number)
{
    const qsizetype points = number.count(u'.');
    const qsizetype commas = number.count(u',');
    QChar group;
    QChar decimal;
    if (points > 0 && commas > 0) {
        decimal = number.lastIndexOf(u'.') > number.lastIndexOf(u',') ? u'.' : u',';
        group = decimal == u'.' ? u',' : u'.';
        if (number.count(decimal) != 1)
            return std::nullopt;
    } else if (points > 1 || commas > 1) {
        group = points > 1 ? u'.' : u',';
    } else {
        return QString(number).replace(u',', u'.');
    }
    const qsizetype decimalAt = decimal.isNull() ? number.size() : number.indexOf(decimal);
    const QStringList groups = number.left(decimalAt).split(group);
    constexpr qsizetype groupSize = 3;
    const bool grouped = groups.front().size() >= 1 && groups.front().size() <= groupSize
                         && std::all_of(groups.begin() + 1, groups.end(),
                                        [](const QString& g) { return g.size() == groupSize; });
    if (!grouped)
        return std::nullopt;
    QString read = groups.join(QString());
    if (!decimal.isNull())
        read += u'.' + number.mid(decimalAt + 1);
    return read;
}

} // namespace

std::optional<QString> pastedCharacters(QStringView text)
{
    // What number-to-text writes for the point in Arabic locales.
    constexpr char32_t arabicDecimalSeparator = 0x066b;
    QString kept;
    kept.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        const QChar::Category category = QChar::category(c);
        if (c == arabicDecimalSeparator)
            kept.append(u'.');
        else if (c == u'\u00a0' || c == u'\u2007' || c == u'\u202f')
            kept.append(u' ');
        else if (category != QChar::Other_Control && category != QChar::Other_Format)
            kept.append(QString::fromUcs4(&c, 1));
    }
    // Each run of digits and separators read as a number.
    static const QRegularExpression number(QStringLiteral("[0-9.,]+"));
    QString read;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& m : number.globalMatch(kept)) {
        const std::optional<QString> n = numberRead(m.captured());
        if (!n)
            return std::nullopt;
        read += kept.mid(from, m.capturedStart() - from) + *n;
        from = m.capturedEnd();
    }
    return read + kept.mid(from);
}

} // namespace platform
