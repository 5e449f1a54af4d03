#include "penderil/replace_text.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

#include "common/text_case.h"
#include "common/utf8.h"

namespace penderil {

namespace {

constexpr std::size_t kNone = std::string_view::npos;
constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

bool IsAscii(std::string_view text) {
  // Eight bytes at a time: names are short, but there are many of them.
  std::size_t i = 0;
  for (; i + 8 <= text.size(); i += 8) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + i, 8);
    if (word & kHighBits) return false;
  }
  for (; i < text.size(); ++i) {
    if (static_cast<unsigned char>(text[i]) >= 0x80) return false;
  }
  return true;
}

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

// Eight ASCII bytes with A-Z made small, all at once.
std::uint64_t SmallLetters(std::uint64_t word) {
  const std::uint64_t aboveZ = word + kOnes * (0x80 - 'Z' - 1);  // high bit set where byte > 'Z'
  const std::uint64_t fromA = word + kOnes * (0x80 - 'A');        // high bit set where byte >= 'A'
  const std::uint64_t capitals = (fromA & ~aboveZ) & kHighBits;
  return word | (capitals >> 2);  // 0x20 on every capital
}

// Bytes of `word` that may be zero: every zero byte is marked; a mark above a zero
// may be false, which the caller's full comparison settles.
std::uint64_t ZeroBytes(std::uint64_t word) { return (word - kOnes) & ~word & kHighBits; }

// First match at or after `from` in ASCII text, letters in any case. Candidates for the
// first character are found eight bytes at a time.
std::size_t FindAsciiIgnoringCase(std::string_view text, std::string_view search, std::size_t from) {
  const std::size_t last = text.size() - search.size();  // text is at least as long as search
  const char first = AsciiUpper(search[0]);
  const auto matchesAt = [&](std::size_t p) {
    for (std::size_t i = 1; i < search.size(); ++i) {
      if (AsciiUpper(text[p + i]) != AsciiUpper(search[i])) return false;
    }
    return true;
  };
  const std::uint64_t pattern = kOnes * static_cast<unsigned char>(first | ((first >= 'A' && first <= 'Z') ? 0x20 : 0));
  std::size_t p = from;
  for (; p + 8 <= text.size() && p <= last; p += 8) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + p, 8);
    for (std::uint64_t marks = ZeroBytes(SmallLetters(word) ^ pattern); marks != 0; marks &= marks - 1) {
      const std::size_t q = p + static_cast<std::size_t>(std::countr_zero(marks)) / 8;
      if (q > last) return kNone;
      if (AsciiUpper(text[q]) == first && matchesAt(q)) return q;
    }
  }
  for (; p <= last; ++p) {
    if (AsciiUpper(text[p]) == first && matchesAt(p)) return p;
  }
  return kNone;
}

// First match at or after `from`: bytes equal, or ASCII letters equal in any case.
std::size_t FindBytes(std::string_view text, std::string_view search, std::size_t from, bool ignoreCase) {
  return ignoreCase ? FindAsciiIgnoringCase(text, search, from) : text.find(search, from);
}

// Byte-wise replace-all of `source` into `out`: exact for a case-sensitive search (UTF-8
// matches start on character boundaries) and for ASCII text and search without case.
bool ReplaceBytes(std::string_view search, std::string_view replacement, std::string_view source, bool ignoreCase,
                  std::string& out) {
  if (source.size() < search.size()) return false;
  std::size_t match = FindBytes(source, search, 0, ignoreCase);
  if (match == kNone) return false;
  out.clear();
  std::size_t done = 0;
  while (match != kNone) {
    out.append(source.substr(done, match - done));
    out.append(replacement);
    done = match + search.size();
    match = done + search.size() <= source.size() ? FindBytes(source, search, done, ignoreCase) : kNone;
  }
  out.append(source.substr(done));
  return true;
}

