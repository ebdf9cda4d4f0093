// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/arbeitsblatt.hpp"

#include "window/assets/dreieck.hpp"

#include <QBuffer>
#include <QByteArray>
#include <QImage>

using namespace Qt::StringLiterals;

namespace {

constexpr int skizze_breite = 420;
constexpr int skizze_hoehe = 300;

QString png_daten(const QImage& bild)
{
    QByteArray png;
    QBuffer puffer(&png);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, "PNG");
    return u"data:image/png;base64,"_s + QString::fromLatin1(png.toBase64());
}

QString absatz(const QStringList& zeilen)
{
    QStringList html;
    for (const QString& zeile : zeilen)
        html << zeile.toHtmlEscaped();
    html.front() = u"<b>"_s + html.front() + u"</b>"_s;
    return u"<p>"_s + html.join(u"<br>"_s) + u"</p>\n"_s;
}

} // namespace

QString arbeitsblatt_html(const core::Rechenweg& rechenweg)
{
    using core::Feld;
    const assets::Skizze skizze{rechenweg.masse[Feld::an],
                                rechenweg.masse[Feld::ge],
                                rechenweg.beschriftung[Feld::an],
                                rechenweg.beschriftung[Feld::ge],
                                rechenweg.beschriftung[Feld::hyp],
                                rechenweg.beschriftung[Feld::winkel],
                                rechenweg.beta};
    const QImage skizzenbild = assets::skizze_zeichnen(skizze, skizze_breite, skizze_hoehe);
    const QSize groesse = skizzenbild.deviceIndependentSize().toSize();
    const QString bild = png_daten(skizzenbild);
    QString html = u"<html><head><meta charset=\"utf-8\"></head><body>\n"_s;
    for (qsizetype i = 0; i < rechenweg.absaetze.size(); ++i) {
        html += absatz(rechenweg.absaetze.at(i));
        if (i == 0) {
            html += u"<p><img src=\""_s + bild
                    + u"\" width=\"%1\" height=\"%2\" alt=\""_s.arg(groesse.width())
                          .arg(groesse.height())
                    + (u"Skizze: "_s + skizze.ankathete + u", "_s + skizze.gegenkathete + u", "_s
                       + skizze.hypotenuse + u", "_s + skizze.alpha + u", "_s + skizze.beta)
                          .toHtmlEscaped()
                    + u"\"></p>\n"_s;
        }
    }
    return html + u"</body></html>\n"_s;
}
