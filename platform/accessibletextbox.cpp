// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/accessibletextbox.hpp"

#include "platform/textbox.hpp"

#include <algorithm>

namespace platform {

AccessibleTextBox::AccessibleTextBox(TextBox* box)
    : QAccessibleWidget(box, QAccessible::EditableText)
{
}

TextBox& AccessibleTextBox::box() const { return *static_cast<TextBox*>(widget()); }

QString AccessibleTextBox::text(QAccessible::Text t) const
{
    return t == QAccessible::Value ? box().text() : QAccessibleWidget::text(t);
}

void AccessibleTextBox::setText(QAccessible::Text t, const QString& text)
{
    if (t != QAccessible::Value)
        QAccessibleWidget::setText(t, text);
    else
        replaceText(0, characterCount(), text);
}

QAccessible::State AccessibleTextBox::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = box().isReadOnly();
    state.editable = !state.readOnly;
    state.selectableText = true;
    return state;
}

void* AccessibleTextBox::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (t == QAccessible::EditableTextInterface && !box().isReadOnly())
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

void AccessibleTextBox::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    const bool selected = selectionIndex == 0 && box().hasSelectedText();
    *startOffset = selected ? box().selectionStart() : 0;
    *endOffset = selected ? box().selectionEnd() : 0;
}

int AccessibleTextBox::selectionCount() const { return box().hasSelectedText() ? 1 : 0; }

void AccessibleTextBox::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void AccessibleTextBox::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        box().deselect();
}

void AccessibleTextBox::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        box().setSelection(startOffset, endOffset - startOffset);
}

int AccessibleTextBox::cursorPosition() const { return box().cursorPosition(); }

void AccessibleTextBox::setCursorPosition(int position) { box().setCursorPosition(position); }

QString AccessibleTextBox::text(int startOffset, int endOffset) const
{
    return startOffset > endOffset ? QString()
                                   : box().text().mid(startOffset, endOffset - startOffset);
}

int AccessibleTextBox::characterCount() const { return static_cast<int>(box().text().size()); }

QRect AccessibleTextBox::characterRect(int offset) const
{
    const QRect rect = box().CharacterRect(offset);
    return rect.isEmpty() ? rect : rect.translated(box().mapToGlobal(QPoint(0, 0)));
}

int AccessibleTextBox::offsetAtPoint(const QPoint& point) const
{
    return box().cursorPositionAt(box().mapFromGlobal(point));
}

void AccessibleTextBox::scrollToSubstring(int startIndex, int endIndex)
{
    box().setCursorPosition(endIndex);
    box().setCursorPosition(startIndex);
}

QString AccessibleTextBox::attributes(int offset, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = offset;
    return {};
}

void AccessibleTextBox::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, {});
}

void AccessibleTextBox::insertText(int offset, const QString& text)
{
    replaceText(offset, offset, text);
}

void AccessibleTextBox::replaceText(int startOffset, int endOffset, const QString& text)
{
    if (box().isReadOnly()) {
        box().KeepClipboardWhileLocked();
        return;
    }
    // Written as a paste is: "1.234,56" is 1234.56, an invisible character is
    // dropped, and "1.2.34" is refused, with the paste's report.
    const int size = characterCount();
    const int start = std::clamp(startOffset, 0, size);
    const int end = std::clamp(endOffset, start, size);
    box().ReplaceAsPasted(start, end, text);
}

} // namespace platform
