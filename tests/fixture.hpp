// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/button.hpp"
#include "platform/textbox.hpp"
#include "window/dreieckrechner.hpp"

#include <QContextMenuEvent>
#include <QMenu>
#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <vector>

struct Report {
    QString text;
    int style = 0;
    QString title;
};

// Base of every test class that needs the window: each test gets a fresh,
// shown window with the C locale, and every error box is recorded instead of
// shown. A test that leaves a modal dialog open fails.
class WindowFixture : public QObject {
    Q_OBJECT

protected:
    [[nodiscard]] dreieckrechner& window() const { return *m_window; }
    // The window's controls, found by name as any user of the window finds them.
    [[nodiscard]] platform::TextBox& txt_winkel() const
    {
        return find<platform::TextBox>("txt_winkel");
    }
    [[nodiscard]] platform::TextBox& txt_an() const { return find<platform::TextBox>("txt_an"); }
    [[nodiscard]] platform::TextBox& txt_ge() const { return find<platform::TextBox>("txt_ge"); }
    [[nodiscard]] platform::TextBox& txt_hyp() const { return find<platform::TextBox>("txt_hyp"); }
    [[nodiscard]] platform::CommandButton& cmd_rechnen() const
    {
        return find<platform::CommandButton>("cmd_rechnen");
    }
    [[nodiscard]] platform::CommandButton& cmd_neu() const
    {
        return find<platform::CommandButton>("cmd_neu");
    }
    [[nodiscard]] platform::CommandButton& cmd_ende() const
    {
        return find<platform::CommandButton>("cmd_ende");
    }
    // The four fields in tab order.
    [[nodiscard]] std::array<platform::TextBox*, 4> fields() const
    {
        return {&txt_winkel(), &txt_an(), &txt_ge(), &txt_hyp()};
    }
    [[nodiscard]] const std::vector<Report>& reports() const { return m_reports; }

    // The four fields in the order angle, adjacent, opposite, hypotenuse.
    void enter(const QStringList& texts) const;
    [[nodiscard]] QStringList texts() const;
    // Whether the four fields and Berechnen are all enabled (or all disabled).
    [[nodiscard]] bool unlocked() const;
    [[nodiscard]] bool locked() const;
    // Opens a control's context menu, as the menu key (or a right click) does;
    // the menu shown, or none.
    static QMenu* contextMenu(QWidget& control,
                              QContextMenuEvent::Reason reason = QContextMenuEvent::Keyboard);

    // A field's context-menu Paste (named "edit-paste", whatever the language).
    static QAction* pasteAction(const QMenu& menu);

private Q_SLOTS:
    void init();
    void cleanup();

private:
    template <class Control>
    [[nodiscard]] Control& find(const char* name) const
    {
        auto* const found = m_window->findChild<Control*>(QString::fromLatin1(name));
        if (found == nullptr) // in every build, so that a renamed control fails the test
            qFatal("The window has no control named %s", name);
        return *found;
    }

    std::unique_ptr<dreieckrechner> m_window;
    std::vector<Report> m_reports;
};
