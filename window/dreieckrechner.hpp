// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one window. The platform builds its controls from the layout table and
// delivers their events to the procedures below. The two solving procedures
// read the fields, let the calculation core (core/) decide, and write what it
// decided; the module globale_Var_sub reaches the window as its Hauptfenster.

#include "core/berechnung.hpp"
#include "platform/button.hpp"
#include "platform/form.hpp"
#include "platform/textbox.hpp"
#include "solver/globale_var_sub.hpp"
#include "window/kopiermenue.hpp"

#include <cstdint>

class dreieckrechner final : public platform::Form, public globale_Var_sub::Hauptfenster {
    Q_OBJECT

public:
    dreieckrechner();
    ~dreieckrechner() override;
    dreieckrechner(const dreieckrechner&) = delete;
    dreieckrechner& operator=(const dreieckrechner&) = delete;

    // What the module globale_Var_sub asks of its window.
    void winkel_zeigen(double grad) override;
    void eingaben_freigeben(bool freigeben) override;
    void fokus_nach_meldung() override;

protected:
    void Form_Load() override;
    // Locked fields take no events of their own, so their menus arrive here.
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // Puts the four fields, labelled, into Neu's description, for screen
    // readers, and each field's value and remark into its tooltip.
    void ergebnis_ansagen();

    // The solving procedures (rechnen.cpp).
    void rechnen_mit_winkel();
    void rechnen_ohne_winkel();

    void cmd_rechnen_Click();
    void cmd_neu_Click();
    void cmd_ende_Click();

    void txt_winkel_GotFocus();
    void txt_an_GotFocus();
    void txt_ge_GotFocus();
    void txt_hyp_GotFocus();

    void txt_winkel_KeyPress(std::int16_t& KeyAscii);
    void txt_an_KeyPress(std::int16_t& KeyAscii);
    void txt_ge_KeyPress(std::int16_t& KeyAscii);
    void txt_hyp_KeyPress(std::int16_t& KeyAscii);

    // The four fields' texts, and a field by the calculation's name for it.
    [[nodiscard]] core::Texte feldtexte() const;
    [[nodiscard]] platform::TextBox& feld(core::Feld f) const;
    // Fills meldung and titel from the core's report and reports it.
    void melden(const core::Meldung& gemeldet);
    // The solution the core decided, its sides kept in the shared variables;
    // or nothing, after its report.
    [[nodiscard]] const core::Loesung* loesung_oder_melden();
    // Marks each given field whose text was not read whole, or whose value
    // was written over, and says so.
    void hinweise_setzen(const core::Loesung& l);
    // Marks the fields not read whole after a report, until they are edited.
    void teillesungen_markieren(const std::vector<core::Teillesung>& teillesungen);
    // Writes a value into a field through the number-to-text conversion.
    void zeigen(core::Feld f, double wert);

    platform::TextBox& txt_winkel;
    platform::TextBox& txt_an;
    platform::TextBox& txt_ge;
    platform::TextBox& txt_hyp;
    platform::CommandButton& cmd_rechnen;
    platform::CommandButton& cmd_neu;
    platform::CommandButton& cmd_ende;

    std::int16_t anzahl = 0; // fields holding the unknown marker
    // What the last Berechnen decided.
    core::Ergebnis ergebnis;
    platform::TextBox* gemeldetes_feld = nullptr; // the field the last report is about
    Kopiermenue* const kopiermenue;               // a child of the window
};
