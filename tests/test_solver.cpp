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
    // Both legs with the angle are more than needed, as three sides are: the
    // adjacent leg and the angle decide, the opposite leg is checked.
    addRow("both legs given, hypotenuse unknown", {"30", "5", "3", "?"},
           {"30", "5", "2.8868", "5.7735"}, {"txt_ge", "txt_hyp"});
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

    // Exact for the numbers as typed, where doubles of them would cancel or
    // land on the wrong side of a rounding tie.
    addRow("sides that nearly cancel", {"?", "1135767.4148", "7770889280112.917", "7770889280113"},
           {"90", "1135767.4148", "7770889280112.917", "7770889280113"}, {"txt_winkel", "txt_an"});
    addRow("a leg close to its hypotenuse", {"?", "58899999.96", "?", "58900000"},
           {"0.0021", "58899999.96", "2170.7142", "58900000"}, {"txt_winkel", "txt_ge"});
    addRow("a long leg near a rounding tie", {"30", "87000000000", "?", "?"},
           {"30", "87000000000", "50229473419.4974", "100458946838.995"}, {"txt_ge", "txt_hyp"});
    addRow("an angle a hundred-trillionth of a millionth below 90",
           {"89.99999999999999999999", "1", "?", "?"},
           {"89.99999999999999999999", "1", "5.72957795130823e+21", "5.72957795130823e+21"},
           {"txt_ge", "txt_hyp"});
    // As doubles both are 1.0000000000000002, which would be reported as equal.
    addRow("a leg shorter than its hypotenuse in the 17th digit",
           {"?", "?", "1.0000000000000001", "1.0000000000000002"},
           {"90", "0", "1.0000000000000001", "1.0000000000000002"}, {"txt_winkel", "txt_an"});
}

void TestSolver::berechnen()
{
    QFETCH(QStringList, input);
    QFETCH(QStringList, output);
    QFETCH(QStringList, order);
    QFETCH(QString, message);

    core::Texte texte;
    std::ranges::copy(input, texte.begin());
    const core::Ergebnis e = core::berechnen(texte);
    if (const auto* const gemeldet = std::get_if<core::Meldung>(&e)) {
        QCOMPARE(gemeldet->text, message);
        QCOMPARE(gemeldet->titel, u"Eingabefehler"_s);
        return;
    }
    QCOMPARE(QString(), message);
    const Geschrieben g = geschrieben(std::get<core::Loesung>(e));
    QCOMPARE(g.felder, order);
    QCOMPARE(g.texte, output);
}

