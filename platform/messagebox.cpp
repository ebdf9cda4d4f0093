#include "platform/messagebox.hpp"

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

QMessageBox::Icon iconOf(int style)
{
    switch (style & 0x70) {
    case 16: return QMessageBox::Critical;
    case 32: return QMessageBox::Question;
    case 48: return QMessageBox::Warning;
    case 64: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

} // namespace

int MsgBox(const QString& text, int style, const QString& title)
{
    if (handler())
        return handler()(text, style, title);
    QMessageBox box(iconOf(style), title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
    return vbOK;
}

void setMsgBoxHandler(MsgBoxHandler replacement) { handler() = std::move(replacement); }

} // namespace platform
