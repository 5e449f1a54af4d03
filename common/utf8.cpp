#include "common/utf8.h"

namespace common {

namespace {

constexpr char32_t kEscapeBase = 0xDC00;  // invalid byte b becomes U+DC00 + b (b >= 0x80)

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

}  // namespace

char32_t NextCodePoint(std::string_view text, std::size_t& pos) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(pos);
  if (lead < 0x80) {
    ++pos;
    return lead;
  }
  std::size_t length = 0;
  char32_t cp = 0;
  char32_t minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, cp = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, cp = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, cp = lead & 0x07, minimum = 0x10000;
  }
  if (length == 0 || pos + length > text.size()) {
    ++pos;
    return kEscapeBase + lead;
  }
  for (std::size_t i = 1; i < length; ++i) {
    if (!IsContinuation(byte(pos + i))) {
      ++pos;
      return kEscapeBase + lead;
    }
    cp = (cp << 6) | (byte(pos + i) & 0x3F);
  }
  if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    ++pos;
    return kEscapeBase + lead;
  }
  pos += length;
  return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp >= kEscapeBase + 0x80 && cp <= kEscapeBase + 0xFF) {
    out += static_cast<char>(cp - kEscapeBase);  // an escaped invalid byte goes back as it was
  } else if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

bool IsValidUtf8(std::string_view text) {
  // Valid UTF-8 never decodes to a surrogate, so an escape code point means a bad byte.
  for (std::size_t pos = 0; pos < text.size();) {
    const char32_t cp = NextCodePoint(text, pos);
    if (cp >= kEscapeBase + 0x80 && cp <= kEscapeBase + 0xFF) return false;
  }
  return true;
}

}  // namespace common
