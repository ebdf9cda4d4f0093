// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/arbeitsblatt.hpp"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

constexpr int skizze_breite = 400;
constexpr int skizze_hoehe = 260;

// Compact enough that an ordinary exercise, sketch included, fits one A4
// page; the results are never split across two. LibreOffice reads a margin
// only with its unit ("0pt", not "0").
const QString blattkopf =
    QStringLiteral("<!DOCTYPE html>\n<html lang=\"de\"><head><meta charset=\"utf-8\">"
                   "<title>Rechenweg: rechtwinkliges Dreieck</title>\n<style>\n"
                   "body { font-family: sans-serif; font-size: 11pt; }\n"
                   "p { margin-top: 0pt; margin-bottom: 6pt; }\n"
                   "</style></head><body>\n"
                   "<p>Name: ______________________________ Datum: ______________</p>\n"
                   "<h1 style=\"font-family: sans-serif; font-size: 14pt; margin-top: 0pt; "
                   "margin-bottom: 6pt\">Rechtwinkliges Dreieck</h1>\n");

QString png_daten(const QImage& bild)
{
    QByteArray png;
    QBuffer puffer(&png);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, "PNG");
    return u"data:image/png;base64,"_s + QString::fromLatin1(png.toBase64());
}

// Text for HTML, with the plain text's no-break spaces.
QString html_text(const QString& text)
{
    return core::ohne_umbruch(text).toHtmlEscaped().replace(QChar(u'\u00A0'), u"&nbsp;"_s);
}

// A line's label in bold ("Gegeben:", "Kathetensatz:").
QString zeile_html(const QString& zeile)
{
    static const QRegularExpression marke(u"^([^:=≈]{1,40}:)(.*)$"_s);
    const QRegularExpressionMatch m = marke.match(zeile);
    if (m.hasMatch())
        return u"<b>"_s + html_text(m.captured(1)) + u"</b>"_s + html_text(m.captured(2));
    return html_text(zeile);
}

// A step's paragraph opens with its heading: a line alone ("Ergebnis:"), or
// the ratio or theorem the step uses, for screen readers and the word
// processor's outline. The task's paragraph has none (the sheet's title
// heads it), nor one that opens with a sentence ("Ein solches Dreieck gibt
// es nicht: …, aber b = 4.").
QString absatz(const QStringList& zeilen, bool aufgabe, bool ergebnis)
{
    const bool kopf = !aufgabe && !zeilen.front().endsWith(u'.');
    QStringList html;
    for (const QString& zeile : zeilen.mid(kopf ? 1 : 0))
        html << zeile_html(zeile);
    const QString titel =
        !kopf ? QString()
              : u"<h2 style=\"font-family: sans-serif; font-size: 11pt; margin-top: 6pt; "
                "margin-bottom: 0pt\">"_s
                    + html_text(zeilen.front()) + u"</h2>\n"_s;
    const QString text = titel + u"<p>"_s + html.join(u"<br>\n"_s) + u"</p>\n"_s;
    return ergebnis ? u"<div style=\"page-break-inside: avoid\">\n"_s + text + u"</div>\n"_s : text;
}

QString bild_html(const core::Rechenweg& rechenweg)
{
    using core::Feld;
    const assets::Skizzenplan plan = arbeitsblatt_skizze(rechenweg);
    const QImage bild = assets::skizze_zeichnen(plan);
    const QSize groesse = bild.deviceIndependentSize().toSize();
    const QString alt =
        u"Skizze: rechtwinkliges Dreieck ABC, rechter Winkel bei C; "_s
        + QStringList{rechenweg.beschriftung[Feld::ge], rechenweg.beschriftung[Feld::an],
                      rechenweg.beschriftung[Feld::hyp], rechenweg.beschriftung[Feld::winkel],
                      rechenweg.beta}
              .join(u", "_s)
        + u"; die Höhe h auf c teilt c in p und q."_s
        + (plan.massstabsgetreu ? QString() : u" Skizze nicht maßstabsgetreu."_s);
    return u"<p><img src=\""_s + png_daten(bild)
           + u"\" width=\"%1\" height=\"%2\" alt=\""_s.arg(groesse.width()).arg(groesse.height())
           + alt.toHtmlEscaped() + u"\"></p>\n"_s;
}

} // namespace

assets::Skizzenplan arbeitsblatt_skizze(const core::Rechenweg& rechenweg)
{
    using core::Feld;
    const assets::Skizze skizze{rechenweg.masse[Feld::an],
                                rechenweg.masse[Feld::ge],
                                rechenweg.beschriftung[Feld::an],
                                rechenweg.beschriftung[Feld::ge],
                                rechenweg.beschriftung[Feld::hyp],
                                rechenweg.beschriftung[Feld::winkel],
                                rechenweg.beta};
    return assets::skizze_planen(skizze, skizze_breite, skizze_hoehe);
}

QString arbeitsblatt_html(const core::Rechenweg& rechenweg)
{
    QString html = blattkopf;
    const qsizetype letzter = rechenweg.absaetze.size() - 1;
    for (qsizetype i = 0; i <= letzter; ++i) {
        html += absatz(rechenweg.absaetze.at(i), i == 0, i == letzter);
        if (i + 1 == rechenweg.vor_skizze)
            html += bild_html(rechenweg);
    }
    return html + u"</body></html>\n"_s;
}
