// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/textbox.hpp"

#include "platform/application.hpp"
#include "platform/form.hpp"
#include "platform/keys.hpp"
#include "platform/tip.hpp"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionFrame>
#include <QTextLayout>
#include <QTimer>

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace platform {

TextBox::TextBox(QWidget* parent)
    : QLineEdit(parent)
    , m_tip(new Tip(this))
{
    readableWhenLocked();
    connect(this, &QLineEdit::textChanged, this, &TextBox::refuseWhileLocked);
    // A refused paste's message goes once the user types on; a note on the
    // value shown goes with any change to it.
    connect(this, &QLineEdit::textEdited, m_tip, &QWidget::hide);
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!isReadOnly() && !m_note.isEmpty()) {
            SetNote({});
            setToolTip({});
        }
    });
}

void TextBox::readableWhenLocked()
{
    QPalette colours = QApplication::palette(this);
    colours.setColor(QPalette::Disabled, QPalette::Text,
                     colours.color(QPalette::Active, QPalette::Text));
    if (colours.color(QPalette::Disabled, QPalette::Base)
        == colours.color(QPalette::Active, QPalette::Base))
        colours.setColor(QPalette::Disabled, QPalette::Base,
                         colours.color(QPalette::Active, QPalette::Window));
    setPalette(colours);
}

void TextBox::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::ApplicationPaletteChange)
        readableWhenLocked();
}

bool TextBox::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::ToolTip:
        if (toolTip().isEmpty())
            m_tip->hide();
        else
            m_tip->showBesideField(toolTip());
        return true;
    case QEvent::ToolTipChange:
        if (m_tip->isVisible() && toolTip().isEmpty())
            m_tip->hide();
        else if (m_tip->isVisible())
            m_tip->showBesideField(toolTip());
        break;
    default: break;
    }
    return QLineEdit::event(event);
}

void TextBox::leaveEvent(QEvent* event)
{
    QLineEdit::leaveEvent(event);
    m_tip->fieldLeft();
}

QString TextBox::Text() const { return text(); }

void TextBox::SetText(const QString& text)
{
    m_lockedText = text;
    setText(text);
    setCursorPosition(0);
    m_selStart = 0;
}

void TextBox::SetNote(const QString& note)
{
    if (note == m_note)
        return;
    m_note = note;
    setAccessibleDescription(note);
    update();
}

QRect TextBox::textArea() const
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    return style()
        ->subElementRect(QStyle::SE_LineEditContents, &panel, this)
        .marginsRemoved(textMargins());
}

namespace {

// Where each character boundary of a field's text stands, in the field's
// coordinates: the text laid out once as the field lays it out (hinted
// advances included), placed by the caret, whose place Qt tells.
class TextPositions {
public:
    // `caret` is the field's cursorRect(), which Qt centres on the caret's
    // pixel: its exact middle (not QRect's, a pixel short) anchors the layout.
    TextPositions(const QLineEdit& field, QRect caret)
        : m_layout(field.displayText(), field.font())
    {
        QTextOption option;
        option.setFlags(QTextOption::IncludeTrailingSpaces);
        m_layout.setTextOption(option);
        m_layout.beginLayout();
        m_line = m_layout.createLine();
        m_layout.endLayout();
        m_offset = QRectF(caret).center().x() - m_line.cursorToX(field.cursorPosition());
    }
    [[nodiscard]] qreal x(int position) const { return m_offset + m_line.cursorToX(position); }

private:
    QTextLayout m_layout;
    QTextLine m_line;
    qreal m_offset = 0;
};

} // namespace

Qt::Edges TextBox::CutEdges() const
{
    const TextPositions at(*this, cursorRect());
    const QRect area = textArea();
    Qt::Edges cut;
    if (at.x(0) < area.left())
        cut |= Qt::LeftEdge;
    if (at.x(static_cast<int>(displayText().size())) > area.right() + 1)
        cut |= Qt::RightEdge;
    return cut;
}

