#include "testkit/screenshot.h"

#include <vector>

#include "testkit/file_bytes.h"

namespace testkit {

namespace {

// Owns a screen DC for the duration of one capture.
struct ScreenDc {
    HDC dc = GetDC(nullptr);
    ~ScreenDc() { ReleaseDC(nullptr, dc); }
};

struct MemoryDc {
    HDC dc;
    explicit MemoryDc(HDC compatible) : dc(CreateCompatibleDC(compatible)) {}
    ~MemoryDc() { DeleteDC(dc); }
};

void PutLittleEndian(std::string& out, unsigned long value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

} // namespace

bool SaveWindowBitmap(HWND window, const std::string& path)
{
    RECT rect;
    if (!IsWindow(window) || !GetWindowRect(window, &rect))
        return false;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return false;

    ScreenDc screen;
    MemoryDc memory(screen.dc);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height; // bottom-up rows, as a .bmp file stores them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen.dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap)
        return false;
    HGDIOBJ previous = SelectObject(memory.dc, bitmap);
    const BOOL copied = BitBlt(memory.dc, 0, 0, width, height, screen.dc, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    SelectObject(memory.dc, previous);

    bool saved = false;
    if (copied) {
        const unsigned long rowBytes = ((static_cast<unsigned long>(width) * 3 + 3) / 4) * 4;
        const unsigned long pixelBytes = rowBytes * static_cast<unsigned long>(height);
        const unsigned long headerBytes = 14 + 40;
        std::string file;
        file += "BM";
        PutLittleEndian(file, headerBytes + pixelBytes, 4);
        PutLittleEndian(file, 0, 4);
        PutLittleEndian(file, headerBytes, 4);
        PutLittleEndian(file, 40, 4);
        PutLittleEndian(file, static_cast<unsigned long>(width), 4);
        PutLittleEndian(file, static_cast<unsigned long>(height), 4);
        PutLittleEndian(file, 1, 2);
        PutLittleEndian(file, 24, 2);
        PutLittleEndian(file, BI_RGB, 4);
        PutLittleEndian(file, pixelBytes, 4);
        PutLittleEndian(file, 2835, 4); // 72 dots per inch
        PutLittleEndian(file, 2835, 4);
        PutLittleEndian(file, 0, 4);
        PutLittleEndian(file, 0, 4);
        file.append(static_cast<const char*>(bits), pixelBytes);
        saved = WriteFileBytes(path, file);
    }
    DeleteObject(bitmap);
    return saved;
}

} // namespace testkit
