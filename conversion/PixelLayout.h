#pragma once

#include <cstdint>

// The logical colour (0 to 7) of pixel k, counted from the left, of a screen
// byte in a mode of the given bits per pixel. The first bit listed is the
// colour's most significant:
//   1 bit:  pixel k is bit 7-k
//   2 bits: pixel k is bits 7-k, 3-k
//   4 bits: pixel k is bits 7-k, 5-k, 3-k, 1-k, with colours 8-15 shown as 0-7
constexpr int logicalColourOf(std::uint8_t byte, int k, int bitsPerPixel) {
    auto bit = [byte](int n) { return (byte >> n) & 1; };
    switch (bitsPerPixel) {
    case 1:
        return bit(7 - k);
    case 2:
        return (bit(7 - k) << 1) | bit(3 - k);
    case 4: {
        const int colour = (bit(7 - k) << 3) | (bit(5 - k) << 2) | (bit(3 - k) << 1) | bit(1 - k);
        return colour > 7 ? colour - 8 : colour;
    }
    default:
        return 0;
    }
}
