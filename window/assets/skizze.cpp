// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/assets/skizze.hpp"

#include "window/assets/dreieck.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <numbers>

using namespace Qt::StringLiterals;

namespace assets {
namespace {

constexpr double rand_links = 44;
constexpr double rand_rechts = 44;
constexpr double rand_oben = 26;
constexpr double rand_unten = 34;
constexpr double luft = 2; // between a text and any line
constexpr double legendenzeile = 15;
constexpr int seitenpixel = 11; // the sides' and the legend's texts
constexpr int winkelpixel = 12; // the angles' and the vertices' names

double laenge(QPointF v) { return std::hypot(v.x(), v.y()); }
QPointF einheit(QPointF v) { return v / laenge(v); }

// Where a text may stand: the point of its box at `punkt` is the one at
// (rx, ry) of its width and height (0, 0 its top left, 1, 1 its bottom right).
struct Anker {
    QPointF punkt;
    double rx, ry;
    bool senkrecht = false;
};

bool kreuzt(const QRectF& r, const QLineF& l)
{
    if (r.contains(l.p1()) || r.contains(l.p2()))
        return true;
    const std::array<QLineF, 4> kanten{{{r.topLeft(), r.topRight()},
                                        {r.topRight(), r.bottomRight()},
                                        {r.bottomRight(), r.bottomLeft()},
                                        {r.bottomLeft(), r.topLeft()}}};
    return std::ranges::any_of(kanten, [&l](const QLineF& k) {
        return l.intersects(k, nullptr) == QLineF::BoundedIntersection;
    });
}

class Planer {
public:
    Planer(Skizzenplan& plan, QRectF bild)
        : m_plan(plan)
        , m_bild(bild)
    {
    }

    // The first free place for the whole text, else for its short form, which
    // sends the whole text to the legend; with no room at all, only the legend.
    void setzen(const QString& voll, const QString& kurz, int pixel,
                std::initializer_list<Anker> anker, const QString& legende)
    {
        for (const QString& text : {voll, kurz}) {
            for (const Anker& a : anker) {
                if (text.isEmpty())
                    break;
                if (versuchen(text, pixel, a)) {
                    if (text != voll && !legende.isEmpty())
                        m_plan.legende << legende;
                    return;
                }
            }
        }
        if (!legende.isEmpty())
            m_plan.legende << legende;
    }

private:
    bool versuchen(const QString& text, int pixel, const Anker& a)
    {
        const QFontMetricsF fm(schrift(pixel));
        QSizeF groesse(fm.horizontalAdvance(text), fm.ascent() + fm.descent());
        if (a.senkrecht)
            groesse.transpose();
        const QRectF rahmen(a.punkt - QPointF(a.rx * groesse.width(), a.ry * groesse.height()),
                            groesse);
        const QRectF mit_luft = rahmen.adjusted(-luft, -luft, luft, luft);
        const bool frei = m_bild.contains(rahmen)
                          && std::ranges::none_of(
                              m_plan.linien, [&](const QLineF& l) { return kreuzt(mit_luft, l); })
                          && std::ranges::none_of(m_plan.texte, [&](const Skizzentext& t) {
                                 return t.rahmen.intersects(mit_luft);
                             });
        if (frei)
            m_plan.texte.push_back({text, rahmen, pixel, a.senkrecht});
        return frei;
    }

