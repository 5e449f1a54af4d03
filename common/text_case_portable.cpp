// Portable letter case: Unicode simple case mapping through the C library's
// UTF-8 locale (towlower_l / towupper_l), with a fast path for ASCII.
#include "common/text_case.h"

#include <clocale>
#include <cwctype>
#include <locale.h>

#include "common/utf8.h"

namespace common {

namespace {

locale_t UnicodeLocale() {
  static const locale_t locale = [] {
    locale_t l = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
    return l ? l : newlocale(LC_CTYPE_MASK, "C", static_cast<locale_t>(0));
  }();
  return locale;
}

char32_t Lower(char32_t cp) {
  if (cp < 0x80) return (cp >= 'A' && cp <= 'Z') ? cp + 32 : cp;
  if (cp >= 0xD800 && cp <= 0xDFFF) return cp;  // escaped invalid bytes stay as they are
  return static_cast<char32_t>(towlower_l(static_cast<wint_t>(cp), UnicodeLocale()));
}

char32_t Upper(char32_t cp) {
  if (cp < 0x80) return (cp >= 'a' && cp <= 'z') ? cp - 32 : cp;
  if (cp >= 0xD800 && cp <= 0xDFFF) return cp;
  return static_cast<char32_t>(towupper_l(static_cast<wint_t>(cp), UnicodeLocale()));
}

bool IsAscii(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

template <char First, char Last, int Shift>
std::string MapAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= First && c <= Last) c = static_cast<char>(c + Shift);
  }
  return out;
}

template <typename Map>
std::string MapText(std::string_view text, Map map) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) AppendUtf8(out, map(NextCodePoint(text, pos)));
  return out;
}

}  // namespace

int CompareText(std::string_view a, std::string_view b) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    const char32_t ca = Lower(NextCodePoint(a, i));
    const char32_t cb = Lower(NextCodePoint(b, j));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}

// ASCII text, the common case, is mapped byte by byte in place.
std::string ToLowerText(std::string_view text) {
  return IsAscii(text) ? MapAscii<'A', 'Z', 32>(text) : MapText(text, Lower);
}
std::string ToUpperText(std::string_view text) {
  return IsAscii(text) ? MapAscii<'a', 'z', -32>(text) : MapText(text, Upper);
}
void AppendSortKey(std::string& out, std::string_view text) {
  // One pass for ASCII text, the common case; other text is mapped code point by code point.
  const std::size_t start = out.size();
  out.resize(start + text.size());
  char* key = out.data() + start;
  unsigned char high = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    high |= static_cast<unsigned char>(c);
    key[i] = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
  }
  if (high < 0x80) return;
  out.resize(start);
  for (std::size_t pos = 0; pos < text.size();) AppendUtf8(out, Lower(NextCodePoint(text, pos)));
}

std::string SortKey(std::string_view text) {
  std::string key;
  AppendSortKey(key, text);
  return key;
}

}  // namespace common
