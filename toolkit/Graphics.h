// SPDX-License-Identifier: GPL-3.0-or-later
// Colours in the toolkit's own encoding: 0x00BBGGRR, red in the low byte.
// System colours keep their 0x80000000 tag and are resolved only when painting.
#pragma once

#include <cstdint>

using TColor = std::uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clNavy = 0x800000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clBtnFace = 0x8000000F;

constexpr bool IstSystemFarbe(TColor farbe)
{
    return (farbe & 0x80000000u) != 0;
}
