// SPDX-License-Identifier: GPL-3.0-or-later
// Val, Round and number-to-text, without any widget.
#include "core/numbers.hpp"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

class TestNumbers : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void val_data();
    void val();
    void complementOf_data();
    void complementOf();
    void round_data();
    void round();
    void roundKeepsWhatIsNotFinite();
    void str_data();
    void str();
    void wieGezeigt_data();
    void wieGezeigt();
};

namespace {
constexpr double inf = std::numeric_limits<double>::infinity();
}

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
    QCOMPARE(core::als_double(core::dezimal(text)), std::fabs(expected));
}

void TestNumbers::complementOf_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected"); // 90 - |Val(text)|
    // The difference of the digits as typed, rounded once.
    QTest::newRow("a ten-millionth below 90") << u"89.9999999"_s << 1e-7;
    QTest::newRow("in exponent form") << u"8.99999999E1"_s << 1e-7;
    QTest::newRow("more digits than a double holds") << (u"89."_s + QString(20, u'9')) << 1e-20;
    QTest::newRow("blanks and a stop character") << u" 8 9 . 5 x"_s << 0.5;
    QTest::newRow("minus sign dropped") << u"-89.5"_s << 0.5;
    QTest::newRow("45") << u"45"_s << 45.0;
    QTest::newRow("far from 90") << u"1e-7"_s << 90 - 1e-7;
    QTest::newRow("above 90") << u"90.25"_s << -0.25;
    QTest::newRow("marker") << u"?"_s << 90.0;
}

void TestNumbers::complementOf()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(core::ComplementOf(text, 90), expected);
}

void TestNumbers::round_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("places");
    QTest::addColumn<double>("expected");

    QTest::newRow("exact tie goes down to even") << 0.03125 << 4 << 0.0312;
    QTest::newRow("exact tie goes up to even") << 0.09375 << 4 << 0.0938;
    QTest::newRow("negative tie") << -0.03125 << 4 << -0.0312;
    QTest::newRow("1.00005 lies above the tie") << 1.00005 << 4 << 1.0001;
    QTest::newRow("1.00015 lies above the tie") << 1.00015 << 4 << 1.0002;
    QTest::newRow("0.00005 lies above the tie") << 0.00005 << 4 << 0.0001;
    QTest::newRow("0.00015 lies below the tie") << 0.00015 << 4 << 0.0001;
    QTest::newRow("0.12345 lies above the tie") << 0.12345 << 4 << 0.1235;
    QTest::newRow("opposite leg of 30 degrees") << 2.886751345948129 << 4 << 2.8868;
    QTest::newRow("angle from 3 and 4") << 53.13010235415598 << 4 << 53.1301;
    QTest::newRow("integer unchanged") << 10.0 << 4 << 10.0;
    QTest::newRow("almost the next integer") << 9.99999999 << 4 << 10.0;
    QTest::newRow("zero places, tie to even") << 2.5 << 0 << 2.0;
    QTest::newRow("zero places, tie up to even") << 3.5 << 0 << 4.0;
    QTest::newRow("tiny negative gives plain zero") << -0.00001 << 4 << 0.0;
    QTest::newRow("subnormal") << 1e-320 << 4 << 0.0;
    QTest::newRow("beyond 2^53 / 10^4") << 549755813888.0001220703125 << 4 << 549755813888.0001;
    QTest::newRow("huge") << 1e300 << 4 << 1e300;
}

void TestNumbers::round()
{
    QFETCH(double, value);
    QFETCH(int, places);
    QFETCH(double, expected);
    const double rounded = core::Round(value, places);
    QCOMPARE(rounded, expected);
    QCOMPARE(std::signbit(rounded), std::signbit(expected));
}

void TestNumbers::roundKeepsWhatIsNotFinite()
{
    QCOMPARE(core::Round(inf, 4), inf);
    QVERIFY(std::isnan(core::Round(std::nan(""), 4)));
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
    QTest::newRow("C: exponent") << c << 1e16 << u"1e+16"_s;
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

// An exact decimal rounded once, as a field shows it.
void TestNumbers::wieGezeigt_data()
{
    QTest::addColumn<QString>("exact");
    QTest::addColumn<QString>("shown");
    QTest::newRow("a tie down to the even 2") << u"2.00025"_s << u"2.0002"_s;
    QTest::newRow("a tie up to the even 2") << u"2.00015"_s << u"2.0002"_s;
    QTest::newRow("just above a tie") << u"2.0000500000000000001"_s << u"2.0001"_s;
    QTest::newRow("the carry runs through") << u"9.99995"_s << u"10"_s;
    QTest::newRow("from 1E+11 once to 15 digits") << u"123456789012.00046"_s << u"123456789012"_s;
    QTest::newRow("beyond a double's range")
        << u"61728394506000230001e380"_s << u"6.17283945060002e399"_s;
    QTest::newRow("five digits where four places show 0")
        << u"0.0000141421356"_s << u"0.000014142"_s;
}

void TestNumbers::wieGezeigt()
{
    QFETCH(QString, exact);
    QFETCH(QString, shown);
    QCOMPARE(core::wie_gezeigt(core::dezimal(exact)), core::dezimal(shown));
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "test_numbers.moc"
