// The host's BMP captures read back by pixel, for tests of what a window shows.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

#include "tests/devhost/devhost_support.h"

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};
constexpr Rgb kWhite = {0xFF, 0xFF, 0xFF};   // the host style's default text colour
constexpr Rgb kCorner = {0xFF, 0xC0, 0x40};  // ... and corner colour

// A 24-bit bottom-up BMP as the host's capture writes it.
struct Picture {
    std::string bytes;
    int width = 0, height = 0;
    Rgb at(int x, int y) const {
        uint32_t offset;
        std::memcpy(&offset, bytes.data() + 10, 4);
        size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~static_cast<size_t>(3);
        const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes.data()) + offset +
                                 static_cast<size_t>(height - 1 - y) * stride + static_cast<size_t>(x) * 3;
        return {p[2], p[1], p[0]};
    }
    int count(Rgb colour, int left, int top, int right, int bottom) const {
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) n += at(x, y) == colour;
        return n;
    }
};

inline Picture readPicture(const std::string& path) {
    Picture picture;
    picture.bytes = readFile(path);
    if (picture.bytes.size() > 54) {
        std::memcpy(&picture.width, picture.bytes.data() + 18, 4);
        std::memcpy(&picture.height, picture.bytes.data() + 22, 4);
    }
    return picture;
}
