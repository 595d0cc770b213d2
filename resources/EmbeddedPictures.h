#pragma once

#include <cstdint>
#include <span>

// The PNG files of the texture tile behind the preview area and of the About
// banner, as compiled into the program.
std::span<const std::uint8_t> textureTilePng();
std::span<const std::uint8_t> aboutBannerPng();
