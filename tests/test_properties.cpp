// SPDX-License-Identifier: GPL-3.0-or-later
// A hundred thousand random valid triangles, from the smallest to the largest
// sides and from the flattest to the steepest angles typed as decimal texts,
// each solved by the formulas through every choice of known quantities and
// checked digit by digit against a high-precision reference; and one case of
// each choice through the window, which must show what the formulas give.
#include "fixture.hpp"
#include "reference.hpp"

#include "platform/numbers.hpp"
#include "solver/formeln.hpp"

#include <QLocale>
#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>
#include <random>

using namespace Qt::StringLiterals;

class TestProperties : public WindowFixture {
    Q_OBJECT

private Q_SLOTS:
    void randomTrianglesThroughEveryCase();
    void theWindowShowsWhatTheFormulasGive_data();
    void theWindowShowsWhatTheFormulasGive();
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

using Texts = std::array<QString, 4>;

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
    std::uniform_int_distribution<long long> nineDigits(100'000'000, 999'999'999);
    std::uniform_real_distribution<double> magnitudes(-290, 300);
    std::bernoulli_distribution steep;
    const int places = 8 - static_cast<int>(std::floor(decades(random)));
    const long long offset = nineDigits(random);
    long long tenToPlaces = 1;
    for (int i = 0; i < places; ++i)
        tenToPlaces *= 10;
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

bool unknown(const QString& text) { return text == u"?"; }

// A Berechnen on valid input as the solvers do it: read, choose the case,
// compute. The unrounded results per field: angle, adjacent, opposite, hypotenuse.
std::array<double, 4> byTheFormulas(const Texts& input)
{
    std::array<double, 4> v{};
    std::ranges::transform(input, v.begin(),
                           [](const QString& text) { return std::fabs(platform::Val(text)); });
    const bool an = unknown(input[1]);
    const bool ge = unknown(input[2]);
    const bool hyp = unknown(input[3]);
    if (!unknown(input[0])) {
        const formeln::Dreieck d =
            formeln::mit_winkel(formeln::fall_mit_winkel(an, ge, hyp),
                                {v[0], platform::ComplementOf(input[0], 90)}, v[1], v[2], v[3]);
        return {v[0], d.an, d.ge, d.hyp};
    }
    switch (formeln::fall_ohne_winkel(an, ge, hyp)) {
    case formeln::FallOhneWinkel::AG: v[3] = formeln::hypotenuse(v[1], v[2]); break;
    case formeln::FallOhneWinkel::AH: v[2] = formeln::kathete(v[3], v[1]); break;
    case formeln::FallOhneWinkel::GH: v[1] = formeln::kathete(v[3], v[2]); break;
    }
    v[0] = formeln::winkel_grad(v[1], v[2]);
    return v;
}

QString shown(double value) { return platform::Str(platform::Round(value, 4), QLocale::c()); }

} // namespace

void TestProperties::randomTrianglesThroughEveryCase()
{
    std::mt19937_64 random(20261207);
    constexpr int triangles = 12'500;
    long double worstShown = 0;
    long double worstUnrounded = 0;
    QString where;
    for (int n = 0; n < triangles; ++n) {
        const Texts triangle = randomTriangle(random);
        for (const Given& given : cases) {
            const Texts input = withGiven(triangle, given);
            const reference::Results expected = reference::berechnen(input);
            const std::array<double, 4> computed = byTheFormulas(input);
            for (std::size_t i = 0; i < expected.size(); ++i) {
                const std::optional<reference::Exact>& exact = expected[i];
                if (!exact)
                    continue;
                const long double error =
                    reference::fehler_in_toleranzen(shown(computed[i]), *exact);
                if (!(error <= worstShown)) {
                    worstShown = error;
                    where = QStringList(input.begin(), input.end()).join(u" | ") + u": field "_s
                            + QString::number(i) + u" shows "_s + shown(computed[i]);
                }
                worstUnrounded =
                    std::max(worstUnrounded, reference::fehler_in_rundungen(computed[i], *exact));
            }
        }
    }
    qInfo("%d cases; largest error %.4Lg tolerances (%s); unrounded %.3Lg units of roundoff",
          triangles * int(cases.size()), worstShown, qPrintable(where), worstUnrounded);
    QVERIFY2(worstShown <= 1, qPrintable(where));
    QVERIFY(worstUnrounded <= 16);
}

void TestProperties::theWindowShowsWhatTheFormulasGive_data()
{
    QTest::addColumn<Given>("given");
    // A steep angle, where the digits of its distance to 90 degrees matter.
    const std::array<const char*, 8> names{
        "angle, adjacent",      "angle, opposite",      "angle, hypotenuse", "two legs",
        "adjacent, hypotenuse", "opposite, hypotenuse", "everything",        "three sides"};
    for (std::size_t i = 0; i < cases.size(); ++i)
        QTest::newRow(names.at(i)) << cases.at(i);
}

void TestProperties::theWindowShowsWhatTheFormulasGive()
{
    QFETCH(Given, given);
    const Texts triangle{u"89.9999997"_s, u"0.0052359877559829883"_s, u"999.99999999999989"_s,
                         u"1000"_s};
    const Texts input = withGiven(triangle, given);
    enter({input.begin(), input.end()});
    window().cmd_rechnen.click();
    QVERIFY(reports().empty());

    const reference::Results expected = reference::berechnen(input);
    const std::array<double, 4> computed = byTheFormulas(input);
    QStringList byFormulas;
    for (std::size_t i = 0; i < input.size(); ++i)
        byFormulas << (expected[i] ? shown(computed[i]) : input[i]);
    QCOMPARE(texts(), byFormulas);
}

QTEST_MAIN(TestProperties)
#include "test_properties.moc"
