// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The quantities of one right triangle, held exactly. A typed decimal is an
// exact rational (GMP); what the calculation derives from it is kept as a
// sum of terms q · √d · sinⁱ α · cosʲ α (q and d rational, α the typed
// angle in degrees), or as the arc tangent of two such terms. Where such a
// value is rational it is known to be (for every value a triangle's
// calculation forms), so a rounding tie is decided exactly; elsewhere it is
// enclosed by correctly rounded MPFR functions at a precision that grows
// until the digits shown are certain (Ziv's strategy), up to 65 536 bits.

#include "core/numbers.hpp"

#include <gmpxx.h>
#include <mpfr.h>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace core {

// The place a number is rounded to, from the power of ten of its first digit.
using Stellenregel = long long (*)(long long groessenordnung);

// As a field shows a value: four places, or, where that would need more than
// the 15 significant digits number-to-text writes (from 1E+11), those 15.
[[nodiscard]] long long feldstelle(long long groessenordnung);

class Zahl {
public:
    Zahl() = default; // 0
    explicit Zahl(mpq_class rational);

    // √r for r >= 0.
    [[nodiscard]] static Zahl wurzel(const mpq_class& r);
    // sin α and cos α of an acute angle α, in degrees, exactly as given.
    [[nodiscard]] static Zahl sin(const mpq_class& alpha);
    [[nodiscard]] static Zahl cos(const mpq_class& alpha);
    // arctan(gegen / an) in degrees, of two positive values without an angle
    // in them: the angle whose legs they are.
    [[nodiscard]] static Zahl arctan(const Zahl& gegen, const Zahl& an);

    // Of values of one triangle; a divisor is a single positive term (the
    // program stops on any other), and an arc tangent is shown, never
    // computed with.
    friend Zahl operator*(const Zahl& a, const Zahl& b);
    friend Zahl operator/(const Zahl& a, const Zahl& b);
    friend Zahl operator+(const Zahl& a, const Zahl& b);

    // The value, where it is known to be rational.
    [[nodiscard]] std::optional<mpq_class> rational() const;
    // Whether rational() decides: a value without rational() is then
    // irrational. True for every value a triangle's calculation forms; a sum
    // of other forms (sin² α + ½ · cos α at 36°, say) may stay undecided.
    [[nodiscard]] bool entschieden() const;
    // Bounds below and above the value, each rounded outwards to p bits.
    [[nodiscard]] std::pair<mpq_class, mpq_class> schranken(mpfr_prec_t p) const;
    // Rounded once, to the place the rule gives for its size; 0 stays 0.
    [[nodiscard]] Gerundet gerundet(Stellenregel regel) const;
    // Rounded once to a given place.
    [[nodiscard]] Dezimal auf_stelle(long long stelle) const;
    // The nearest double (infinity beyond the range).
    [[nodiscard]] double naeherung() const;

    // One term q · √d · sinⁱ α · cosʲ α.
    struct Term {
        mpq_class faktor;
        mpq_class radikand = 1;
        int sin = 0;
        int cos = 0;
    };

private:
    struct Arcus;

    // Bounds below and above the value, at a precision of p bits.
    void einschliessen(mpfr_prec_t p, mpfr_ptr unten, mpfr_ptr oben) const;
    // The one term of a divisor or a leg; stops the program on any other.
    [[nodiscard]] const Term& einziger_term(const char* wo) const;
    [[nodiscard]] Gerundet gerundet_bei(Stellenregel regel, std::optional<long long> stelle) const;

    std::vector<Term> m_terme;
    std::shared_ptr<const mpq_class> m_alpha; // the angle the terms' sine and cosine are of
    std::shared_ptr<const Arcus> m_arcus;     // set for an arc tangent
};

} // namespace core