void TextBox::markCut(QPainter& painter)
{
    // A value wider than the field shows an ellipsis where it is cut, over
    // the characters it does not show whole, so that nobody takes what is
    // seen for the whole value.
    const Qt::Edges cut = CutEdges();
    if (cut == Qt::Edges())
        return;
    QPalette::ColorGroup group = isActiveWindow() ? QPalette::Active : QPalette::Inactive;
    if (!isEnabled())
        group = QPalette::Disabled;
    const TextPositions at(*this, cursorRect());
    const QString more = u"…"_s;
    const QRectF area = textArea();
    const qreal width = QFontMetricsF(font()).horizontalAdvance(more) + 2;
    const int size = static_cast<int>(displayText().size());
    painter.setPen(palette().color(group, QPalette::Text));
    const auto mark = [&](const QRectF& patch) {
        painter.fillRect(patch, palette().color(group, QPalette::Base));
        painter.drawText(patch, Qt::AlignCenter, more);
    };
    const int middle = qRound(area.center().y());
    // A glyph's ink may start a device pixel before its place: the patch
    // covers that pixel of the first character hidden and no more, which
    // at 200 % is half a logical pixel, so the last one shown stays whole.
    const qreal ink = 1 / devicePixelRatioF();
    if (cut.testFlag(Qt::LeftEdge)) {
        const qreal inner = area.left() + width;
        int k = cursorPositionAt(QPoint(qRound(inner), middle));
        while (k < size && at.x(k) < inner)
            ++k;
        mark(QRectF(QPointF(area.left(), area.top()), QPointF(at.x(k) + ink, area.bottom())));
    }
    if (cut.testFlag(Qt::RightEdge)) {
        const qreal inner = area.right() - width;
        int k = cursorPositionAt(QPoint(qRound(inner), middle));
        while (k > 0 && at.x(k) > inner)
            --k;
        mark(QRectF(QPointF(at.x(k) - ink, area.top()), QPointF(area.right(), area.bottom())));
    }
}

void TextBox::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    markCut(painter);
    if (m_note.isEmpty())
        return;
    // A filled corner, as spreadsheets mark a cell with a comment, edged in
    // the text colour so that it stands out on any fill.
    const qreal seite = height() * 0.5;
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath ecke;
    ecke.moveTo(r.topRight());
    ecke.lineTo(r.right() - seite, r.top());
    ecke.lineTo(r.right(), r.top() + seite);
    ecke.closeSubpath();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::Active, QPalette::Text), 1));
    painter.setBrush(palette().color(QPalette::Active, QPalette::Highlight));
    painter.drawPath(ecke);
}

void TextBox::KeepClipboardWhileLocked()
{
    // Qt's accessibility bridge answers a cut on a locked field by asking the
    // field to drop the text, which it refuses, and by putting the text on the
    // clipboard all the same. Nothing was cut, so what the clipboard held
    // before comes back once the bridge is done.
    QClipboard* const clipboard = QGuiApplication::clipboard();
    const QMimeData* const held = clipboard->mimeData();
    QList<std::pair<QString, QByteArray>> formats;
    if (held != nullptr) {
        for (const QString& format : held->formats())
            formats.append({format, held->data(format)});
    }
    QTimer::singleShot(0, this, [clipboard, formats, text = clipboard->text()] {
        if (clipboard->text() == text)
            return;
        auto* const restored = new QMimeData; // the clipboard owns it
        for (const auto& [format, data] : formats)
            restored->setData(format, data);
        clipboard->setMimeData(restored);
    });
}

void TextBox::refuseWhileLocked()
{
    // Qt's accessibility bridge writes into a read-only field as well; only
    // the program may change what a locked field shows.
    if (isReadOnly() && text() != m_lockedText) {
        setText(m_lockedText);
        setCursorPosition(0);
    }
}

QRect TextBox::CharacterRect(int position) const
{
    const QString character = displayText().mid(position, 1);
    if (position < 0 || character.isEmpty())
        return {};
    const QFontMetrics metrics(font());
    return {qRound(TextPositions(*this, cursorRect()).x(position)),
            cursorRect().center().y() - metrics.height() / 2, metrics.horizontalAdvance(character),
            metrics.height()};
}

