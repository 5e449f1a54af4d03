// UTF-8 <-> UTF-16 at the edge between the portable core and the Win32 API.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace win32 {

inline std::wstring Widen(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), size);
  return out;
}

inline std::string Narrow(std::wstring_view utf16) {
  if (utf16.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), nullptr, 0,
                                       nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), out.data(), size, nullptr,
                      nullptr);
  return out;
}

}  // namespace win32
