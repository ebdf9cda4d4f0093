// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/dreieckrechner.hpp"

#include "platform/application.hpp"
#include "solver/globale_var_sub.hpp"
#include "window/layout.hpp"

#include <QContextMenuEvent>

#include <algorithm>
#include <array>
#include <limits>

using namespace globale_Var_sub;
using namespace Qt::StringLiterals;

namespace {

// A selection length past the end of any text a field can hold: select to the end.
constexpr int ganzer_text = std::numeric_limits<int>::max();

// Each field hands its key code to taste_pruefen through the shared variable.
void taste_weitergeben(std::int16_t& KeyAscii)
{
    taste = KeyAscii;
    taste_pruefen(taste);
    KeyAscii = taste;
}

} // namespace

dreieckrechner::dreieckrechner()
    : platform::Form(layout::dreieckrechner)
    , txt_winkel(control<platform::TextBox>("txt_winkel"))
    , txt_an(control<platform::TextBox>("txt_an"))
    , txt_ge(control<platform::TextBox>("txt_ge"))
    , txt_hyp(control<platform::TextBox>("txt_hyp"))
    , cmd_rechnen(control<platform::CommandButton>("cmd_rechnen"))
    , cmd_neu(control<platform::CommandButton>("cmd_neu"))
    , cmd_ende(control<platform::CommandButton>("cmd_ende"))
    , kopiermenue(new Kopiermenue(*this, {&txt_winkel, &txt_an, &txt_ge, &txt_hyp}))
{
    for (platform::TextBox* feld : {&txt_winkel, &txt_an, &txt_ge, &txt_hyp})
        feld->SetMarker(unbekannt.toString());

    connect(&cmd_rechnen, &platform::CommandButton::Click, this,
            &dreieckrechner::cmd_rechnen_Click);
    connect(&cmd_neu, &platform::CommandButton::Click, this, &dreieckrechner::cmd_neu_Click);
    connect(&cmd_ende, &platform::CommandButton::Click, this, &dreieckrechner::cmd_ende_Click);

    connect(&txt_winkel, &platform::TextBox::GotFocus, this, &dreieckrechner::txt_winkel_GotFocus);
    connect(&txt_an, &platform::TextBox::GotFocus, this, &dreieckrechner::txt_an_GotFocus);
    connect(&txt_ge, &platform::TextBox::GotFocus, this, &dreieckrechner::txt_ge_GotFocus);
    connect(&txt_hyp, &platform::TextBox::GotFocus, this, &dreieckrechner::txt_hyp_GotFocus);

    connect(&txt_winkel, &platform::TextBox::KeyPress, this, &dreieckrechner::txt_winkel_KeyPress);
    connect(&txt_an, &platform::TextBox::KeyPress, this, &dreieckrechner::txt_an_KeyPress);
    connect(&txt_ge, &platform::TextBox::KeyPress, this, &dreieckrechner::txt_ge_KeyPress);
    connect(&txt_hyp, &platform::TextBox::KeyPress, this, &dreieckrechner::txt_hyp_KeyPress);
}

dreieckrechner::~dreieckrechner() = default;

void dreieckrechner::Form_Load() { pi_setzen(); }

void dreieckrechner::contextMenuEvent(QContextMenuEvent* event)
{
    if (!kopiermenue->frei()) {
        event->ignore();
        return;
    }
    const bool maus = event->reason() == QContextMenuEvent::Mouse;
    const auto* feld =
        maus ? qobject_cast<const platform::TextBox*>(childAt(event->pos())) : nullptr;
    kopiermenue->oeffnen(event->globalPos(), feld, !maus);
}

void dreieckrechner::eingaben_freigeben(bool freigeben)
{
    cmd_rechnen.SetEnabled(freigeben);
    txt_winkel.SetEnabled(freigeben);
    txt_an.SetEnabled(freigeben);
    txt_ge.SetEnabled(freigeben);
    txt_hyp.SetEnabled(freigeben);
    // Neu and every report unlock: the last result is no longer shown as one.
    if (freigeben) {
        cmd_neu.SetDescription({});
        kopiermenue->sperren();
        for (platform::TextBox* feld : {&txt_winkel, &txt_an, &txt_ge, &txt_hyp}) {
            feld->SetNote({});
            feld->setToolTip({});
        }
    }
}

