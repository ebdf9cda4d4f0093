// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The desktop's own colours, mended only where they fall short of what a
// reader needs: selected and highlighted text at 4.5:1 against its
// highlight, and the outlines of fields and buttons, the focus ring, the
// menu's edge and its highlighted entry's at 3:1 against what lies next to
// them. A light theme and a dark one alike, in the message box and the menus
// too.

#include <QColor>
#include <QProxyStyle>

#include <initializer_list>

class QPalette;

namespace platform {

// The contrast ratio of two colours, as WCAG computes it (1 to 21).
[[nodiscard]] double contrastRatio(const QColor& a, const QColor& b);

// `from`, moved towards `towards` no further than needed for `ratio` against
// each of `against`; `towards` itself where nothing nearer is enough.
[[nodiscard]] QColor reaching(const QColor& from, const QColor& towards, double ratio,
                              std::initializer_list<QColor> against);

// Qt's Fusion style in the desktop's colours, with fields' and buttons'
// outlines, the focus ring, the menu's edge and its highlighted entry's edge
// drawn in colours that reach 3:1. Fusion, whatever style the desktop names,
// so that these lines are drawn over the shapes they were measured on.
class ReadableStyle final : public QProxyStyle {
    Q_OBJECT

public:
    ReadableStyle();
    void polish(QPalette& palette) override;
    using QProxyStyle::polish;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
};

} // namespace platform
