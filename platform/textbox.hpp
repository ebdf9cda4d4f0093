// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QClipboard>
#include <QLineEdit>

class QMenu;
class QPainter;

namespace platform {
class Tip;
}

#include <cstdint>

namespace platform {

// An entry field with Visual Basic's events: GotFocus, and a KeyPress that sees
// every typed character before it is inserted and may replace it or drop it
// (by setting the code to 0). Pasted and dropped text passes through
// pastedCharacters instead; text set by the program is taken as it is.
class TextBox final : public QLineEdit {
    Q_OBJECT

public:
    explicit TextBox(QWidget* parent);

    [[nodiscard]] QString Text() const;
    // Replaces the whole text and puts the caret back at its start.
    void SetText(const QString& text);
    // A disabled field shows its text but takes neither focus nor input.
    void SetEnabled(bool enabled);
    // What screen readers call the field: its label's caption.
    [[nodiscard]] QString Name() const { return accessibleName(); }
    // Selects up to `length` characters from the current selection start.
    void SetSelLength(int length);
    // Moves the selection start (the caret), also while the field has no focus.
    void SetSelStart(int start);
    // A text that a click selects as a whole, so that typing replaces it.
    void SetMarker(const QString& marker);
    // A remark on the value shown, such as why the program replaced what was
    // typed: a mark in the field's corner (a shape, not only a colour), and
    // the field's accessible description. Empty removes it.
    void SetNote(const QString& note);
    [[nodiscard]] QString Note() const { return m_note; }
    // Where a character stands, in the field's coordinates (empty past the
    // end): for screen readers and magnifiers.
    [[nodiscard]] QRect CharacterRect(int position) const;
    // Which ends of the text lie beyond what the field shows: marked there
    // with an ellipsis.
    [[nodiscard]] Qt::Edges CutEdges() const;
    // Text an assistive technology writes into characters [start, end): taken
    // as a paste is, read as it looks, or refused with the paste's report.
    void ReplaceAsPasted(int start, int end, const QString& text);
    // An assistive technology asked to change a locked field: the change is
    // refused, and the clipboard keeps what it held.
    void KeepClipboardWhileLocked();

Q_SIGNALS:
    void GotFocus();
    void KeyPress(std::int16_t& KeyAscii);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // Locked fields show results: their text keeps the contrast of an editable
    // field's, and the lock shows in their background. Follows theme changes.
    void readableWhenLocked();
    [[nodiscard]] bool showsMarker() const;
    // Where the field draws its text.
    [[nodiscard]] QRect textArea() const;
    void markCut(QPainter& painter);
    // Puts back what the program wrote when anything else changes a locked field.
    void refuseWhileLocked();
    // Undo, Redo, Cut, Copy, Paste, Delete and Select All, as Qt's own menu has them.
    [[nodiscard]] QMenu* editMenu();
    // Inserts the clipboard's or the X selection's text, made fit for a field.
    void insertPasted(QClipboard::Mode mode);
    // Says that a text was not taken, since it would read as another number.
    void refusePasted(const QString& text);

    // Runs every character through KeyPress; returns what is left to insert.
    [[nodiscard]] QString filtered(const QString& characters);

    // The tooltip, kept until its reader dismisses it.
    Tip* const m_tip;
    QString m_marker;
    QString m_note;
    QString m_lockedText; // what a locked field shows
    int m_selStart = 0;   // the selection start, kept while the field has no focus
    bool m_keepFocusSelection = false;
    // The focus left for this field's own menu or another window, and comes
    // back without the user having moved it.
    bool m_focusLent = false;
    bool m_pressHandled = false; // a left press that set the selection itself
};

} // namespace platform
