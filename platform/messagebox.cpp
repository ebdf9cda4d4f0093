// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/messagebox.hpp"

#include "platform/application.hpp"

#include <QApplication>
#include <QMessageBox>

#include <utility>

namespace platform {
namespace {

MsgBoxHandler& handler()
{
    static MsgBoxHandler installed;
    return installed;
}

QMessageBox::Icon boxIcon(int style)
{
    return style == vbCritical ? QMessageBox::Critical : QMessageBox::NoIcon;
}

} // namespace

int MsgBox(const QString& text, int style, const QString& title)
{
    if (handler())
        return handler()(text, style, title);
    GermanQtTexts();
    QMessageBox box(boxIcon(style), title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
    return vbOK;
}

void setMsgBoxHandler(MsgBoxHandler replacement) { handler() = std::move(replacement); }

} // namespace platform
