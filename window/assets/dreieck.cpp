// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/assets/dreieck.hpp"

#include <QPainter>
#include <QPolygonF>
#include <QStringView>

#include <QFontMetricsF>
#include <QLineF>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace assets {
namespace {

const QColor rot(0xe0, 0x00, 0x00);

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

// The right angle's square and dot, with its corner at `ecke`, the legs
// running right and up.
void rechter_winkel(QPainter& painter, QPointF ecke, double seite)
{
    painter.setPen(QPen(rot, 1, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(ecke.x(), ecke.y() - seite, seite, seite));
    painter.setPen(Qt::NoPen);
    painter.setBrush(rot);
    painter.drawEllipse(ecke + QPointF(seite / 2, -seite / 2), 1.5, 1.5);
    painter.setBrush(Qt::NoBrush);
}

// An angle's arc of `radius` about `ecke`, from `von` degrees through `bogen`
// degrees (anticlockwise, as QPainter counts).
void winkelbogen(QPainter& painter, QPointF ecke, double radius, double von, double bogen)
{
    constexpr int sechzehntel = 16;
    painter.setPen(QPen(rot, 1, Qt::SolidLine, Qt::FlatCap));
    painter.drawArc(QRectF(ecke.x() - radius, ecke.y() - radius, 2 * radius, 2 * radius),
                    static_cast<int>(von * sechzehntel), static_cast<int>(bogen * sechzehntel));
}

} // namespace

namespace {

// The triangle to scale within the room the labels leave: a leg far shorter
// than the other keeps a few pixels, so that the triangle can still be seen.
struct Ecken {
    double an, ge;   // the legs' lengths in pixels
    QPointF a, b, c; // alpha, beta and the right angle
    double alpha;    // degrees, as drawn
};
constexpr double rand_links = 40;
constexpr double rand_rechts = 24;
constexpr double rand_oben = 24;
constexpr double rand_unten = 34;

Ecken ecken(const Skizze& skizze, int breite, int hoehe)
{
    constexpr double kuerzeste = 12;
    const double raum_x = breite - rand_links - rand_rechts;
    const double raum_y = hoehe - rand_oben - rand_unten;
    const double massstab = std::min(raum_x / skizze.an, raum_y / skizze.ge);
    const double an = std::clamp(skizze.an * massstab, kuerzeste, raum_x);
    const double ge = std::clamp(skizze.ge * massstab, kuerzeste, raum_y);
    const QPointF c(rand_links, rand_oben + ge);
    return {an,
            ge,
            c + QPointF(an, 0),
            c - QPointF(0, ge),
            c,
            std::atan2(ge, an) * 180 / std::numbers::pi};
}

// The arcs' radii: at most 22 pixels, and no more than the legs leave room for.
struct Boegen {
    double alpha, beta;
};
Boegen boegen(const Ecken& e)
{
    constexpr double groesster = 22;
    constexpr double neben_der_ecke = 10;
    return {std::min({groesster, e.an / 2, e.ge / 2 + neben_der_ecke}),
            std::min({groesster, e.ge / 2, e.an / 2 + neben_der_ecke})};
}

void linien_zeichnen(QPainter& painter, const Ecken& e, const Boegen& r)
{
    constexpr double quadrat = 10;
    painter.setPen(QPen(rot, 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawPolygon(QPolygonF({e.b, e.c, e.a}));
    rechter_winkel(painter, e.c, std::min({quadrat, e.an / 3, e.ge / 3}));
    winkelbogen(painter, e.a, r.alpha, 180, -e.alpha);
    winkelbogen(painter, e.b, r.beta, 270, 90 - e.alpha);
}

void beschriftungen_zeichnen(QPainter& painter, const Skizze& skizze, const Ecken& e,
                             const Boegen& r)
{
    constexpr int pixel = 11;
    constexpr double abstand = 6;          // between a label and its line or arc
    constexpr double unter_der_linie = 16; // the Ankathete's label, below its baseline
    constexpr double links_der_linie = 8;
    constexpr double grundlinie = 4;
    constexpr double unter_dem_bogen = 14;
    painter.setPen(Qt::black);
    const QLineF hypotenuse(e.b, e.a);
    // The angles' labels stand inside the triangle, by their arcs: alpha
    // where it fits, else beside its corner.
    const double alpha_breite = QFontMetricsF(schrift(pixel + 1)).horizontalAdvance(skizze.alpha);
    const bool alpha_innen = alpha_breite + r.alpha + abstand < e.an - 2 * abstand;
    const std::array<Beschriftung, 5> texte{{
        {QPointF((e.c.x() + e.a.x()) / 2, e.c.y() + unter_der_linie), 0, pixel, true,
         skizze.ankathete},
        {QPointF(e.c.x() - links_der_linie, (e.c.y() + e.b.y()) / 2), -90, pixel, true,
         skizze.gegenkathete},
        {hypotenuse.center() + QPointF(abstand, -abstand), 360 - hypotenuse.angle(), pixel, true,
         skizze.hypotenuse},
        {e.a
             + (alpha_innen ? QPointF(-r.alpha - abstand - alpha_breite, -grundlinie)
                            : QPointF(links_der_linie, -grundlinie)),
         0, pixel + 1, false, skizze.alpha},
        {e.b + QPointF(grundlinie, r.beta + unter_dem_bogen), 0, pixel + 1, false, skizze.beta},
    }};
    for (const Beschriftung& text : texte)
        beschriften(painter, text);
}

} // namespace

QImage skizze_zeichnen(const Skizze& skizze, int breite, int hoehe)
{
    // Drawn at twice the size, for print; the image is as high as the triangle needs.
    constexpr double aufloesung = 2;
    const Ecken e = ecken(skizze, breite, hoehe);
    const double bildhoehe = std::ceil(rand_oben + e.ge + rand_unten);
    QImage bild(static_cast<int>(breite * aufloesung), static_cast<int>(bildhoehe * aufloesung),
                QImage::Format_RGB32);
    bild.setDevicePixelRatio(aufloesung);
    bild.fill(Qt::white);
    QPainter painter(&bild);
    painter.setRenderHint(QPainter::Antialiasing);
    const Boegen r = boegen(e);
    linien_zeichnen(painter, e, r);
    beschriftungen_zeichnen(painter, skizze, e, r);
    return bild;
}

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
