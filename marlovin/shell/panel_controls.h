// The controls on the side bar's panel, in the panel's control order: where each sits
// (96-DPI pixels, panel coordinates), its hint and its picture. Every control but the
// two tiling buttons is a drop button.
#pragma once

#include <span>

#include "marlovin/shell/button_pictures.h"

namespace marlovin {

// Also the controls' window ids.
enum class PanelControlId : int {
  GDAButtonCopy = 1001,
  GDAButtonMove,
  GDAButton1,
  GDAButtonUnPackage,
  GDAButtonPack,
  GDAButtonEncode,
  GDAButtonDecode,
  GDAButtonViewer,
  GDAButtonFavorites,
  GDAButtonHome,
  GDAButtonShowHide,
  SpeedButtonTileHorizontaly,
  SpeedButtonVerticaly,
  GDAButtonList,
};

struct PanelControl {
  PanelControlId Id;
  const char* Name;
  int Left, Top, Width, Height;
  const wchar_t* Hint;  // empty: no hint
  ButtonPicture Picture;
  bool DropButton;
};

std::span<const PanelControl> PanelControls();

}  // namespace marlovin
