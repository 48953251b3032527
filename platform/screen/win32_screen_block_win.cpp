// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/screen/win32_screen_block_win.h"

#include <cstdint>
#include <memory>
#include <type_traits>
#include <windows.h>

namespace tessavundo {
namespace {

constexpr WORD kBitsPerPixel = 32;
constexpr int kRedShift = 16;
constexpr int kGreenShift = 8;
constexpr std::uint32_t kByte = 0xFF;

struct ScreenContextRelease {
    void operator()(HDC dc) const { ::ReleaseDC(nullptr, dc); }
};
struct MemoryContextDelete {
    void operator()(HDC dc) const { ::DeleteDC(dc); }
};
struct ObjectDelete {
    void operator()(HGDIOBJ object) const { ::DeleteObject(object); }
};
using ScreenContext = std::unique_ptr<std::remove_pointer_t<HDC>, ScreenContextRelease>;
using MemoryContext = std::unique_ptr<std::remove_pointer_t<HDC>, MemoryContextDelete>;
using Bitmap = std::unique_ptr<std::remove_pointer_t<HGDIOBJ>, ObjectDelete>;

// A 32-bit pixel of a DIB is blue, green, red and an unused byte from the lowest address up.
PackedColor FromDibPixel(std::uint32_t pixel) {
    return PackBytes(static_cast<int>((pixel >> kRedShift) & kByte),
                     static_cast<int>((pixel >> kGreenShift) & kByte),
                     static_cast<int>(pixel & kByte));
}

} // namespace

QRect VirtualScreen() {
    return {::GetSystemMetrics(SM_XVIRTUALSCREEN), ::GetSystemMetrics(SM_YVIRTUALSCREEN),
            ::GetSystemMetrics(SM_CXVIRTUALSCREEN), ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

BITMAPINFO TopDownBitmapInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    // Negative: the rows from the top down.
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = kBitsPerPixel;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

std::vector<PackedColor> ReadScreenBlock(const QRect& area) {
    if (area.isEmpty())
        return {};
    const ScreenContext screen(::GetDC(nullptr));
    if (!screen)
        return {};
    const MemoryContext memory(::CreateCompatibleDC(screen.get()));
    const BITMAPINFO info = TopDownBitmapInfo(area.width(), area.height());
    void* bits = nullptr;
    const Bitmap bitmap(::CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!memory || !bitmap || !bits)
        return {};
    const HGDIOBJ previous = ::SelectObject(memory.get(), bitmap.get());
    const bool copied = ::BitBlt(memory.get(), 0, 0, area.width(), area.height(), screen.get(),
                                 area.x(), area.y(), SRCCOPY) != 0;
    ::GdiFlush();
    ::SelectObject(memory.get(), previous);
    if (!copied)
        return {};
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    std::vector<PackedColor> block(static_cast<std::size_t>(area.width()) *
                                   static_cast<std::size_t>(area.height()));
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = FromDibPixel(pixels[i]);
    return block;
}

} // namespace tessavundo