void TestSolver::rechenweg_data()
{
    QTest::addColumn<QStringList>("input");
    QTest::addColumn<QStringList>("lines");  // in German: whole lines, in this order
    QTest::addColumn<QStringList>("absent"); // nowhere in the text
    QTest::addColumn<bool>("whole");         // the lines are the whole text

    QTest::newRow("angle, adjacent: the whole text")
        << QStringList{"30", "5", "?", "?"}
        << u"Rechtwinkliges Dreieck\n"
           "Gegeben: Winkel γ = 90°; Winkel α = 30°; Ankathete = 5\n"
           "Gesucht: Gegenkathete; Hypotenuse; Winkel β; Flächeninhalt A; Umfang u; "
           "Hypotenusenabschnitte p und q; Höhe h\n"
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
           "u ≈ 5 + 2,8868 + 5,7735 ≈ 13,6603 (mit den ungerundeten Werten gerechnet)\n"
           "\n"
           "Kathetensatz: Gegenkathete² = Hypotenuse · p\n"
           "p = Gegenkathete² / Hypotenuse ≈ 2,8868² / 5,7735 ≈ 1,4434 (mit den ungerundeten "
           "Werten gerechnet)\n"
           "\n"
           "Kathetensatz: Ankathete² = Hypotenuse · q\n"
           "q = Ankathete² / Hypotenuse ≈ 5² / 5,7735 ≈ 4,3301 (mit den ungerundeten Werten "
           "gerechnet)\n"
           "\n"
           "Höhensatz: h² = p · q\n"
           "h = √(p · q) ≈ √(1,4434 · 4,3301) ≈ 2,5 (mit den ungerundeten Werten gerechnet)\n"
           "\n"
           "Probe mit dem Satz des Pythagoras: Ankathete² + Gegenkathete² = Hypotenuse²\n"
           "5² + 2,8868² ≈ 33,33 ≈ 5,7735² ✓\n"
           "\n"
           "Ergebnis:\n"
           "Gegenkathete ≈ 2,8868\n"
           "Hypotenuse ≈ 5,7735\n"
           "Winkel β = 60°\n"
           "Flächeninhalt A ≈ 7,2169\n"
           "Umfang u ≈ 13,6603\n"
           "Hypotenusenabschnitt p ≈ 1,4434\n"
           "Hypotenusenabschnitt q ≈ 4,3301\n"
           "Höhe h = 2,5"_s.split(u'\n')
        << QStringList{} << true;
    // Given values the calculation writes again: checked to their typed places, not computed again.
    QTest::newRow("three sides that agree")
        << QStringList{"?", "3", "4", "5"}
        << QStringList{u"Satz des Pythagoras: Ankathete² + Gegenkathete² = Hypotenuse²"_s,
                       u"Probe für die Ankathete: √(Hypotenuse² − Gegenkathete²) = √(5² − 4²) = 3 ✓"_s,
                       u"α = arcsin(Gegenkathete / Hypotenuse) = arcsin(4 / 5) ≈ 53,1301°"_s,
                       u"p = Gegenkathete² / Hypotenuse = 4² / 5 = 3,2"_s,
                       u"q = Ankathete² / Hypotenuse = 3² / 5 = 1,8"_s,
                       u"h = √(p · q) = √(3,2 · 1,8) = 2,4"_s,
                       u"Probe mit tan α = Gegenkathete / Ankathete"_s,
                       u"tan 53,1301° ≈ 1,333 ≈ 4 / 3 ✓"_s,
                       u"Ergebnis:"_s,
                       u"Winkel α ≈ 53,1301°"_s,
                       u"Höhe h = 2,4"_s}
        << QStringList{u"Ankathete = √"_s, u"Ankathete ≈"_s} << false;
    QTest::newRow("a given leg that agrees exactly")
        << QStringList{"30", "?", "1", "2"}
        << QStringList{u"Gegeben: Winkel γ = 90°; Winkel α = 30°; Gegenkathete = 1; Hypotenuse = 2"_s,
                       u"Probe für die Gegenkathete: Hypotenuse · sin α = 2 · sin 30° = 1 ✓"_s,
                       u"Ankathete = Hypotenuse · cos α = 2 · cos 30° ≈ 1,7321"_s}
        << QStringList{u"Gegenkathete = Hypotenuse"_s} << false;
    QTest::newRow("a given leg that agrees to its four places")
        << QStringList{"30", "8.6603", "5", "10"}
        << QStringList{u"Probe für die Ankathete: Hypotenuse · cos α = 10 · cos 30° ≈ 8,6603 ✓"_s,
                       u"Probe für die Gegenkathete: Hypotenuse · sin α = 10 · sin 30° = 5 ✓"_s,
                       u"A ≈ ½ · 8,6603 · 5 ≈ 21,6506 (mit den ungerundeten Werten gerechnet)"_s,
                       u"q = Ankathete² / Hypotenuse ≈ 8,6603² / 10 ≈ 7,5 (mit den ungerundeten Werten gerechnet)"_s,
                       u"Ankathete ≈ 8,6603"_s,
                       u"Hypotenusenabschnitt q = 7,5"_s}
        << QStringList{u"passen nicht"_s, u"Probe mit"_s} << false;
    QTest::newRow("a typed zero makes it disagree")
        << QStringList{"30", "8.66030", "5", "10"}
        << QStringList{u"Gegeben: Winkel γ = 90°; Winkel α = 30°; Ankathete = 8,66030; Gegenkathete = 5; Hypotenuse = 10"_s,
                       u"Die Angaben passen nicht zusammen: Hypotenuse · cos α = 10 · cos 30° ≈ 8,660254, aber Ankathete = 8,66030."_s,
                       u"Gerechnet wird mit Hypotenuse und Winkel α; die Ankathete wird neu berechnet."_s,
                       u"Ankathete = Hypotenuse · cos α = 10 · cos 30° ≈ 8,6603"_s}
        << QStringList{} << false;
    QTest::newRow("one leg agrees, one does not")
        << QStringList{"60", "5", "4", "10"}
        << QStringList{u"Probe für die Ankathete: Hypotenuse · cos α = 10 · cos 60° = 5 ✓"_s,
                       u"Die Angaben passen nicht zusammen: Hypotenuse · sin α = 10 · sin 60° ≈ 8,6603, aber Gegenkathete = 4."_s,
                       u"Gerechnet wird mit Hypotenuse und Winkel α; die Gegenkathete wird neu berechnet."_s,
                       u"Gegenkathete = Hypotenuse · sin α = 10 · sin 60° ≈ 8,6603"_s,
                       u"Probe mit dem Satz des Pythagoras: Ankathete² + Gegenkathete² = Hypotenuse²"_s,
                       u"5² + 8,6603² ≈ 100,0 = 10² ✓"_s}
        << QStringList{} << false;
    QTest::newRow("legs that disagree, with a sign and normal forms")
        << QStringList{"-30", "5.", ".5", "5"}
        << QStringList{u"Gegeben: Winkel γ = 90°; Winkel α = 30°; Ankathete = 5; Gegenkathete = 0,5; Hypotenuse = 5"_s,
                       u"Die Angaben passen nicht zusammen:"_s,
                       u"Hypotenuse · cos α = 5 · cos 30° ≈ 4,3301, aber Ankathete = 5."_s,
                       u"Hypotenuse · sin α = 5 · sin 30° = 2,5, aber Gegenkathete = 0,5."_s,
                       u"Außerdem muss jede Kathete kürzer als die Hypotenuse sein."_s,
                       u"Gerechnet wird mit Hypotenuse und Winkel α; Ankathete und Gegenkathete werden neu berechnet."_s}
        << QStringList{} << false;
    QTest::newRow("three sides that disagree")
        << QStringList{"?", "3", "4", "6"}
        << QStringList{u"Die Angaben passen nicht zusammen: √(Hypotenuse² − Gegenkathete²) = √(6² − 4²) ≈ 4,4721, aber Ankathete = 3."_s,
                       u"Gerechnet wird mit Gegenkathete und Hypotenuse; die Ankathete wird neu berechnet."_s,
                       u"Ankathete = √(Hypotenuse² − Gegenkathete²) = √(6² − 4²) ≈ 4,4721"_s,
                       u"Ankathete ≈ 4,4721"_s}
        << QStringList{} << false;
    QTest::newRow("two legs: the hypotenuse, then a check with the sine")
        << QStringList{"?", "3", "4", "?"}
        << QStringList{u"Hypotenuse = √(Ankathete² + Gegenkathete²) = √(3² + 4²) = 5"_s,
                       u"Probe mit sin α = Gegenkathete / Hypotenuse"_s,
                       u"sin 53,1301° ≈ 0,8000 = 4 / 5 ✓"_s, u"Hypotenuse = 5"_s}
        << QStringList{} << false;
    // "=" only between equal values, "≈" wherever a value is rounded; a
    // given value checked to its typed digits, read to three significant digits.
    QTest::newRow("two legs: beta rounded, as alpha")
        << QStringList{"?", "2", "3", "?"}
        << QStringList{u"β = 90° − α ≈ 90° − 56,3099° ≈ 33,6901° (mit den ungerundeten Werten gerechnet)"_s,
                       u"Winkel β ≈ 33,6901°"_s}
        << QStringList{u"= 33,6901"_s} << false;
    QTest::newRow("an exact segment from rounded sides")
        << QStringList{"?", "?", "4", "8"}
        << QStringList{u"q = Ankathete² / Hypotenuse ≈ 6,9282² / 8 ≈ 6 (mit den ungerundeten Werten gerechnet)"_s,
                       u"Hypotenusenabschnitt q = 6"_s}
        << QStringList{u"6,000"_s} << false;
    QTest::newRow("a typed 4 stands for 4,00")
        << QStringList{"?", "4", "3", "5.4"}
        << QStringList{u"Die Angaben passen nicht zusammen: √(Hypotenuse² − Gegenkathete²) = √(5,4² − 3²) ≈ 4,4900, aber Ankathete = 4."_s,
                       u"tan 33,7490° ≈ 0,6682 ≈ 3 / 4,4900 ✓"_s}
        << QStringList{u"Probe für"_s} << false;
    QTest::newRow("one triangle after a contradiction")
        << QStringList{"40", "4", "3", "5"}
        << QStringList{u"Hypotenuse · cos α = 5 · cos 40° ≈ 3,8302, aber Ankathete = 4."_s,
                       u"A ≈ ½ · 3,8302 · 3,2139 ≈ 6,1550 (mit den ungerundeten Werten gerechnet)"_s,
                       u"Ankathete ≈ 3,8302"_s}
        << QStringList{u"✓\nA = ½ · 4"_s, u"≈ 4 ✓"_s} << false;
    QTest::newRow("both legs with the angle: the opposite one checked")
        << QStringList{"30", "5", "3", "?"}
        << QStringList{u"Die Angaben passen nicht zusammen: Ankathete · tan α = 5 · tan 30° ≈ 2,8868, aber Gegenkathete = 3."_s,
                       u"Gerechnet wird mit Ankathete und Winkel α; die Gegenkathete wird neu berechnet."_s,
                       u"5² + 2,8868² ≈ 33,33 ≈ 5,7735² ✓"_s}
        << QStringList{u"Außerdem"_s} << false;
    QTest::newRow("adjacent leg and hypotenuse")
        << QStringList{"?", "3", "?", "5"}
        << QStringList{u"α = arccos(Ankathete / Hypotenuse) = arccos(3 / 5) ≈ 53,1301°"_s,
                       u"Gegenkathete = √(Hypotenuse² − Ankathete²) = √(5² − 3²) = 4"_s}
        << QStringList{} << false;
    // Small values: four significant digits at least, and one rule for powers of ten.
    QTest::newRow("small angle, small leg")
        << QStringList{"0.5", "0.001", "?", "?"}
        << QStringList{u"Gegenkathete = Ankathete · tan α = 0,001 · tan 0,5° ≈ 8,727 · 10⁻⁶"_s,
                       u"Hypotenuse = Ankathete / cos α = 0,001 / cos 0,5° ≈ 0,001000"_s,
                       u"h = √(p · q) ≈ √((7,616 · 10⁻⁸) · 0,001000) ≈ 8,727 · 10⁻⁶ (mit den ungerundeten Werten gerechnet)"_s}
        << QStringList{} << false;
    QTest::newRow("tiny legs")
        << QStringList{"?", "0.00001", "0.00001", "?"}
        << QStringList{u"Gegeben: Winkel γ = 90°; Ankathete = 1 · 10⁻⁵; Gegenkathete = 1 · 10⁻⁵"_s,
                       u"Hypotenuse = √(Ankathete² + Gegenkathete²) = √((1 · 10⁻⁵)² + (1 · 10⁻⁵)²) ≈ 1,414 · 10⁻⁵"_s,
                       u"A = ½ · (1 · 10⁻⁵) · (1 · 10⁻⁵) = 5 · 10⁻¹¹"_s,
                       u"p = Gegenkathete² / Hypotenuse ≈ (1 · 10⁻⁵)² / (1,414 · 10⁻⁵) ≈ 7,071 · 10⁻⁶ (mit den ungerundeten Werten gerechnet)"_s}
        << QStringList{} << false;
    QTest::newRow("an angle a ten-millionth below 90")
        << QStringList{"89.9999999", "1", "?", "?"}
        << QStringList{u"Gegenkathete = Ankathete · tan α = 1 · tan 89,9999999° ≈ 572957795,1308"_s,
                       u"β = 90° − α = 90° − 89,9999999° = 1 · 10⁻⁷°"_s,
                       u"q = Ankathete² / Hypotenuse ≈ 1² / 572957795,1308 ≈ 1,745 · 10⁻⁹ (mit den ungerundeten Werten gerechnet)"_s}
        << QStringList{} << false;
    QTest::newRow("an area beyond the double range, exact all the same")
        << QStringList{"30", "1e200", "?", "?"}
        << QStringList{u"A ≈ ½ · (1 · 10²⁰⁰) · (5,77350269189626 · 10¹⁹⁹) ≈ 2,88675134594813 · 10³⁹⁹ (mit den ungerundeten Werten gerechnet)"_s,
                       u"Höhe h = 5 · 10¹⁹⁹"_s}
        << QStringList{} << false;
    QTest::newRow("an exact area beyond the double range")
        << QStringList{"?", "1e200", "1e200", "?"}
        << QStringList{u"A = ½ · (1 · 10²⁰⁰) · (1 · 10²⁰⁰) = 5 · 10³⁹⁹"_s} << QStringList{}
        << false;
    QTest::newRow("a hypotenuse rounded once to 15 digits")
        << QStringList{"?", "123456789012.00046", "1", "?"}
        << QStringList{u"Hypotenuse = √(Ankathete² + Gegenkathete²) = √(123456789012,00046² + 1²) ≈ 123456789012,000"_s,
                       u"A = ½ · 123456789012,00046 · 1 ≈ 61728394506,0002"_s}
        << QStringList{} << false;
}

