#include "win32/testing/keyboard.h"

#include <iterator>
#include <vector>

namespace win32::testing {

void PressKey(std::initializer_list<WORD> modifiers, WORD key) {
  std::vector<INPUT> inputs;
  const auto add = [&](WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(input);
  };
  for (WORD m : modifiers) add(m, false);
  add(key, false);
  add(key, true);
  for (auto m = std::rbegin(modifiers); m != std::rend(modifiers); ++m) add(*m, true);
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace win32::testing
