// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/kopiermenue.hpp"

#include "platform/application.hpp"
#include "platform/form.hpp"
#include "platform/textbox.hpp"
#include "window/arbeitsblatt.hpp"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QMimeData>

using namespace Qt::StringLiterals;

namespace {

// A menu entry's text with its keys as the screen shows them ("Strg+C"):
// the entry carries no shortcut of its own, which screen readers would
// otherwise be given in English ("Ctrl+C").
QString mitTasten(const QString& text, const QAction& kurzbefehl)
{
    return text + u'\t' + kurzbefehl.shortcut().toString(QKeySequence::NativeText);
}

} // namespace

Kopiermenue::Kopiermenue(platform::Form& fenster, const std::array<platform::TextBox*, 4>& felder)
    : QObject(&fenster)
    , m_fenster(fenster)
    , m_felder(felder)
    , m_menue(new QMenu(&fenster))
    , m_einzeln(new QMenu(u"Einen Wert kopieren"_s, m_menue))
    , m_wert(new QAction(u"Wert kopieren"_s, this))
    , m_alle(new QAction(this))
    , m_rechenweg(new QAction(this))
    , m_oeffnen(new QAction(this))
{
    m_alle->setShortcut(QKeySequence::Copy);
    m_rechenweg->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
    m_oeffnen->setShortcut(Qt::SHIFT | Qt::Key_F10);
    fenster.addActions({m_alle, m_rechenweg, m_oeffnen});
    m_menue->setAccessibleName(u"Ergebnisse kopieren"_s);
    m_menue->installEventFilter(this);
    m_einzeln->installEventFilter(this);
    m_menue->addAction(m_wert);
    // The entries for the shortcuts' copies: their texts name the keys.
    m_alle_eintrag = m_menue->addAction(QString());
    m_rechenweg_eintrag = m_menue->addAction(QString());
    connect(m_alle_eintrag, &QAction::triggered, m_alle, &QAction::trigger);
    connect(m_rechenweg_eintrag, &QAction::triggered, m_rechenweg, &QAction::trigger);
    m_menue->addMenu(m_einzeln);
    for (std::size_t i = 0; i < m_felder.size(); ++i) {
        m_einzelwerte.at(i) = m_einzeln->addAction(QString());
        connect(m_einzelwerte.at(i), &QAction::triggered, this,
                [this, i] { kopieren(wert(*m_felder.at(i)), u"Wert kopiert"_s); });
    }
    // Closed without a choice, the menu leaves the focus where it was; Qt
    // tells screen readers nothing of that, so the window says where it is.
    connect(m_menue, &QMenu::aboutToHide, &fenster, &platform::Form::AnnounceFocus,
            Qt::QueuedConnection);
    // Closed with Left or Escape, the value submenu hands the focus back to
    // its entry in the menu; Qt says nothing of that either, and would still
    // report the submenu's last entry focused.
    connect(m_einzeln, &QMenu::aboutToHide, this, &Kopiermenue::untermenue_geschlossen,
            Qt::QueuedConnection);

    connect(m_wert, &QAction::triggered, this, [this] {
        if (m_geklickt != nullptr)
            kopieren(wert(*m_geklickt), u"Wert kopiert"_s);
    });
    connect(m_alle, &QAction::triggered, this,
            [this] { kopieren(werte(), u"Alle Werte kopiert"_s); });
    connect(m_rechenweg, &QAction::triggered, this, &Kopiermenue::rechenweg_kopieren);
    connect(m_oeffnen, &QAction::triggered, this, [this] {
        const QWidget* bei = m_fenster.ActiveControl();
        if (bei == nullptr)
            bei = &m_fenster;
        oeffnen(bei->mapToGlobal(bei->rect().center()), nullptr, true);
    });
    sperren();
}

void Kopiermenue::freigeben(const core::Loesung& loesung)
{
    m_loesung = loesung;
    for (QAction* action : {m_alle, m_rechenweg, m_oeffnen})
        action->setEnabled(true);
}

void Kopiermenue::sperren()
{
    m_loesung.reset();
    for (QAction* action : {m_alle, m_rechenweg, m_oeffnen})
        action->setEnabled(false);
}

bool Kopiermenue::frei() const { return m_alle->isEnabled(); }

void Kopiermenue::oeffnen(const QPoint& wo, const platform::TextBox* feld, bool von_tastatur)
{
    platform::GermanQtTexts(); // the shortcuts' key names: "Strg", "Umschalt"
    m_alle_eintrag->setText(mitTasten(u"Alle Werte kopieren"_s, *m_alle));
    m_rechenweg_eintrag->setText(mitTasten(u"Rechenweg kopieren"_s, *m_rechenweg));
    for (std::size_t i = 0; i < m_felder.size(); ++i)
        m_einzelwerte.at(i)->setText(m_felder.at(i)->Name() + u'\t' + wert(*m_felder.at(i)));
    m_geklickt = feld;
    m_wert->setVisible(feld != nullptr);
    m_menue->popup(wo);
    m_menue->setActiveAction(von_tastatur ? m_alle_eintrag : nullptr);
}

// An entry chosen by key copies while the menu is still open, then the menu
// closes: screen readers hear the confirmation before the focus comes back.
// (QMenu itself closes first and then triggers the entry.)
bool Kopiermenue::eventFilter(QObject* watched, QEvent* event)
{
    auto* const menue = qobject_cast<QMenu*>(watched);
    if (menue != nullptr && event->type() == QEvent::KeyPress) {
        const int key = static_cast<const QKeyEvent*>(event)->key();
        QAction* const gewaehlt = menue->activeAction();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && gewaehlt != nullptr
            && gewaehlt->isEnabled() && gewaehlt->menu() == nullptr) {
            gewaehlt->trigger();
            m_menue->close();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void Kopiermenue::untermenue_geschlossen()
{
    m_einzeln->setActiveAction(nullptr);
    // Only where the focus stays on the submenu's entry: a move to another
    // entry (by the pointer) Qt reports itself.
    QAction* const eintrag = m_einzeln->menuAction();
    if (!m_menue->isVisible() || m_menue->activeAction() != eintrag)
        return;
    QAccessibleEvent fokus(m_menue, QAccessible::Focus);
    fokus.setChild(static_cast<int>(m_menue->actions().indexOf(eintrag)));
    QAccessible::updateAccessibility(&fokus);
}

QString Kopiermenue::wert(const platform::TextBox& feld) const
{
    QString text = feld.Text();
    return text.replace(u'.', m_fenster.locale().decimalPoint());
}

QString Kopiermenue::werte() const
{
    QString zeilen;
    for (const platform::TextBox* feld : m_felder)
        zeilen += m_fenster.LabelText(*feld) + u'\t' + wert(*feld) + u'\n';
    return zeilen;
}

void Kopiermenue::kopieren(const QString& text, const QString& bestaetigung)
{
    QGuiApplication::clipboard()->setText(text);
    m_fenster.Announce(bestaetigung);
}

void Kopiermenue::rechenweg_kopieren()
{
    if (!m_loesung)
        return;
    // Made when asked for, the text and the sketch alike: for numbers typed to
    // thousands of digits that takes a while.
    auto* daten = new QMimeData; // the clipboard takes it over
    const core::Rechenweg rechenweg = core::rechenweg(*m_loesung, m_fenster.locale());
    daten->setText(rechenweg.text());
    daten->setHtml(arbeitsblatt_html(rechenweg));
    QGuiApplication::clipboard()->setMimeData(daten);
    m_fenster.Announce(u"Rechenweg kopiert"_s);
}
