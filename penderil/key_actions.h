// The renamer window's actions and the keys that run them. Each action's number is
// also the command id of its button, so a click and a key end in the same handler.
#pragma once

#include <windows.h>

#include <optional>

namespace penderil {

enum class RenamerAction : int {
  AddNameMask = 100,
  AddTimeMaskInName,
  AddCounterMaskInName,
  AddDateMaskInName,
  AddExtIExt,
  CounterInExt,
  IncreaseCounterStart,
  DecreaseCounterStart,
  IncreaseCounterStep,
  DecreaseCounterStep,
  IncreaseCounterSpacing,
  DecreaseCounterSpacing,
  ToggleSearchReplaceBefore,
  ToggleSearchReplaceAfter,
  SelectAll,
  SelectNone,
  SelectInverse,
  RemoveSelected,
  RemoveAll,
  Start,
  Reset,
  Cancel,
};

inline constexpr int kFirstActionId = static_cast<int>(RenamerAction::AddNameMask);
inline constexpr int kLastActionId = static_cast<int>(RenamerAction::Cancel);

struct KeyState {
  bool ctrl = false;
  bool alt = false;
  bool shift = false;
};

// The action of a virtual key with these modifiers held, if it has one.
std::optional<RenamerAction> ActionForKey(UINT virtualKey, KeyState modifiers);

// The modifiers held now, as the thread's input state says.
KeyState CurrentKeyState();

}  // namespace penderil
