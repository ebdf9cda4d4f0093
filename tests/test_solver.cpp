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
    void saysWhatIsNotReadWhole_data();
    void saysWhatIsNotReadWhole();
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
    // A typed 0 whose last place no number reaches, below or above.
    addRow("a given 0 to 99 999 999 999 places", {"30", "?", "0e-99999999999", "10"},
           {"30", "8.6603", "5", "10"}, {"txt_an", "txt_ge"});
    addRow("a given 0 to the place 10^99 999 999 999", {"30", "?", "0e99999999999", "10"},
           {"30", "8.6603", "5", "10"}, {"txt_an", "txt_ge"});
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
           {"89.999997188", "121704789613.135", "2.47979046634433E+18", "2.4797904663443374E+18"},
           {"txt_an", "txt_ge"});
    addRow("89.999999526 degrees, long adjacent leg",
           {"89.999999526", "7.0149312013399135E+152", "?", "?"},
           {"89.999999526", "7.0149312013399135E+152", "8.47945045171758E+160",
            "8.47945045171758E+160"},
           {"txt_ge", "txt_hyp"});
    addRow("tiny adjacent leg and hypotenuse", {"?", "1e-200", "?", "2e-200"},
           {"60", "1e-200", "0", "2e-200"}, {"txt_winkel", "txt_ge"});
    addRow("tiny opposite leg and hypotenuse", {"?", "?", "1e-162", "2e-162"},
           {"30", "0", "1e-162", "2e-162"}, {"txt_winkel", "txt_an"});
    addRow("long hypotenuse", {"30", "?", "?", "1e200"},
           {"30", "8.66025403784439E+199", "5E+199", "1e200"}, {"txt_an", "txt_ge"});
    addRow("long legs", {"?", "1e200", "1e200", "?"},
           {"45", "1e200", "1e200", "1.4142135623731E+200"}, {"txt_hyp", "txt_winkel"});
    // From 1E+11 four places would hold more than 15 digits: rounded once to 15.
    addRow("hypotenuse rounded once to 15 digits", {"?", "123456789012.00046", "1", "?"},
           {"0", "123456789012.00046", "1", "123456789012"}, {"txt_hyp", "txt_winkel"});
    addRow("tiny angle, hypotenuse rounded once", {"0.0000001", "123456789012.00046", "?", "?"},
           {"0.0000001", "123456789012.00046", "215.4727", "123456789012"}, {"txt_ge", "txt_hyp"});
    addRow("short leg, long hypotenuse", {"?", "1", "?", "1e200"}, {"90", "1", "1E+200", "1e200"},
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
           {"89.99999999999999999999", "1", "5.72957795130823E+21", "5.72957795130823E+21"},
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
        << u"Aufgabe: Berechne a, c und β im rechtwinkligen Dreieck ABC mit γ = 90°, α = 30° und b "
           u"= 5.\n"
           "Bezeichnungen: Hypotenuse c, Ankathete b und Gegenkathete a von α\n"
           "Gegeben: α = 30°; b = 5\n"
           "Gesucht: a; c; β\n"
           "Runden: Ergebnisse aus den genauen Werten, auf 4 Nachkommastellen (4 bis 8 gültige "
           "Ziffern); jede Zeile stimmt nachgerechnet.\n"
           "\n"
           "tan α = Gegenkathete / Ankathete = a / b\n"
           "a = b · tan α = 5 · tan 30° ≈ 2,8868\n"
           "\n"
           "cos α = Ankathete / Hypotenuse = b / c\n"
           "c = b / cos α = 5 / cos 30° ≈ 5,7735\n"
           "\n"
           "Winkelsumme im Dreieck: α + β + γ = 180°\n"
           "β = 90° − α = 90° − 30° = 60°\n"
           "\n"
           "Probe mit dem Satz des Pythagoras: a² + b² = c²\n"
           "2,8868² + 5² ≈ 33,33 ≈ 5,7735² ✓\n"
           "\n"
           "Weitere Größen:\n"
           "Flächeninhalt: A = ½ · a · b ≈ ½ · 2,88675 · 5 ≈ 7,2169\n"
           "Umfang: u = a + b + c ≈ 2,8868 + 5 + 5,7735 ≈ 13,6603\n"
           "Kathetensatz: a² = c · p, also p = a² / c ≈ 2,8868² / 5,7735 ≈ 1,4434\n"
           "Kathetensatz: b² = c · q, also q = b² / c ≈ 5² / 5,7735 ≈ 4,3301\n"
           "Höhensatz: h² = p · q, also h = √(p · q) ≈ √(1,4434 · 4,3301) ≈ 2,5\n"
           "\n"
           "Ergebnis (Längen in LE, Flächen in FE):\n"
           "Gegenkathete a ≈ 2,8868 LE\n"
           "Hypotenuse c ≈ 5,7735 LE\n"
           "Winkel β = 60°\n"
           "Weitere Größen: A ≈ 7,2169 FE; u ≈ 13,6603 LE; p ≈ 1,4434 LE; q ≈ 4,3301 LE; h = 2,5 LE"_s
               .split(u'\n')
        << QStringList{} << true;
    // Given values the calculation writes again: checked to their typed places, not computed again.
    QTest::newRow("three sides that agree")
        << QStringList{"?", "3", "4", "5"}
        << QStringList{u"Aufgabe: Berechne α und β im rechtwinkligen Dreieck ABC mit γ = 90°, a = 4, b = 3 und c = 5."_s,
                       u"Gesucht: α; β"_s,
                       u"Satz des Pythagoras: a² + b² = c²"_s,
                       u"Probe für b: √(c² − a²) = √(5² − 4²) = 3 = b ✓"_s,
                       u"α = sin⁻¹(a / c) = sin⁻¹(4 / 5) ≈ 53,1301°"_s,
                       u"β = 90° − α ≈ 90° − 53,1301° ≈ 36,8699°"_s,
                       u"Probe mit dem Tangens: tan α = a / b"_s,
                       u"tan 53,1301° ≈ 1,333 ≈ 4 / 3 ✓"_s,
                       u"Höhensatz: h² = p · q, also h = √(p · q) = √(3,2 · 1,8) = 2,4"_s,
                       u"Ergebnis (Längen in LE, Flächen in FE):"_s,
                       u"Winkel α ≈ 53,1301°"_s,
                       u"Weitere Größen: A = 6 FE; u = 12 LE; p = 3,2 LE; q = 1,8 LE; h = 2,4 LE"_s}
        << QStringList{u"b = √"_s, u"b ≈"_s, u"ungerundeten"_s} << false;
    QTest::newRow("a given leg that agrees exactly")
        << QStringList{"30", "?", "1", "2"}
        << QStringList{u"Gegeben: α = 30°; a = 1; c = 2"_s, u"Gesucht: b; β"_s,
                       u"Probe für a: c · sin α = 2 · sin 30° = 1 = a ✓"_s,
                       u"b = c · cos α = 2 · cos 30° ≈ 1,7321"_s}
        << QStringList{u"a = c"_s, u"also mit"_s} << false;
    // Compared to three significant digits: a typed 4 stands for 4,00.
    QTest::newRow("a given leg that agrees to three digits")
        << QStringList{"30", "?", "4", "7.992"}
        << QStringList{u"Probe für a: c · sin α = 7,992 · sin 30° = 3,996 ≈ 4 = a ✓"_s}
        << QStringList{u"gibt es nicht"_s} << false;
    QTest::newRow("a given leg that agrees to its four places")
        << QStringList{"30", "8.6603", "5", "10"}
        << QStringList{u"Probe für b: c · cos α = 10 · cos 30° ≈ 8,6603 = b ✓"_s,
                       u"Weiter gerechnet wird mit c und α, also mit b ≈ 8,6603."_s,
                       u"Probe für a: c · sin α = 10 · sin 30° = 5 = a ✓"_s,
                       u"Flächeninhalt: A = ½ · a · b ≈ ½ · 5 · 8,66025 ≈ 21,6506"_s,
                       u"Kathetensatz: b² = c · q, also q = b² / c ≈ 8,66025² / 10 ≈ 7,5"_s,
                       u"Ankathete b ≈ 8,6603 LE"_s,
                       u"Weitere Größen: A ≈ 21,6506 FE; u ≈ 23,6603 LE; p = 2,5 LE; q = 7,5 LE; h ≈ 4,3301 LE"_s}
        << QStringList{u"gibt es nicht"_s, u"Probe mit"_s, u"also mit a"_s} << false;
    QTest::newRow("a typed zero makes it disagree")
        << QStringList{"30", "8.66030", "5", "10"}
        << QStringList{u"Gegeben: α = 30°; a = 5; b = 8,66030; c = 10"_s,
                       u"Ein solches Dreieck gibt es nicht: c · cos α = 10 · cos 30° ≈ 8,660254, aber b = 8,66030."_s,
                       u"Gerechnet wird daher nur mit c und α; b wird neu berechnet."_s,
                       u"b = c · cos α = 10 · cos 30° ≈ 8,6603"_s}
        << QStringList{} << false;
    QTest::newRow("a given 0 to 99 999 999 999 places")
        << QStringList{"30", "?", "0e-99999999999", "10"}
        << QStringList{u"Ein solches Dreieck gibt es nicht: c · sin α = 10 · sin 30° = 5, aber a = 0."_s}
        << QStringList{} << false;
    QTest::newRow("one leg agrees, one does not")
        << QStringList{"60", "5", "4", "10"}
        << QStringList{u"Probe für b: c · cos α = 10 · cos 60° = 5 = b ✓"_s,
                       u"Ein solches Dreieck gibt es nicht: c · sin α = 10 · sin 60° ≈ 8,6603, aber a = 4."_s,
                       u"Gerechnet wird daher nur mit c und α; a wird neu berechnet."_s,
                       u"a = c · sin α = 10 · sin 60° ≈ 8,6603"_s,
                       u"Probe mit dem Satz des Pythagoras: a² + b² = c²"_s,
                       u"8,6603² + 5² ≈ 100,0 = 10² ✓"_s}
        << QStringList{} << false;
    QTest::newRow("legs that disagree, with a sign and normal forms")
        << QStringList{"-30", "5.", ".5", "5"}
        << QStringList{u"Gegeben: α = 30° (getippt: -30); a = 0,5; b = 5; c = 5"_s,
                       u"Ein solches Dreieck gibt es nicht:"_s,
                       u"c · cos α = 5 · cos 30° ≈ 4,3301, aber b = 5."_s,
                       u"c · sin α = 5 · sin 30° = 2,5, aber a = 0,5."_s,
                       u"Außerdem muss jede Kathete kürzer als die Hypotenuse sein."_s,
                       u"Gerechnet wird daher nur mit c und α; b und a werden neu berechnet."_s}
        << QStringList{} << false;
    QTest::newRow("three sides that disagree")
        << QStringList{"?", "3", "4", "6"}
        << QStringList{u"Ein solches Dreieck gibt es nicht: √(c² − a²) = √(6² − 4²) ≈ 4,4721, aber b = 3."_s,
                       u"Gerechnet wird daher nur mit a und c; b wird neu berechnet."_s,
                       u"b = √(c² − a²) = √(6² − 4²) ≈ 4,4721"_s, u"Ankathete b ≈ 4,4721 LE"_s}
        << QStringList{} << false;
    QTest::newRow("two legs: the hypotenuse, then a check with the sine")
        << QStringList{"?", "3", "4", "?"}
        << QStringList{u"Gesucht: c; α; β"_s, u"c = √(a² + b²) = √(4² + 3²) = 5"_s,
                       u"Probe mit dem Sinus: sin α = a / c"_s,
                       u"sin 53,1301° ≈ 0,8000 = 4 / 5 ✓"_s, u"Hypotenuse c = 5 LE"_s}
        << QStringList{} << false;
    // "=" only between equal values, "≈" wherever a value is rounded, and
    // the first line with rounded numbers put in says so, once.
    QTest::newRow("two legs: beta rounded, as alpha")
        << QStringList{"?", "2", "3", "?"}
        << QStringList{u"β = 90° − α ≈ 90° − 56,3099° ≈ 33,6901°"_s,
                       u"Flächeninhalt: A = ½ · a · b = ½ · 3 · 2 = 3"_s,
                       u"Umfang: u = a + b + c ≈ 3 + 2 + 3,6056 ≈ 8,6056"_s,
                       u"Kathetensatz: a² = c · p, also p = a² / c ≈ 3² / 3,60555 ≈ 2,4962"_s,
                       u"Winkel β ≈ 33,6901°"_s}
        << QStringList{u"= 33,6901"_s, u"2,4962 (mit"_s} << false;
    QTest::newRow("an exact segment from rounded sides")
        << QStringList{"?", "?", "4", "8"}
        << QStringList{u"Kathetensatz: b² = c · q, also q = b² / c ≈ 6,9282² / 8 ≈ 6"_s,
                       u"Weitere Größen: A ≈ 13,8564 FE; u ≈ 18,9282 LE; p = 2 LE; q = 6 LE; h ≈ 3,4641 LE"_s}
        << QStringList{u"6,000"_s} << false;
    QTest::newRow("exact segments at 45 degrees")
        << QStringList{"45", "?", "?", "1"}
        << QStringList{u"Weitere Größen: A = 0,25 FE; u ≈ 2,4142 LE; p = 0,5 LE; q = 0,5 LE; h = 0,5 LE"_s}
        << QStringList{u"0,5000"_s} << false;
    QTest::newRow("a typed 4 stands for 4,00")
        << QStringList{"?", "4", "3", "5.4"}
        << QStringList{u"Ein solches Dreieck gibt es nicht: √(c² − a²) = √(5,4² − 3²) ≈ 4,4900, aber b = 4."_s,
                       u"tan 33,7490° ≈ 0,6682 ≈ 3 / 4,4900 ✓"_s}
        << QStringList{u"Probe für"_s} << false;
    QTest::newRow("one triangle after a contradiction")
        << QStringList{"40", "4", "3", "5"}
        << QStringList{u"c · cos α = 5 · cos 40° ≈ 3,8302, aber b = 4."_s,
                       u"Flächeninhalt: A = ½ · a · b ≈ ½ · 3,21394 · 3,83022 ≈ 6,1550"_s,
                       u"Ankathete b ≈ 3,8302 LE"_s}
        << QStringList{u"✓\nA = ½ · 3"_s, u"≈ 4 ✓"_s} << false;
    QTest::newRow("both legs with the angle: the opposite one checked")
        << QStringList{"30", "5", "3", "?"}
        << QStringList{u"Ein solches Dreieck gibt es nicht: b · tan α = 5 · tan 30° ≈ 2,8868, aber a = 3."_s,
                       u"Gerechnet wird daher nur mit b und α; a wird neu berechnet."_s,
                       u"2,8868² + 5² ≈ 33,33 ≈ 5,7735² ✓"_s}
        << QStringList{u"Außerdem"_s} << false;
    QTest::newRow("adjacent leg and hypotenuse")
        << QStringList{"?", "3", "?", "5"}
        << QStringList{u"α = cos⁻¹(b / c) = cos⁻¹(3 / 5) ≈ 53,1301°"_s,
                       u"a = √(c² − b²) = √(5² − 3²) = 4"_s}
        << QStringList{} << false;
    // Small values: four significant digits at least, and one rule for powers of ten.
    QTest::newRow("small angle, small leg")
        << QStringList{"0.5", "0.001", "?", "?"}
        << QStringList{u"a = b · tan α = 0,001 · tan 0,5° ≈ 8,727 · 10⁻⁶"_s,
                       u"c = b / cos α = 0,001 / cos 0,5° ≈ 0,001000"_s,
                       u"Höhensatz: h² = p · q, also h = √(p · q) ≈ √((7,616 · 10⁻⁸) · 0,001000) ≈ 8,727 · 10⁻⁶"_s}
        << QStringList{} << false;
    QTest::newRow("tiny legs")
        << QStringList{"?", "0.00001", "0.00001", "?"}
        << QStringList{u"Gegeben: a = 1 · 10⁻⁵; b = 1 · 10⁻⁵"_s,
                       u"c = √(a² + b²) = √((1 · 10⁻⁵)² + (1 · 10⁻⁵)²) ≈ 1,414 · 10⁻⁵"_s,
                       u"Flächeninhalt: A = ½ · a · b = ½ · (1 · 10⁻⁵) · (1 · 10⁻⁵) = 5 · 10⁻¹¹"_s,
                       u"Kathetensatz: a² = c · p, also p = a² / c ≈ (1 · 10⁻⁵)² / (1,4142 · 10⁻⁵) ≈ 7,071 · 10⁻⁶"_s}
        << QStringList{} << false;
    // Large values: at most eight significant digits, a power of ten where
    // zeros before the separator would not count, digits grouped in threes.
    QTest::newRow("an angle a ten-millionth below 90")
        << QStringList{"89.9999999", "1", "?", "?"}
        << QStringList{u"a = b · tan α = 1 · tan 89,9999999° ≈ 5,7295780 · 10⁸"_s,
                       u"β = 90° − α = 90° − 89,9999999° = 1 · 10⁻⁷°"_s,
                       u"(5,7295780 · 10⁸)² + 1² ≈ 3,283 · 10¹⁷ ≈ (5,7295780 · 10⁸)² ✓"_s}
        << QStringList{} << false;
    QTest::newRow("an area beyond the double range, exact all the same")
        << QStringList{"30", "1e200", "?", "?"}
        << QStringList{u"Flächeninhalt: A = ½ · a · b ≈ ½ · (5,77350269 · 10¹⁹⁹) · (1 · 10²⁰⁰) ≈ 2,8867513 · 10³⁹⁹"_s,
                       u"Weitere Größen: A ≈ 2,8867513 · 10³⁹⁹ FE; u ≈ 2,7320508 · 10²⁰⁰ LE; p ≈ 2,8867513 · 10¹⁹⁹ LE; q ≈ 8,6602540 · 10¹⁹⁹ LE; h = 5 · 10¹⁹⁹ LE"_s}
        << QStringList{} << false;
    QTest::newRow("an exact area beyond the double range")
        << QStringList{"?", "1e200", "1e200", "?"}
        << QStringList{u"Flächeninhalt: A = ½ · a · b = ½ · (1 · 10²⁰⁰) · (1 · 10²⁰⁰) = 5 · 10³⁹⁹"_s}
        << QStringList{} << false;
    QTest::newRow("grouped in threes, exact and given values written out")
        << QStringList{"30", "1250000000000", "?", "?"}
        << QStringList{u"Gegeben: α = 30°; b = 1 250 000 000 000"_s,
                       u"a = b · tan α = 1 250 000 000 000 · tan 30° ≈ 7,2168784 · 10¹¹"_s,
                       u"Weitere Größen: A ≈ 4,5105490 · 10²³ FE; u ≈ 3,4150635 · 10¹² LE; p ≈ 3,6084392 · 10¹¹ LE; q ≈ 1,0825318 · 10¹² LE; h = 625 000 000 000 LE"_s}
        << QStringList{} << false;
    QTest::newRow("a check with four digits of a large square")
        << QStringList{"?", "57295.7795", "1", "?"}
        << QStringList{u"c = √(a² + b²) = √(1² + 57 295,7795²) ≈ 57 295,780"_s,
                       u"Flächeninhalt: A = ½ · a · b = ½ · 1 · 57 295,7795 ≈ 28 647,890"_s}
        << QStringList{} << false;
    // β from an α the text can write to β's last place, or else from the unrounded α.
    QTest::newRow("an angle close to 90, its complement retypeable")
        << QStringList{"?", "0.001", "?", "1.0000005"}
        << QStringList{u"β = 90° − α ≈ 90° − 89,94270° ≈ 0,05730°"_s,
                       u"tan 89,9427° ≈ 1,00 · 10³ = 1,0000 / 0,001 ✓"_s}
        << QStringList{} << false;
    // The results in the order "Gesucht" asks for them, whatever order the steps take.
    QTest::newRow("angle and hypotenuse: results as asked")
        << QStringList{"30", "?", "?", "10"}
        << QStringList{u"Gesucht: a; b; β"_s, u"Ergebnis (Längen in LE, Flächen in FE):"_s,
                       u"Gegenkathete a = 5 LE"_s, u"Ankathete b ≈ 8,6603 LE"_s,
                       u"Winkel β = 60°"_s}
        << QStringList{} << false;
    // A text not read whole, beside the value read from it.
    QTest::newRow("a hypotenuse typed with a marker after it")
        << QStringList{"30", "5", "?", "5.8?"}
        << QStringList{u"Gegeben: α = 30°; b = 5; c = 5,8 (getippt: 5.8?)"_s} << QStringList{}
        << false;
    QTest::newRow("an angle with two points")
        << QStringList{"1.2.3", "343.6", "?", "?"}
        << QStringList{u"Gegeben: α = 1,2° (getippt: 1.2.3); b = 343,6"_s} << QStringList{}
        << false;
    QTest::newRow("an angle that rounds to 90")
        << QStringList{"?", "1", "1e12", "?"}
        << QStringList{u"α = tan⁻¹(a / b) = tan⁻¹(1 000 000 000 000 / 1) ≈ 90,0000°"_s,
                       u"β = 90° − α ≈ 5,730 · 10⁻¹¹° (mit dem ungerundeten α gerechnet)"_s,
                       u"sin 90,0000° ≈ 1,000 = 1 000 000 000 000 / (1,0000000 · 10¹²) ✓"_s}
        << QStringList{u"tan 90"_s} << false;
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
        QString text = core::rechenweg(std::get<core::Loesung>(e), locale).text();
        // No break beside "=" or "≈", nor between a function and its angle.
        QVERIFY(!text.contains(QRegularExpression(u"( =| ≈|sin|cos|tan) "_s)));
        text.replace(QChar(0xA0), u' ');
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

void TestSolver::saysWhatIsNotReadWhole_data()
{
    QTest::addColumn<QStringList>("input");
    QTest::addColumn<QStringList>("read"); // letter: what was read, for each text not read whole
    QTest::addColumn<QString>("message");
    const auto row = [](const char* name, const QStringList& input, const QStringList& read,
                        const QString& message = {}) {
        QTest::newRow(name) << input << read << message;
    };
    row("a marker after the hypotenuse", {"73.63", "0.08528", "?", "3?"}, {"c: 3"});
    row("two points in the angle", {"1.2.3", "343.6", "?", "?"}, {"α: 1.2"});
    row("a pasted fraction", {"?", "3/4", "4", "?"}, {"b: 3"});
    row("pasted minutes", {"30°15'", "5", "?", "?"}, {"α: 30"});
    row("a sign, dropped", {"?", "-3", "4", "?"}, {"b: 3"});
    row("an exponent without digits", {"?", "3e", "4", "?"}, {"b: 3"});
    row("empty, with the report", {"30", "", "?", "?"}, {"b: "}, groesser0);
    row("only a marker's twin, reported", {"30", "??", "?", "?"}, {"b: "}, groesser0);
    row("blanks and an exponent: whole", {"?", "1 000", "4e2", "?"}, {});
    row("hexadecimal: whole", {"?", "&H1F", "4", "?"}, {});
    row("too few values: nothing read", {"3?", "?", "?", "?"}, {},
        u"Bitte mindestens 2 Werte angeben"_s);
}

void TestSolver::saysWhatIsNotReadWhole()
{
    QFETCH(QStringList, input);
    QFETCH(QStringList, read);
    QFETCH(QString, message);
    core::Texte texte;
    std::ranges::copy(input, texte.begin());
    const core::Ergebnis e = core::berechnen(texte);
    const auto* const gemeldet = std::get_if<core::Meldung>(&e);
    QCOMPARE(gemeldet != nullptr ? gemeldet->text : QString(), message);
    const std::vector<core::Teillesung>& teile =
        gemeldet != nullptr ? gemeldet->teillesungen : std::get<core::Loesung>(e).teillesungen;
    QStringList found;
    for (const core::Teillesung& t : teile) {
        QCOMPARE(t.getippt, texte[t.feld]);
        found << QString::fromUtf16(core::benennungen[t.feld].symbol) + u": "_s + t.gelesen;
    }
    QCOMPARE(found, read);
}

QTEST_APPLESS_MAIN(TestSolver)
#include "test_solver.moc"
