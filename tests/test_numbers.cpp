// SPDX-License-Identifier: GPL-3.0-or-later
// Val, the exact reading of a text, number-to-text and exact rounding,
// without any widget.
#include "core/exakt.hpp"
#include "core/numbers.hpp"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(core::Zahl)

namespace {
constexpr double inf = std::numeric_limits<double>::infinity();
}

class TestNumbers : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void val_data();
    void val();
    void lesen_data();
    void lesen();
    void str_data();
    void str();
    void gezeigt_data();
    void gezeigt();
};

void TestNumbers::val_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("empty") << QString() << 0.0;
    QTest::newRow("marker") << u"?"_s << 0.0;
    QTest::newRow("two markers") << u"??"_s << 0.0;
    QTest::newRow("integer") << u"30"_s << 30.0;
    QTest::newRow("decimal") << u"12.5"_s << 12.5;
    QTest::newRow("blanks anywhere") << u" 3 0 "_s << 30.0;
    QTest::newRow("tabs and line feeds anywhere") << u"1\t2\n3"_s << 123.0;
    QTest::newRow("carriage return stops") << u"\r5"_s << 0.0;
    QTest::newRow("second point stops") << u"5.5.5"_s << 5.5;
    QTest::newRow("1.2.3") << u"1.2.3"_s << 1.2;
    QTest::newRow("minus") << u"-5"_s << -5.0;
    QTest::newRow("plus") << u"+5"_s << 5.0;
    QTest::newRow("blank after sign") << u"- 5"_s << -5.0;
    QTest::newRow("two signs") << u"+-5"_s << 0.0;
    QTest::newRow("double minus") << u"--5"_s << 0.0;
    QTest::newRow("leading point") << u".5"_s << 0.5;
    QTest::newRow("trailing point") << u"5."_s << 5.0;
    QTest::newRow("point alone") << u"."_s << 0.0;
    QTest::newRow("sign and point alone") << u"-."_s << 0.0;
    QTest::newRow("exponent") << u"1e5"_s << 1e5;
    QTest::newRow("negative exponent upper case") << u"1E-2"_s << 0.01;
    QTest::newRow("D exponent") << u"2d3"_s << 2000.0;
    QTest::newRow("D exponent with sign") << u"2D+3"_s << 2000.0;
    QTest::newRow("blank inside exponent") << u"1 e 2"_s << 100.0;
    QTest::newRow("exponent letter without digits") << u"1e"_s << 1.0;
    QTest::newRow("exponent sign without digits") << u"1e+"_s << 1.0;
    QTest::newRow("exponent followed by letter") << u"1ex"_s << 1.0;
    QTest::newRow("point ends the exponent") << u"1e2.5"_s << 100.0;
    QTest::newRow("exponent without mantissa") << u"e5"_s << 0.0;
    QTest::newRow("point then exponent") << u".5e1"_s << 5.0;
    QTest::newRow("trailing letters") << u"12abc"_s << 12.0;
    QTest::newRow("leading letters") << u"abc12"_s << 0.0;
    QTest::newRow("comma is no decimal point") << u"1,5"_s << 1.0;
    QTest::newRow("full-width digits are no digits") << u"１２"_s << 0.0;
    QTest::newRow("non-breaking space is no blank") << u"\u00a05"_s << 0.0;
    QTest::newRow("hexadecimal") << u"&H1F"_s << 31.0;
    QTest::newRow("hexadecimal lower case") << u"&hff"_s << 255.0;
    QTest::newRow("hexadecimal with blanks") << u" & H 1 0"_s << 16.0;
    QTest::newRow("hexadecimal stops at non-digit") << u"&H1G"_s << 1.0;
    QTest::newRow("hexadecimal without digits") << u"&H"_s << 0.0;
    QTest::newRow("octal") << u"&O17"_s << 15.0;
    QTest::newRow("octal stops at 8") << u"&o78"_s << 7.0;
    QTest::newRow("ampersand alone") << u"&"_s << 0.0;
    QTest::newRow("ampersand and digits") << u"&12"_s << 0.0;
    QTest::newRow("hexadecimal not at start") << u"1&H1F"_s << 1.0;
    QTest::newRow("overflow") << u"1e400"_s << inf;
    QTest::newRow("negative overflow") << u"-1e400"_s << -inf;
    QTest::newRow("underflow reads as 0") << u"1e-400"_s << 0.0;
    QTest::newRow("huge exponent") << u"1e99999999999999999999"_s << inf;
    QTest::newRow("huge negative exponent") << u"1e-99999999999999999999"_s << 0.0;
    QTest::newRow("zero with huge exponent") << u"0e999999"_s << 0.0;
    QTest::newRow("smallest subnormal") << u"5e-324"_s << std::numeric_limits<double>::denorm_min();
    QTest::newRow("largest double")
        << u"1.7976931348623157e308"_s << std::numeric_limits<double>::max();
    QTest::newRow("400 integer digits") << (u"1"_s + QString(400, u'0')) << inf;
    QTest::newRow("400 leading zeros in the fraction")
        << (u"0."_s + QString(400, u'0') + u"1"_s) << 0.0;
    QTest::newRow("hexadecimal beyond the double range") << (u"&H"_s + QString(300, u'F')) << inf;
    // Digit-by-digit arithmetic gets these wrong in the last bit.
    QTest::newRow("0.1") << u"0.1"_s << 0.1;
    QTest::newRow("tie to even above 2^53") << u"9007199254740993"_s << 9007199254740992.0;
    QTest::newRow("just above the tie")
        << u"9007199254740993.0000000000000000000001"_s << 9007199254740994.0;
    QTest::newRow("17 significant digits")
        << u"2.2250738585072011e-308"_s << 2.2250738585072011e-308;
    QTest::newRow("long fraction") << (u"0."_s + QString(2000, u'3')) << 1.0 / 3.0;
}

