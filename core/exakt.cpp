// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/exakt.hpp"

#include <mpfr.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <utility>

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

Zahl Zahl::arctan(const Zahl& gegen, const Zahl& an)
{
    // tan² α = x / y is rational, and α a whole number of degrees only at
    // 30°, 45° and 60°, where it is 1/3, 1 and 3. Compared crosswise in
    // integers: long fractions need no gcd that way.
    const Term& g = gegen.m_terme.front();
    const Term& a = an.m_terme.front();
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
    const Zahl::Term& d = b.m_terme.front();
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
    return r;
}

std::optional<mpq_class> Zahl::rational() const
{
    // A sum of positive terms is rational only where each term is.
    if (m_arcus)
        return std::nullopt;
    mpq_class summe = 0;
    for (const Term& t : m_terme) {
        if (!ist_rational(t))
            return std::nullopt;
        summe += t.faktor;
    }
    return summe;
}

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
    mpq_class unten;
    mpq_class oben;
    for (mpfr_prec_t p = anfangsgenauigkeit;; p *= 2) {
        Intervall e(p);
        einschliessen(p, e.unten.get(), e.oben.get());
        mpfr_get_q(unten.get_mpq_t(), e.unten.get());
        mpfr_get_q(oben.get_mpq_t(), e.oben.get());
        if (p >= hoechste_genauigkeit)
            break;
        // The place follows the size, so both bounds must agree on both.
        if (unten <= 0 || platz(unten) != platz(oben))
            continue;
        Gerundet a = runden(unten);
        if (a.wert == runden(oben).wert)
            return a;
    }
    return runden((unten + oben) / 2);
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
