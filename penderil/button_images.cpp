#include "penderil/button_images.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace penderil {

namespace {

constexpr COLORREF kGround = RGB(255, 0, 255);  // never drawn with; becomes transparent

void DrawGlyph(HDC dc, ButtonGlyph glyph, int size) {
  const int pen = std::max(2, size / 6);
  switch (glyph) {
    case ButtonGlyph::Start: {
      // A right-pointing arrow: a shaft and a head.
      const win32::UniqueHbrush fill(CreateSolidBrush(RGB(40, 150, 60)));
      const win32::UniqueHpen edge(CreatePen(PS_SOLID, 1, RGB(20, 100, 35)));
      const win32::ScopedSelect selectBrush(dc, fill.get());
      const win32::ScopedSelect selectPen(dc, edge.get());
      const int m = size / 8;
      const POINT arrow[] = {{m, size * 3 / 8},         {size / 2, size * 3 / 8}, {size / 2, m},
                             {size - m, size / 2},      {size / 2, size - m},     {size / 2, size * 5 / 8},
                             {m, size * 5 / 8}};
      Polygon(dc, arrow, 7);
      break;
    }
    case ButtonGlyph::Reset: {
      // Three quarters of a circle and an arrow head at its open end.
      const win32::UniqueHpen ring(CreatePen(PS_SOLID, pen, RGB(40, 90, 190)));
      const win32::ScopedSelect selectPen(dc, ring.get());
      const win32::ScopedSelect selectBrush(dc, GetStockObject(NULL_BRUSH));
      const int m = size / 5;
      Arc(dc, m, m, size - m, size - m, size / 2, m, size - m, size / 2);
      const win32::UniqueHbrush fill(CreateSolidBrush(RGB(40, 90, 190)));
      const win32::UniqueHpen edge(CreatePen(PS_SOLID, 1, RGB(40, 90, 190)));
      const win32::ScopedSelect selectFill(dc, fill.get());
      const win32::ScopedSelect selectEdge(dc, edge.get());
      const int cx = size / 2;
      const POINT head[] = {{cx - size / 5, m - size / 6}, {cx + size / 10, m}, {cx - size / 5, m + size / 6}};
      Polygon(dc, head, 3);
      break;
    }
    case ButtonGlyph::Close: {
      const win32::UniqueHpen cross(CreatePen(PS_SOLID, pen, RGB(200, 40, 40)));
      const win32::ScopedSelect selectPen(dc, cross.get());
      const int m = size / 4;
      MoveToEx(dc, m, m, nullptr);
      LineTo(dc, size - m, size - m);
      MoveToEx(dc, size - m, m, nullptr);
      LineTo(dc, m, size - m);
      break;
    }
  }
}

}  // namespace

win32::UniqueHicon DrawButtonIcon(ButtonGlyph glyph, int size) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = size;
  info.bmiHeader.biHeight = -size;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const win32::WindowDc screen(nullptr);
  win32::UniqueHbitmap colour(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!colour || !bits) return {};
  {
    const win32::UniqueMemoryDc dc(CreateCompatibleDC(screen.get()));
    const win32::ScopedSelect selectBitmap(dc.get(), colour.get());
    const win32::UniqueHbrush ground(CreateSolidBrush(kGround));
    const RECT all{0, 0, size, size};
    FillRect(dc.get(), &all, ground.get());
    DrawGlyph(dc.get(), glyph, size);
    GdiFlush();
  }
  // GDI leaves alpha at 0: every drawn pixel becomes opaque, the ground transparent.
  auto* pixels = static_cast<std::uint32_t*>(bits);
  const std::uint32_t ground = (GetRValue(kGround) << 16) | (GetGValue(kGround) << 8) | GetBValue(kGround);
  for (int i = 0; i < size * size; ++i) {
    const std::uint32_t rgb = pixels[i] & 0x00FFFFFF;
    pixels[i] = rgb == ground ? 0 : (rgb | 0xFF000000);
  }
  // The colour's alpha decides; the mask is all zero (monochrome rows are word-aligned).
  const std::vector<BYTE> maskBits(static_cast<std::size_t>((size + 15) / 16 * 2 * size), 0);
  const win32::UniqueHbitmap mask(CreateBitmap(size, size, 1, 1, maskBits.data()));
  ICONINFO icon{};
  icon.fIcon = TRUE;
  icon.hbmColor = colour.get();
  icon.hbmMask = mask.get();
  return win32::UniqueHicon(CreateIconIndirect(&icon));
}

}  // namespace penderil
