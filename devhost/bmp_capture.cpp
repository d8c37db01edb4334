// Saving a window's pixels as a BMP file, for tests and demos that run without a screen.
#include "devhost/bmp_capture.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "devhost/host_log.h"
#include "devhost/window_lookup.h"

namespace {

// Copies the window's pixels into a 24-bit bottom-up DIB: rows padded to 4 bytes.
bool readPixels(HWND window, int width, int height, std::vector<unsigned char>& pixels) {
    HDC windowDc = GetWindowDC(window);
    if (!windowDc) return false;
    HDC memoryDc = CreateCompatibleDC(windowDc);
    HBITMAP bitmap = CreateCompatibleBitmap(windowDc, width, height);
    HGDIOBJ previous = SelectObject(memoryDc, bitmap);
    BOOL copied = BitBlt(memoryDc, 0, 0, width, height, windowDc, 0, 0, SRCCOPY);
    SelectObject(memoryDc, previous);

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~static_cast<size_t>(3);
    pixels.assign(stride * static_cast<size_t>(height), 0);
    int rows = copied ? GetDIBits(memoryDc, bitmap, 0, static_cast<UINT>(height), pixels.data(),
                                  &info, DIB_RGB_COLORS)
                      : 0;
    DeleteObject(bitmap);
    DeleteDC(memoryDc);
    ReleaseDC(window, windowDc);
    return rows == height;
}

bool writeBmp(const char* path, int width, int height, const std::vector<unsigned char>& pixels) {
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(pixels.size());
    BITMAPFILEHEADER fileHeader = {};
    fileHeader.bfType = 0x4D42;  // "BM"
    fileHeader.bfOffBits = sizeof fileHeader + sizeof header;
    fileHeader.bfSize = fileHeader.bfOffBits + header.biSizeImage;

    FILE* file = std::fopen(path, "wb");
    if (!file) return false;
    bool ok = std::fwrite(&fileHeader, sizeof fileHeader, 1, file) == 1 &&
              std::fwrite(&header, sizeof header, 1, file) == 1 &&
              std::fwrite(pixels.data(), 1, pixels.size(), file) == pixels.size();
    ok = std::fclose(file) == 0 && ok;
    return ok;
}

void logCapture(const char* name, HWND window, const char* path, int width, int height, const char* failure) {
    LogLine line;
    logBegin(line, "capture");
    logAddNamedWindowSpec(line, name, window);
    logAddText(line, path);
    if (failure) {
        logAdd(line, " -> failed");
        logAddText(line, failure);
    } else {
        logAdd(line, " -> %dx%d", width, height);
    }
    logEnd(line);
}

}  // namespace

bool captureWindow(const char* name, const char* path, char* error, size_t errorSize) {
    error[0] = '\0';
    HWND window = findNamedWindow(name);
    RECT rect = {};
    if (window) GetWindowRect(window, &rect);
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    std::vector<unsigned char> pixels;
    if (!window) {
        std::snprintf(error, errorSize, "no window of class \"%s\"", name);
    } else if (UpdateWindow(window), width <= 0 || height <= 0) {
        std::snprintf(error, errorSize, "the window has no pixels (%dx%d)", width, height);
    } else if (!readPixels(window, width, height, pixels)) {
        std::snprintf(error, errorSize, "the window's pixels could not be read");
    } else if (!writeBmp(path, width, height, pixels)) {
        std::snprintf(error, errorSize, "cannot write \"%s\"", path);
    }
    logCapture(name, window, path, width, height, error[0] ? error : nullptr);
    return error[0] == '\0';
}
