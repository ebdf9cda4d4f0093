// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A sketch of one triangle for a worksheet, drawn as a school book's figure:
// C at the right angle (lower left) with its square, A at alpha (lower
// right), B at beta; the side letters upright beside their sides with their
// values, each acute angle's name inside its arc, the altitude h dashed with
// its right angle at its foot clear of both arcs, and c's parts p and q
// marked along c. No text crosses a line or another text or leaves the
// picture: a label with no room for its value is shortened to its letter,
// and the value is listed under the sketch. A shape too thin to read is
// drawn wider and says so.

#include <QImage>
#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <vector>

namespace assets {

struct Skizze {
    double an = 1; // the legs' lengths, for the proportions
    double ge = 1;
    // Each side's and angle's label with its value ("b = 5", "α ≈ 36,8699°").
    QString ankathete, gegenkathete, hypotenuse, alpha, beta;
};

// One text of the sketch: the box it takes, and where its baseline starts.
struct Skizzentext {
    QString text;
    QRectF rahmen;
    int pixel = 0;
    QPointF grundlinie;
};

// An angle's arc: about `mitte`, `radius` long, from `von` through `bogen`
// degrees, anticlockwise as QPainter counts.
struct Skizzenbogen {
    QPointF mitte;
    double radius = 0, von = 0, bogen = 0;
};

// Everything the sketch draws, in logical pixels.
struct Skizzenplan {
    QSizeF groesse;
    QPointF a, b, c, fusspunkt; // the vertices, and the altitude's foot on c
    Skizzenbogen alpha, beta;
    double fussquadrat = 0; // the right angle at the foot: its side, toward the longer part
    QPointF fuss_richtung;
    std::vector<QLineF> masslinien; // p's and q's marks along c
    std::vector<QLineF> linien;     // every line drawn, arcs as chords: what no text may touch
    std::vector<Skizzentext> texte;
    bool massstabsgetreu = true;
    QStringList legende; // values whose labels had no room, under the sketch after its caption
};

// The legs' ratio beyond which the true shape is too thin to name its parts
// inside it: the sketch is then drawn at this ratio instead.
inline constexpr double laengstes_verhaeltnis = 2.5;

// The plan for a sketch `breite` logical pixels wide, its triangle at most
// `hoehe` high.
[[nodiscard]] Skizzenplan skizze_planen(const Skizze& skizze, int breite, int hoehe);

// The sketch drawn from its plan, at twice the resolution, for print and
// high-density screens.
[[nodiscard]] QImage skizze_zeichnen(const Skizzenplan& plan);

} // namespace assets