void TextBox::SetSelStart(int start)
{
    setCursorPosition(start);
    m_selStart = cursorPosition();
}

void TextBox::SetEnabled(bool enabled)
{
    // Locked, a field is read-only for every path (screen readers are told
    // so), takes no focus, shows its text from the start, and drops its
    // outline: the lock shows in the field's shape, not only in its fill.
    m_lockedText = text();
    setReadOnly(!enabled);
    setFocusPolicy(enabled ? Qt::StrongFocus : Qt::NoFocus);
    setFrame(enabled);
    if (!enabled)
        SetSelStart(0);
    setEnabled(enabled);
}

void TextBox::SetSelLength(int length)
{
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    const int selected = std::clamp(length, 0, static_cast<int>(text().size()) - start);
    // Selecting what is selected already would only move the caret about.
    if (selected != selectedText().size() || (selected > 0 && selectionStart() != start))
        setSelection(start, selected);
}

namespace {

// A popup (the field's own menu) and another window take the focus only for a
// while; it comes back by the same reason, with the caret and the selection
// as the user left them.
bool lentFocus(Qt::FocusReason reason)
{
    return reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason;
}

} // namespace

void TextBox::focusInEvent(QFocusEvent* event)
{
    // Focus that only comes back is no GotFocus: selecting from the caret
    // then would have the next key or paste replace what the user typed.
    if (std::exchange(m_focusLent, false) && lentFocus(event->reason())) {
        QLineEdit::focusInEvent(event);
        return;
    }
    // QLineEdit selects everything on Tab and forgets the selection start on
    // leaving; here the start stays where it was, and GotFocus decides the rest.
    // Screen readers hear of the focus only after this, so the caret and the
    // selection move only where they must: told of extra caret moves first,
    // Orca moves its focus silently and never names the field.
    QLineEdit::focusInEvent(event);
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    if (start != m_selStart)
        setCursorPosition(m_selStart);
    Q_EMIT GotFocus();
    m_keepFocusSelection = event->reason() == Qt::MouseFocusReason && hasSelectedText();
}

void TextBox::focusOutEvent(QFocusEvent* event)
{
    m_selStart = hasSelectedText() ? selectionStart() : cursorPosition();
    m_focusLent = lentFocus(event->reason());
    QLineEdit::focusOutEvent(event);
}

void TextBox::SetMarker(const QString& marker) { m_marker = marker; }

bool TextBox::showsMarker() const { return !m_marker.isEmpty() && text() == m_marker; }

