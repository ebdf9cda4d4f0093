// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/form.hpp"
#include "window/assets/dreieck.hpp"

#include <array>
#include <string_view>

// The main window as data: every control with its place and size in twips.
namespace layout {

using enum platform::ControlKind;

inline constexpr platform::Face instruction_font{"MS Sans Serif", 9.75, 700};
inline constexpr std::string_view instruction = "Bitte 2 bekannte Werte eingeben !";

// In tab order; the labels take no focus, so only their order is fixed here.
// clang-format off
inline constexpr std::array<platform::ControlPlace, 13> controls{{
    // name         kind           left   top width height caption, labelled field, font, picture, spoken
    {"txt_winkel",  TextBox,       5040,  555, 1335,  285, "?"},
    {"txt_an",      TextBox,       5040,  995, 1335,  285, "?"},
    {"txt_ge",      TextBox,       5040, 1435, 1335,  285, "?"},
    {"txt_hyp",     TextBox,       5040, 1875, 1335,  285, "?"},
    {"cmd_rechnen", CommandButton, 5040, 2400, 1335,  375, "&Berechnen"},
    {"cmd_neu",     CommandButton, 3480, 2400, 1335,  375, "&Neu"},
    {"cmd_ende",    CommandButton, 1163, 3000,  975,  375, "&Ende"},
    {"Picture1",    PictureBox,     120,  120, 3060, 2700, {}, {}, nullptr, &assets::dreieck},
    {"Label5",      Label,         4005, 1920,  855,  195, "Hypotenuse", "txt_hyp"},
    {"Label4",      Label,         3840, 1485, 1020,  195, "Gegenkathete", "txt_ge"},
    {"Label3",      Label,         4125, 1035,  735,  195, "Ankathete", "txt_an"},
    {"Label2",      Label,         3480,  120, 3510,  240, instruction, {}, &instruction_font},
    {"Label1",      Label,         3840,  600, 1020,  195, "Winkel (alpha)", "txt_winkel", nullptr, nullptr, "Winkel alpha"},
}};
// clang-format on

// The program's icon as the build renders it, at the sizes X11 asks for.
inline constexpr std::array<platform::IconFrame, 5> icon{{{16, ":/icon/16.argb"},
                                                          {32, ":/icon/32.argb"},
                                                          {48, ":/icon/48.argb"},
                                                          {64, ":/icon/64.argb"},
                                                          {128, ":/icon/128.argb"}}};

inline constexpr platform::FormTable dreieckrechner{
    "dreieckrechner", "Berechnungen im rechtwinkligen Dreieck", 7185, 3510, icon, controls};

} // namespace layout
