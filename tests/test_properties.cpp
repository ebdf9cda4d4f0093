// Thousands of random valid triangles, each solved through every pair of
// known quantities the window accepts, against a long-double ground truth.
#include "fixture.hpp"

#include "platform/numbers.hpp"

#include <QTest>

#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <random>

using namespace Qt::StringLiterals;

class TestProperties : public WindowFixture {
    Q_OBJECT

private Q_SLOTS:
    void randomTrianglesThroughEveryPair();
};

namespace {

constexpr long double radiansPerDegree = std::numbers::pi_v<long double> / 180;

struct Triangle {
    long double winkel, an, ge, hyp;
};

// Which fields are given: angle, adjacent, opposite, hypotenuse.
using Given = std::array<bool, 4>;

// 17 significant digits read back to the same double.
QString exact(double value) { return QString::number(value, 'g', 17); }

// The triangle from the two given values, as parsed, in long double.
Triangle groundTruth(const std::array<double, 4>& value, const Given& given)
{
    const long double w = value[0] * radiansPerDegree;
    const long double a = value[1];
    const long double g = value[2];
    const long double h = value[3];
    if (given[0] && given[1])
        return {w, a, a * std::tan(w), a / std::cos(w)};
    if (given[0] && given[2])
        return {w, g / std::tan(w), g, g / std::sin(w)};
    if (given[0] && given[3])
        return {w, h * std::cos(w), h * std::sin(w), h};
    if (given[1] && given[2])
        return {std::atan2(g, a), a, g, std::hypot(a, g)};
    if (given[1] && given[3])
        return {std::acos(a / h), a, std::sqrt(h * h - a * a), h};
    return {std::asin(g / h), std::sqrt(h * h - g * g), g, h};
}

} // namespace

void TestProperties::randomTrianglesThroughEveryPair()
{
    std::mt19937_64 random(20261207);
    std::uniform_real_distribution<double> angles(0.0001, 89.9999);
    std::uniform_real_distribution<double> magnitudes(-3, 9);
    constexpr long double eps = std::numeric_limits<double>::epsilon();

    constexpr std::array<Given, 6> pairs{{{true, true, false, false},
                                          {true, false, true, false},
                                          {true, false, false, true},
                                          {false, true, true, false},
                                          {false, true, false, true},
                                          {false, false, true, true}}};
    int checked = 0;
    for (int n = 0; n < 2000; ++n) {
        const double angle = angles(random);
        const double hypotenuse = std::pow(10.0, magnitudes(random));
        const std::array<double, 4> given{
            angle, static_cast<double>(hypotenuse * std::cos(angle * radiansPerDegree)),
            static_cast<double>(hypotenuse * std::sin(angle * radiansPerDegree)), hypotenuse};
        for (const auto& pair : pairs) {
            QStringList input;
            for (std::size_t i = 0; i < 4; ++i)
                input << (pair[i] ? exact(given[i]) : u"?"_s);
            window().cmd_neu.click();
            enter(input);
            window().cmd_rechnen.click();
            if (!reports().empty())
                QFAIL(qPrintable(input.join(u" | ") + u" reported "_s + reports().front().text));

            const Triangle truth = groundTruth(given, pair);

            // Four decimal places, plus what the plain formulas lose to
            // cancellation in sqrt(h^2 - x^2) when one leg is tiny.
            const long double largest = std::max({truth.an, truth.ge, truth.hyp});
            const long double cancellation =
                16 * eps * largest * largest / std::min(truth.an, truth.ge);
            const auto tolerance = [&](long double value) {
                return 6e-5L + 1e-12L * value + cancellation;
            };
            const QStringList shown = texts();
            const std::array<long double, 4> expected{truth.winkel / radiansPerDegree, truth.an,
                                                      truth.ge, truth.hyp};
            for (std::size_t i = 0; i < 4; ++i) {
                if (pair[i])
                    continue;
                const long double value = platform::Val(shown[static_cast<qsizetype>(i)]);
                const long double allowed =
                    i == 0 ? tolerance(expected[0]) + cancellation / truth.hyp / radiansPerDegree
                           : tolerance(expected[i]);
                QVERIFY2(std::fabs(value - expected[i]) <= allowed,
                         qPrintable(input.join(u" | ") + u" gave "_s + shown.join(u" | ")));
                ++checked;
            }
        }
    }
    QCOMPARE(checked, 2000 * 6 * 2);
}

QTEST_MAIN(TestProperties)
#include "test_properties.moc"
