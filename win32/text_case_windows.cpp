// Letter case by the user's locale, as Explorer and every Windows list compare names.
#include <windows.h>

#include "common/text_case.h"
#include "win32/utf.h"

namespace common {

namespace {

constexpr DWORD kIgnoreCase = NORM_IGNORECASE;

std::wstring MapCase(std::string_view text, DWORD flags) {
  const std::wstring wide = win32::Widen(text);
  if (wide.empty()) return {};
  const int size = LCMapStringEx(LOCALE_NAME_USER_DEFAULT, flags | LCMAP_LINGUISTIC_CASING, wide.data(),
                                 static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr, 0);
  std::wstring out(static_cast<std::size_t>(size), L'\0');
  LCMapStringEx(LOCALE_NAME_USER_DEFAULT, flags | LCMAP_LINGUISTIC_CASING, wide.data(),
                static_cast<int>(wide.size()), out.data(), size, nullptr, nullptr, 0);
  return out;
}

}  // namespace

int CompareText(std::string_view a, std::string_view b) {
  const std::wstring wa = win32::Widen(a);
  const std::wstring wb = win32::Widen(b);
  const int result = CompareStringEx(LOCALE_NAME_USER_DEFAULT, kIgnoreCase, wa.data(), static_cast<int>(wa.size()),
                                     wb.data(), static_cast<int>(wb.size()), nullptr, nullptr, 0);
  if (result == 0) return wa.compare(wb);  // invalid input: fall back to code unit order
  return result - CSTR_EQUAL;
}

std::string SortKey(std::string_view text) {
  const std::wstring wide = win32::Widen(text);
  const int size = LCMapStringEx(LOCALE_NAME_USER_DEFAULT, LCMAP_SORTKEY | kIgnoreCase, wide.data(),
                                 static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr, 0);
  if (size <= 0) return std::string(text);
  std::string key(static_cast<std::size_t>(size), '\0');
  LCMapStringEx(LOCALE_NAME_USER_DEFAULT, LCMAP_SORTKEY | kIgnoreCase, wide.data(), static_cast<int>(wide.size()),
                reinterpret_cast<LPWSTR>(key.data()), size, nullptr, nullptr, 0);
  if (!key.empty() && key.back() == '\0') key.pop_back();  // the key's own terminator
  return key;
}

void AppendSortKey(std::string& out, std::string_view text) { out += SortKey(text); }

std::string ToUpperText(std::string_view text) { return win32::Narrow(MapCase(text, LCMAP_UPPERCASE)); }
std::string ToLowerText(std::string_view text) { return win32::Narrow(MapCase(text, LCMAP_LOWERCASE)); }

}  // namespace common
