// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The worked solution for a worksheet: as HTML, which word processors and
// mail programs paste as formatted text, with a sketch of this triangle.

#include "core/berechnung.hpp"
#include "core/rechenweg.hpp"

#include "window/assets/skizze.hpp"

#include <QString>

// A worksheet: room for name and date, the exercise with what is given and
// sought, the sketch as an embedded PNG, then the steps as
// paragraphs, each line's label (or a paragraph's ratio) in bold, and the
// results, kept on one page.
[[nodiscard]] QString arbeitsblatt_html(const core::Rechenweg& rechenweg);

// The worksheet's sketch of the solution's triangle, as the HTML shows it.
[[nodiscard]] assets::Skizzenplan arbeitsblatt_skizze(const core::Rechenweg& rechenweg);
