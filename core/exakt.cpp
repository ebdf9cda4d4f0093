// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/exakt.hpp"

#include <mpfr.h>

#include <QtGlobal>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <utility>

static_assert(MPFR_VERSION >= MPFR_VERSION_NUM(4, 2, 0),
              "mpfr_sinu, mpfr_cosu and mpfr_atan2u need MPFR 4.2 or later");

namespace core {
namespace {

constexpr unsigned long vollwinkel = 360; // the unit of MPFR's trigonometric functions
constexpr mpfr_prec_t anfangsgenauigkeit = 64;
// Far beyond what any two digits of a triangle's quantities can need; a value
// still undecided there lies within 2^-65536 of a rounding tie it is not on.
constexpr mpfr_prec_t hoechste_genauigkeit = 1 << 16;

// An MPFR number that frees itself.
class Mpfr {
public:
    explicit Mpfr(mpfr_prec_t bits) { mpfr_init2(m_wert, bits); }
    ~Mpfr() { mpfr_clear(m_wert); }
    Mpfr(const Mpfr&) = delete;
    Mpfr& operator=(const Mpfr&) = delete;
    Mpfr(Mpfr&& other) noexcept
        : Mpfr(mpfr_get_prec(other.m_wert))
    {
        mpfr_swap(m_wert, other.m_wert);
    }
    Mpfr& operator=(Mpfr&& other) noexcept
    {
        mpfr_swap(m_wert, other.m_wert);
        return *this;
    }

