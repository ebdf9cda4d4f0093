// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/picturebox.hpp"

#include <QPainter>

namespace platform {

PictureBox::PictureBox(const QString& resource, QWidget* parent)
    : QFrame(parent)
    , m_image(resource)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect area = contentsRect();
    m_image.render(&painter, QRectF(area.topLeft(), m_image.defaultSize()));
}

} // namespace platform
