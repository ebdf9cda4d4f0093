#include "platform/textbox.hpp"

#include "platform/keys.hpp"
#include "platform/numbers.hpp"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>

#include <algorithm>
#include <utility>

namespace platform {

TextBox::TextBox(QWidget* parent)
    : QLineEdit(parent)
{
}

QString TextBox::Text() const { return text(); }

void TextBox::SetText(const QString& text)
{
    setText(text);
    setCursorPosition(0);
    m_selStart = 0;
}

void TextBox::SetText(double zahl) { SetText(Str(zahl, locale())); }

void TextBox::SetEnabled(bool enabled) { setEnabled(enabled); }

void TextBox::SetSelLength(int length)
{
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    setSelection(start, std::clamp(length, 0, static_cast<int>(text().size()) - start));
}

void TextBox::focusInEvent(QFocusEvent* event)
{
    // QLineEdit selects everything on Tab and forgets the selection start on
    // leaving; here the start stays where it was, and GotFocus decides the rest.
    QLineEdit::focusInEvent(event);
    setCursorPosition(m_selStart);
    Q_EMIT GotFocus();
    // A click that brings the focus keeps the selection GotFocus made, so a
    // click into a field showing "?" lets the user type over it.
    m_keepFocusSelection = event->reason() == Qt::MouseFocusReason && hasSelectedText();
}

void TextBox::focusOutEvent(QFocusEvent* event)
{
    m_selStart = hasSelectedText() ? selectionStart() : cursorPosition();
    QLineEdit::focusOutEvent(event);
}

void TextBox::mousePressEvent(QMouseEvent* event)
{
    if (std::exchange(m_keepFocusSelection, false) && event->button() == Qt::LeftButton) {
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

QString TextBox::filtered(const QString& characters)
{
    QString kept;
    for (const QChar c : characters) {
        auto KeyAscii = static_cast<std::int16_t>(c.unicode());
        Q_EMIT KeyPress(KeyAscii);
        if (KeyAscii != 0)
            kept.append(QChar(static_cast<char16_t>(KeyAscii)));
    }
    return kept;
}

void TextBox::keyPressEvent(QKeyEvent* event)
{
    m_keepFocusSelection = false;
    const std::optional<QString> typed = typedCharacters(*event);
    if (!typed) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (typed->isEmpty()) {
        event->ignore();
        return;
    }
    const QString kept = filtered(*typed);
    if (kept == *typed) {
        // Unchanged: let the field treat the key as usual (Backspace included).
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    QString printable = kept;
    printable.removeIf([](QChar c) { return !c.isPrint(); });
    if (!printable.isEmpty())
        insert(printable);
}

void TextBox::inputMethodEvent(QInputMethodEvent* event)
{
    // Composed and input-method text obeys the same per-character rule.
    const QString commit = event->commitString();
    if (commit.isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent rewritten(event->preeditString(), event->attributes());
    rewritten.setCommitString(filtered(commit), event->replacementStart(),
                              event->replacementLength());
    QLineEdit::inputMethodEvent(&rewritten);
    event->setAccepted(rewritten.isAccepted());
}

} // namespace platform
