// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/dreieckrechner.hpp"

#include <QContextMenuEvent>
#include <QMenu>
#include <QObject>
#include <QString>
#include <QStringList>

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
    std::unique_ptr<dreieckrechner> m_window;
    std::vector<Report> m_reports;
};
