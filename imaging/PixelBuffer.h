#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>

using StoredPixel = std::uint32_t;

// An image's pixel storage. Unlike a vector it can be made without filling
// it, for images whose every pixel is written straight away.
class PixelBuffer {
public:
    PixelBuffer() = default;
    // count pixels with unspecified content.
    explicit PixelBuffer(std::size_t count) : storage(new StoredPixel[count]), count(count) {}
    PixelBuffer(const PixelBuffer& other) : PixelBuffer(other.count) {
        std::copy(other.begin(), other.end(), begin());
    }
    PixelBuffer& operator=(const PixelBuffer& other) {
        if (this != &other) {
            *this = PixelBuffer(other);
        }
        return *this;
    }
    PixelBuffer(PixelBuffer&&) noexcept = default;
    PixelBuffer& operator=(PixelBuffer&&) noexcept = default;

    StoredPixel* data() { return storage.get(); }
    const StoredPixel* data() const { return storage.get(); }
    std::size_t size() const { return count; }
    StoredPixel* begin() { return data(); }
    StoredPixel* end() { return data() + count; }
    const StoredPixel* begin() const { return data(); }
    const StoredPixel* end() const { return data() + count; }

private:
    std::unique_ptr<StoredPixel[]> storage;
    std::size_t count = 0;
};
