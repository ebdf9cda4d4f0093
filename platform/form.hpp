// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <cstdint>
#include <span>
#include <string_view>

class QPainter;

namespace platform {

// Layout data is kept in twips, 1/1440 inch; at 96 dpi that is 15 twips a
// pixel, and Qt's device-pixel ratio takes it from logical pixels to the screen.
inline constexpr int twipsPerPixel = 15;
[[nodiscard]] constexpr int twipsToPixels(int twips)
{
    return (twips + twipsPerPixel / 2) / twipsPerPixel;
}

// How much larger than a desktop's usual font the desktop's own is (1 where
// it is no larger): every font of the window grows by it.
[[nodiscard]] double desktopFontScale();
// How much larger than the layout's 96 dpi and a usual font the desktop sets
// its text (1 at most): the window's geometry grows by it, as its fonts do.
[[nodiscard]] double textScale(const QWidget& widget);

enum class ControlKind : std::uint8_t { TextBox, CommandButton, Label, PictureBox };

// A face the layout was drawn for (Windows' MS Sans Serif); substitutes of
// similar size stand behind it where it is missing.
inline constexpr int normalWeight = 400; // as in CSS and QFont
struct Face {
    std::string_view family;
    double pointSize = 0;
    int weight = normalWeight;
};

// The face the layout's sizes assume for controls without a font of their own.
inline constexpr Face dialogFont{"MS Sans Serif", 8.0, normalWeight};

// A drawing in painter commands over its own logical pixels, so that it stays
// sharp at every scale.
struct Picture {
    int width, height;
    void (*draw)(QPainter& painter);
    std::string_view description; // its text alternative, for screen readers
};

struct ControlPlace {
    std::string_view name; // objectName
    ControlKind kind;
    int left, top, width, height; // twips, from the client area's top left
    std::string_view caption;     // UTF-8 text
    std::string_view labelFor{};  // a label names this field for screen readers
    const Face* font = nullptr;
    const Picture* picture = nullptr; // what a picture box shows
    std::string_view spoken{}; // what screen readers call the labelled field, if not the caption
};

// One size of a window icon: a square of premultiplied ARGB32 pixels in a resource.
struct IconFrame {
    int side;
    std::string_view resource;
};

struct FormTable {
    std::string_view name;
    std::string_view caption;
    int clientWidth, clientHeight;          // twips
    std::span<const IconFrame> icon;        // the window icon, one frame per size
    std::span<const ControlPlace> controls; // in tab order
};

[[nodiscard]] QFont fontFor(const Face& face);

// A fixed-size window built from a FormTable. Controls are created in table
// order, which is their tab order.
class Form : public QWidget {
    Q_OBJECT

public:
    explicit Form(const FormTable& form);

    // Raises Form_Load, shows the window centred on its screen and gives the
    // focus to the first control in the tab order.
    void start();

    // The control that has the keyboard focus in this window, or none.
    [[nodiscard]] QWidget* ActiveControl() const { return focusWidget(); }
    // Gives the focus back to a control, when it can take it.
    void SetActiveControl(QWidget* control);

    // The caption of the label that names a control; empty where none does.
    [[nodiscard]] QString LabelText(const QWidget& control) const;

    // Has screen readers say a short message at once, without moving the focus.
    void Announce(const QString& message);
    // Tells screen readers again which control has the focus, where it stays
    // on a control after a popup closes and Qt tells them nothing.
    void AnnounceFocus();

protected:
    virtual void Form_Load() {}

    template <class Control>
    [[nodiscard]] Control& control(std::string_view name) const
    {
        auto* found = findChild<Control*>(QString::fromUtf8(name), Qt::FindDirectChildrenOnly);
        if (found == nullptr)
            qFatal("No control %.*s in the layout", static_cast<int>(name.size()), name.data());
        return *found;
    }

private:
    void addControl(const ControlPlace& entry);

    QWidget* m_announcement = nullptr;
    double m_scale = 1; // the desktop's text size against the layout's
};

} // namespace platform