    [[nodiscard]] mpfr_ptr get() { return m_wert; }
    [[nodiscard]] mpfr_srcptr get() const { return m_wert; }

private:
    mpfr_t m_wert;
};

// A positive value between two bounds, each rounded outwards.
struct Intervall {
    Mpfr unten;
    Mpfr oben;
    explicit Intervall(mpfr_prec_t p)
        : unten(p)
        , oben(p)
    {
    }
};

Intervall aus(const mpq_class& q, mpfr_prec_t p)
{
    Intervall r(p);
    mpfr_set_q(r.unten.get(), q.get_mpq_t(), MPFR_RNDD);
    mpfr_set_q(r.oben.get(), q.get_mpq_t(), MPFR_RNDU);
    return r;
}

Intervall mal(const Intervall& a, const Intervall& b, mpfr_prec_t p)
{
    Intervall r(p);
    mpfr_mul(r.unten.get(), a.unten.get(), b.unten.get(), MPFR_RNDD);
    mpfr_mul(r.oben.get(), a.oben.get(), b.oben.get(), MPFR_RNDU);
    return r;
}

Intervall plus(const Intervall& a, const Intervall& b, mpfr_prec_t p)
{
    Intervall r(p);
    mpfr_add(r.unten.get(), a.unten.get(), b.unten.get(), MPFR_RNDD);
    mpfr_add(r.oben.get(), a.oben.get(), b.oben.get(), MPFR_RNDU);
    return r;
}

Intervall kehrwert(const Intervall& a, mpfr_prec_t p)
{
    Intervall r(p);
    mpfr_ui_div(r.unten.get(), 1, a.oben.get(), MPFR_RNDD);
    mpfr_ui_div(r.oben.get(), 1, a.unten.get(), MPFR_RNDU);
    return r;
}

Intervall potenz(const Intervall& x, int n, mpfr_prec_t p)
{
    Intervall r = aus(1, p);
    for (int i = 0; i < std::abs(n); ++i)
        r = mal(r, x, p);
    return n < 0 ? kehrwert(r, p) : std::move(r);
}

// sin and cos of an angle in degrees, both increasing or decreasing on (0°, 90°).
using Winkelfunktion = int (*)(mpfr_ptr, mpfr_srcptr, unsigned long, mpfr_rnd_t);
Intervall steigend(Winkelfunktion f, const Intervall& x, mpfr_prec_t p)
{
    Intervall r(p);
    f(r.unten.get(), x.unten.get(), vollwinkel, MPFR_RNDD);
    f(r.oben.get(), x.oben.get(), vollwinkel, MPFR_RNDU);
    return r;
}
Intervall fallend(Winkelfunktion f, const Intervall& x, mpfr_prec_t p)
{
    Intervall r(p);
    f(r.unten.get(), x.oben.get(), vollwinkel, MPFR_RNDD);
    f(r.oben.get(), x.unten.get(), vollwinkel, MPFR_RNDU);
    return r;
}

struct SinusKosinus {
    Intervall sin;
    Intervall cos;
};
// Above 45° from the complement, whose digits are exact: near 90° the cosine
// is that small difference times π/180.
SinusKosinus sinus_kosinus(const mpq_class& alpha, mpfr_prec_t p)
{
    constexpr int halber_rechter = 45;
    constexpr int rechter = 90;
    if (alpha <= halber_rechter) {
        const Intervall a = aus(alpha, p);
        return {steigend(mpfr_sinu, a, p), fallend(mpfr_cosu, a, p)};
    }
    const Intervall b = aus(rechter - alpha, p);
    return {fallend(mpfr_cosu, b, p), steigend(mpfr_sinu, b, p)};
}

Intervall term_wert(const Zahl::Term& t, const SinusKosinus* winkel, mpfr_prec_t p)
{
    Intervall r = aus(t.faktor, p);
    if (t.radikand != 1) {
        const Intervall d = aus(t.radikand, p);
        Intervall w(p);
        mpfr_sqrt(w.unten.get(), d.unten.get(), MPFR_RNDD);
        mpfr_sqrt(w.oben.get(), d.oben.get(), MPFR_RNDU);
        r = mal(r, w, p);
    }
    if (t.sin != 0)
        r = mal(r, potenz(winkel->sin, t.sin, p), p);
    if (t.cos != 0)
        r = mal(r, potenz(winkel->cos, t.cos, p), p);
    return r;
}

std::optional<mpq_class> quadratwurzel(const mpq_class& r)
{
    if (mpz_perfect_square_p(r.get_num_mpz_t()) == 0
        || mpz_perfect_square_p(r.get_den_mpz_t()) == 0)
        return std::nullopt;
    return mpq_class(sqrt(r.get_num()), sqrt(r.get_den()));
}

// The acute angles, in whole degrees, whose sin² and tan² are rational
// (Niven): sin² α = zaehler / 4, tan² α = zaehler / (4 - zaehler).
struct Sonderwinkel {
    int grad;
    int zaehler;
};
constexpr std::array<Sonderwinkel, 3> sonderwinkel{{{30, 1}, {45, 2}, {60, 3}}};
constexpr int viertel = 4;
// Where sin α · cos α = sin 2α / 2 = 1/4: at 15° and 75°.
constexpr std::array<int, 2> produkt_ein_viertel{15, 75};

std::optional<mpq_class> sinus_quadrat(const mpq_class& alpha)
{
    for (const Sonderwinkel& w : sonderwinkel) {
        if (alpha == w.grad) {
            // Built from two integers, a fraction is not reduced by itself;
            // GMP compares only reduced ones.
            mpq_class s(w.zaehler, viertel);
            s.canonicalize();
            return s;
        }
    }
    return std::nullopt;
}

// sinᵏ α where sin² α = s: s^⌊k/2⌋, times √s for odd k.
void potenz_einsetzen(Zahl::Term& t, int& k, const mpq_class& s)
{
    const int halb = k >= 0 ? k / 2 : -((1 - k) / 2);
    const int rest = k - 2 * halb;
    mpq_class faktor = 1;
    for (int i = 0; i < std::abs(halb); ++i)
        faktor *= s;
    if (halb >= 0)
        t.faktor *= faktor;
    else
        t.faktor /= faktor;
    if (rest != 0)
        t.radikand *= s;
    k = 0;
}

// Folds into q · √d what is rational: sine and cosine at 30°, 45° and 60°,
// their product at 15°, 45° and 75° (sin 2α / 2), a radicand that is a square.
Zahl::Term gekuerzt(Zahl::Term t, const mpq_class* alpha)
{
    if (alpha != nullptr) {
        if (const auto s2 = sinus_quadrat(*alpha)) {
            potenz_einsetzen(t, t.sin, *s2);
            potenz_einsetzen(t, t.cos, 1 - *s2);
        } else if (std::ranges::find(produkt_ein_viertel, *alpha) != produkt_ein_viertel.end()
                   && t.sin == t.cos) {
            for (int i = 0; i < std::abs(t.sin); ++i) {
                if (t.sin > 0)
                    t.faktor /= viertel;
                else
                    t.faktor *= viertel;
            }
            t.sin = t.cos = 0;
        }
    }
    if (const auto w = quadratwurzel(t.radikand)) {
        t.faktor *= *w;
        t.radikand = 1;
    }
    return t;
}

bool ist_rational(const Zahl::Term& t) { return t.radikand == 1 && t.sin == 0 && t.cos == 0; }
bool ohne_winkel(const Zahl::Term& t) { return t.sin == 0 && t.cos == 0; }

// Terms of the same radicand and powers as one; and sin² α + cos² α = 1:
// q · sinⁱ⁺² α · cosʲ α + q · sinⁱ α · cosʲ⁺² α is q · sinⁱ α · cosʲ α, for
// the smaller of the two factors. Each fold leaves fewer powers, so it ends.
std::vector<Zahl::Term> zusammengefasst(std::vector<Zahl::Term> terme, const mpq_class* alpha)
{
    const auto gleich = [](const Zahl::Term& a, const Zahl::Term& b) {
        return a.radikand == b.radikand && a.sin == b.sin && a.cos == b.cos;
    };
    for (bool weiter = true; weiter;) {
        weiter = false;
        std::vector<Zahl::Term> neu;
        for (Zahl::Term& t : terme) {
            const auto gleicher =
                std::ranges::find_if(neu, [&](const auto& n) { return gleich(n, t); });
            if (gleicher != neu.end())
                gleicher->faktor += t.faktor;
            else
                neu.push_back(std::move(t));
        }
        terme = std::move(neu);
        for (std::size_t i = 0; i < terme.size() && !weiter; ++i) {
            for (std::size_t j = 0; j < terme.size() && !weiter; ++j) {
                Zahl::Term& x = terme[i]; // sinⁱ⁺² α · cosʲ α
                Zahl::Term& y = terme[j]; // sinⁱ α · cosʲ⁺² α
                if (x.radikand != y.radikand || x.sin != y.sin + 2 || y.cos != x.cos + 2)
                    continue;
                const mpq_class gemeinsam = std::min(x.faktor, y.faktor);
                Zahl::Term eins = gekuerzt({gemeinsam, x.radikand, y.sin, x.cos}, alpha);
                x.faktor -= gemeinsam;
                y.faktor -= gemeinsam;
                terme.push_back(std::move(eins));
                std::erase_if(terme, [](const Zahl::Term& t) { return t.faktor == 0; });
                weiter = true;
            }
        }
    }
    return terme;
}

// Whether a sum of positive terms is rational, where that can be decided
// (α a rational number of degrees, 0° < α < 90°; 1, sin α, cos α and their
// products at 30°, 45° and 60°, and sin α · cos α at 15° and 75°, are folded
// into rationals and roots already):
// - All terms rational: so is the sum.
// - No sine or cosine in any term: square roots of rationals that are not
//   squares are linearly independent over Q by their square-free parts
//   (Besicovitch), and positive factors cancel none of them: irrational.
// - One term q · sinⁱ α · cosʲ α with |i| + |j| <= 2, or sin² α / cos α,
//   cos² α / sin α and their inverses: rational only at the folded angles
//   (Niven's theorem for sin, cos, sin², sin 2α; the last two make cos α or
//   sin α of degree two, which 30°, 36°, 45°, 60° and 72° have, none of them
//   giving a rational there): irrational.
// - Several terms with rational factors and powers m · {1, sin α, cos α},
//   1/m one of 1, sin α, cos α: a rational sum would give a + b · sin α +
//   c · cos α = 0 in rationals, not all 0, which makes both sin α and cos α
//   of degree two at most: only 30°, 45° and 60°, folded: irrational.
// Every value a triangle's calculation forms is of one of these kinds; any
// other stays undecided, and is rounded with a tie decided by the tie rule.
enum class Art : std::uint8_t { rational, irrational, offen };
Art art(const std::vector<Zahl::Term>& terme)
{
    if (std::ranges::all_of(terme, ist_rational))
        return Art::rational;
    if (std::ranges::any_of(terme, [](const Zahl::Term& t) { return t.faktor < 0; }))
        return Art::offen;
    if (std::ranges::all_of(terme, ohne_winkel))
        return Art::irrational;
    if (std::ranges::any_of(terme, [](const Zahl::Term& t) { return t.radikand != 1; }))
        return Art::offen;
    if (terme.size() == 1) {
        const int i = std::abs(terme.front().sin);
        const int j = std::abs(terme.front().cos);
        const bool bekannt =
            i + j <= 2
            || (i + j == 3 && terme.front().sin * terme.front().cos < 0 && std::max(i, j) == 2);
        return bekannt ? Art::irrational : Art::offen;
    }
    const auto linear = [](int sin, int cos) {
        return (sin == 0 && cos == 0) || (sin == 1 && cos == 0) || (sin == 0 && cos == 1);
    };
    const int sin = std::ranges::min(terme, {}, &Zahl::Term::sin).sin;
    const int cos = std::ranges::min(terme, {}, &Zahl::Term::cos).cos;
    const bool passt = linear(-sin, -cos) && std::ranges::all_of(terme, [&](const Zahl::Term& t) {
                           return linear(t.sin - sin, t.cos - cos);
                       });
    return passt ? Art::irrational : Art::offen;
}

Zahl::Term mal(const Zahl::Term& a, const Zahl::Term& b)
{
    return {a.faktor * b.faktor, a.radikand * b.radikand, a.sin + b.sin, a.cos + b.cos};
}

} // namespace

struct Zahl::Arcus {
    Term gegen;
    Term an;
};

long long feldstelle(long long groessenordnung)
{
    // From 1E+11 four places would need more digits than number-to-text writes.
    constexpr long long alle_ziffern_ab = hoechstens_ziffern - stellen;
    return groessenordnung >= alle_ziffern_ab ? groessenordnung - (hoechstens_ziffern - 1)
                                              : -stellen;
}

Zahl::Zahl(mpq_class rational)
{
    if (rational != 0)
        m_terme.push_back({std::move(rational)});
}

Zahl Zahl::wurzel(const mpq_class& r)
{
    Zahl z;
    if (r != 0)
        z.m_terme.push_back(gekuerzt({1, r}, nullptr));
    return z;
}

Zahl Zahl::sin(const mpq_class& alpha)
{
    Zahl z;
    z.m_alpha = std::make_shared<const mpq_class>(alpha);
    z.m_terme.push_back(gekuerzt({1, 1, 1, 0}, z.m_alpha.get()));
    return z;
}

Zahl Zahl::cos(const mpq_class& alpha)
{
    Zahl z;
    z.m_alpha = std::make_shared<const mpq_class>(alpha);
    z.m_terme.push_back(gekuerzt({1, 1, 0, 1}, z.m_alpha.get()));
    return z;
}

const Zahl::Term& Zahl::einziger_term(const char* wo) const
{
    // A fault of the program, never of the input: every divisor and leg it
    // passes is a single term, checked before (sides greater than 0). Going on
    // would state a wrong value, so it stops, in every build.
    if (m_terme.size() != 1 || m_arcus || m_terme.front().faktor <= 0)
        qFatal("%s: takes one positive term", wo);
    return m_terme.front();
}

Zahl Zahl::arctan(const Zahl& gegen, const Zahl& an)
{
    // tan² α = x / y is rational, and α a whole number of degrees only at
    // 30°, 45° and 60°, where it is 1/3, 1 and 3. Compared crosswise in
    // integers: long fractions need no gcd that way.
    const Term& g = gegen.einziger_term("Zahl::arctan");
    const Term& a = an.einziger_term("Zahl::arctan");
    const auto zaehler = [](const Term& t) {
        return mpz_class(t.faktor.get_num() * t.faktor.get_num() * t.radikand.get_num());
    };
    const auto nenner = [](const Term& t) {
        return mpz_class(t.faktor.get_den() * t.faktor.get_den() * t.radikand.get_den());
    };
    const mpz_class x = zaehler(g) * nenner(a);
    const mpz_class y = zaehler(a) * nenner(g);
    for (const Sonderwinkel& w : sonderwinkel) {
        if (x * (viertel - w.zaehler) == y * w.zaehler)
            return Zahl(w.grad);
    }
    Zahl z;
    z.m_arcus = std::make_shared<const Arcus>(Arcus{g, a});
    return z;
}

Zahl operator*(const Zahl& a, const Zahl& b)
{
    Zahl r;
    r.m_alpha = a.m_alpha ? a.m_alpha : b.m_alpha;
    for (const Zahl::Term& x : a.m_terme) {
        for (const Zahl::Term& y : b.m_terme)
            r.m_terme.push_back(gekuerzt(mal(x, y), r.m_alpha.get()));
    }
    return r;
}

Zahl operator/(const Zahl& a, const Zahl& b)
{
    const Zahl::Term& d = b.einziger_term("Zahl operator/");
    Zahl kehrwert;
    kehrwert.m_alpha = b.m_alpha;
    kehrwert.m_terme.push_back({1 / d.faktor, 1 / d.radikand, -d.sin, -d.cos});
    return a * kehrwert;
}

Zahl operator+(const Zahl& a, const Zahl& b)
{
    Zahl r = a;
    if (!r.m_alpha)
        r.m_alpha = b.m_alpha;
    r.m_terme.insert(r.m_terme.end(), b.m_terme.begin(), b.m_terme.end());
    r.m_terme = zusammengefasst(std::move(r.m_terme), r.m_alpha.get());
    return r;
}

std::optional<mpq_class> Zahl::rational() const
{
    // An arc tangent is rational only at 30°, 45° and 60°, which arctan()
    // gave as numbers: tan² of a rational angle is rational only there.
    if (m_arcus || art(m_terme) != Art::rational)
        return std::nullopt;
    mpq_class summe = 0;
    for (const Term& t : m_terme)
        summe += t.faktor;
    return summe;
}

bool Zahl::entschieden() const { return m_arcus || art(m_terme) != Art::offen; }

void Zahl::einschliessen(mpfr_prec_t p, mpfr_ptr unten, mpfr_ptr oben) const
{
    if (m_arcus) {
        // Rising with the opposite leg, falling with the adjacent one.
        const Intervall y = term_wert(m_arcus->gegen, nullptr, p);
        const Intervall x = term_wert(m_arcus->an, nullptr, p);
        mpfr_atan2u(unten, y.unten.get(), x.oben.get(), vollwinkel, MPFR_RNDD);
        mpfr_atan2u(oben, y.oben.get(), x.unten.get(), vollwinkel, MPFR_RNDU);
        return;
    }
    std::optional<SinusKosinus> winkel;
    if (m_alpha)
        winkel.emplace(sinus_kosinus(*m_alpha, p));
    Intervall summe = aus(0, p);
    for (const Term& t : m_terme)
        summe = plus(summe, term_wert(t, winkel ? &*winkel : nullptr, p), p);
    mpfr_set(unten, summe.unten.get(), MPFR_RNDD);
    mpfr_set(oben, summe.oben.get(), MPFR_RNDU);
}

std::pair<mpq_class, mpq_class> Zahl::schranken(mpfr_prec_t p) const
{
    Intervall e(p);
    einschliessen(p, e.unten.get(), e.oben.get());
    std::pair<mpq_class, mpq_class> bounds;
    mpfr_get_q(bounds.first.get_mpq_t(), e.unten.get());
    mpfr_get_q(bounds.second.get_mpq_t(), e.oben.get());
    return bounds;
}

Gerundet Zahl::gerundet(Stellenregel regel) const { return gerundet_bei(regel, std::nullopt); }

Dezimal Zahl::auf_stelle(long long stelle) const { return gerundet_bei(nullptr, stelle).wert; }

Gerundet Zahl::gerundet_bei(Stellenregel regel, std::optional<long long> stelle) const
{
    const auto platz = [&](const mpq_class& x) {
        return stelle ? *stelle : regel(core::groessenordnung(x));
    };
    const auto runden = [&](const mpq_class& x) {
        const long long p = platz(x);
        return Gerundet{core::gerundet(x, p), p};
    };
    if (const auto q = rational())
        return *q == 0 ? Gerundet{{}, stelle.value_or(0)} : runden(*q);
    for (mpfr_prec_t p = anfangsgenauigkeit;; p *= 2) {
        const auto [unten, oben] = schranken(p);
        const bool zuletzt = p >= hoechste_genauigkeit;
        // The place follows the size, so both bounds must agree on both.
        if (unten > 0 && platz(unten) == platz(oben)) {
            Gerundet a = runden(unten);
            const Gerundet b = runden(oben);
            if (a.wert == b.wert)
                return a;
            // Still apart at the highest precision, the bounds lie within
            // 2^-65536 of the tie between their two roundings: the value is
            // taken as that tie, and goes to the even neighbour as an exact
            // tie does.
            if (zuletzt)
                return runden((bruch(a.wert) + bruch(b.wert)) / 2);
        } else if (zuletzt) {
            return runden((unten + oben) / 2);
        }
    }
}

double Zahl::naeherung() const
{
    Mpfr d(std::numeric_limits<double>::digits);
    if (const auto q = rational()) {
        mpfr_set_q(d.get(), q->get_mpq_t(), MPFR_RNDN);
        return mpfr_get_d(d.get(), MPFR_RNDN);
    }
    for (mpfr_prec_t p = anfangsgenauigkeit;; p *= 2) {
        Intervall e(p);
        einschliessen(p, e.unten.get(), e.oben.get());
        const double unten = mpfr_get_d(e.unten.get(), MPFR_RNDN);
        const double oben = mpfr_get_d(e.oben.get(), MPFR_RNDN);
        if (unten == oben || p >= hoechste_genauigkeit)
            return oben;
    }
}

} // namespace core
