// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/picturebox.hpp"

#include "platform/form.hpp"

#include <QPainter>

namespace platform {

PictureBox::PictureBox(const Picture& picture, QWidget* parent)
    : QFrame(parent)
    , m_picture(picture)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setAccessibleName(QString::fromUtf8(picture.description.data(),
                                        static_cast<qsizetype>(picture.description.size())));
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect area = contentsRect();
    const double scale = textScale(*this);
    painter.setClipRect(QRectF(area.topLeft(), QSizeF(m_picture.width, m_picture.height) * scale));
    painter.translate(area.topLeft());
    painter.scale(scale, scale);
    m_picture.draw(painter);
}

} // namespace platform
