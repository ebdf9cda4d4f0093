// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Taking the results along while they are shown: Ctrl+C copies every field's
// value, Ctrl+Shift+C the worked solution (as plain text, and as HTML with a
// sketch for word processors), and a menu (a right click on a
// locked field, or the menu key and Shift+F10 wherever the focus is) the
// clicked field's value, all of them, the worked solution, or any one value
// from a submenu that names the four quantities. Each entry shows its keys in
// its text, so that screen readers say them as the screen shows them. Every
// copy is confirmed to screen readers, and the menu lives as long as the
// window: a screen reader still reading the chosen entry finds it there.

#include "core/rechenweg.hpp"

#include <QObject>
#include <QString>

#include <array>
#include <optional>

class QAction;
class QMenu;
class QPoint;

namespace platform {
class Form;
class TextBox;
} // namespace platform

class Kopiermenue final : public QObject {
    Q_OBJECT

public:
    Kopiermenue(platform::Form& fenster, const std::array<platform::TextBox*, 4>& felder);

    // While results are shown, with the solution they are of.
    void freigeben(const core::Loesung& loesung);
    void sperren();
    [[nodiscard]] bool frei() const;

    // The menu at a screen position, with "Wert kopieren" for a field that was
    // clicked. Opened by the keyboard, its first entry is active at once, so
    // that screen readers name it.
    void oeffnen(const QPoint& wo, const platform::TextBox* feld, bool von_tastatur);

    // Every field as a line "label<Tab>value", in tab order.
    [[nodiscard]] QString werte() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void untermenue_geschlossen();
    void kopieren(const QString& text, const QString& bestaetigung);
    // The worked solution as plain text, and as HTML with its sketch.
    void rechenweg_kopieren();
    // A field's value as copied: its text with the locale's decimal separator.
    [[nodiscard]] QString wert(const platform::TextBox& feld) const;

    platform::Form& m_fenster;
    std::array<platform::TextBox*, 4> m_felder;
    QMenu* m_menue;
    QMenu* m_einzeln; // one entry a field
    QAction* m_wert;
    QAction* m_alle_eintrag = nullptr;
    QAction* m_rechenweg_eintrag = nullptr;
    std::array<QAction*, 4> m_einzelwerte{};
    // The window's shortcuts: Ctrl+C, Ctrl+Shift+C, Shift+F10.
    QAction* m_alle;
    QAction* m_rechenweg;
    QAction* m_oeffnen;
    const platform::TextBox* m_geklickt = nullptr;
    std::optional<core::Loesung> m_loesung; // the solution shown
};
