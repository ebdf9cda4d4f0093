// SPDX-License-Identifier: GPL-3.0-or-later
// Val against a slow, obviously correct reading of the same grammar.
#include "platform/numbers.hpp"

#include <QString>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <locale.h> // NOLINT(modernize-deprecated-headers): newlocale and strtod_l are POSIX
#include <regex>
#include <string>

namespace {

// The text as Val sees it: blanks, tabs and line feeds removed.
std::string withoutBlanks(const QString& text)
{
    std::string s;
    for (const QChar c : text) {
        if (c == u' ' || c == u'\t' || c == u'\n')
            continue;
        s.push_back(c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '\x01');
    }
    return s;
}

double reference(const QString& text)
{
    static const std::regex hex("^&[hH]([0-9a-fA-F]*)");
    static const std::regex octal("^&[oO]([0-7]*)");
    static const std::regex decimal("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eEdD][+-]?[0-9]+)?");
    const std::string s = withoutBlanks(text);
    std::smatch m;
    if (std::regex_search(s, m, hex)) {
        double v = 0;
        for (const char c : m[1].str())
            v = v * 16 + std::stoi(std::string(1, c), nullptr, 16);
        return v;
    }
    if (std::regex_search(s, m, octal)) {
        double v = 0;
        for (const char c : m[1].str())
            v = v * 8 + (c - '0');
        return v;
    }
    if (!std::regex_search(s, m, decimal))
        return 0;
    std::string number = m[0].str();
    for (char& c : number)
        if (c == 'd' || c == 'D')
            c = 'e';
    static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", nullptr);
    return strtod_l(number.c_str(), nullptr, c_locale);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const double got = platform::Val(text);
    const double want = reference(text);
    if (!(got == want || (std::isnan(got) && std::isnan(want))))
        std::abort();
    return 0;
}