void TextBox::mousePressEvent(QMouseEvent* event)
{
    // A click into a lone marker selects it, with or without the focus, so
    // typing replaces it. A click that brings the focus keeps the selection
    // GotFocus made.
    const bool keepSelection = std::exchange(m_keepFocusSelection, false);
    m_pressHandled = event->button() == Qt::LeftButton && (keepSelection || showsMarker());
    if (m_pressHandled) {
        if (showsMarker())
            selectAll();
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void TextBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && std::exchange(m_pressHandled, false)) {
        // No copy of that selection into the X selection: the click did not make it.
        event->accept();
        return;
    }
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        // X pastes its selection where the middle button was pressed, over a lone marker.
        if (showsMarker())
            selectAll();
        else
            deselect();
        insertPasted(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TextBox::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = editMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // Closed by Escape, the menu gives the focus back to the field without
    // Qt telling screen readers, which would still name the menu's entry.
    if (auto* const form = qobject_cast<Form*>(window()))
        connect(menu, &QMenu::aboutToHide, form, &Form::AnnounceFocus, Qt::QueuedConnection);
    menu->popup(event->globalPos());
    // Opened by a key, its first entry that can be chosen is active, so that
    // screen readers name it at once.
    if (event->reason() == QContextMenuEvent::Keyboard) {
        const QList<QAction*> entries = menu->actions();
        const auto first = std::ranges::find_if(
            entries, [](const QAction* a) { return a->isEnabled() && !a->isSeparator(); });
        if (first != entries.end())
            menu->setActiveAction(*first);
    }
}

QMenu* TextBox::editMenu()
{
    // QLineEdit's own entries and Qt's own German texts for them, from public
    // slots alone; Paste goes through the same filter as the keyboard's text.
    // An entry names only a key that works in the field: Delete. The others'
    // keys (Strg+Z, Y, X, C, V, A, Umschalt+Einfg, Strg+Einfg) reach the key
    // rule as control codes, which it discards, so their entries name none.
    GermanQtTexts();
    auto* menu = new QMenu(this);
    const auto entry = [this, menu](const char* text, bool enabled, auto slot,
                                    const QKeySequence& key = {}) {
        QString label = QCoreApplication::translate("QLineEdit", text);
        if (!key.isEmpty())
            label += u'\t' + key.toString(QKeySequence::NativeText);
        QAction* action = menu->addAction(label);
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    const bool editable = !isReadOnly();
    entry("&Undo", editable && isUndoAvailable(), &QLineEdit::undo);
    entry("&Redo", editable && isRedoAvailable(), &QLineEdit::redo);
    menu->addSeparator();
    entry("Cu&t", editable && hasSelectedText(), &QLineEdit::cut);
    entry("&Copy", hasSelectedText(), &QLineEdit::copy);
    entry("&Paste", editable && !QGuiApplication::clipboard()->text().isEmpty(), [this] {
        insertPasted(QClipboard::Clipboard);
    })->setObjectName(QStringLiteral("edit-paste"));
    entry(
        "Delete", editable && hasSelectedText(), [this] { del(); },
        QKeySequence(QKeySequence::Delete));
    menu->addSeparator();
    entry("Select All", !text().isEmpty() && selectedText().size() != text().size(),
          &QLineEdit::selectAll);
    return menu;
}

void TextBox::dropEvent(QDropEvent* event)
{
    if (!event->mimeData()->hasText()) {
        QLineEdit::dropEvent(event);
        return;
    }
    const std::optional<QString> pasted = pastedCharacters(event->mimeData()->text());
    if (!pasted) {
        refusePasted(event->mimeData()->text());
        event->ignore();
        return;
    }
    QMimeData cleaned;
    cleaned.setText(*pasted);
    QDropEvent rewritten(event->position(), event->possibleActions(), &cleaned, event->buttons(),
                         event->modifiers());
    rewritten.setDropAction(event->dropAction());
    QLineEdit::dropEvent(&rewritten);
    event->setDropAction(rewritten.dropAction());
    event->setAccepted(rewritten.isAccepted());
}

void TextBox::insertPasted(QClipboard::Mode mode)
{
    const QString text = QGuiApplication::clipboard()->text(mode);
    const std::optional<QString> pasted = pastedCharacters(text);
    if (!pasted)
        refusePasted(text);
    else if (!pasted->isEmpty() || hasSelectedText())
        insert(*pasted);
}

void TextBox::ReplaceAsPasted(int start, int end, const QString& text)
{
    const std::optional<QString> pasted = pastedCharacters(text);
    if (!pasted) {
        refusePasted(text);
        return;
    }
    setSelection(start, end - start);
    insert(*pasted);
}

void TextBox::refusePasted(const QString& text)
{
    // Shown where the text would have gone, and said to screen readers.
    constexpr qsizetype shownCharacters = 40;
    const QString message =
        u"Nicht eingefügt: „"_s + text.left(shownCharacters) + u"“ ist keine eindeutige Zahl."_s;
    QApplication::beep();
    // Beside the field, as its tooltip: below it, it would cover the next
    // field and swallow the click meant for it.
    m_tip->showBesideField(message);
    if (auto* const form = qobject_cast<Form*>(window()))
        form->Announce(message);
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
    // Shift+F10 opens the field's menu, as the menu key does.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        const QPoint at = cursorRect().center();
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, at, mapToGlobal(at));
        contextMenuEvent(&menuKey);
        return;
    }
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
