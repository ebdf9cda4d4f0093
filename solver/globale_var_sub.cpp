// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/globale_var_sub.hpp"

#include "platform/messagebox.hpp"

#include <QtGlobal>

namespace globale_Var_sub {
namespace {

Hauptfenster* das_hauptfenster = nullptr;

Hauptfenster& hauptfenster()
{
    if (das_hauptfenster == nullptr)
        qFatal("The calculation ran without its window");
    return *das_hauptfenster;
}

} // namespace

Hauptfenster::Hauptfenster() { das_hauptfenster = this; }

Hauptfenster::~Hauptfenster()
{
    if (das_hauptfenster == this)
        das_hauptfenster = nullptr;
}

void pi_setzen()
{
    // The 15-digit literal the calculation has always used, not the
    // full-precision value.
    // NOLINTNEXTLINE(modernize-use-std-numbers): this literal, not std::numbers::pi
    constexpr double pi_15_stellen = 3.14159265358979;
    pi = pi_15_stellen;
}

void winkel_berechnen(double grad)
{
    winkel = grad;
    hauptfenster().winkel_zeigen(winkel);
}

void fehler_melden(const QString& meldung, const QString& titel)
{
    platform::MsgBox(meldung, platform::vbCritical, titel);
    hauptfenster().eingaben_freigeben(true);
    hauptfenster().fokus_nach_meldung();
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
