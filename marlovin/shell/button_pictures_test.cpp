// The button pictures as GDI draws them: one distinct picture per operation, four
// distinct states, greys only when disabled, and a picture that fills its button at
// every size the panel uses.
#include "marlovin/shell/button_pictures.h"

#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "win32/handles.h"

namespace marlovin {
namespace {

constexpr COLORREF kPanel = RGB(221, 221, 221);
using win32::ButtonState;
constexpr ButtonState kStates[] = {ButtonState::Normal, ButtonState::Hot, ButtonState::Pressed, ButtonState::Disabled};

// The picture's pixels as 0x00RRGGBB, row by row.
std::vector<std::uint32_t> Render(ButtonPicture picture, ButtonState state, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const win32::UniqueHbitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  const win32::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  EXPECT_TRUE(bitmap && dc);
  {
    const win32::ScopedSelect select(dc.get(), bitmap.get());
    PaintButtonPicture(dc.get(), RECT{0, 0, width, height}, picture, state, kPanel);
    GdiFlush();
  }
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  return {pixels, pixels + width * height};
}

bool IsGrey(std::uint32_t pixel) {
  const int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
  return r == g && g == b;
}

TEST(ButtonPictures, EveryOperationHasItsOwnPictureInFourDistinctStates) {
  std::vector<std::vector<std::uint32_t>> normals;
  for (const ButtonPicture picture : kAllButtonPictures) {
    SCOPED_TRACE(static_cast<int>(picture));
    std::vector<std::vector<std::uint32_t>> states;
    for (const ButtonState state : kStates) states.push_back(Render(picture, state, 32, 32));
    for (std::size_t a = 0; a < states.size(); ++a) {
      for (std::size_t b = a + 1; b < states.size(); ++b) EXPECT_NE(states[a], states[b]) << "states " << a << ", " << b;
    }
    for (const std::uint32_t pixel : states[3]) ASSERT_TRUE(IsGrey(pixel)) << "the disabled picture is all greys";
    std::size_t coloured = 0;
    for (const std::uint32_t pixel : states[0]) coloured += !IsGrey(pixel);
    EXPECT_GT(coloured, 0u) << "the normal picture has colour";
    for (std::size_t other = 0; other < normals.size(); ++other) {
      EXPECT_NE(states[0], normals[other]) << "same picture as number " << other;
    }
    normals.push_back(states[0]);
  }
}

TEST(ButtonPictures, APictureFillsItsButtonAtEverySizeThePanelUses) {
  const SIZE sizes[] = {{24, 24}, {32, 33}, {36, 35}, {29, 28}, {40, 40}, {60, 60}};
  constexpr std::uint32_t kPanelPixel = 0xDDDDDD;
  for (const ButtonPicture picture : kAllButtonPictures) {
    for (const SIZE size : sizes) {
      SCOPED_TRACE(std::to_string(static_cast<int>(picture)) + " at " + std::to_string(size.cx) + " x " +
                   std::to_string(size.cy));
      const auto pixels = Render(picture, ButtonState::Normal, size.cx, size.cy);
      std::size_t drawn = 0;
      for (const std::uint32_t pixel : pixels) drawn += (pixel & 0xFFFFFF) != kPanelPixel;
      EXPECT_GT(drawn * 100, pixels.size() * 15) << "at least 15 % of the button shows the picture";
      // A frame of panel colour stays around the picture while it is not hot or pressed.
      for (int x = 0; x < size.cx; ++x) EXPECT_EQ(pixels[x] & 0xFFFFFF, kPanelPixel) << "top row, x " << x;
    }
  }
}

}  // namespace
}  // namespace marlovin
