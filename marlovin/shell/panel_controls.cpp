#include "marlovin/shell/panel_controls.h"

namespace marlovin {

namespace {

using enum PanelControlId;
using P = ButtonPicture;

constexpr PanelControl kControls[] = {
    {GDAButtonCopy, "GDAButtonCopy", 7, 8, 24, 24, L"Drop files  to copy", P::Copy, true},
    {GDAButtonMove, "GDAButtonMove", 5, 40, 32, 33, L"Drop files to move", P::Move, true},
    {GDAButton1, "GDAButton1", 3, 78, 34, 32, L"Drop files  to do (Multi)Rename", P::Rename, true},
    {GDAButtonUnPackage, "GDAButtonUnPackage", 2, 117, 33, 33, L"Drop files  to Unpack", P::Unpack, true},
    {GDAButtonPack, "GDAButtonPack", 0, 154, 36, 35, L"Drop files  to pack", P::Pack, true},
    {GDAButtonEncode, "GDAButtonEncode", 4, 200, 34, 37, L"Drop files  to encode them with AES", P::Encode, true},
    {GDAButtonDecode, "GDAButtonDecode", 3, 241, 34, 32, L"Drop files  to decode ", P::Decode, true},
    {GDAButtonViewer, "GDAButtonViewer", 4, 281, 32, 28, L"", P::Viewer, true},
    {GDAButtonFavorites, "GDAButtonFavorites", 6, 316, 29, 28,
     L"Click to add to favorites - Drag & drop to copy/move to favorites", P::Favorites, true},
    {GDAButtonHome, "GDAButtonHome", 3, 347, 32, 26, L"Click to open Home Directory", P::Home, true},
    {GDAButtonShowHide, "GDAButtonShowHide", 6, 389, 24, 24, L"Show/Hide this bar", P::ShowHide, true},
    {SpeedButtonTileHorizontaly, "SpeedButtonTileHorizontaly", 5, 427, 28, 28, L"Click to tile Explorers horizontaly",
     P::TileHorizontally, false},
    {SpeedButtonVerticaly, "SpeedButtonVerticaly", 5, 459, 28, 28, L"Click to tile Explorers verticaly ",
     P::TileVertically, false},
    {GDAButtonList, "GDAButtonList", 0, 491, 40, 40, L"Drop to copy File Names to clipBoard", P::List, true},
};

}  // namespace

std::span<const PanelControl> PanelControls() { return kControls; }

}  // namespace marlovin