void TestNumbers::val()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(core::Val(text), expected);
    // The exact reading is the same number, before its one rounding to a double.
    const core::Getippt g = core::lesen(text);
    QCOMPARE(g.val, std::fabs(expected));
    if (g.bereich == core::Bereich::innen)
        QCOMPARE(g.wert.get_d(), std::fabs(expected));
}

// Each text read once: its exact value, the place of its last typed digit,
// and whether the calculation holds it.
void TestNumbers::lesen_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("exact"); // a fraction in lowest terms
    QTest::addColumn<long long>("lastPlace");
    QTest::addColumn<core::Bereich>("range");
    const auto innen = core::Bereich::innen;
    const auto ausserhalb = core::Bereich::ausserhalb;
    QTest::newRow("trailing zeros count") << u"8.6600"_s << u"433/50"_s << -4LL << innen;
    QTest::newRow("exponent") << u"5e3"_s << u"5000"_s << 3LL << innen;
    QTest::newRow("more digits than a double holds")
        << u"89.99999999999999999999"_s << u"8999999999999999999999/100000000000000000000"_s
        << -20LL << innen;
    QTest::newRow("sign, blanks, stop character") << u"- 0 . 5 x"_s << u"1/2"_s << -1LL << innen;
    QTest::newRow("hexadecimal") << u"&H1F"_s << u"31"_s << 0LL << innen;
    QTest::newRow("marker") << u"?"_s << u"0"_s << 0LL << core::Bereich::null;
    QTest::newRow("zero with places") << u"0.000"_s << u"0"_s << -3LL << core::Bereich::null;
    QTest::newRow("just below the largest double")
        << u"1.7976931348623157e308"_s << (u"17976931348623157"_s + QString(292, u'0')) << 292LL
        << innen;
    QTest::newRow("above the largest double")
        << u"1.7976931348623159e308"_s << u"0"_s << 292LL << ausserhalb;
    QTest::newRow("below the smallest normal double")
        << u"1e-320"_s << u"0"_s << -320LL << ausserhalb;
    QTest::newRow("far beyond, not multiplied out")
        << u"1e999999"_s << u"0"_s << 999999LL << ausserhalb;
    // Exponents and digit counts held exactly, whatever their length.
    QTest::newRow("1.5 million zeros, e-1500000")
        << (u'1' + QString(1'500'000, u'0') + u"e-1500000"_s) << u"1"_s << -1'500'000LL << innen;
    QTest::newRow("1.5 million places, e1500000")
        << (u"0."_s + QString(1'499'999, u'0') + u"1e1500000"_s) << u"1"_s << 0LL << innen;
    QTest::newRow("a 25-digit exponent") << (u"1e"_s + QString(25, u'9')) << u"0"_s
                                         << std::numeric_limits<long long>::max() / 4 << ausserhalb;
}

