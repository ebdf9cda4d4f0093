// SPDX-License-Identifier: GPL-3.0-or-later
// Thousands of random valid triangles, from the smallest to the largest sides
// and from the flattest to the steepest angles, each solved through every
// choice of known quantities, against a high-precision reference.
#include "fixture.hpp"
#include "reference.hpp"

#include "solver/globale_var_sub.hpp"

#include <QTest>

#include <algorithm>

#include <array>
#include <cmath>
#include <numbers>
#include <random>

using namespace Qt::StringLiterals;

class TestProperties : public WindowFixture {
    Q_OBJECT

private Q_SLOTS:
    void randomTrianglesThroughEveryCase();

private:
    // The largest errors seen: in shown texts, in tolerances; in unrounded
    // results, in roundings times the condition number.
    struct Worst {
        long double shown = 0;
        long double unrounded = 0;
        QString where;
    };
    // Solves one case on the window and records its errors.
    void solve(const std::array<QString, 4>& input, Worst& worst);
};

namespace {

// Which fields are given: angle, adjacent, opposite, hypotenuse.
using Given = std::array<bool, 4>;

// Every pair, and all three sides with and without the angle.
constexpr std::array<Given, 8> cases{{{true, true, false, false},
                                      {true, false, true, false},
                                      {true, false, false, true},
                                      {false, true, true, false},
                                      {false, true, false, true},
                                      {false, false, true, true},
                                      {true, true, true, true},
                                      {false, true, true, true}}};

// 17 significant digits read back to the same double.
QString exact(double value) { return QString::number(value, 'g', 17); }

// A right triangle with an angle from 1e-7 to 90 - 1e-7 degrees, spread
// evenly over the decades at both ends, and sides from 1e-300 to 1e300.
std::array<double, 4> randomTriangle(std::mt19937_64& random)
{
    std::uniform_real_distribution<double> decades(-7, std::log10(45.0));
    std::uniform_real_distribution<double> magnitudes(-290, 300);
    std::bernoulli_distribution steep;
    const double offset = std::pow(10.0, decades(random));
    const double angle = steep(random) ? 90 - offset : offset;
    const double h = std::pow(10.0, magnitudes(random));
    const long double w = angle * std::numbers::pi_v<long double> / 180;
    // A leg that rounds up to the hypotenuse would be an input error.
    const double a = std::nextafter(static_cast<double>(h * std::cos(w)), 0.0);
    const double g = std::nextafter(static_cast<double>(h * std::sin(w)), 0.0);
    return {angle, a, g, h};
}

} // namespace

void TestProperties::solve(const std::array<QString, 4>& input, Worst& worst)
{
    window().cmd_neu.click();
    enter({input.begin(), input.end()});
    window().cmd_rechnen.click();
    const QStringList shown = texts();
    const QString what =
        QStringList(input.begin(), input.end()).join(u" | ") + u" gave "_s + shown.join(u" | ");
    QVERIFY2(reports().empty(), qPrintable(what));

    const reference::Results expected = reference::berechnen(input);
    // The sides as computed, before rounding; only the hypotenuse from two legs is stored rounded.
    const std::array<double, 4> unrounded{0, globale_Var_sub::an, globale_Var_sub::ge,
                                          globale_Var_sub::hyp};
    const bool twoLegs = input[0] == u"?" && input[3] == u"?";
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const QString& field = shown[static_cast<qsizetype>(i)];
        if (!expected[i]) {
            QCOMPARE(field, input[i]);
            continue;
        }
        const long double error = reference::fehler_in_toleranzen(field, *expected[i]);
        if (!(error <= worst.shown)) {
            worst.shown = error;
            worst.where = what;
        }
        if (i != 0 && !twoLegs)
            worst.unrounded = std::max(worst.unrounded,
                                       reference::fehler_in_rundungen(unrounded[i], *expected[i]));
    }
}

void TestProperties::randomTrianglesThroughEveryCase()
{
    std::mt19937_64 random(20261207);
    constexpr int triangles = 2000;
    Worst worst;
    for (int n = 0; n < triangles; ++n) {
        const std::array<double, 4> triangle = randomTriangle(random);
        for (const Given& given : cases) {
            std::array<QString, 4> input;
            std::ranges::transform(given, triangle, input.begin(), [](bool known, double value) {
                return known ? exact(value) : u"?"_s;
            });
            solve(input, worst);
            if (QTest::currentTestFailed())
                return;
        }
    }
    qInfo("%d cases; largest error %.4Lg tolerances (%s), %.3Lg roundings unrounded",
          triangles * int(cases.size()), worst.shown, qPrintable(worst.where), worst.unrounded);
    QVERIFY2(worst.shown <= 1, qPrintable(worst.where));
    QVERIFY(worst.unrounded <= 8);
}

QTEST_MAIN(TestProperties)
#include "test_properties.moc"
