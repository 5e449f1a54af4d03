#include "quenlock/ansi_text.h"

#include <windows.h>

#include "win32/error.h"
#include "win32/utf.h"

namespace quenlock {

std::string AnsiBytes(std::string_view utf8) {
  const std::wstring wide = win32::Widen(utf8);
  if (wide.empty()) return {};
  const int length = static_cast<int>(wide.size());
  const int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  if (size <= 0) win32::ThrowLastError("Cannot convert text to the ANSI code page");
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), length, bytes.data(), size, nullptr, nullptr);
  return bytes;
}

}  // namespace quenlock
