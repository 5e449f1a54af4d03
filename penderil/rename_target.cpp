#include "penderil/rename_target.h"

#include <array>

#include "common/text_case.h"

namespace penderil {

namespace {

bool IsRefusedCharacter(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (byte < 32) return true;
  constexpr std::string_view kRefused = "<>:\"/\\|?*";
  return kRefused.find(c) != std::string_view::npos;
}

// CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9, alone or before an extension.
bool IsDeviceName(std::string_view name) {
  const std::string stem = common::ToUpperText(name.substr(0, name.find('.')));
  constexpr std::array<std::string_view, 4> kDevices = {"CON", "PRN", "AUX", "NUL"};
  for (const auto device : kDevices) {
    if (stem == device) return true;
  }
  return stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) && stem[3] >= '1' &&
         stem[3] <= '9';
}

}  // namespace

std::optional<std::string> RenameTargetName(std::string_view newName) {
  std::size_t end = newName.size();
  while (end > 0 && (newName[end - 1] == '.' || newName[end - 1] == ' ')) --end;
  const std::string_view name = newName.substr(0, end);
  if (name.empty()) return std::nullopt;
  for (const char c : name) {
    if (IsRefusedCharacter(c)) return std::nullopt;
  }
  if (IsDeviceName(name)) return std::nullopt;
  return std::string(name);
}

}  // namespace penderil
