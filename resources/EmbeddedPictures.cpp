#include "resources/EmbeddedPictures.h"

#include <cstddef>

extern const unsigned char textureTilePngBytes[];
extern const std::size_t textureTilePngBytesSize;
extern const unsigned char aboutBannerPngBytes[];
extern const std::size_t aboutBannerPngBytesSize;

std::span<const std::uint8_t> textureTilePng() {
    return {textureTilePngBytes, textureTilePngBytesSize};
}

std::span<const std::uint8_t> aboutBannerPng() {
    return {aboutBannerPngBytes, aboutBannerPngBytesSize};
}
