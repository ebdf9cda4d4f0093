// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The worked solution for a worksheet: as HTML, which word processors and
// mail programs paste as formatted text, with a sketch of this triangle.

#include "core/berechnung.hpp"
#include "core/rechenweg.hpp"

#include <QString>

// The steps as paragraphs, the first line of each in bold, and after the
// given and sought quantities the sketch, to scale, as an embedded PNG.
[[nodiscard]] QString arbeitsblatt_html(const core::Rechenweg& rechenweg);
