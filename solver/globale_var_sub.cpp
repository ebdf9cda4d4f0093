// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/globale_var_sub.hpp"

#include "core/formeln.hpp"
#include "core/numbers.hpp"
#include "platform/messagebox.hpp"
#include "window/dreieckrechner.hpp"

namespace globale_Var_sub {

void pi_setzen()
{
    // The 15-digit literal the calculation has always used, not the
    // full-precision value.
    // NOLINTNEXTLINE(modernize-use-std-numbers): this literal, not std::numbers::pi
    constexpr double pi_15_stellen = 3.14159265358979;
    pi = pi_15_stellen;
}

void winkel_berechnen(double an, double ge)
{
    winkel = formeln::winkel_grad(an, ge);
    winkel = core::Round(winkel, core::stellen);
    dreieckrechner::instance().txt_winkel.SetText(winkel);
}

void fehler_melden(const QString& meldung, const QString& titel)
{
    platform::MsgBox(meldung, platform::vbCritical, titel);
    dreieckrechner::instance().eingaben_freigeben(true);
    dreieckrechner::instance().fokus_zurueckgeben();
}

void taste_pruefen(std::int16_t& taste)
{
    if (taste == u'?' || taste == u'\b' || taste == u'.')
        return;
    if (taste == u',') {
        taste = u'.';
        return;
    }
    if (taste < u'0' || taste > u'9')
        taste = 0;
}

} // namespace globale_Var_sub
