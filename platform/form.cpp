#include "platform/form.hpp"

#include "platform/button.hpp"
#include "platform/picturebox.hpp"
#include "platform/textbox.hpp"

#include <QLabel>
#include <QScreen>

namespace platform {
namespace {

QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QRect pixelRect(const ControlSpec& spec)
{
    return {twipsToPixels(spec.left), twipsToPixels(spec.top), twipsToPixels(spec.width), twipsToPixels(spec.height)};
}

} // namespace

QFont fontFor(const FontSpec& spec)
{
    QFont font;
    // Liberation Sans has the widths of the classic faces' usual stand-in;
    // DejaVu Sans is the last resort of every Debian desktop.
    font.setFamilies({fromUtf8(spec.family), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(spec.pointSize);
    font.setWeight(static_cast<QFont::Weight>(spec.weight));
    return font;
}

Form::Form(const FormSpec& spec)
{
    setObjectName(fromUtf8(spec.name));
    setWindowTitle(fromUtf8(spec.caption));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(twipsToPixels(spec.clientWidth), twipsToPixels(spec.clientHeight));
    setFont(fontFor(dialogFont));
    for (const ControlSpec& control : spec.controls)
        addControl(control);
}

void Form::addControl(const ControlSpec& spec)
{
    QWidget* widget = nullptr;
    const QString caption = fromUtf8(spec.caption);
    switch (spec.kind) {
    case ControlKind::TextBox: {
        auto* box = new TextBox(this);
        box->SetText(caption);
        widget = box;
        break;
    }
    case ControlKind::CommandButton: {
        auto* button = new CommandButton(this);
        button->setText(caption);
        widget = button;
        break;
    }
    case ControlKind::Label: {
        auto* label = new QLabel(caption, this);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (!spec.labelFor.empty()) {
            auto& field = control<QWidget>(spec.labelFor);
            label->setBuddy(&field);
            field.setAccessibleName(caption);
        }
        widget = label;
        break;
    }
    case ControlKind::PictureBox:
        widget = new PictureBox(caption, this);
        break;
    }
    widget->setObjectName(fromUtf8(spec.name));
    widget->setGeometry(pixelRect(spec));
    if (spec.font != nullptr)
        widget->setFont(fontFor(*spec.font));
}

void Form::start()
{
    Form_Load();
    const QRect screenArea = screen()->availableGeometry();
    move(screenArea.center() - rect().center());
    show();
    focusNextChild();
}

} // namespace platform