// In German, and in the C locale with its decimal point: only a comma
// between two digits is a decimal comma.
void TestSolver::rechenweg()
{
    QFETCH(QStringList, input);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, absent);
    QFETCH(bool, whole);
    core::Texte texte;
    std::ranges::copy(input, texte.begin());
    const core::Ergebnis e = core::berechnen(texte);
    QVERIFY(std::holds_alternative<core::Loesung>(e));
    const QRegularExpression komma(u"(\\d),(\\d)"_s);
    for (const bool deutsch : {true, false}) {
        const QLocale locale = deutsch ? QLocale(QLocale::German, QLocale::Germany) : QLocale::c();
        const QString text = core::rechenweg(std::get<core::Loesung>(e), locale).text();
        QStringList expected = lines;
        if (!deutsch)
            expected.replaceInStrings(komma, u"\\1.\\2"_s);
        const QStringList written = text.split(u'\n');
        if (whole) {
            QCOMPARE(written, expected + QStringList{QString()});
            continue;
        }
        qsizetype from = 0;
        for (const QString& line : expected) {
            const qsizetype at = written.indexOf(line, from);
            QVERIFY2(at >= 0, qPrintable(u"missing in its turn: "_s + line + u"\n\n"_s + text));
            from = at + 1;
        }
        for (const QString& part : absent)
            QVERIFY2(!text.contains(part), qPrintable(u"should not be there: "_s + part));
    }
}

QTEST_APPLESS_MAIN(TestSolver)
#include "test_solver.moc"
