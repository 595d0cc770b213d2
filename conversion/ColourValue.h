#pragma once

#include <cstdint>

// A 24-bit colour packed as 0x00BBGGRR: red in the low byte. Every colour the
// program handles (palette entries, swatch faces, pixels) has this form.
using ColourValue = std::uint32_t;

constexpr ColourValue makeColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return ColourValue{red} | (ColourValue{green} << 8) | (ColourValue{blue} << 16);
}

constexpr std::uint8_t redOf(ColourValue colour) {
    return colour & 0xFF;
}
constexpr std::uint8_t greenOf(ColourValue colour) {
    return (colour >> 8) & 0xFF;
}
constexpr std::uint8_t blueOf(ColourValue colour) {
    return (colour >> 16) & 0xFF;
}
