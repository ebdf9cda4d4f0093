// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A sketch of one triangle for a worksheet, to scale and named as books name
// it: C at the right angle (lower left), A at alpha (lower right), B at beta;
// the sides a, b, c with their values, both acute angles, the altitude h
// dashed with its foot on c, and c's segments p and q. No text crosses a line
// or another text or leaves the picture: a label with no room for its value
// is shortened to its letter, and the value is listed under the sketch.

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

// One text of the sketch: where it stands, turned a quarter left or not.
struct Skizzentext {
    QString text;
    QRectF rahmen;
    int pixel = 0;
    bool senkrecht = false;
};

// Everything the sketch draws, in logical pixels.
struct Skizzenplan {
    QSizeF groesse;
    QPointF a, b, c, fusspunkt;             // the vertices, and the altitude's foot on c
    double bogen_alpha = 0, bogen_beta = 0; // the angles' arcs' radii
    double winkel = 0;                      // alpha as drawn, degrees
    std::vector<QLineF> linien; // every line drawn, arcs as chords: what no text may touch
    std::vector<Skizzentext> texte;
    QStringList legende; // values whose labels had no room, under the sketch
};

// The plan for a sketch `breite` logical pixels wide, its triangle at most
// `hoehe` high.
[[nodiscard]] Skizzenplan skizze_planen(const Skizze& skizze, int breite, int hoehe);

// The sketch drawn from its plan, at twice the resolution, for print and
// high-density screens.
[[nodiscard]] QImage skizze_zeichnen(const Skizzenplan& plan);

} // namespace assets
