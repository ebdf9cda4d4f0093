// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/assets/dreieck.hpp"

#include <QPainter>
#include <QPolygonF>
#include <QStringView>

#include <array>

namespace assets {

// The desktop's sans-serif face, DejaVu Sans on Debian, as the diagram has always
// shown. It is the diagram's own: the controls use the layout's face.
QFont schrift(int pixel)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixel);
    font.setStyleStrategy(QFont::PreferNoShaping); // Latin texts, as the controls'
    return font;
}

void rechter_winkel(QPainter& painter, QPointF ecke, QPointF x, QPointF y, double seite)
{
    const QPointF ex = x * seite;
    const QPointF ey = y * seite;
    painter.setPen(QPen(rot, 1, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(QPolygonF({ecke + ex, ecke + ex + ey, ecke + ey, ecke}));
    painter.setPen(Qt::NoPen);
    painter.setBrush(rot);
    painter.drawEllipse(ecke + (ex + ey) / 2, 1.5, 1.5);
    painter.setBrush(Qt::NoBrush);
}

namespace {

// A text on the diagram: its baseline point, its turn in degrees clockwise,
// its size in pixels, and whether the point is its middle or its start.
struct Beschriftung {
    QPointF punkt;
    double grad;
    int pixel;
    bool mittig;
    QStringView text;
};

constexpr std::array<Beschriftung, 8> beschriftungen{{
    {{150, 114}, 0, 12, false, u"α"},
    {{26, 67}, -90, 11, true, u"Gegenkathete"},
    {{110, 131}, 0, 11, true, u"Ankathete"},
    {{114, 60}, 33.9, 11, true, u"Hypotenuse"},
    {{6, 152}, 0, 11, false, u"sin α = ge/hyp"},
    {{104, 152}, 0, 11, false, u"cos α = an/hyp"},
    {{6, 169}, 0, 11, false, u"tan α = ge/an"},
    {{104, 169}, 0, 11, false, u"cot α = an/ge"},
}};

void beschriften(QPainter& painter, const Beschriftung& b)
{
    painter.save();
    painter.setFont(schrift(b.pixel));
    painter.translate(b.punkt);
    painter.rotate(b.grad);
    const QString text = b.text.toString();
    const double links = b.mittig ? -painter.fontMetrics().horizontalAdvance(text) / 2.0 : 0.0;
    painter.drawText(QPointF(links, 0), text);
    painter.restore();
}

} // namespace

void dreieck_zeichnen(QPainter& painter)
{
    painter.fillRect(QRectF(0, 0, dreieck.width, dreieck.height), Qt::white);

    // The triangle: right angle at the lower left, alpha at the lower right.
    painter.setPen(QPen(rot, 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawPolygon(QPolygonF({{34, 16}, {34, 118}, {186, 118}}));
    painter.setPen(QPen(rot, 1, Qt::SolidLine, Qt::FlatCap));
    painter.drawRect(QRectF(34, 108.5, 9.5, 9.5));
    // Alpha's arc: radius 22 about the corner, from the base up to (167.8, 105.7).
    // QPainter counts angles in 1/16 degree, anticlockwise.
    constexpr int links = 180 * 16;
    constexpr int bogen = -545; // 34.06 degrees
    painter.drawArc(QRectF(186 - 22, 118 - 22, 44, 44), links, bogen);
    painter.setPen(Qt::NoPen);
    painter.setBrush(rot);
    painter.drawEllipse(QPointF(39, 113), 1.5, 1.5);

    painter.setPen(Qt::black);
    for (const Beschriftung& b : beschriftungen)
        beschriften(painter, b);
}

} // namespace assets