void TestNumbers::lesen()
{
    QFETCH(QString, text);
    QFETCH(QString, exact);
    QFETCH(long long, lastPlace);
    QFETCH(core::Bereich, range);
    const core::Getippt g = core::lesen(text);
    QCOMPARE(g.bereich, range);
    QCOMPARE(g.letzte_stelle, lastPlace);
    if (range != core::Bereich::ausserhalb)
        QCOMPARE(QString::fromStdString(g.wert.get_str()), exact);
}

void TestNumbers::str_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    const QLocale c = QLocale::c();
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale swiss(QLocale::German, QLocale::Switzerland);
    const QLocale arabic(QLocale::Arabic, QLocale::Egypt);
    const QLocale bengali(QLocale::Bengali, QLocale::Bangladesh);
    QTest::newRow("C: decimal") << c << 2.8868 << u"2.8868"_s;
    QTest::newRow("C: integer") << c << 10.0 << u"10"_s;
    QTest::newRow("C: leading zero") << c << 0.5 << u"0.5"_s;
    QTest::newRow("C: smallest rounded value") << c << 0.0001 << u"0.0001"_s;
    QTest::newRow("C: no grouping") << c << 1234567.891 << u"1234567.891"_s;
    QTest::newRow("C: 15 significant digits") << c << 123456789012345.67 << u"123456789012346"_s;
    QTest::newRow("C: negative zero") << c << -0.0 << u"0"_s;
    QTest::newRow("German: comma") << german << 2.8868 << u"2,8868"_s;
    QTest::newRow("German: no grouping") << german << 1234567.891 << u"1234567,891"_s;
    QTest::newRow("German: integer") << german << 5.0 << u"5"_s;
    QTest::newRow("Swiss German: point, no grouping") << swiss << 1234567.891 << u"1234567.891"_s;
    QTest::newRow("C: exponent") << c << 1e16 << u"1E+16"_s;
    QTest::newRow("German: exponent") << german << 1.5e-16 << u"1,5E-16"_s;
    // Digits that nobody can type back into a field stay out.
    QTest::newRow("Arabic: ASCII digits") << arabic << 2.8868 << u"2\u066b8868"_s;
    QTest::newRow("Arabic: ASCII exponent") << arabic << 1e16 << u"1E+16"_s;
    QTest::newRow("Bengali: ASCII digits") << bengali << 1234.5 << u"1234.5"_s;
}

void TestNumbers::str()
{
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(core::Str(value, locale), expected);
}

