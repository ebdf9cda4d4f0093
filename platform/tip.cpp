// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/tip.hpp"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QScreen>

namespace platform {

Tip::Tip(QWidget* field)
    : QLabel(field, Qt::ToolTip | Qt::BypassGraphicsProxyWidget)
    , m_field(field)
{
    setObjectName(QStringLiteral("tip"));
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    constexpr int margin = 4;
    setMargin(margin);
    setTextFormat(Qt::PlainText);
}

void Tip::showBesideField(const QString& text)
{
    setText(text);
    adjustSize();
    // Right of the field, touching it, so that the pointer can move onto it
    // without leaving both; left of it where the screen ends first.
    const QRect field(m_field->mapToGlobal(QPoint(0, 0)), m_field->size());
    QPoint at(field.right(), field.top());
    const QScreen* const screen = m_field->screen();
    if (screen != nullptr && at.x() + width() > screen->availableGeometry().right())
        at.setX(field.left() - width() + 1);
    move(at);
    show();
    raise();
}

void Tip::fieldLeft()
{
    if (isVisible() && !geometry().contains(QCursor::pos()))
        hide();
}

void Tip::leaveEvent(QEvent* event)
{
    QLabel::leaveEvent(event);
    if (!m_field->rect().contains(m_field->mapFromGlobal(QCursor::pos())))
        hide();
}

bool Tip::eventFilter(QObject* watched, QEvent* event)
{
    // Escape closes the tip, wherever the focus is, and does nothing else.
    if (event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        hide();
        return true;
    }
    return QLabel::eventFilter(watched, event);
}

void Tip::showEvent(QShowEvent* event)
{
    QLabel::showEvent(event);
    qApp->installEventFilter(this);
}

void Tip::hideEvent(QHideEvent* event)
{
    QLabel::hideEvent(event);
    qApp->removeEventFilter(this);
}

} // namespace platform
