// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/contrast.hpp"

#include <QPainter>
#include <QPalette>
#include <QStyleOption>

#include <algorithm>
#include <array>
#include <cmath>

namespace platform {
namespace {

// Somewhat above the thresholds, so that anti-aliased edges reach them too.
constexpr double textRatio = 5.4; // thin glyphs' brightest pixels too
constexpr double boundaryRatio = 3.2;

// The sRGB transfer function and the channels' weights, as WCAG defines
// relative luminance.
struct Srgb {
    static constexpr double knee = 0.04045;
    static constexpr double slope = 12.92;
    static constexpr double offset = 0.055;
    static constexpr double gamma = 2.4;
    static constexpr double red = 0.2126;
    static constexpr double green = 0.7152;
    static constexpr double blue = 0.0722;
};

double luminance(const QColor& colour)
{
    const auto linear = [](float channel) {
        return channel <= Srgb::knee
                   ? channel / Srgb::slope
                   : std::pow((channel + Srgb::offset) / (1 + Srgb::offset), Srgb::gamma);
    };
    return Srgb::red * linear(colour.redF()) + Srgb::green * linear(colour.greenF())
           + Srgb::blue * linear(colour.blueF());
}

QColor mixed(const QColor& a, const QColor& b, double t)
{
    const auto channel = [t](float x, float y) { return static_cast<float>(x + (y - x) * t); };
    return QColor::fromRgbF(channel(a.redF(), b.redF()), channel(a.greenF(), b.greenF()),
                            channel(a.blueF(), b.blueF()));
}

// Black or white, whichever stands further from `colour`.
QColor extreme(const QColor& colour)
{
    return contrastRatio(colour, Qt::black) >= contrastRatio(colour, Qt::white) ? Qt::black
                                                                                : Qt::white;
}

struct Outline {
    QColor boundary; // a field's or button's edge
    QColor focus;    // the focus ring
};

// The colours a control's edge needs against the window around it and what
// lies just inside it: a field's base; a button's fill, which Fusion draws
// somewhat lighter than the palette's button colour, and its faint inner line.
Outline outlineFor(const QPalette& palette, bool field)
{
    const QColor window = palette.color(QPalette::Window);
    constexpr int buttonFill = 125;    // percent
    constexpr double innerLine = 0.12; // white over the fill
    const QColor fill =
        field ? palette.color(QPalette::Base) : palette.color(QPalette::Button).lighter(buttonFill);
    const QColor inside = field ? fill : mixed(fill, Qt::white, innerLine);
    // Fusion's own outline colour, and its focus ring's, as starting points.
    constexpr int outlineShade = 140;
    constexpr int ringShade = 125;
    const QColor outline = window.darker(outlineShade);
    const QColor ring = palette.color(QPalette::Highlight).darker(ringShade);
    const QColor boundary = reaching(outline, palette.color(QPalette::WindowText), boundaryRatio,
                                     {window, fill, inside});
    // The ring stands at 3:1 against the edge it replaces as well, so that
    // the focus shows in brightness on every pixel it changes, not in hue alone.
    return {boundary,
            reaching(ring, extreme(window), boundaryRatio, {window, fill, inside, boundary})};
}

// Fusion's menu: its fill, a little lighter than the base, and its frame's
// first colour.
QColor menuFill(const QPalette& palette)
{
    constexpr int lighter = 108;
    return palette.color(QPalette::Base).lighter(lighter);
}

// A one-pixel line along a rectangle's edge, on its pixels rather than between them.
QRectF onPixels(const QRect& rect)
{
    constexpr double half = 0.5;
    return QRectF(rect).adjusted(half, half, -half, -half);
}

void drawRounded(QPainter& painter, const QRectF& rect, const QColor& colour, double radius)
{
    painter.setPen(QPen(colour, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(rect, radius, radius);
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    constexpr double flare = 0.05;
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + flare) / (std::min(la, lb) + flare);
}

QColor reaching(const QColor& from, const QColor& towards, double ratio,
                std::initializer_list<QColor> against)
{
    constexpr int steps = 50;
    for (int step = 0; step <= steps; ++step) {
        const QColor colour = mixed(from, towards, static_cast<double>(step) / steps);
        if (std::ranges::all_of(against,
                                [&](const QColor& c) { return contrastRatio(colour, c) >= ratio; }))
            return colour;
    }
    return towards;
}

ReadableStyle::ReadableStyle()
    : QProxyStyle(QStringLiteral("Fusion"))
{
}

void ReadableStyle::polish(QPalette& palette)
{
    QProxyStyle::polish(palette);
    // Selected text, and the highlighted entry of a menu, on the highlight.
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        const QColor text = palette.color(group, QPalette::HighlightedText);
        const QColor highlight = palette.color(group, QPalette::Highlight);
        palette.setColor(group, QPalette::Highlight,
                         reaching(highlight, extreme(text), textRatio, {text}));
    }
}

void ReadableStyle::drawControl(ControlElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    const bool highlighted = element == CE_MenuItem && (option->state & State_Selected) != 0
                             && (option->state & State_Enabled) != 0;
    if (!highlighted)
        return;
    // The highlighted entry's bar, edged so that it stands out of the menu at 3:1.
    const QColor fill = menuFill(option->palette);
    const QColor bar = option->palette.color(QPalette::Highlight);
    painter->save();
    painter->setPen(QPen(reaching(bar, extreme(fill), boundaryRatio, {fill}), 1));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(onPixels(option->rect));
    painter->restore();
}

void ReadableStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const
{
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element == PE_FrameMenu || element == PE_PanelMenu) {
        // The menu's edge against the window it opens over and its own fill.
        const QColor fill = menuFill(option->palette);
        const QColor window = option->palette.color(QPalette::Window);
        constexpr int frameShade = 160;
        painter->save();
        painter->setPen(QPen(
            reaching(fill.darker(frameShade), extreme(window), boundaryRatio, {window, fill}), 1));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(onPixels(option->rect));
        painter->restore();
        return;
    }
    const bool field = element == PE_FrameLineEdit;
    const bool button = element == PE_PanelButtonCommand;
    if ((!field && !button) || !(option->state & State_Enabled))
        return;
    // Over the desktop style's own edge, on the same line; the focus ring two pixels wide.
    const QPalette& palette = option->palette;
    const Outline colours = outlineFor(palette, field);
    const bool focused = (option->state & State_HasFocus) != 0;
    const QRectF outer = onPixels(option->rect);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    // Fusion's corner radii, outside and further in.
    constexpr std::array radii = {2.0, 1.7, 1.4};
    drawRounded(*painter, outer, focused ? colours.focus : colours.boundary, radii[0]);
    // The focus changes two pixels' width by 3:1 against the unfocused look:
    // the edge and the pixel inside it, or, where the edge cannot change that
    // much (a light edge on a dark button), the two pixels inside it.
    const std::size_t ringInside =
        contrastRatio(colours.focus, colours.boundary) >= boundaryRatio ? 1 : 2;
    for (std::size_t inset = 1; focused && inset <= ringInside; ++inset) {
        const auto by = static_cast<qreal>(inset);
        drawRounded(*painter, outer.adjusted(by, by, -by, -by), colours.focus, radii.at(inset));
    }
    painter->restore();
}

} // namespace platform
