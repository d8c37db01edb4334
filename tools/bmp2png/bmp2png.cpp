// bmp2png: turns the 24-bit BMP pictures vantrel.exe's capture writes into PNG files for people to look at.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

namespace {

uint32_t le32(const unsigned char* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24); }

// Bottom-up, 24 bits, uncompressed, rows padded to 4 bytes: what the host writes, nothing else.
bool readBmp(const char* path, std::vector<unsigned char>& rgb, int& width, int& height) {
    FILE* file = std::fopen(path, "rb");
    if (!file) return false;
    std::vector<unsigned char> bytes;
    unsigned char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.insert(bytes.end(), buffer, buffer + n);
    std::fclose(file);
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') return false;
    uint32_t offset = le32(&bytes[10]);
    width = static_cast<int>(le32(&bytes[18]));
    height = static_cast<int>(le32(&bytes[22]));
    if (width <= 0 || height <= 0 || width > 16384 || height > 16384 || bytes[28] != 24 || le32(&bytes[30]) != 0)
        return false;
    size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t(3);
    if (offset > bytes.size() || bytes.size() - offset < stride * height) return false;
    rgb.resize(static_cast<size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y) {
        const unsigned char* row = &bytes[offset + stride * (height - 1 - y)];
        for (int x = 0; x < width; ++x) {
            unsigned char* out = &rgb[(static_cast<size_t>(y) * width + x) * 3];
            out[0] = row[x * 3 + 2], out[1] = row[x * 3 + 1], out[2] = row[x * 3];
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: bmp2png IN.bmp OUT.png\n");
        return 2;
    }
    std::vector<unsigned char> rgb;
    int width = 0, height = 0;
    if (!readBmp(argv[1], rgb, width, height)) {
        std::fprintf(stderr, "bmp2png: error: \"%s\" is not a 24-bit BMP as vantrel.exe writes them\n", argv[1]);
        return 2;
    }
    if (!stbi_write_png(argv[2], width, height, 3, rgb.data(), width * 3)) {
        std::fprintf(stderr, "bmp2png: error: cannot write \"%s\"\n", argv[2]);
        return 2;
    }
    return 0;
}
