// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixture.hpp"

#include "platform/messagebox.hpp"

#include <QApplication>
#include <QLocale>
#include <QTest>

#include <array>

void WindowFixture::init()
{
    m_reports.clear();
    platform::setMsgBoxHandler([this](const QString& text, int style, const QString& title) {
        m_reports.push_back({text, style, title});
        return platform::vbOK;
    });
    m_window = std::make_unique<dreieckrechner>();
    m_window->setLocale(QLocale::c());
    m_window->start();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void WindowFixture::cleanup()
{
    QWidget* const modal = QApplication::activeModalWidget();
    if (modal != nullptr)
        modal->close();
    m_window.reset();
    platform::setMsgBoxHandler({});
    QVERIFY2(modal == nullptr, "the test left a modal dialog open");
}

void WindowFixture::enter(const QStringList& texts) const
{
    const auto boxes = fields();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        boxes[i]->SetText(texts.value(static_cast<qsizetype>(i)));
}

QStringList WindowFixture::texts() const
{
    QStringList result;
    for (const platform::TextBox* box : fields())
        result << box->Text();
    return result;
}

bool WindowFixture::unlocked() const
{
    bool all = cmd_rechnen().isEnabled();
    for (const platform::TextBox* box : fields())
        all = all && box->isEnabled();
    return all;
}

QMenu* WindowFixture::contextMenu(QWidget& control, QContextMenuEvent::Reason reason)
{
    const QPoint centre = control.rect().center();
    QContextMenuEvent event(reason, centre, control.mapToGlobal(centre));
    QApplication::sendEvent(&control, &event);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

QAction* WindowFixture::pasteAction(const QMenu& menu)
{
    return menu.findChild<QAction*>(QStringLiteral("edit-paste"));
}

bool WindowFixture::locked() const
{
    bool any = cmd_rechnen().isEnabled();
    for (const platform::TextBox* box : fields())
        any = any || box->isEnabled();
    return !any;
}
