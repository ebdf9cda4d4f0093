// SPDX-License-Identifier: GPL-3.0-or-later
// Every way through a Berechnen, decided by the calculation alone: the texts
// the fields show afterwards, the fields written in order, or the report.
#include "geschrieben.hpp"

#include "core/berechnung.hpp"
#include "core/numbers.hpp"
#include "core/rechenweg.hpp"

#include <QLocale>
#include <QRegularExpression>
#include <QTest>

#include <array>

using namespace Qt::StringLiterals;

class TestSolver : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void berechnen_data();
    void berechnen();
    void rechenweg_data();
    void rechenweg();
};

namespace {

const QString groesser0 = u"Werte müssen größer 0 sein !"_s;
const QString ausserhalb = u"Werte liegen außerhalb des Rechenbereichs !"_s;

void addRow(const char* name, const QStringList& input, const QStringList& output,
            const QStringList& order, const QString& message = {})
{
    QTest::newRow(name) << input << output << order << message;
}

void addReport(const char* name, const QStringList& input, const QString& message)
{
    addRow(name, input, input, {}, message);
}

} // namespace

void TestSolver::berechnen_data()
{
    QTest::addColumn<QStringList>("input");  // angle, adjacent, opposite, hypotenuse
    QTest::addColumn<QStringList>("output"); // the fields afterwards
    QTest::addColumn<QStringList>("order");  // the fields written, in order
    QTest::addColumn<QString>("message");    // the report, if any

    // The angle is given.
    addRow("30 degrees, adjacent 5", {"30", "5", "?", "?"}, {"30", "5", "2.8868", "5.7735"},
           {"txt_ge", "txt_hyp"});
    addRow("30 degrees, opposite 5", {"30", "?", "5", "?"}, {"30", "8.6603", "5", "10"},
           {"txt_an", "txt_hyp"});
    addRow("30 degrees, hypotenuse 10", {"30", "?", "?", "10"}, {"30", "8.6603", "5", "10"},
           {"txt_an", "txt_ge"});
    addRow("45 degrees, adjacent 1", {"45", "1", "?", "?"}, {"45", "1", "1", "1.4142"},
           {"txt_ge", "txt_hyp"});
    addRow("all three sides: legs recomputed from the hypotenuse", {"30", "1", "2", "10"},
           {"30", "8.6603", "5", "10"}, {"txt_an", "txt_ge"});
    addRow("one side unknown: hypotenuse case", {"30", "?", "7", "10"}, {"30", "8.6603", "5", "10"},
           {"txt_an", "txt_ge"});
    addRow("minus sign dropped by the absolute value", {"-30", "-5", "?", "?"},
           {"-30", "-5", "2.8868", "5.7735"}, {"txt_ge", "txt_hyp"});
    addRow("5.5.5 reads as 5.5", {"30", "?", "?", "5.5.5"}, {"30", "4.7631", "2.75", "5.5.5"},
           {"txt_an", "txt_ge"});
    addReport("marker with blank is a value", {"30", "?", "?", " ?"}, groesser0);
    addReport("both legs given, hypotenuse unknown", {"30", "3", "4", "?"}, groesser0);
    addReport("angle 90", {"90", "5", "?", "?"}, u"Winkel kann nicht >= 90 Grad sein !!"_s);
    addReport("angle 120", {"120", "5", "?", "?"}, u"Winkel kann nicht >= 90 Grad sein !!"_s);
    addReport("90 test comes before the zero test", {"90", "?", "?", "0"},
              u"Winkel kann nicht >= 90 Grad sein !!"_s);
    addReport("angle 0", {"0", "5", "?", "?"}, groesser0);
    addReport("adjacent 0", {"30", "0", "?", "?"}, groesser0);
    addReport("opposite 0", {"30", "?", "0", "?"}, groesser0);
    addReport("empty hypotenuse reads as 0", {"30", "?", "?", ""}, groesser0);
    addReport("three unknowns", {"30", "?", "?", "?"}, u"Bitte mindestens 2 Werte angeben"_s);
    addReport("four unknowns", {"?", "?", "?", "?"}, u"Bitte mindestens 2 Werte angeben"_s);

    // The angle is unknown.
    addRow("legs 3 and 4", {"?", "3", "4", "?"}, {"53.1301", "3", "4", "5"},
           {"txt_hyp", "txt_winkel"});
    addRow("legs 4 and 3", {"?", "4", "3", "?"}, {"36.8699", "4", "3", "5"},
           {"txt_hyp", "txt_winkel"});
    addRow("adjacent 3, hypotenuse 5", {"?", "3", "?", "5"}, {"53.1301", "3", "4", "5"},
           {"txt_winkel", "txt_ge"});
    addRow("opposite 4, hypotenuse 10", {"?", "?", "4", "10"}, {"23.5782", "9.1652", "4", "10"},
           {"txt_winkel", "txt_an"});
    addRow("all three sides: adjacent leg overwritten", {"?", "3", "4", "10"},
           {"23.5782", "9.1652", "4", "10"}, {"txt_winkel", "txt_an"});
    addReport("adjacent equals hypotenuse", {"?", "5", "?", "5"},
              u"Ankathete kann nicht >= Hypotenuse sein"_s);
    addReport("adjacent above hypotenuse", {"?", "6", "?", "5"},
              u"Ankathete kann nicht >= Hypotenuse sein"_s);
    addReport("opposite equals hypotenuse", {"?", "?", "5", "5"},
              u"Gegenkathete kann nicht >= Hypotenuse sein"_s);
    addReport("zero test before the size test", {"?", "?", "0", "0"}, groesser0);
    addReport("adjacent leg 0", {"?", "0", "4", "?"}, groesser0);
    addReport("opposite leg empty", {"?", "3", "", "?"}, groesser0);

    // Numbers beyond the double range are reported, never shown as inf or nan.
    addReport("angle field overflows", {"1e400", "5", "?", "?"}, ausserhalb);
    addReport("unused field overflows", {"30", "5", "?", "1e999"}, ausserhalb);
    addReport("range test before the 90 test", {"100", "1e400", "?", "?"}, ausserhalb);
    addReport("hexadecimal beyond range", {"?", QString(u"&H"_s + QString(300, u'F')), "4", "?"},
              ausserhalb);
    addReport("tiny angle divides by zero", {"1e-320", "?", "5", "?"}, ausserhalb);
    addReport("hypotenuse beyond range", {"89.9999999", "1e300", "?", "?"}, ausserhalb);
    addReport("hypotenuse of two legs beyond range", {"?", "1.5e308", "1.5e308", "?"}, ausserhalb);

    // Results as exact as double arithmetic allows, where squares of sides
    // would cancel, overflow or underflow.
    addRow("tiny angle, long adjacent leg", {"0.000001", "10000000000", "?", "?"},
           {"0.000001", "10000000000", "174.5329", "10000000000"}, {"txt_ge", "txt_hyp"});
    addRow("steep angle, long hypotenuse", {"89.9999", "?", "?", "100000000"},
           {"89.9999", "174.5329", "99999999.9998", "100000000"}, {"txt_an", "txt_ge"});
    // Near 90 degrees the distance to the right angle is taken from the digits as typed.
    addRow("89.9999999 degrees, adjacent 1", {"89.9999999", "1", "?", "?"},
           {"89.9999999", "1", "572957795.1308", "572957795.1308"}, {"txt_ge", "txt_hyp"});
    addRow("89.999997188 degrees, long hypotenuse",
           {"89.999997188", "?", "?", "2.4797904663443374E+18"},
           {"89.999997188", "121704789613.135", "2.47979046634433e+18", "2.4797904663443374E+18"},
           {"txt_an", "txt_ge"});
    addRow("89.999999526 degrees, long adjacent leg",
           {"89.999999526", "7.0149312013399135E+152", "?", "?"},
           {"89.999999526", "7.0149312013399135E+152", "8.47945045171758e+160",
            "8.47945045171758e+160"},
           {"txt_ge", "txt_hyp"});
    addRow("tiny adjacent leg and hypotenuse", {"?", "1e-200", "?", "2e-200"},
           {"60", "1e-200", "0", "2e-200"}, {"txt_winkel", "txt_ge"});
    addRow("tiny opposite leg and hypotenuse", {"?", "?", "1e-162", "2e-162"},
           {"30", "0", "1e-162", "2e-162"}, {"txt_winkel", "txt_an"});
    addRow("long hypotenuse", {"30", "?", "?", "1e200"},
           {"30", "8.66025403784439e+199", "5e+199", "1e200"}, {"txt_an", "txt_ge"});
    addRow("long legs", {"?", "1e200", "1e200", "?"},
           {"45", "1e200", "1e200", "1.4142135623731e+200"}, {"txt_hyp", "txt_winkel"});
    // From 1E+11 four places would hold more than 15 digits: rounded once to 15.
    addRow("hypotenuse rounded once to 15 digits", {"?", "123456789012.00046", "1", "?"},
           {"0", "123456789012.00046", "1", "123456789012"}, {"txt_hyp", "txt_winkel"});
    addRow("tiny angle, hypotenuse rounded once", {"0.0000001", "123456789012.00046", "?", "?"},
           {"0.0000001", "123456789012.00046", "215.4727", "123456789012"}, {"txt_ge", "txt_hyp"});
    addRow("short leg, long hypotenuse", {"?", "1", "?", "1e200"}, {"90", "1", "1e+200", "1e200"},
           {"txt_winkel", "txt_ge"});
}

