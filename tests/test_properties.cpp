// SPDX-License-Identifier: GPL-3.0-or-later
// A hundred thousand random valid triangles, from the smallest to the largest
// sides and from the flattest to the steepest angles typed as decimal texts,
// each calculated through every choice of known quantities and checked digit
// by digit against a high-precision reference, with the second angle, the
// area and the perimeter of the worked solution.
#include "reference.hpp"

#include "core/berechnung.hpp"
#include "core/numbers.hpp"
#include "core/rechenweg.hpp"
#include "geschrieben.hpp"

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
    void randomTrianglesThroughEveryCase();
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

Texts withGiven(const Texts& triangle, const Given& given)
{
    Texts input;
    std::ranges::transform(given, triangle, input.begin(),
                           [](bool known, const QString& text) { return known ? text : u"?"_s; });
    return input;
}

// How far a value of the worked solution is off, in tolerances (see
// reference::fehler_in_toleranzen); beyond the double range it is shown in
// words, which is right only where the exact value is out of range too.
long double fehler(double computed, const reference::Exact& exact)
{
    if (!std::isfinite(computed)) {
        constexpr long double margin = 1 - 0x1p-40L;
        return std::fabs(exact.value) >= std::numeric_limits<double>::max() * margin
                   ? 0
                   : std::numeric_limits<long double>::infinity();
    }
    return reference::fehler_in_toleranzen(core::Str(core::RoundShown(computed), QLocale::c()),
                                           exact);
}

} // namespace

void TestProperties::randomTrianglesThroughEveryCase()
{
    std::mt19937_64 random(20261207);
    constexpr int triangles = 12'500;
    long double worstShown = 0;
    long double worstUnrounded = 0;
    long double worstSolution = 0; // beta, area and perimeter of the worked solution
    QString where;
    for (int n = 0; n < triangles; ++n) {
        const Texts triangle = randomTriangle(random);
        for (const Given& given : cases) {
            const Texts input = withGiven(triangle, given);
            const reference::Results expected = reference::berechnen(input);
            const core::Ergebnis e = berechnen(input);
            QVERIFY2(!e.meldung, qPrintable(QStringList(input.begin(), input.end()).join(u" | ")));
            for (const core::Schreiben& w : e.schreiben) {
                const std::optional<reference::Exact>& exact = expected[w.feld];
                if (!exact)
                    QFAIL("a field written that the reference leaves alone");
                const QString shown = core::Str(w.wert, QLocale::c());
                const long double error = reference::fehler_in_toleranzen(shown, *exact);
                if (!(error <= worstShown)) {
                    worstShown = error;
                    where =
                        QStringList(input.begin(), input.end()).join(u" | ") + u" shows "_s + shown;
                }
                worstUnrounded = std::max(
                    worstUnrounded, reference::fehler_in_rundungen(core::wert(e, w.feld), *exact));
            }
            const core::Weitere z = core::weitere_groessen(e.seiten, e.alpha.komplement);
            const reference::Zusatz exakt = reference::zusatz(input);
            for (const auto& [computed, exact] :
                 {std::pair{z.beta, exakt.beta}, std::pair{z.flaeche, exakt.flaeche},
                  std::pair{z.umfang, exakt.umfang}})
                worstSolution = std::max(worstSolution, fehler(computed, exact));
            // Every field the reference knows a result for is written.
            QCOMPARE(std::ranges::count_if(expected, [](const auto& r) { return r.has_value(); }),
                     std::ptrdiff_t{2});
        }
    }
    qInfo("%d cases; largest error %.4Lg tolerances (%s); unrounded %.3Lg units of roundoff; "
          "beta, area, perimeter %.4Lg tolerances",
          triangles * int(cases.size()), worstShown, qPrintable(where), worstUnrounded,
          worstSolution);
    QVERIFY2(worstShown <= 1, qPrintable(where));
    QVERIFY(worstUnrounded <= 16);
    QVERIFY(worstSolution <= 1);
}

QTEST_APPLESS_MAIN(TestProperties)
#include "test_properties.moc"
