// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/form.hpp"

#include "platform/accessibletextbox.hpp"
#include "platform/button.hpp"
#include "platform/picturebox.hpp"
#include "platform/textbox.hpp"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QFontDatabase>
#include <QHash>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QResource>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace platform {
namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect pixelRect(const ControlPlace& control, double scale)
{
    const auto scaled = [scale](int twips) {
        return twipsToPixels(static_cast<int>(std::lround(twips * scale)));
    };
    return {scaled(control.left), scaled(control.top), scaled(control.width),
            scaled(control.height)};
}

// Bare pixels, as the build rendered them: nothing to decode, so neither an
// image-format plug-in nor libpng is needed to show the icon. They are in the
// pixmap's own format, so the pixmaps share the resource's bytes, which live
// as long as the program; a compressed resource's are unpacked and copied.
QIcon iconFromFrames(std::span<const IconFrame> frames)
{
    QIcon icon;
    for (const IconFrame& frame : frames) {
        const QResource resource(fromUtf8(frame.resource));
        const QByteArray pixels = resource.uncompressedData();
        const QImage image(reinterpret_cast<const uchar*>(pixels.constData()), frame.side,
                           frame.side, QImage::Format_ARGB32_Premultiplied);
        const bool shared = resource.compressionAlgorithm() == QResource::NoCompression;
        icon.addPixmap(QPixmap::fromImage(shared ? image : image.copy()));
    }
    return icon;
}

// What screen readers are told each widget is: Qt shows a top-level plain
// widget as a "filler", whose title they do not read, and a picture box as a
// "frame". A form is a dialog: as it opens, screen readers read its title and
// the text of its labels that name no field (the instruction), which they
// read of no frame. The announcement is a notification, spoken as it shows.
// An entry field is the program's own: Qt's calls a locked one editable too.
QAccessibleInterface* accessibleFor(const QString& /*className*/, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (qobject_cast<Form*>(object) != nullptr)
        return new QAccessibleWidget(widget, QAccessible::Dialog);
    if (auto* box = qobject_cast<TextBox*>(object))
        return new AccessibleTextBox(box);
    if (qobject_cast<PictureBox*>(object) != nullptr)
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (widget != nullptr && widget->objectName() == u"announcement")
        return new QAccessibleWidget(widget, QAccessible::Notification);
    return nullptr;
}

} // namespace

double desktopFontScale()
{
    // Debian's desktops set their text at 10 or 11 points unless the user
    // chooses otherwise (GNOME at 11); a larger font than that, chosen in
    // GNOME, Plasma or any desktop Qt reads, makes the window grow with it.
    constexpr double desktopPoints = 11;
    static const double scale = std::max(
        1.0, QFontDatabase::systemFont(QFontDatabase::GeneralFont).pointSizeF() / desktopPoints);
    return scale;
}

double textScale(const QWidget& widget)
{
    constexpr double layoutDpi = 96;
    return std::max(1.0, widget.logicalDpiY() / layoutDpi) * desktopFontScale();
}

QFont fontFor(const Face& face)
{
    // Where MS Sans Serif is missing, Liberation Sans stands in for it;
    // it runs about 6 % wider than MS Sans Serif, so it is set that much
    // smaller to keep every caption inside the boxes the layout gives it.
    // DejaVu Sans is the last resort of every Debian desktop.
    constexpr double standInScale = 0.9375;
    const QString requested = fromUtf8(face.family);
    // Asking fontconfig runs its substitution rules, and the program's, the
    // window's and the heading's face all ask for the same family at start.
    static QHash<QString, bool> installed;
    if (!installed.contains(requested))
        installed.insert(requested, QFontDatabase::hasFamily(requested));
    const bool available = installed.value(requested);
    QFont font;
    font.setFamilies({requested, QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF((available ? face.pointSize : face.pointSize * standInScale)
                       * desktopFontScale());
    font.setWeight(static_cast<QFont::Weight>(face.weight));
    // The captions are Latin and need no OpenType shaping: Qt then lays them
    // out without HarfBuzz and kerns from the font's kern table, in whole
    // pixels, which spares a megabyte and several milliseconds at start.
    // Scripts that need shaping are shaped all the same.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

Form::Form(const FormTable& form)
{
    [[maybe_unused]] static const bool factory = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    setObjectName(fromUtf8(form.name));
    // Numbers as the desktop writes them, whatever language the program speaks.
    setLocale(QLocale::system());
    setWindowTitle(fromUtf8(form.caption));
    setWindowIcon(iconFromFrames(form.icon));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    // Where the desktop sets its text larger than the layout's 96 dpi, the
    // whole window grows with it, as with a scale factor, so that nothing is cut.
    m_scale = textScale(*this);
    setFixedSize(twipsToPixels(static_cast<int>(std::lround(form.clientWidth * m_scale))),
                 twipsToPixels(static_cast<int>(std::lround(form.clientHeight * m_scale))));
    setFont(fontFor(dialogFont));
    for (const ControlPlace& control : form.controls)
        addControl(control);

    // Shows nothing: only its accessible name is read, each time it is shown.
    m_announcement = new QWidget(this);
    m_announcement->setObjectName(QStringLiteral("announcement"));
    m_announcement->setGeometry(0, 0, 1, 1);
    m_announcement->hide();
}

void Form::Announce(const QString& message)
{
    m_announcement->hide();
    m_announcement->setAccessibleName(message);
    m_announcement->show();
}

void Form::AnnounceFocus()
{
    QWidget* const focused = focusWidget();
    if (focused == nullptr || QApplication::activePopupWidget() != nullptr)
        return;
    QAccessibleEvent event(focused, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

QString Form::LabelText(const QWidget& control) const
{
    for (const QLabel* label : findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->buddy() == &control)
            return label->text();
    }
    return {};
}

void Form::addControl(const ControlPlace& entry)
{
    QWidget* widget = nullptr;
    const QString caption = fromUtf8(entry.caption);
    switch (entry.kind) {
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
        if (!entry.labelFor.empty()) {
            // Field labels end at one edge, whatever the width of the face.
            label->setAlignment(Qt::AlignRight | Qt::AlignTop);
            auto& field = control<QWidget>(entry.labelFor);
            label->setBuddy(&field);
            // Screen readers name a field by its label: both say the spoken name.
            const QString name = entry.spoken.empty() ? caption : fromUtf8(entry.spoken);
            field.setAccessibleName(name);
            label->setAccessibleName(name);
        }
        widget = label;
        break;
    }
    case ControlKind::PictureBox: widget = new PictureBox(*entry.picture, this); break;
    }
    widget->setObjectName(fromUtf8(entry.name));
    widget->setGeometry(pixelRect(entry, m_scale));
    if (entry.font != nullptr)
        widget->setFont(fontFor(*entry.font));
}

void Form::start()
{
    Form_Load();
    const QRect screenArea = screen()->availableGeometry();
    move(screenArea.center() - rect().center());
    show();
    focusNextChild();
}

void Form::SetActiveControl(QWidget* control)
{
    if (control != nullptr && control->isEnabled())
        control->setFocus(Qt::OtherFocusReason);
}

} // namespace platform