void TestSolver::berechnen()
{
    QFETCH(QStringList, input);
    QFETCH(QStringList, output);
    QFETCH(QStringList, order);
    QFETCH(QString, message);

    core::Texte texte;
    std::ranges::copy(input, texte.begin());
    const core::Ergebnis e = ::berechnen(texte);

    const core::Meldung gemeldet = e.meldung.value_or(core::Meldung{});
    QCOMPARE(gemeldet.text, message);
    if (e.meldung) {
        QCOMPARE(gemeldet.titel, u"Eingabefehler"_s);
        return;
    }
    const Geschrieben g = geschrieben(texte, e);
    QCOMPARE(g.felder, order);
    QCOMPARE(g.texte, output);
}

void TestSolver::rechenweg_data()
{
    QTest::addColumn<QStringList>("input");
    QTest::addColumn<QString>("text"); // in German

    const QString dreiVierFuenf = u"\n"
                                  "Winkelsumme im Dreieck: α + β + 90° = 180°\n"
                                  "β = 90° − α ≈ 90° − 53,1301° = 36,8699°\n"
                                  "\n"
                                  "Flächeninhalt: A = ½ · Ankathete · Gegenkathete\n"
                                  "A = ½ · 3 · 4 = 6\n"
                                  "\n"
                                  "Umfang: u = Ankathete + Gegenkathete + Hypotenuse\n"
                                  "u = 3 + 4 + 5 = 12\n"_s;
    QTest::newRow("angle, adjacent")
        << QStringList{"30", "5", "?", "?"}
        << u"Rechtwinkliges Dreieck\n"
           "Gegeben: Winkel α = 30°; Ankathete = 5\n"
           "Gesucht: Gegenkathete; Hypotenuse; Winkel β; Flächeninhalt A; Umfang u\n"
           "\n"
           "tan α = Gegenkathete / Ankathete\n"
           "Gegenkathete = Ankathete · tan α = 5 · tan 30° ≈ 2,8868\n"
           "\n"
           "cos α = Ankathete / Hypotenuse\n"
           "Hypotenuse = Ankathete / cos α = 5 / cos 30° ≈ 5,7735\n"
           "\n"
           "Winkelsumme im Dreieck: α + β + 90° = 180°\n"
           "β = 90° − α = 90° − 30° = 60°\n"
           "\n"
           "Flächeninhalt: A = ½ · Ankathete · Gegenkathete\n"
           "A ≈ ½ · 5 · 2,8868 ≈ 7,2169 (mit den ungerundeten Werten gerechnet)\n"
           "\n"
           "Umfang: u = Ankathete + Gegenkathete + Hypotenuse\n"
           "u ≈ 5 + 2,8868 + 5,7735 ≈ 13,6603 (mit den ungerundeten Werten gerechnet)\n"_s;
    QTest::newRow("typed forms; a leg longer than the hypotenuse")
        << QStringList{"-30", "5.", "?", ".5"}
        << u"Rechtwinkliges Dreieck\n"
           "Gegeben: Winkel α = 30°; Ankathete = 5; Hypotenuse = 0,5\n"
           "Gesucht: Gegenkathete; Winkel β; Flächeninhalt A; Umfang u\n"
           "\n"
           "Die Angaben passen nicht zusammen: Hypotenuse · cos α = 0,5 · cos 30° ≈ 0,433, aber "
           "Ankathete = 5.\n"
           "Außerdem muss die Ankathete kürzer als die Hypotenuse sein.\n"
           "Gerechnet wird mit Hypotenuse und Winkel α; die Ankathete wird neu berechnet.\n"
           "\n"
           "cos α = Ankathete / Hypotenuse\n"
           "Ankathete = Hypotenuse · cos α = 0,5 · cos 30° ≈ 0,433\n"
           "\n"
           "sin α = Gegenkathete / Hypotenuse\n"
           "Gegenkathete = Hypotenuse · sin α = 0,5 · sin 30° = 0,25\n"
           "\n"
           "Winkelsumme im Dreieck: α + β + 90° = 180°\n"
           "β = 90° − α = 90° − 30° = 60°\n"
           "\n"
           "Flächeninhalt: A = ½ · Ankathete · Gegenkathete\n"
           "A ≈ ½ · 0,433 · 0,25 ≈ 0,0541 (mit den ungerundeten Werten gerechnet)\n"
           "\n"
           "Umfang: u = Ankathete + Gegenkathete + Hypotenuse\n"
           "u ≈ 0,433 + 0,25 + 0,5 ≈ 1,183 (mit den ungerundeten Werten gerechnet)\n"_s;
    QTest::newRow("angle and three sides disagree")
        << QStringList{"30", "3", "4", "5"}
        << u"Rechtwinkliges Dreieck\n"
           "Gegeben: Winkel α = 30°; Ankathete = 3; Gegenkathete = 4; Hypotenuse = 5\n"
           "Gesucht: Winkel β; Flächeninhalt A; Umfang u\n"
           "\n"
           "Die Angaben passen nicht zusammen:\n"
           "Hypotenuse · cos α = 5 · cos 30° ≈ 4,3301, aber Ankathete = 3.\n"
           "Hypotenuse · sin α = 5 · sin 30° = 2,5, aber Gegenkathete = 4.\n"
           "Gerechnet wird mit Hypotenuse und Winkel α; Ankathete und Gegenkathete werden neu "
           "berechnet.\n"
           "\n"
           "cos α = Ankathete / Hypotenuse\n"
           "Ankathete = Hypotenuse · cos α = 5 · cos 30° ≈ 4,3301\n"
           "\n"
           "sin α = Gegenkathete / Hypotenuse\n"
           "Gegenkathete = Hypotenuse · sin α = 5 · sin 30° = 2,5\n"
           "\n"
           "Winkelsumme im Dreieck: α + β + 90° = 180°\n"
           "β = 90° − α = 90° − 30° = 60°\n"
           "\n"
           "Flächeninhalt: A = ½ · Ankathete · Gegenkathete\n"
           "A ≈ ½ · 4,3301 · 2,5 ≈ 5,4127 (mit den ungerundeten Werten gerechnet)\n"
           "\n"
           "Umfang: u = Ankathete + Gegenkathete + Hypotenuse\n"
           "u ≈ 4,3301 + 2,5 + 5 ≈ 11,8301 (mit den ungerundeten Werten gerechnet)\n"_s;
    QTest::newRow("one leg checks, the other disagrees")
        << QStringList{"60", "5", "4", "10"}
        << u"Rechtwinkliges Dreieck\n"
           "Gegeben: Winkel α = 60°; Ankathete = 5; Gegenkathete = 4; Hypotenuse = 10\n"
           "Gesucht: Winkel β; Flächeninhalt A; Umfang u\n"
           "\n"
           "Probe: Hypotenuse · cos α = 10 · cos 60° = 5 = Ankathete\n"
           "Die Angaben passen nicht zusammen: Hypotenuse · sin α = 10 · sin 60° ≈ 8,6603, aber "
           "Gegenkathete = 4.\n"
           "Gerechnet wird mit Hypotenuse und Winkel α; die Gegenkathete wird neu berechnet.\n"
           "\n"
           "cos α = Ankathete / Hypotenuse\n"
           "Ankathete = Hypotenuse · cos α = 10 · cos 60° = 5\n"
           "\n"
           "sin α = Gegenkathete / Hypotenuse\n"
           "Gegenkathete = Hypotenuse · sin α = 10 · sin 60° ≈ 8,6603\n"
           "\n"
           "Winkelsumme im Dreieck: α + β + 90° = 180°\n"
           "β = 90° − α = 90° − 60° = 30°\n"
           "\n"
           "Flächeninhalt: A = ½ · Ankathete · Gegenkathete\n"
           "A ≈ ½ · 5 · 8,6603 ≈ 21,6506 (mit den ungerundeten Werten gerechnet)\n"
           "\n"
           "Umfang: u = Ankathete + Gegenkathete + Hypotenuse\n"
           "u ≈ 5 + 8,6603 + 10 ≈ 23,6603 (mit den ungerundeten Werten gerechnet)\n"_s;
    QTest::newRow("angle near 90, opposite")
        << QStringList{"89.9999999", "?", "1", "?"}
        << u"Rechtwinkliges Dreieck\n"
           "Gegeben: Winkel α = 89,9999999°; Gegenkathete = 1\n"
           "Gesucht: Ankathete; Hypotenuse; Winkel β; Flächeninhalt A; Umfang u\n"
           "\n"
           "tan α = Gegenkathete / Ankathete\n"
           "Ankathete = Gegenkathete / tan α = 1 / tan 89,9999999° ≈ 1,7453 · 10⁻⁹\n"
           "\n"
           "sin α = Gegenkathete / Hypotenuse\n"
           "Hypotenuse = Gegenkathete / sin α = 1 / sin 89,9999999° ≈ 1\n"
           "\n"
           "Winkelsumme im Dreieck: α + β + 90° = 180°\n"
           "β = 90° − α = 90° − 89,9999999° = 0,0000001°\n"
           "\n"
           "Flächeninhalt: A = ½ · Ankathete · Gegenkathete\n"
           "A ≈ ½ · (1,7453 · 10⁻⁹) · 1 ≈ 8,7266 · 10⁻¹⁰ (mit den ungerundeten Werten gerechnet)\n"
           "\n"
           "Umfang: u = Ankathete + Gegenkathete + Hypotenuse\n"
           "u ≈ (1,7453 · 10⁻⁹) + 1 + 1 ≈ 2 (mit den ungerundeten Werten gerechnet)\n"_s;
    QTest::newRow("area beyond the double range")
        << QStringList{"30", "1e200", "?", "?"}
        << u"Rechtwinkliges Dreieck\n"
           "Gegeben: Winkel α = 30°; Ankathete = 1 · 10²⁰⁰\n"
           "Gesucht: Gegenkathete; Hypotenuse; Winkel β; Flächeninhalt A; Umfang u\n"
           "\n"
           "tan α = Gegenkathete / Ankathete\n"
           "Gegenkathete = Ankathete · tan α = (1 · 10²⁰⁰) · tan 30° ≈ 5,77350269189626 · 10¹⁹⁹\n"
           "\n"
           "cos α = Ankathete / Hypotenuse\n"
           "Hypotenuse = Ankathete / cos α = (1 · 10²⁰⁰) / cos 30° ≈ 1,15470053837925 · 10²⁰⁰\n"
           "\n"
           "Winkelsumme im Dreieck: α + β + 90° = 180°\n"
           "β = 90° − α = 90° − 30° = 60°\n"
           "\n"
           "Flächeninhalt: A = ½ · Ankathete · Gegenkathete\n"
           "A ≈ ½ · (1 · 10²⁰⁰) · (5,77350269189626 · 10¹⁹⁹)\n"
           "Der Flächeninhalt ist zu groß für den Rechenbereich.\n"
           "\n"
           "Umfang: u = Ankathete + Gegenkathete + Hypotenuse\n"
           "u ≈ (1 · 10²⁰⁰) + (5,77350269189626 · 10¹⁹⁹) + (1,15470053837925 · 10²⁰⁰) ≈ 2,73205080756888 · 10²⁰⁰ (mit den ungerundeten Werten gerechnet)\n"_s;
    QTest::newRow("two legs")
        << QStringList{"?", "3", "4", "?"}
        << u"Rechtwinkliges Dreieck\n"
           "Gegeben: Ankathete = 3; Gegenkathete = 4\n"
           "Gesucht: Hypotenuse; Winkel α; Winkel β; Flächeninhalt A; Umfang u\n"
           "\n"
           "Satz des Pythagoras: Ankathete² + Gegenkathete² = Hypotenuse²\n"
           "Hypotenuse = √(Ankathete² + Gegenkathete²) = √(3² + 4²) = 5\n"
           "\n"
           "tan α = Gegenkathete / Ankathete\n"
           "α = arctan(Gegenkathete / Ankathete) = arctan(4 / 3) ≈ 53,1301°\n"_s
               + dreiVierFuenf;
    QTest::newRow("adjacent, hypotenuse")
        << QStringList{"?", "3", "?", "5"}
        << u"Rechtwinkliges Dreieck\n"
           "Gegeben: Ankathete = 3; Hypotenuse = 5\n"
           "Gesucht: Winkel α; Gegenkathete; Winkel β; Flächeninhalt A; Umfang u\n"
           "\n"
           "cos α = Ankathete / Hypotenuse\n"
           "α = arccos(Ankathete / Hypotenuse) = arccos(3 / 5) ≈ 53,1301°\n"
           "\n"
           "Satz des Pythagoras: Ankathete² + Gegenkathete² = Hypotenuse²\n"
           "Gegenkathete = √(Hypotenuse² − Ankathete²) = √(5² − 3²) = 4\n"_s
               + dreiVierFuenf;
    QTest::newRow("three sides disagree")
        << QStringList{"?", "3", "4", "6"}
        << u"Rechtwinkliges Dreieck\n"
           "Gegeben: Ankathete = 3; Gegenkathete = 4; Hypotenuse = 6\n"
           "Gesucht: Winkel α; Winkel β; Flächeninhalt A; Umfang u\n"
           "\n"
           "Satz des Pythagoras: Ankathete² + Gegenkathete² = Hypotenuse²\n"
           "Die Angaben passen nicht zusammen: 3² + 4² = 25, aber 6² = 36.\n"
           "Gerechnet wird mit Gegenkathete und Hypotenuse; die Ankathete wird neu berechnet.\n"
           "\n"
           "sin α = Gegenkathete / Hypotenuse\n"
           "α = arcsin(Gegenkathete / Hypotenuse) = arcsin(4 / 6) ≈ 41,8103°\n"
           "\n"
           "Satz des Pythagoras: Ankathete² + Gegenkathete² = Hypotenuse²\n"
           "Ankathete = √(Hypotenuse² − Gegenkathete²) = √(6² − 4²) ≈ 4,4721\n"
           "\n"
           "Winkelsumme im Dreieck: α + β + 90° = 180°\n"
           "β = 90° − α ≈ 90° − 41,8103° = 48,1897°\n"
           "\n"
           "Flächeninhalt: A = ½ · Ankathete · Gegenkathete\n"
           "A ≈ ½ · 4,4721 · 4 ≈ 8,9443 (mit den ungerundeten Werten gerechnet)\n"
           "\n"
           "Umfang: u = Ankathete + Gegenkathete + Hypotenuse\n"
           "u ≈ 4,4721 + 4 + 6 ≈ 14,4721 (mit den ungerundeten Werten gerechnet)\n"_s;
    QTest::newRow("three sides check")
        << QStringList{"?", "3", "4", "5"}
        << u"Rechtwinkliges Dreieck\n"
           "Gegeben: Ankathete = 3; Gegenkathete = 4; Hypotenuse = 5\n"
           "Gesucht: Winkel α; Winkel β; Flächeninhalt A; Umfang u\n"
           "\n"
           "Satz des Pythagoras: Ankathete² + Gegenkathete² = Hypotenuse²\n"
           "Probe: 3² + 4² = 25 = 5²\n"
           "\n"
           "sin α = Gegenkathete / Hypotenuse\n"
           "α = arcsin(Gegenkathete / Hypotenuse) = arcsin(4 / 5) ≈ 53,1301°\n"
           "\n"
           "Satz des Pythagoras: Ankathete² + Gegenkathete² = Hypotenuse²\n"
           "Ankathete = √(Hypotenuse² − Gegenkathete²) = √(5² − 4²) = 3\n"_s
               + dreiVierFuenf;
    QTest::newRow("tiny legs")
        << QStringList{"?", "0.00001", "0.00001", "?"}
        << u"Rechtwinkliges Dreieck\n"
           "Gegeben: Ankathete = 0,00001; Gegenkathete = 0,00001\n"
           "Gesucht: Hypotenuse; Winkel α; Winkel β; Flächeninhalt A; Umfang u\n"
           "\n"
           "Satz des Pythagoras: Ankathete² + Gegenkathete² = Hypotenuse²\n"
           "Hypotenuse = √(Ankathete² + Gegenkathete²) = √(0,00001² + 0,00001²) ≈ 1,4142 · 10⁻⁵\n"
           "\n"
           "tan α = Gegenkathete / Ankathete\n"
           "α = arctan(Gegenkathete / Ankathete) = arctan(0,00001 / 0,00001) = 45°\n"
           "\n"
           "Winkelsumme im Dreieck: α + β + 90° = 180°\n"
           "β = 90° − α = 90° − 45° = 45°\n"
           "\n"
           "Flächeninhalt: A = ½ · Ankathete · Gegenkathete\n"
           "A = ½ · 0,00001 · 0,00001 = 5 · 10⁻¹¹\n"
           "\n"
           "Umfang: u = Ankathete + Gegenkathete + Hypotenuse\n"
           "u ≈ 0,00001 + 0,00001 + (1,4142 · 10⁻⁵) ≈ 3,4142 · 10⁻⁵ (mit den ungerundeten Werten gerechnet)\n"_s;
    QTest::newRow("long legs")
        << QStringList{"?", "1e200", "1e200", "?"}
        << u"Rechtwinkliges Dreieck\n"
           "Gegeben: Ankathete = 1 · 10²⁰⁰; Gegenkathete = 1 · 10²⁰⁰\n"
           "Gesucht: Hypotenuse; Winkel α; Winkel β; Flächeninhalt A; Umfang u\n"
           "\n"
           "Satz des Pythagoras: Ankathete² + Gegenkathete² = Hypotenuse²\n"
           "Hypotenuse = √(Ankathete² + Gegenkathete²) = √((1 · 10²⁰⁰)² + (1 · 10²⁰⁰)²) ≈ "
           "1,4142135623731 · 10²⁰⁰\n"
           "\n"
           "tan α = Gegenkathete / Ankathete\n"
           "α = arctan(Gegenkathete / Ankathete) = arctan((1 · 10²⁰⁰) / (1 · 10²⁰⁰)) = 45°\n"
           "\n"
           "Winkelsumme im Dreieck: α + β + 90° = 180°\n"
           "β = 90° − α = 90° − 45° = 45°\n"
           "\n"
           "Flächeninhalt: A = ½ · Ankathete · Gegenkathete\n"
           "A = ½ · (1 · 10²⁰⁰) · (1 · 10²⁰⁰) = 5 · 10³⁹⁹\n"
           "\n"
           "Umfang: u = Ankathete + Gegenkathete + Hypotenuse\n"
           "u ≈ (1 · 10²⁰⁰) + (1 · 10²⁰⁰) + (1,4142135623731 · 10²⁰⁰) ≈ 3,4142135623731 · 10²⁰⁰ (mit den ungerundeten Werten gerechnet)\n"_s;
    QTest::newRow("fifteen digits rounded once")
        << QStringList{"?", "123456789012.00046", "1", "?"}
        << u"Rechtwinkliges Dreieck\n"
           "Gegeben: Ankathete = 123456789012,00046; Gegenkathete = 1\n"
           "Gesucht: Hypotenuse; Winkel α; Winkel β; Flächeninhalt A; Umfang u\n"
           "\n"
           "Satz des Pythagoras: Ankathete² + Gegenkathete² = Hypotenuse²\n"
           "Hypotenuse = √(Ankathete² + Gegenkathete²) = √(123456789012,00046² + 1²) ≈ "
           "123456789012\n"
           "\n"
           "tan α = Gegenkathete / Ankathete\n"
           "α = arctan(Gegenkathete / Ankathete) = arctan(1 / 123456789012,00046) ≈ 4,641 · "
           "10⁻¹⁰°\n"
           "\n"
           "Winkelsumme im Dreieck: α + β + 90° = 180°\n"
           "β = 90° − α ≈ 90° − (4,641 · 10⁻¹⁰)° ≈ 90°\n"
           "\n"
           "Flächeninhalt: A = ½ · Ankathete · Gegenkathete\n"
           "A = ½ · 123456789012,00046 · 1 ≈ 61728394506,0002\n"
           "\n"
           "Umfang: u = Ankathete + Gegenkathete + Hypotenuse\n"
           "u ≈ 123456789012,00046 + 1 + 123456789012 ≈ 246913578025,001 (mit den ungerundeten Werten gerechnet)\n"_s;
}

// Line by line in German, and in the C locale with its decimal point: only
// a comma between two digits is a decimal comma.
void TestSolver::rechenweg()
{
    QFETCH(QStringList, input);
    QFETCH(QString, text);
    core::Texte texte;
    std::ranges::copy(input, texte.begin());
    const core::Ergebnis e = ::berechnen(texte);
    QVERIFY(!e.meldung);
    QCOMPARE(core::rechenweg(texte, e, QLocale(QLocale::German, QLocale::Germany)).split(u'\n'),
             text.split(u'\n'));
    const QString c = QString(text).replace(QRegularExpression(u"(\\d),(\\d)"_s), u"\\1.\\2"_s);
    QCOMPARE(core::rechenweg(texte, e, QLocale::c()).split(u'\n'), c.split(u'\n'));
}

QTEST_APPLESS_MAIN(TestSolver)
#include "test_solver.moc"
