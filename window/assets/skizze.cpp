// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/assets/skizze.hpp"

#include "window/assets/dreieck.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <limits>
#include <numbers>

using namespace Qt::StringLiterals;

namespace assets {
namespace {

constexpr double rand_oben = 30;
constexpr double rand_rechts = 22;
constexpr double rand_unten = 34;
constexpr double luft = 2;    // between a text and any line
constexpr double abstand = 4; // a label's distance from its point or line
constexpr double legendenzeile = 15;
constexpr int seitenpixel = 11; // the sides' and the legend's texts
constexpr int winkelpixel = 12; // the angles' and the vertices' names
constexpr double masslinie = 7; // p's and q's marks: their distance from c
constexpr double strich = 3;    // and their ticks' half length

double laenge(QPointF v) { return std::hypot(v.x(), v.y()); }
QPointF einheit(QPointF v) { return v / laenge(v); }
double kreuz(QPointF u, QPointF v) { return u.x() * v.y() - u.y() * v.x(); }

QSizeF textgroesse(const QString& text, int pixel)
{
    const QFontMetricsF fm(schrift(pixel));
    return {fm.horizontalAdvance(text), fm.ascent() + fm.descent()};
}

// A text in a line's box: its baseline under the box's top by the font's ascent.
Skizzentext in_zeile(const QString& text, int pixel, const QRectF& rahmen)
{
    return {text, rahmen, pixel,
            rahmen.topLeft() + QPointF(0, QFontMetricsF(schrift(pixel)).ascent())};
}

// The ink of a text and a pixel around it, from its baseline's start: what
// must fit inside an angle's arc.
QRectF tinte(const QString& text, int pixel)
{
    return QFontMetricsF(schrift(pixel)).tightBoundingRect(text).adjusted(-1, -1, 1, 1);
}

// The box of `groesse` beside a line at `punkt`, on the side of the unit
// normal `n`, its nearest point `weg` away from the line.
QRectF neben(QPointF punkt, QPointF n, double weg, QSizeF groesse)
{
    const double halb =
        (std::abs(n.x()) * groesse.width() + std::abs(n.y()) * groesse.height()) / 2;
    return {punkt + n * (weg + halb) - QPointF(groesse.width() / 2, groesse.height() / 2), groesse};
}

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

// An angle's name inside its arc: where the box stands, and the arc's
// radius that holds it.
struct ImBogen {
    QRectF rahmen;
    double radius = std::numeric_limits<double>::infinity();
};

// The smallest arc about `ecke` between the unit directions `e1` and `e2`
// (an acute angle) that holds a box of `groesse` clear of both sides.
ImBogen im_winkel(QPointF ecke, QPointF e1, QPointF e2, QSizeF groesse)
{
    constexpr double frei = luft + 1;
    const double seite = kreuz(e1, e2) > 0 ? 1 : -1;
    const auto drin = [&](QPointF q) {
        return seite * kreuz(e1, q - ecke) >= frei && -seite * kreuz(e2, q - ecke) >= frei;
    };
    ImBogen bester;
    constexpr int richtungen = 12;
    for (int i = 1; i < richtungen; ++i) {
        const QPointF richtung = einheit(e1 * (richtungen - i) + e2 * i);
        for (int halbe = 2; halbe < 2000; ++halbe) { // outward in half pixels
            const double d = halbe / 2.0;
            const QRectF r(ecke + richtung * d - QPointF(groesse.width(), groesse.height()) / 2,
                           groesse);
            const std::array<QPointF, 4> punkte{r.topLeft(), r.topRight(), r.bottomLeft(),
                                                r.bottomRight()};
            if (std::ranges::all_of(punkte, drin)) {
                double weitester = 0;
                for (const QPointF& q : punkte)
                    weitester = std::max(weitester, laenge(q - ecke));
                if (weitester + frei < bester.radius)
                    bester = {r, weitester + frei};
                break;
            }
        }
    }
    return bester;
}

// Where a text may stand: the box it takes there, given its size.
using Ort = std::function<QRectF(QSizeF)>;

class Planer {
public:
    Planer(Skizzenplan& plan, QRectF bild)
        : m_plan(plan)
        , m_bild(bild)
    {
    }

