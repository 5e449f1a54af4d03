// Walking UTF-8 text by code point. Bytes that do not form valid UTF-8 come out as
// code points U+DC80..U+DCFF (one per byte), so nothing is lost or merged.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace common {

// Decodes the code point at text[pos] and advances pos past it.
char32_t NextCodePoint(std::string_view text, std::size_t& pos);

void AppendUtf8(std::string& out, char32_t cp);

bool IsValidUtf8(std::string_view text);

}  // namespace common
