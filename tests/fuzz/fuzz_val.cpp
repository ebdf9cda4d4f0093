// SPDX-License-Identifier: GPL-3.0-or-later
// Val against a slow, obviously correct reading of the same grammar.
#include "../reference.hpp"
#include "core/numbers.hpp"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const double got = core::Val(text);
    const double want = reference::val(text);
    if (!(got == want || (std::isnan(got) && std::isnan(want))))
        std::abort();
    return 0;
}
