// button_picture_sheet OUT.bmp: draws every side bar button picture in its four states
// (normal, hot, pressed, disabled; one row per button, at the button's own size) into a
// bitmap file, so that a person can look at them closely (scripts/side-bar-screenshots).
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <vector>

#include "marlovin/shell/button_pictures.h"
#include "marlovin/shell/panel_controls.h"
#include "win32/handles.h"

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fputs("usage: button_picture_sheet OUT.bmp\n", stderr);
    return 2;
  }
  constexpr int kCell = 48;
  constexpr COLORREF kPanel = RGB(221, 221, 221);
  const win32::ButtonState states[] = {win32::ButtonState::Normal, win32::ButtonState::Hot,
                                       win32::ButtonState::Pressed, win32::ButtonState::Disabled};
  const auto controls = marlovin::PanelControls();
  const int width = kCell * 4;
  const int height = kCell * static_cast<int>(controls.size());

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // bottom-up, as a .bmp file stores it
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const win32::UniqueHbitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  const win32::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  if (!bitmap || !dc) return 1;
  {
    const win32::ScopedSelect select(dc.get(), bitmap.get());
    const win32::UniqueHbrush background(CreateSolidBrush(RGB(255, 255, 255)));
    const RECT all{0, 0, width, height};
    FillRect(dc.get(), &all, background.get());
    for (std::size_t row = 0; row < controls.size(); ++row) {
      const auto& control = controls[row];
      for (int column = 0; column < 4; ++column) {
        const int left = column * kCell + (kCell - control.Width) / 2;
        const int top = static_cast<int>(row) * kCell + (kCell - control.Height) / 2;
        const RECT cell{column * kCell + 1, static_cast<int>(row) * kCell + 1, (column + 1) * kCell - 1,
                        static_cast<int>(row + 1) * kCell - 1};
        const win32::UniqueHbrush panel(CreateSolidBrush(kPanel));
        FillRect(dc.get(), &cell, panel.get());
        marlovin::PaintButtonPicture(dc.get(), RECT{left, top, left + control.Width, top + control.Height},
                                     control.Picture, states[column], kPanel);
      }
    }
    GdiFlush();
  }
  const DWORD imageSize = static_cast<DWORD>(width * height * 4);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  file.bfSize = file.bfOffBits + imageSize;
  std::ofstream out(argv[1], std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof(file));
  out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof(info.bmiHeader));
  out.write(static_cast<const char*>(bits), imageSize);
  return out ? 0 : 1;
}