// An exact value rounded once, as a field shows it, ties decided exactly;
// and whether the value is known to be rational.
void TestNumbers::gezeigt_data()
{
    QTest::addColumn<core::Zahl>("zahl");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("exact"); // rational, irrational or undecided
    const auto q = [](const char* text) {
        return core::Zahl(core::lesen(QString::fromLatin1(text)).wert);
    };
    const QString rational = u"rational"_s;
    const QString irrational = u"irrational"_s;
    const core::Zahl sin15 = core::Zahl::sin(15);
    const core::Zahl cos15 = core::Zahl::cos(15);
    QTest::newRow("a tie down to the even 2") << q("2.00025") << u"2.0002"_s << rational;
    QTest::newRow("a tie up to the even 2") << q("2.00015") << u"2.0002"_s << rational;
    QTest::newRow("just above a tie") << q("2.0000500000000000001") << u"2.0001"_s << rational;
    QTest::newRow("the carry runs through") << q("9.99995") << u"10"_s << rational;
    QTest::newRow("from 1E+11 once to 15 digits")
        << q("123456789012.00046") << u"123456789012"_s << rational;
    QTest::newRow("a square root") << core::Zahl::wurzel(2) << u"1.4142"_s << irrational;
    QTest::newRow("a square root that is rational")
        << core::Zahl::wurzel(mpq_class(9, 4)) << u"1.5"_s << rational;
    QTest::newRow("sin 30 degrees") << core::Zahl::sin(30) << u"0.5"_s << rational;
    QTest::newRow("sin 45 degrees squared")
        << core::Zahl::sin(45) * core::Zahl::sin(45) << u"0.5"_s << rational;
    QTest::newRow("tan 60 degrees")
        << core::Zahl::sin(60) / core::Zahl::cos(60) << u"1.7321"_s << irrational;
    QTest::newRow("sin 15 degrees times cos 15 degrees") << sin15 * cos15 << u"0.25"_s << rational;
    QTest::newRow("an exact tie at 15 degrees")
        << q("0.0006") * sin15 * cos15 << u"0.0002"_s << rational;
    QTest::newRow("cos near 90 degrees, from the complement")
        << q("1e-15") / core::Zahl::cos(core::lesen(u"89.99999999999999999999"_s).wert)
        << u"5729577.9513"_s << irrational;
    QTest::newRow("arctan of equal legs")
        << core::Zahl::arctan(q("7"), q("7")) << u"45"_s << rational;
    QTest::newRow("arctan at 30 degrees")
        << core::Zahl::arctan(q("1"), core::Zahl::wurzel(3)) << u"30"_s << rational;
    QTest::newRow("arctan of 3 over 4")
        << core::Zahl::arctan(q("3"), q("4")) << u"36.8699"_s << irrational;
    QTest::newRow("a sum with a root")
        << q("1") + core::Zahl::wurzel(2) << u"2.4142"_s << irrational;
    const core::Zahl sin37 = core::Zahl::sin(37);
    const core::Zahl cos37 = core::Zahl::cos(37);
    QTest::newRow("cos 37 degrees") << cos37 << u"0.7986"_s << irrational;
    QTest::newRow("perimeter from the hypotenuse at 37 degrees")
        << q("1") + sin37 + cos37 << u"2.4005"_s << irrational;
    QTest::newRow("perimeter from the adjacent leg at 37 degrees")
        << q("1") + sin37 / cos37 + q("1") / cos37 << u"3.0057"_s << irrational;
    QTest::newRow("sin squared plus cos squared, a tie")
        << q("1.00005") * (sin37 * sin37 + cos37 * cos37) << u"1"_s << rational;
    // sin² 36° + ½ · cos 36° = 3/4, which no rule here tells.
    const core::Zahl sin36 = core::Zahl::sin(36);
    QTest::newRow("an undecided sum on a tie goes to the even neighbour")
        << sin36 * sin36 + q("0.5") * core::Zahl::cos(36) + q("0.00005") << u"0.75"_s
        << u"undecided"_s;
}

void TestNumbers::gezeigt()
{
    QFETCH(core::Zahl, zahl);
    QFETCH(QString, shown);
    QFETCH(QString, exact);
    const core::Dezimal d = zahl.gerundet(core::feldstelle).wert;
    QCOMPARE(core::Str(core::als_double(d), QLocale::c()), shown);
    QCOMPARE(zahl.rational().has_value(), exact == u"rational");
    QCOMPARE(zahl.entschieden(), exact != u"undecided");
    if (exact == u"rational")
        return;
    // An enclosure encloses: never a point, and each finer one inside the coarser.
    constexpr mpfr_prec_t grob = 64;
    constexpr mpfr_prec_t fein = 256;
    const auto [unten, oben] = zahl.schranken(grob);
    const auto [fein_unten, fein_oben] = zahl.schranken(fein);
    QVERIFY(unten <= fein_unten && fein_unten < fein_oben && fein_oben <= oben);
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "test_numbers.moc"