    Skizzenplan& m_plan;
    QRectF m_bild;
};

// An arc about `mitte` from `von` degrees through `bogen` degrees,
// anticlockwise as QPainter counts, as chords.
void sehnen(std::vector<QLineF>& linien, QPointF mitte, double radius, double von, double bogen)
{
    constexpr int teile = 12;
    const auto punkt = [&](int i) {
        const double grad = (von + bogen * i / teile) * std::numbers::pi / 180;
        return mitte + radius * QPointF(std::cos(grad), -std::sin(grad));
    };
    for (int i = 0; i < teile; ++i)
        linien.emplace_back(punkt(i), punkt(i + 1));
}

void quadrat(std::vector<QLineF>& linien, QPointF ecke, QPointF x, QPointF y, double seite)
{
    const std::array<QPointF, 4> p{ecke, ecke + x * seite, ecke + (x + y) * seite,
                                   ecke + y * seite};
    for (std::size_t i = 0; i < p.size(); ++i)
        linien.emplace_back(p.at(i), p.at((i + 1) % p.size()));
}

// The small right angle's side at the altitude's foot.
double fussquadrat(const Skizzenplan& p)
{
    constexpr double groesstes = 7;
    return std::min({groesstes, laenge(p.c - p.fusspunkt) / 3, laenge(p.a - p.fusspunkt) / 3,
                     laenge(p.b - p.fusspunkt) / 3});
}

double eckquadrat(const Skizzenplan& p)
{
    constexpr double groesstes = 10;
    return std::min({groesstes, laenge(p.a - p.c) / 3, laenge(p.b - p.c) / 3});
}

// The triangle to scale within the room the labels leave: a leg far shorter
// than the other keeps a few pixels, so that the triangle can still be seen.
void ecken(Skizzenplan& p, const Skizze& skizze, int breite, int hoehe)
{
    constexpr double kuerzeste = 12;
    constexpr double groesster_bogen = 22;
    constexpr double neben_der_ecke = 10;
    const double raum_x = breite - rand_links - rand_rechts;
    const double raum_y = hoehe - rand_oben - rand_unten;
    const double massstab = std::min(raum_x / skizze.an, raum_y / skizze.ge);
    const double an = std::clamp(skizze.an * massstab, kuerzeste, raum_x);
    const double ge = std::clamp(skizze.ge * massstab, kuerzeste, raum_y);
    p.c = QPointF(rand_links, rand_oben + ge);
    p.a = p.c + QPointF(an, 0);
    p.b = p.c - QPointF(0, ge);
    p.winkel = std::atan2(ge, an) * 180 / std::numbers::pi;
    const QPointF ab = p.a - p.b;
    const double t = QPointF::dotProduct(p.c - p.b, ab) / QPointF::dotProduct(ab, ab);
    p.fusspunkt = p.b + t * ab;
    p.bogen_alpha = std::min({groesster_bogen, an / 2, ge / 2 + neben_der_ecke});
    p.bogen_beta = std::min({groesster_bogen, ge / 2, an / 2 + neben_der_ecke});
    p.groesse = QSizeF(breite, std::ceil(rand_oben + ge + rand_unten));
}

void linien(Skizzenplan& p)
{
    auto& l = p.linien;
    l = {{p.b, p.c}, {p.c, p.a}, {p.a, p.b}, {p.c, p.fusspunkt}};
    quadrat(l, p.c, {1, 0}, {0, -1}, eckquadrat(p));
    quadrat(l, p.fusspunkt, einheit(p.a - p.b), einheit(p.c - p.fusspunkt), fussquadrat(p));
    sehnen(l, p.a, p.bogen_alpha, 180 - p.winkel, p.winkel);
    sehnen(l, p.b, p.bogen_beta, 270, 90 - p.winkel);
}

// The labels, the most needed first: the vertices, the sides, the angles,
// then h, p and q. Each tries its places in the order a book would use.
void texte(Skizzenplan& p, const Skizze& s)
{
    Planer planer(p, QRectF(QPointF(0, 0), p.groesse));
    constexpr double d = 4; // a label's distance from its point
    planer.setzen(u"C"_s, {}, winkelpixel,
                  {{p.c + QPointF(-d, d), 1, 0}, {p.c + QPointF(-d, 0), 1, 0.5}}, {});
    planer.setzen(u"A"_s, {}, winkelpixel,
                  {{p.a + QPointF(d, d), 0, 0}, {p.a + QPointF(d, 0), 0, 0.5}}, {});
    planer.setzen(u"B"_s, {}, winkelpixel,
                  {{p.b + QPointF(-d, 0), 1, 0.5}, {p.b + QPointF(0, -d), 0.5, 1}}, {});

    const QPointF mitte_b = (p.c + p.a) / 2;
    planer.setzen(s.ankathete, u"b"_s, seitenpixel,
                  {{mitte_b + QPointF(0, d), 0.5, 0}, {p.c + QPointF(d + 8, d), 0, 0}},
                  s.ankathete);
    const QPointF mitte_a = (p.c + p.b) / 2;
    planer.setzen(s.gegenkathete, u"a"_s, seitenpixel,
                  {{mitte_a + QPointF(-d, 0), 1, 0.5, true}, {mitte_a + QPointF(-d, 0), 1, 0.5}},
                  s.gegenkathete);
    // Above the hypotenuse, outside the triangle: there a box's lower left
    // corner is its nearest point to the line.
    const QPointF aussen = einheit(QPointF((p.a - p.b).y(), -(p.a - p.b).x())) * d;
    const auto auf_c = [&p](double t) { return p.b + t * (p.a - p.b); };
    planer.setzen(s.hypotenuse, u"c"_s, seitenpixel,
                  {{auf_c(0.5) + aussen, 0, 1},
                   {auf_c(0.65) + aussen, 0, 1},
                   {auf_c(0.35) + aussen, 0, 1},
                   {auf_c(0.8) + aussen, 0, 1}},
                  s.hypotenuse);

    planer.setzen(s.alpha, u"α"_s, winkelpixel,
                  {{p.a + QPointF(-p.bogen_alpha - d, -d), 1, 1},
                   {p.a + QPointF(-p.bogen_alpha - 4 * d, -d), 1, 1},
                   {p.a + QPointF(d, -d), 0, 1},
                   {p.a + QPointF(-3 * d, d), 1, 0},
                   {p.a + QPointF(d + 10, d), 0, 0}},
                  s.alpha);
    planer.setzen(s.beta, u"β"_s, winkelpixel,
                  {{p.b + QPointF(d, p.bogen_beta + d), 0, 0},
                   {p.b + QPointF(d + 2, -d), 0, 1},
                   {p.b + QPointF(-d, -d), 1, 1}},
                  s.beta);

    const QPointF hoehe = einheit(p.c - p.fusspunkt);
    const QPointF quer(-hoehe.y(), hoehe.x());
    const QPointF mitte_h = (p.c + p.fusspunkt) / 2;
    constexpr double daneben = 12;
    planer.setzen(u"h"_s, {}, seitenpixel,
                  {{mitte_h + quer * daneben, 0.5, 0.5}, {mitte_h - quer * daneben, 0.5, 0.5}},
                  u"h: die Höhe auf c"_s);
    planer.setzen(u"p"_s, {}, seitenpixel,
                  {{(p.b + p.fusspunkt) / 2 + hoehe * daneben, 0.5, 0.5},
                   {(p.b + p.fusspunkt) / 2 - hoehe * daneben, 0.5, 0.5}},
                  u"p: der Abschnitt von c bei B"_s);
    planer.setzen(u"q"_s, {}, seitenpixel,
                  {{(p.a + p.fusspunkt) / 2 + hoehe * daneben, 0.5, 0.5},
                   {(p.a + p.fusspunkt) / 2 - hoehe * daneben, 0.5, 0.5}},
                  u"q: der Abschnitt von c bei A"_s);
}

// A legend line cut into parts no wider than `breite`, each character kept:
// after a blank where there is one, else after a digit group's narrow space,
// else (one group wider than the picture) where the width ends; a letter
// keeps its "=" and the start of its value on one line.
// Where a line may break after `trenner` within its first `passt`
// characters, the last place that does not part "b =" from its value; 0 where
// there is none.
qsizetype nach_trenner(const QString& text, QChar trenner, qsizetype passt)
{
    for (qsizetype i = text.lastIndexOf(trenner, passt - 1); i > 0;
         i = text.lastIndexOf(trenner, i - 1)) {
        const auto gleich = [](QChar c) { return c == u'=' || c == u'≈'; };
        if (!gleich(text.at(i - 1)) && (i + 1 == text.size() || !gleich(text.at(i + 1))))
            return i + 1;
    }
    return 0;
}

QStringList umbrochen(const QString& zeile, const QFontMetricsF& fm, double breite)
{
    QStringList teile;
    QString rest = zeile;
    while (fm.horizontalAdvance(rest) > breite) {
        qsizetype passt = 1;
        while (passt < rest.size() && fm.horizontalAdvance(rest.left(passt + 1)) <= breite)
            ++passt;
        qsizetype bruch = passt;
        for (const QChar trenner : {QChar(u' '), QChar(0x202F)}) {
            const qsizetype nach = nach_trenner(rest, trenner, passt);
            if (nach > 0) {
                bruch = nach;
                break;
            }
        }
        teile << rest.left(bruch);
        rest.remove(0, bruch);
    }
    teile << rest;
    return teile;
}

// The values whose labels had no room, under the sketch, each wrapped to its width.
void legende(Skizzenplan& p)
{
    if (p.legende.isEmpty())
        return;
    const QFontMetricsF fm(schrift(seitenpixel));
    const double breite = p.groesse.width() - rand_links;
    double y = p.groesse.height();
    for (const QString& zeile : p.legende) {
        for (const QString& teil : umbrochen(zeile, fm, breite)) {
            p.texte.push_back(
                {teil,
                 QRectF(rand_links / 2, y, fm.horizontalAdvance(teil), fm.ascent() + fm.descent()),
                 seitenpixel, false});
            y += legendenzeile;
        }
    }
    p.groesse.setHeight(std::ceil(y));
}

} // namespace

Skizzenplan skizze_planen(const Skizze& skizze, int breite, int hoehe)
{
    Skizzenplan plan;
    ecken(plan, skizze, breite, hoehe);
    linien(plan);
    texte(plan, skizze);
    legende(plan);
    return plan;
}

QImage skizze_zeichnen(const Skizzenplan& p)
{
    constexpr double aufloesung = 2;
    QImage bild((p.groesse * aufloesung).toSize(), QImage::Format_RGB32);
    bild.setDevicePixelRatio(aufloesung);
    bild.fill(Qt::white);
    QPainter painter(&bild);
    painter.setRenderHint(QPainter::Antialiasing);

    painter.setPen(QPen(rot, 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawPolygon(QPolygonF({p.b, p.c, p.a}));
    painter.setPen(QPen(rot, 1, Qt::DashLine, Qt::FlatCap));
    painter.drawLine(p.c, p.fusspunkt);
    rechter_winkel(painter, p.c, {1, 0}, {0, -1}, eckquadrat(p));
    rechter_winkel(painter, p.fusspunkt, einheit(p.a - p.b), einheit(p.c - p.fusspunkt),
                   fussquadrat(p));
    constexpr int sechzehntel = 16;
    painter.setPen(QPen(rot, 1, Qt::SolidLine, Qt::FlatCap));
    const auto bogen = [&painter](QPointF mitte, double r, double von, double grad) {
        painter.drawArc(QRectF(mitte.x() - r, mitte.y() - r, 2 * r, 2 * r),
                        static_cast<int>(von * sechzehntel), static_cast<int>(grad * sechzehntel));
    };
    bogen(p.a, p.bogen_alpha, 180 - p.winkel, p.winkel);
    bogen(p.b, p.bogen_beta, 270, 90 - p.winkel);

    painter.setPen(Qt::black);
    for (const Skizzentext& t : p.texte) {
        const QFont font = schrift(t.pixel);
        painter.setFont(font);
        const double oben = QFontMetricsF(font).ascent();
        painter.save();
        if (t.senkrecht) {
            painter.translate(t.rahmen.bottomLeft());
            painter.rotate(-90);
        } else {
            painter.translate(t.rahmen.topLeft());
        }
        painter.drawText(QPointF(0, oben), t.text);
        painter.restore();
    }
    return bild;
}

} // namespace assets