// The code points of a text in capitals, one for each code point of the text.
std::u32string UpperCodePoints(std::string_view text, std::vector<std::size_t>* offsets) {
  std::u32string original;
  for (std::size_t pos = 0; pos < text.size();) {
    if (offsets) offsets->push_back(pos);
    original.push_back(common::NextCodePoint(text, pos));
  }
  if (offsets) offsets->push_back(text.size());
  // The whole text at once is one call into the locale; when that changes the number
  // of characters (a letter whose capital is two), each character is mapped alone.
  const std::string upperText = common::ToUpperText(text);
  std::u32string upper;
  upper.reserve(original.size());
  for (std::size_t pos = 0; pos < upperText.size();) upper.push_back(common::NextCodePoint(upperText, pos));
  if (upper.size() == original.size()) return upper;
  upper.clear();
  for (const char32_t cp : original) {
    std::string one;
    common::AppendUtf8(one, cp);
    const std::string mapped = common::ToUpperText(one);
    std::size_t pos = 0;
    const char32_t first = mapped.empty() ? cp : common::NextCodePoint(mapped, pos);
    upper.push_back(pos == mapped.size() ? first : cp);
  }
  return upper;
}

// Replace-all without case on text that is not plain ASCII: positions count characters.
bool ReplaceCharacters(std::string_view search, std::string_view replacement, std::string_view source,
                       std::string& out) {
  std::vector<std::size_t> offsets;
  const std::u32string upperText = UpperCodePoints(source, &offsets);
  const std::u32string upperSearch = UpperCodePoints(search, nullptr);
  const std::size_t n = upperText.size();
  const std::size_t m = upperSearch.size();
  if (n < m) return false;
  bool replaced = false;
  std::size_t copiedUpTo = 0;  // byte offset in source
  for (std::size_t p = 0; p + m <= n;) {
    if (upperText.compare(p, m, upperSearch) == 0) {
      if (!replaced) out.clear();
      out.append(source.substr(copiedUpTo, offsets[p] - copiedUpTo));
      out.append(replacement);
      p += m;
      copiedUpTo = offsets[p];
      replaced = true;
    } else {
      ++p;
    }
  }
  if (replaced) out.append(source.substr(copiedUpTo));
  return replaced;
}

}  // namespace

TextReplacer::TextReplacer(std::string_view search, std::string_view replacement, bool matchCase)
    : search_(search), replacement_(replacement), matchCase_(matchCase), asciiSearch_(IsAscii(search)) {}

bool TextReplacer::ReplaceInto(std::string_view source, std::string& out) const {
  if (search_.empty() || source.empty() || replacement_.empty()) return false;
  if (matchCase_) return ReplaceBytes(search_, replacement_, source, false, out);
  if (asciiSearch_ && IsAscii(source)) return ReplaceBytes(search_, replacement_, source, true, out);
  return ReplaceCharacters(search_, replacement_, source, out);
}

bool TextReplacer::ReplaceIntoAscii(std::string_view source, std::string& out) const {
  if (search_.empty() || source.empty() || replacement_.empty()) return false;
  if (matchCase_ || !asciiSearch_) return ReplaceInto(source, out);
  return ReplaceBytes(search_, replacement_, source, true, out);
}

bool IsPlainAscii(std::string_view text) { return IsAscii(text); }

bool TextReplacer::Replace(std::string& text, std::string& scratch) const {
  if (!ReplaceInto(text, scratch)) return false;
  text.swap(scratch);
  return true;
}

bool ReplaceInText(std::string_view search, std::string_view replacement, std::string& text, bool matchCase) {
  std::string scratch;
  return TextReplacer(search, replacement, matchCase).Replace(text, scratch);
}

// A byte scan is exact for the tokens: in UTF-8 the bytes of "?" and of ASCII letters
// stand only for themselves, and no other character has "?", N, E, T, D or C as its
// capital.
void ReplaceToken(std::string& text, char letter, std::string_view value, std::string& scratch) {
  if (value.empty()) return;
  const char small = letter;
  const char capital = static_cast<char>(letter - 32);
  const auto next = [&](std::size_t from) {
    for (std::size_t p = text.find('?', from); p != kNone && p + 1 < text.size(); p = text.find('?', p + 1)) {
      if (text[p + 1] == small || text[p + 1] == capital) return p;
    }
    return kNone;
  };
  std::size_t match = next(0);
  if (match == kNone) return;
  scratch.clear();
  std::size_t done = 0;
  while (match != kNone) {
    scratch.append(text, done, match - done);
    scratch.append(value);
    done = match + 2;
    match = next(done);
  }
  scratch.append(text, done, kNone);
  text.swap(scratch);
}

}  // namespace penderil
