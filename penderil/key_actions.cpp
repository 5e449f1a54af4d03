#include "penderil/key_actions.h"

#include <array>

namespace penderil {

namespace {

struct KeyBinding {
  UINT key;
  bool ctrl;
  bool alt;
  RenamerAction action;
};

constexpr std::array<KeyBinding, 22> kBindings = {{
    {VK_F2, false, false, RenamerAction::AddNameMask},
    {VK_F3, false, false, RenamerAction::AddTimeMaskInName},
    {VK_F4, false, false, RenamerAction::AddCounterMaskInName},
    {VK_F5, false, false, RenamerAction::AddDateMaskInName},
    {VK_F6, false, false, RenamerAction::AddExtIExt},
    {VK_F7, false, false, RenamerAction::CounterInExt},
    {VK_UP, false, true, RenamerAction::IncreaseCounterStart},
    {VK_DOWN, false, true, RenamerAction::DecreaseCounterStart},
    {VK_UP, true, false, RenamerAction::IncreaseCounterStep},
    {VK_DOWN, true, false, RenamerAction::DecreaseCounterStep},
    {VK_RIGHT, false, true, RenamerAction::IncreaseCounterSpacing},
    {VK_LEFT, false, true, RenamerAction::DecreaseCounterSpacing},
    {VK_F10, false, false, RenamerAction::ToggleSearchReplaceBefore},
    {VK_F11, false, false, RenamerAction::ToggleSearchReplaceAfter},
    {'A', true, false, RenamerAction::SelectAll},
    {'N', true, false, RenamerAction::SelectNone},
    {'I', true, false, RenamerAction::SelectInverse},
    {'X', true, false, RenamerAction::RemoveSelected},
    {'X', true, true, RenamerAction::RemoveAll},
    {VK_RETURN, true, false, RenamerAction::Start},
    {VK_BACK, true, true, RenamerAction::Reset},
    {VK_F12, false, false, RenamerAction::Cancel},
}};

}  // namespace

std::optional<RenamerAction> ActionForKey(UINT virtualKey, KeyState modifiers) {
  if (modifiers.shift) return std::nullopt;
  for (const auto& binding : kBindings) {
    if (binding.key == virtualKey && binding.ctrl == modifiers.ctrl && binding.alt == modifiers.alt) {
      return binding.action;
    }
  }
  return std::nullopt;
}

KeyState CurrentKeyState() {
  const auto held = [](int key) { return (GetKeyState(key) & 0x8000) != 0; };
  return {held(VK_CONTROL), held(VK_MENU), held(VK_SHIFT)};
}

}  // namespace penderil