void dreieckrechner::ergebnis_ansagen()
{
    QStringList felder;
    for (platform::TextBox* feld : {&txt_winkel, &txt_an, &txt_ge, &txt_hyp}) {
        felder << feld->Name() + u' ' + feld->Text();
        // Locked fields show their whole value, what became of a typed one,
        // and how to take it along, to whoever points at them.
        const QString hinweis = feld->Note().isEmpty() ? QString() : u'\n' + feld->Note();
        feld->setToolTip(feld->Text() + hinweis
                         + u"\nRechtsklick: Werte oder Rechenweg kopieren"_s);
    }
    cmd_neu.SetDescription(felder.join(u", "));
}

void dreieckrechner::fokus_nach_meldung()
{
    // The field the report is about, its whole text selected by GotFocus, so
    // that typing replaces it.
    if (gemeldetes_feld == nullptr)
        return;
    if (const auto* const gemeldet = std::get_if<core::Meldung>(&ergebnis))
        teillesungen_markieren(gemeldet->teillesungen);
    gemeldetes_feld->SetSelStart(0);
    SetActiveControl(gemeldetes_feld);
}

void dreieckrechner::winkel_zeigen(double grad) { zeigen(core::Feld::winkel, grad); }

void dreieckrechner::cmd_rechnen_Click()
{
    // From a control about to be locked the focus goes straight to Neu, the
    // next one that stays enabled; locking the fields one by one would hand
    // it from field to field on the way, each a focus move for screen readers
    // and magnifiers. A report puts it into the field it is about, so that no
    // stray key on Neu clears the inputs.
    const std::array<const QWidget*, 5> gesperrt{&cmd_rechnen, &txt_winkel, &txt_an, &txt_ge,
                                                 &txt_hyp};
    if (std::ranges::find(gesperrt, ActiveControl()) != gesperrt.end())
        SetActiveControl(&cmd_neu);
    eingaben_freigeben(false);

    // The fields are read once; the core decides, and the procedures write.
    const core::Texte eingabe = feldtexte();
    ergebnis = core::berechnen(eingabe);
    anzahl = static_cast<std::int16_t>(core::anzahl_unbekannt(eingabe));
    // Too few values are the core's report too; any other outcome, a report
    // or a solution, the procedures show, so every result has its path.
    const auto* const zu_wenige = std::get_if<core::Meldung>(&ergebnis);
    if (anzahl > core::hoechstens_unbekannt && zu_wenige != nullptr)
        melden(*zu_wenige);
    else if (eingabe[core::Feld::winkel] != unbekannt)
        rechnen_mit_winkel();
    else
        rechnen_ohne_winkel();
    // The results are shown, and the focus is on Neu.
    if (const auto* const l = std::get_if<core::Loesung>(&ergebnis)) {
        ergebnis_ansagen();
        kopiermenue->freigeben(*l);
    }
}

void dreieckrechner::cmd_neu_Click()
{
    for (platform::TextBox* feld : {&txt_an, &txt_ge, &txt_hyp, &txt_winkel})
        feld->SetText(unbekannt.toString());
    eingaben_freigeben(true);
    // Neu leaves the focus where it is, so nothing else would say it.
    Announce(QStringLiteral("Alle Felder zurückgesetzt"));
}

void dreieckrechner::cmd_ende_Click() { platform::End(); }

void dreieckrechner::txt_winkel_GotFocus() { txt_winkel.SetSelLength(ganzer_text); }
void dreieckrechner::txt_an_GotFocus() { txt_an.SetSelLength(ganzer_text); }
void dreieckrechner::txt_ge_GotFocus() { txt_ge.SetSelLength(ganzer_text); }
void dreieckrechner::txt_hyp_GotFocus() { txt_hyp.SetSelLength(ganzer_text); }

void dreieckrechner::txt_winkel_KeyPress(std::int16_t& KeyAscii) { taste_weitergeben(KeyAscii); }
void dreieckrechner::txt_an_KeyPress(std::int16_t& KeyAscii) { taste_weitergeben(KeyAscii); }
void dreieckrechner::txt_ge_KeyPress(std::int16_t& KeyAscii) { taste_weitergeben(KeyAscii); }
void dreieckrechner::txt_hyp_KeyPress(std::int16_t& KeyAscii) { taste_weitergeben(KeyAscii); }
