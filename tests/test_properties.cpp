// SPDX-License-Identifier: GPL-3.0-or-later
// Random valid triangles, from the smallest to the largest sides and from the
// flattest to the steepest angles typed as decimal texts, and legs typed a
// few units of their last digit short of the hypotenuse, each calculated
// through every choice of known quantities. Every field written and every
// result of the worked solution must be the exact value for the texts as
// typed (the reference, from the decimal texts), rounded once to the digits
// shown, and "=" must stand exactly where that is the exact value.
#include "reference.hpp"

#include "core/berechnung.hpp"
#include "core/numbers.hpp"
#include "core/rechenweg.hpp"

#include <QLocale>
#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <random>
#include <utility>

using namespace Qt::StringLiterals;

class TestProperties : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void randomTrianglesThroughEveryCase_data();
    void randomTrianglesThroughEveryCase();
};

namespace {

// Which fields are given: angle, adjacent, opposite, hypotenuse.
using Given = std::array<bool, 4>;

// Every pair, all three sides with and without the angle, and both legs with it.
constexpr std::array<Given, 9> cases{{{true, true, false, false},
                                      {true, false, true, false},
                                      {true, false, false, true},
                                      {false, true, true, false},
                                      {false, true, false, true},
                                      {false, false, true, true},
                                      {true, true, true, true},
                                      {false, true, true, true},
                                      {true, true, true, false}}};

using Texts = core::Texte;

// The integer `digits` x 10^-places as a decimal text.
QString decimal(long long digits, int places)
{
    QString text = QString::number(digits).rightJustified(places + 1, u'0');
    return places == 0 ? text : text.insert(text.size() - places, u'.');
}

// A right triangle with an angle from 1e-7 to 90 - 1e-7 degrees, typed with
// nine significant digits and spread evenly over the decades at both ends,
// and sides from 1e-290 to 1e300 (17 digits read back to the same double).
Texts randomTriangle(std::mt19937_64& random)
{
    std::uniform_real_distribution<double> decades(-7, std::log10(45.0));
    std::uniform_real_distribution<double> magnitudes(-290, 300);
    std::bernoulli_distribution steep;
    const int places = 8 - static_cast<int>(std::floor(decades(random)));
    long long tenToPlaces = 1;
    for (int i = 0; i < places; ++i)
        tenToPlaces *= 10;
    // Below 45 degrees, in the top decade too, so that both ends stay valid.
    std::uniform_int_distribution<long long> nineDigits(
        100'000'000, std::min(999'999'999LL, 45 * tenToPlaces - 1));
    const long long offset = nineDigits(random);
    const bool nearRightAngle = steep(random);
    const long long angle = nearRightAngle ? 90 * tenToPlaces - offset : offset;
    const long double degrees =
        static_cast<long double>(angle) / static_cast<long double>(tenToPlaces);

    const double h = std::pow(10.0, magnitudes(random));
    const long double w = degrees * std::numbers::pi_v<long double> / 180;
    // A leg that rounds up to the hypotenuse would be an input error.
    const double a = std::nextafter(static_cast<double>(h * std::cos(w)), 0.0);
    const double g = std::nextafter(static_cast<double>(h * std::sin(w)), 0.0);
    const auto text = [](double side) { return QString::number(side, 'g', 17); };
    return {decimal(angle, places), text(a), text(g), text(h)};
}

// A hypotenuse of 8 to 16 digits and legs a few units of its last digit
// shorter, typed to one digit more: sides whose squares nearly cancel.
Texts nearlyFlat(std::mt19937_64& random)
{
    std::uniform_int_distribution<int> digits(8, 16);
    std::uniform_int_distribution<int> units(1, 999);
    const int n = digits(random);
    std::uniform_int_distribution<long long> leading(1, 9);
    QString hyp = QString::number(leading(random));
    std::uniform_int_distribution<int> digit(0, 9);
    for (int i = 1; i < n; ++i)
        hyp += QChar(u'0' + digit(random));
    const auto shorter = [&](int by) {
        // hyp - by/10, written to one decimal place
        QString text = hyp + u"0"_s;
        int borrow = by;
        for (qsizetype i = text.size() - 1; i >= 0 && borrow > 0; --i) {
            int d = text.at(i).digitValue() - borrow % 10;
            borrow /= 10;
            if (d < 0) {
                d += 10;
                ++borrow;
            }
            text[i] = QChar(u'0' + d);
        }
        return text.insert(text.size() - 1, u'.');
    };
    return {u"?"_s, shorter(units(random)), shorter(units(random)), hyp};
}

Texts withGiven(const Texts& triangle, const Given& given)
{
    Texts input;
    std::ranges::transform(given, triangle, input.begin(),
                           [](bool known, const QString& text) { return known ? text : u"?"_s; });
    return input;
}

} // namespace

void TestProperties::randomTrianglesThroughEveryCase_data()
{
    QTest::addColumn<bool>("flat");
    QTest::addColumn<int>("triangles");
    QTest::newRow("any size, any angle") << false << 1500;
    QTest::newRow("legs close to the hypotenuse") << true << 1500;
}

void TestProperties::randomTrianglesThroughEveryCase()
{
    QFETCH(bool, flat);
    QFETCH(int, triangles);
    std::mt19937_64 random(20261210);
    int checked = 0;
    for (int n = 0; n < triangles; ++n) {
        const Texts triangle = flat ? nearlyFlat(random) : randomTriangle(random);
        for (const Given& given : cases) {
            if (flat && given[0])
                continue; // no angle is typed for these
            const Texts input = withGiven(triangle, given);
            const QString where = QStringList(input.begin(), input.end()).join(u" | ");
            const core::Ergebnis e = core::berechnen(input);
            const auto* const l = std::get_if<core::Loesung>(&e);
            QVERIFY2(l != nullptr, qPrintable(where));
            const reference::Werte exact = reference::berechnen(input);
            for (const core::Schreiben& w : l->schreiben) {
                const std::optional<reference::Wert>& value = exact.felder[w.feld];
                QVERIFY2(value.has_value(),
                         qPrintable(where + u": a field the reference leaves alone"_s));
                const QString expected =
                    reference::feldtext(value.value_or(reference::Wert("0"))).value_or(QString());
                const QString shown = core::Str(w.wert, QLocale::c());
                QVERIFY2(expected.isEmpty() || shown == expected,
                         qPrintable(where + u" shows "_s + shown + u", not "_s + expected));
            }
            QCOMPARE(
                std::ranges::count_if(exact.felder, [](const auto& r) { return r.has_value(); }),
                std::ptrdiff_t{2});
            const std::optional<QString> falsch =
                reference::falsches_ergebnis(core::rechenweg(*l, QLocale::c()), exact);
            QVERIFY2(!falsch, qPrintable(where + u": "_s + falsch.value_or(QString())));
            const std::optional<QString> offen =
                reference::geht_nicht_auf(core::rechenweg(*l, QLocale::c()));
            QVERIFY2(!offen, qPrintable(where + u": "_s + offen.value_or(QString())));
            ++checked;
        }
    }
    qInfo("%d calculations, fields and results exact as typed, rounded once", checked);
}

QTEST_APPLESS_MAIN(TestProperties)
#include "test_properties.moc"
