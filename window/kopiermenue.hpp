// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Taking the results along while they are shown: Ctrl+C copies every field's
// value, Ctrl+Shift+C the worked solution, and a menu (a right click on a
// locked field, or the menu key and Shift+F10 where the focus is) one value,
// all of them or the worked solution. The menu's entries are the shortcuts'
// own actions, so it shows their keys. Every copy is confirmed to screen
// readers, and the menu lives as long as the window: a screen reader still
// reading the chosen entry finds it there.

#include <QObject>
#include <QString>

#include <array>

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

    // While results are shown, with their worked solution.
    void freigeben(const QString& rechenweg);
    void sperren();
    [[nodiscard]] bool frei() const;

    // The menu at a screen position, with "Wert kopieren" for a field that was
    // clicked. Opened by the keyboard, its first entry is active at once, so
    // that screen readers name it.
    void oeffnen(const QPoint& wo, const platform::TextBox* feld, bool von_tastatur);

    // Every field as a line "label<Tab>text", in tab order.
    [[nodiscard]] QString werte() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void kopieren(const QString& text, const QString& bestaetigung);

    platform::Form& m_fenster;
    std::array<platform::TextBox*, 4> m_felder;
    QMenu* m_menue;
    QAction* m_wert;
    QAction* m_alle;      // Ctrl+C
    QAction* m_rechenweg; // Ctrl+Shift+C
    QAction* m_oeffnen;   // Shift+F10
    QString m_wert_text;
    QString m_rechenweg_text;
};
