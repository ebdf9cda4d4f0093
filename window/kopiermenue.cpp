// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/kopiermenue.hpp"

#include "platform/application.hpp"
#include "platform/form.hpp"
#include "platform/textbox.hpp"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

using namespace Qt::StringLiterals;

Kopiermenue::Kopiermenue(platform::Form& fenster, const std::array<platform::TextBox*, 4>& felder)
    : QObject(&fenster)
    , m_fenster(fenster)
    , m_felder(felder)
    , m_menue(new QMenu(&fenster))
    , m_wert(new QAction(u"Wert kopieren"_s, this))
    , m_alle(new QAction(u"Alle Werte kopieren"_s, this))
    , m_rechenweg(new QAction(u"Rechenweg kopieren"_s, this))
    , m_oeffnen(new QAction(this))
{
    m_alle->setShortcut(QKeySequence::Copy);
    m_rechenweg->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
    m_oeffnen->setShortcut(Qt::SHIFT | Qt::Key_F10);
    fenster.addActions({m_alle, m_rechenweg, m_oeffnen});
    m_menue->addActions({m_wert, m_alle, m_rechenweg});
    m_menue->installEventFilter(this);

    connect(m_wert, &QAction::triggered, this,
            [this] { kopieren(m_wert_text, u"Wert kopiert"_s); });
    connect(m_alle, &QAction::triggered, this,
            [this] { kopieren(werte(), u"Alle Werte kopiert"_s); });
    connect(m_rechenweg, &QAction::triggered, this,
            [this] { kopieren(m_rechenweg_text, u"Rechenweg kopiert"_s); });
    connect(m_oeffnen, &QAction::triggered, this, [this] {
        const QWidget* bei = m_fenster.ActiveControl();
        if (bei == nullptr)
            bei = &m_fenster;
        oeffnen(bei->mapToGlobal(bei->rect().center()), nullptr, true);
    });
    sperren();
}

void Kopiermenue::freigeben(const QString& rechenweg)
{
    m_rechenweg_text = rechenweg;
    for (QAction* action : {m_alle, m_rechenweg, m_oeffnen})
        action->setEnabled(true);
    // Locked fields say how to take their values along, to whoever points at them.
    for (platform::TextBox* feld : m_felder)
        feld->setToolTip(u"Rechtsklick: Werte oder Rechenweg kopieren"_s);
}

void Kopiermenue::sperren()
{
    m_rechenweg_text.clear();
    for (QAction* action : {m_alle, m_rechenweg, m_oeffnen})
        action->setEnabled(false);
    for (platform::TextBox* feld : m_felder)
        feld->setToolTip({});
}

bool Kopiermenue::frei() const { return m_alle->isEnabled(); }

void Kopiermenue::oeffnen(const QPoint& wo, const platform::TextBox* feld, bool von_tastatur)
{
    platform::GermanQtTexts(); // the shortcuts' key names: "Strg", "Umschalt"
    m_wert_text = feld != nullptr ? feld->Text() : QString();
    m_wert->setVisible(feld != nullptr);
    m_menue->popup(wo);
    m_menue->setActiveAction(von_tastatur ? m_alle : nullptr);
}

// An entry chosen by key copies while the menu is still open, then the menu
// closes: screen readers hear the confirmation before the focus comes back.
// (QMenu itself closes first and then triggers the entry.)
bool Kopiermenue::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_menue && event->type() == QEvent::KeyPress) {
        const int key = static_cast<const QKeyEvent*>(event)->key();
        QAction* const gewaehlt = m_menue->activeAction();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && gewaehlt != nullptr
            && gewaehlt->isEnabled()) {
            gewaehlt->trigger();
            m_menue->close();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

QString Kopiermenue::werte() const
{
    QString zeilen;
    for (const platform::TextBox* feld : m_felder)
        zeilen += m_fenster.LabelText(*feld) + u'\t' + feld->Text() + u'\n';
    return zeilen;
}

void Kopiermenue::kopieren(const QString& text, const QString& bestaetigung)
{
    QGuiApplication::clipboard()->setText(text);
    m_fenster.Announce(bestaetigung);
}