    // The first free place for the whole text, else for its short form, which
    // sends the whole text to the legend; with no room at all, only the legend.
    // A place is the box the text would take there.
    void setzen(const QString& voll, const QString& kurz, int pixel,
                std::initializer_list<Ort> orte, const QString& legende)
    {
        for (const QString& text : {voll, kurz}) {
            if (text.isEmpty())
                break;
            const QSizeF groesse = textgroesse(text, pixel);
            for (const Ort& ort : orte) {
                if (versuchen(text, pixel, ort(groesse))) {
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
    bool versuchen(const QString& text, int pixel, const QRectF& rahmen)
    {
        const QRectF mit_luft = rahmen.adjusted(-luft, -luft, luft, luft);
        const bool frei = m_bild.contains(rahmen)
                          && std::ranges::none_of(
                              m_plan.linien, [&](const QLineF& l) { return kreuzt(mit_luft, l); })
                          && std::ranges::none_of(m_plan.texte, [&](const Skizzentext& t) {
                                 return t.rahmen.intersects(mit_luft);
                             });
        if (frei)
            m_plan.texte.push_back(in_zeile(text, pixel, rahmen));
        return frei;
    }

    Skizzenplan& m_plan;
    QRectF m_bild;
};

// An arc about `mitte` as chords.
void sehnen(std::vector<QLineF>& linien, const Skizzenbogen& b)
{
    constexpr int teile = 24;
    const auto punkt = [&](int i) {
        const double grad = (b.von + b.bogen * i / teile) * std::numbers::pi / 180;
        return b.mitte + b.radius * QPointF(std::cos(grad), -std::sin(grad));
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

double eckquadrat(const Skizzenplan& p)
{
    constexpr double groesstes = 10;
    return std::min({groesstes, laenge(p.a - p.c) / 3, laenge(p.b - p.c) / 3});
}

// The side a's label stands left of a, upright: the picture's left margin
// makes room for it, unless it is too long, when a's letter stands alone.
double rand_links(const Skizze& skizze)
{
    constexpr double schmalster = 26;
    constexpr double breitester = 150;
    const double noetig = textgroesse(skizze.gegenkathete, seitenpixel).width() + 2 * abstand;
    return noetig <= breitester ? std::max(schmalster, noetig) : schmalster;
}

// The triangle to scale within the room the labels leave, or, where one leg
// is more than `laengstes_verhaeltnis` times the other, at that ratio.
void ecken(Skizzenplan& p, const Skizze& skizze, int breite, int hoehe)
{
    double verhaeltnis = skizze.an / skizze.ge;
    p.massstabsgetreu =
        verhaeltnis >= 1 / laengstes_verhaeltnis && verhaeltnis <= laengstes_verhaeltnis;
    if (!p.massstabsgetreu)
        verhaeltnis = skizze.an >= skizze.ge ? laengstes_verhaeltnis : 1 / laengstes_verhaeltnis;
    const double links = rand_links(skizze);
    const double raum_x = breite - links - rand_rechts;
    const double raum_y = hoehe - rand_oben - rand_unten;
    const double ge = std::min(raum_x / verhaeltnis, raum_y);
    const double an = ge * verhaeltnis;
    p.c = QPointF(links, rand_oben + ge);
    p.a = p.c + QPointF(an, 0);
    p.b = p.c - QPointF(0, ge);
    const QPointF ab = p.a - p.b;
    const double t = QPointF::dotProduct(p.c - p.b, ab) / QPointF::dotProduct(ab, ab);
    p.fusspunkt = p.b + t * ab;
    // The foot's right angle toward the longer part of c, where the arcs leave room.
    constexpr double groesstes = 7;
    const double nach_a = laenge(p.a - p.fusspunkt);
    const double nach_b = laenge(p.b - p.fusspunkt);
    p.fuss_richtung = einheit(nach_a >= nach_b ? p.a - p.b : p.b - p.a);
    p.fussquadrat =
        std::min({groesstes, laenge(p.c - p.fusspunkt) / 3, std::max(nach_a, nach_b) / 3});
    p.groesse = QSizeF(breite, std::ceil(rand_oben + ge + rand_unten));
}

// Each angle's arc, as small as holds its name and value inside, else its
// name alone, and never reaching the altitude, its foot's right angle or C's.
// Returns the texts to stand inside the arcs.
std::vector<Skizzentext> boegen(Skizzenplan& p, const Skizze& s)
{
    constexpr double kleinster = 16;
    const double zu_a = laenge(p.a - p.fusspunkt);
    const double zu_b = laenge(p.b - p.fusspunkt);
    const bool quadrat_zu_a = QPointF::dotProduct(p.fuss_richtung, p.a - p.b) > 0;
    // An arc far over half its leg would read as a second triangle.
    constexpr double groesster_anteil = 0.6;
    const double platz_a = std::min(zu_a - (quadrat_zu_a ? p.fussquadrat : 0) - luft - 1,
                                    groesster_anteil * laenge(p.a - p.c));
    const double platz_b = std::min(zu_b - (quadrat_zu_a ? 0 : p.fussquadrat) - luft - 1,
                                    groesster_anteil * laenge(p.b - p.c));
    std::vector<Skizzentext> texte;
    const auto setzen = [&](Skizzenbogen& bogen, QPointF ecke, QPointF e1, QPointF e2, double platz,
                            const QString& voll, const QString& kurz) {
        for (const QString& text : {voll, kurz}) {
            const QRectF ink = tinte(text, winkelpixel);
            const ImBogen im = im_winkel(ecke, e1, e2, ink.size());
            if (im.radius <= platz) {
                bogen.radius = std::max(im.radius, std::min(kleinster, platz));
                texte.push_back(
                    {text, im.rahmen, winkelpixel, im.rahmen.topLeft() - ink.topLeft()});
                if (text != voll)
                    p.legende << voll;
                return;
            }
        }
        bogen.radius = std::max(1.0, std::min(kleinster, platz));
        p.legende << voll;
    };
    const double winkel = std::atan2(p.c.y() - p.b.y(), p.a.x() - p.c.x()) * 180 / std::numbers::pi;
    p.alpha = {p.a, 0, 180 - winkel, winkel};
    p.beta = {p.b, 0, 270, 90 - winkel};
    setzen(p.alpha, p.a, {-1, 0}, einheit(p.b - p.a), platz_a, s.alpha, u"α"_s);
    setzen(p.beta, p.b, {0, 1}, einheit(p.a - p.b), platz_b, s.beta, u"β"_s);
    return texte;
}

// The outward normal of c, away from C.
QPointF aussen(const Skizzenplan& p)
{
    const QPointF ab = einheit(p.a - p.b);
    return {ab.y(), -ab.x()};
}

// Beside c, outside: a line from B to A with ticks at B, the foot and A, its
// two parts p and q.
void masslinien(Skizzenplan& p)
{
    const QPointF n = aussen(p);
    const QPointF weg = n * masslinie;
    p.masslinien = {{p.b + weg, p.fusspunkt + weg}, {p.fusspunkt + weg, p.a + weg}};
    for (const QPointF& punkt : {p.b, p.fusspunkt, p.a})
        p.masslinien.emplace_back(punkt + n * (masslinie - strich),
                                  punkt + n * (masslinie + strich));
}

void linien(Skizzenplan& p)
{
    auto& l = p.linien;
    l = {{p.b, p.c}, {p.c, p.a}, {p.a, p.b}, {p.c, p.fusspunkt}};
    quadrat(l, p.c, {1, 0}, {0, -1}, eckquadrat(p));
    quadrat(l, p.fusspunkt, p.fuss_richtung, einheit(p.c - p.fusspunkt), p.fussquadrat);
    sehnen(l, p.alpha);
    sehnen(l, p.beta);
    l.insert(l.end(), p.masslinien.begin(), p.masslinien.end());
}

// The labels, the most needed first: the vertices, the angles in their arcs,
// the sides, then h, p and q. Each tries its places in the order a book would
// use.
void texte(Skizzenplan& p, const Skizze& s, const std::vector<Skizzentext>& in_boegen)
{
    // The angles' names first: inside their arcs they are clear of every
    // line by construction, and the other labels keep clear of them.
    p.texte = in_boegen;
    Planer planer(p, QRectF(QPointF(0, 0), p.groesse));
    const auto bei = [](QPointF punkt, double rx, double ry) -> Ort {
        return
            [=](QSizeF g) { return QRectF(punkt - QPointF(rx * g.width(), ry * g.height()), g); };
    };
    const auto an_linie = [](QPointF punkt, QPointF n, double weg) -> Ort {
        return [=](QSizeF g) { return neben(punkt, n, weg, g); };
    };
    constexpr double d = abstand;
    planer.setzen(u"C"_s, {}, winkelpixel,
                  {bei(p.c + QPointF(-d, d), 1, 0), bei(p.c + QPointF(-d, 0), 1, 0.5)}, {});
    planer.setzen(u"A"_s, {}, winkelpixel,
                  {bei(p.a + QPointF(d, d), 0, 0), bei(p.a + QPointF(d, 0), 0, 0.5)}, {});
    planer.setzen(u"B"_s, {}, winkelpixel,
                  {bei(p.b + QPointF(-d, 0), 1, 0.5), bei(p.b + QPointF(0, -d), 0.5, 1)}, {});

    planer.setzen(s.ankathete, u"b"_s, seitenpixel, {bei((p.c + p.a) / 2 + QPointF(0, d), 0.5, 0)},
                  s.ankathete);
    planer.setzen(s.gegenkathete, u"a"_s, seitenpixel,
                  {bei((p.c + p.b) / 2 + QPointF(-d, 0), 1, 0.5)}, s.gegenkathete);

    const QPointF hoehe = einheit(p.c - p.fusspunkt);
    const QPointF quer(-hoehe.y(), hoehe.x());
    const auto auf_h = [&p](double t) { return p.c + t * (p.fusspunkt - p.c); };
    planer.setzen(u"h"_s, {}, seitenpixel,
                  {an_linie(auf_h(0.5), quer, d), an_linie(auf_h(0.5), -quer, d),
                   an_linie(auf_h(0.35), quer, d), an_linie(auf_h(0.35), -quer, d),
                   an_linie(auf_h(0.65), quer, d), an_linie(auf_h(0.65), -quer, d)},
                  u"h: die Höhe auf c"_s);

    const QPointF n = aussen(p);
    const double jenseits = masslinie + strich + d;
    planer.setzen(u"p"_s, {}, seitenpixel, {an_linie((p.b + p.fusspunkt) / 2, n, jenseits)},
                  u"p: der Abschnitt von c bei B"_s);
    planer.setzen(u"q"_s, {}, seitenpixel, {an_linie((p.a + p.fusspunkt) / 2, n, jenseits)},
                  u"q: der Abschnitt von c bei A"_s);
    // c beyond p and q, so that their letters read as the parts' names.
    const double ueber_pq = jenseits + textgroesse(u"q"_s, seitenpixel).height() + d;
    const auto auf_c = [&p](double t) { return p.b + t * (p.a - p.b); };
    planer.setzen(s.hypotenuse, u"c"_s, seitenpixel,
                  {an_linie(auf_c(0.5), n, ueber_pq), an_linie(auf_c(0.6), n, ueber_pq),
                   an_linie(auf_c(0.4), n, ueber_pq), an_linie(auf_c(0.7), n, ueber_pq),
                   an_linie(auf_c(0.3), n, ueber_pq)},
                  s.hypotenuse);
}

// A legend line cut into parts no wider than `breite`, each character kept:
// after a blank where there is one, else after a digit group's narrow space,
// else (one group wider than the picture) where the width ends; a letter
// keeps its "=" and the start of its value on one line.
// Where a line may break after `trenner` within its first `passt`
// characters, the last place that does not part "b =" from its value; 0 where
// there is none.
qsizetype nach_trenner(QStringView text, QChar trenner, qsizetype passt)
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
    // Only a line's worth is ever measured, so a value of thousands of
    // digits wraps in time linear in its length.
    for (QStringView rest(zeile);;) {
        qsizetype passt = std::min<qsizetype>(1, rest.size());
        while (passt < rest.size()
               && fm.horizontalAdvance(rest.left(passt + 1).toString()) <= breite)
            ++passt;
        if (passt == rest.size()) {
            teile << rest.toString();
            return teile;
        }
        qsizetype bruch = passt;
        for (const QChar trenner : {QChar(u' '), QChar(0x202F)}) {
            const qsizetype nach = nach_trenner(rest, trenner, passt);
            if (nach > 0) {
                bruch = nach;
                break;
            }
        }
        teile << rest.left(bruch).toString();
        rest = rest.mid(bruch);
    }
}

// Under the sketch: its caption where it is not to scale, then the values
// whose labels had no room, in one line wrapped to its width.
void legende(Skizzenplan& p)
{
    QStringList zeilen;
    if (!p.massstabsgetreu)
        zeilen << u"Skizze nicht maßstabsgetreu"_s;
    if (!p.legende.isEmpty())
        zeilen << p.legende.join(u"; "_s);
    if (zeilen.isEmpty())
        return;
    const QFontMetricsF fm(schrift(seitenpixel));
    constexpr double einzug = 12;
    const double breite = p.groesse.width() - 2 * einzug;
    double y = p.groesse.height();
    for (const QString& zeile : zeilen) {
        for (const QString& teil : umbrochen(zeile, fm, breite)) {
            p.texte.push_back(in_zeile(
                teil, seitenpixel,
                QRectF(einzug, y, fm.horizontalAdvance(teil), fm.ascent() + fm.descent())));
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
    const std::vector<Skizzentext> in_boegen = boegen(plan, skizze);
    masslinien(plan);
    linien(plan);
    texte(plan, skizze, in_boegen);
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
    rechter_winkel(painter, p.fusspunkt, p.fuss_richtung, einheit(p.c - p.fusspunkt),
                   p.fussquadrat);
    constexpr int sechzehntel = 16;
    painter.setPen(QPen(rot, 1, Qt::SolidLine, Qt::FlatCap));
    for (const Skizzenbogen& b : {p.alpha, p.beta}) {
        painter.drawArc(
            QRectF(b.mitte.x() - b.radius, b.mitte.y() - b.radius, 2 * b.radius, 2 * b.radius),
            static_cast<int>(b.von * sechzehntel), static_cast<int>(b.bogen * sechzehntel));
    }
    painter.setPen(QPen(rot, 1, Qt::SolidLine, Qt::FlatCap));
    for (const QLineF& l : p.masslinien)
        painter.drawLine(l);

    painter.setPen(Qt::black);
    for (const Skizzentext& t : p.texte) {
        const QFont font = schrift(t.pixel);
        painter.setFont(font);
        painter.drawText(t.grundlinie, t.text);
    }
    return bild;
}

} // namespace assets
