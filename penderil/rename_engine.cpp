#include "penderil/rename_engine.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <vector>

#include "penderil/replace_text.h"

namespace penderil {

void AppendCounterText(std::string& out, std::int64_t value, int minimumDigits) {
  // Written from the end into a buffer, then appended at once. The magnitude is taken
  // as unsigned so that the lowest value has one too; printf's precision means at least
  // that many digits, and 0 digits for the value 0 is no text.
  constexpr int kMaxDigits = 64;
  char buffer[kMaxDigits + 2];
  char* end = buffer + sizeof buffer;
  char* p = end;
  std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  while (magnitude != 0) {
    *--p = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  }
  const int wanted = std::clamp(minimumDigits, 0, kMaxDigits);
  while (end - p < wanted) *--p = '0';
  if (value < 0) *--p = '-';
  out.append(p, static_cast<std::size_t>(end - p));
}

std::string CounterText(std::int64_t value, int minimumDigits) {
  std::string text;
  AppendCounterText(text, value, minimumDigits);
  return text;
}

bool ReplaceInList(std::string_view search, std::string_view replacement, RenameList& list, bool matchCase) {
  const TextReplacer replacer(search, replacement, matchCase);
  bool changed = false;
  std::string scratch;
  for (auto& entry : list) changed |= replacer.Replace(entry.newName, scratch);
  return changed;
}

namespace {

// The extension (dot included) and base name of a file name, by the rule of SplitPath.
struct NameParts {
  std::string_view baseName;
  std::string_view extension;
};

NameParts SplitName(std::string_view name) {
  const std::size_t last = name.find_last_of(".\\:");
  if (last == std::string_view::npos || name[last] != '.') return {name, {}};
  return {name.substr(0, last), name.substr(last)};
}

// A working text (the name mask, or the name mask, a dot and the extension mask) split
// into literal text and tokens, so that an entry's New Name is written in one pass.
class CompiledMask {
 public:
  explicit CompiledMask(std::string text) : text_(std::move(text)) {
    std::size_t literalStart = 0;
    for (std::size_t p = 0; p + 1 < text_.size(); ++p) {
      if (text_[p] != '?' || !IsTokenLetter(text_[p + 1])) continue;
      if (p > literalStart) pieces_.push_back({0, literalStart, p - literalStart});
      // A "?" just before a token joins the value that replaces it and may form a
      // token for a later step: only the step-by-step replacement gets that right.
      if (p > 0 && text_[p - 1] == '?') onePass_ = false;
      pieces_.push_back({static_cast<char>(text_[p + 1] | 0x20), p, 2});
      literalStart = p + 2;
      ++p;
    }
    if (literalStart < text_.size()) pieces_.push_back({0, literalStart, text_.size() - literalStart});
  }

  const std::string& Text() const { return text_; }
  bool OnePass() const { return onePass_; }

  // Writes the text with every token replaced by its value; a token whose value is
  // empty stays as typed.
  template <typename ValueOf>
  void Expand(std::string& out, ValueOf valueOf) const {
    // Sizes first, then one resize and plain copies: no growth checks per piece. (The
    // arrays are left uninitialised: only the first `count` entries are used.)
    const char* data[kMaxPieces];
    std::size_t size[kMaxPieces];
    const std::size_t count = std::min(pieces_.size(), kMaxPieces);
    std::size_t total = 0;
    for (std::size_t i = 0; i < count; ++i) {
      const Piece& piece = pieces_[i];
      const std::string_view typed(text_.data() + piece.start, piece.length);
      const std::string_view value = piece.token == 0 ? typed : valueOf(piece.token);
      const std::string_view text = value.empty() ? typed : value;
      data[i] = text.data();
      size[i] = text.size();
      total += text.size();
    }
    out.resize(total);
    char* to = out.data();
    for (std::size_t i = 0; i < count; ++i) {
      std::memcpy(to, data[i], size[i]);
      to += size[i];
    }
    for (std::size_t i = count; i < pieces_.size(); ++i) AppendPiece(out, pieces_[i], valueOf);
  }

 private:
  struct Piece {
    char token;  // 0 for literal text, else the token's small letter
    std::size_t start;
    std::size_t length;
  };
  static constexpr std::size_t kMaxPieces = 16;  // longer masks go on piece by piece

  template <typename ValueOf>
  void AppendPiece(std::string& out, const Piece& piece, ValueOf valueOf) const {
    const std::string_view typed(text_.data() + piece.start, piece.length);
    const std::string_view value = piece.token == 0 ? typed : valueOf(piece.token);
    out += value.empty() ? typed : value;
  }

  static bool IsTokenLetter(char c) {
    switch (c | 0x20) {
      case 'n':
      case 'e':
      case 't':
      case 'd':
      case 'c':
        return true;  // only the two letters of each give these under | 0x20
      default:
        return false;
    }
  }

  std::string text_;
  std::vector<Piece> pieces_;
  bool onePass_ = true;
};

bool HasQuestionMark(std::string_view text) { return text.find('?') != std::string_view::npos; }

static_assert(std::endian::native == std::endian::little, "the word scan reads bytes in little-endian order");

// What the expansion needs to know of a file name, found in one look at it.
struct NameTraits {
  bool ascii = true;          // every byte below 0x80
  bool questionMark = false;  // holds a "?"
};

NameTraits LookAt(std::string_view name) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
  constexpr std::uint64_t kHigh = 0x8080808080808080ULL;
  constexpr std::uint64_t kQuestionMarks = kOnes * '?';
  NameTraits traits;
  std::uint64_t high = 0;
  std::size_t i = 0;
  for (; i + 8 <= name.size(); i += 8) {
    std::uint64_t word;
    std::memcpy(&word, name.data() + i, 8);
    high |= word;
    const std::uint64_t x = word ^ kQuestionMarks;
    if (((x - kOnes) & ~x & kHigh) != 0) traits.questionMark = true;  // some byte of x is zero
  }
  traits.ascii = (high & kHigh) == 0;
  for (; i < name.size(); ++i) {
    traits.ascii = traits.ascii && static_cast<unsigned char>(name[i]) < 0x80;
    traits.questionMark = traits.questionMark || name[i] == '?';
  }
  return traits;
}

}  // namespace

// Every entry goes through the steps in their order (before pass, masks, after pass)
// in one visit, so a rebuild walks the list's memory once; entries do not depend on one
// another, so this gives what pass after pass over the whole list gives. The tokens are
// replaced "?n", "?e", "?t", "?d", "?c" one after the other; when no value holds a "?"
// and no "?" stands just before a token, no replacement can make a new token, and one
// pass over the compiled mask gives the same text.
bool BuildNewNames(RenameList& list, const TReplaceOptionsStruct& settings, const RegionalClock& clock) {
  if (list.empty()) return true;
  // A pass with an empty search or replacement text changes nothing and is skipped.
  const bool passes = !settings.searchText.empty() && !settings.replacementText.empty();
  const bool before = passes && settings.replaceBefore;
  const bool after = passes && settings.replaceAfter;
  const TextReplacer replacer(settings.searchText, settings.replacementText, settings.matchCase);

  const ClockTexts now = clock.Now();
  const bool clockOnePass = !HasQuestionMark(now.time) && !HasQuestionMark(now.date);
  // A New Name is plain ASCII when its name is: the masks, the clock texts and the
  // replacement add none of their own.
  const bool othersAscii = IsPlainAscii(settings.nameMask) && IsPlainAscii(settings.extensionMask) &&
                           IsPlainAscii(now.time) && IsPlainAscii(now.date) && IsPlainAscii(settings.replacementText);
  const CompiledMask nameOnly(settings.nameMask);
  const CompiledMask withExtension(settings.nameMask + "." + settings.extensionMask);

  std::int64_t counter = settings.counterStart;
  std::string name;  // the before pass's result
  std::string scratch;
  std::string counterText;
  for (auto& entry : list) {
    const PathParts path = SplitPath(entry.fullPath);
    NameParts parts{path.baseName, path.extension};
    NameTraits traits = LookAt(path.fileName);
    if (before && (traits.ascii ? replacer.ReplaceIntoAscii(path.fileName, name)
                                : replacer.ReplaceInto(path.fileName, name))) {
      // The name the masks work on: the file name with the replacements made.
      parts = SplitName(name);
      traits = LookAt(name);
    }
    const std::string_view extension = parts.extension.substr(std::min<std::size_t>(1, parts.extension.size()));
    counterText.clear();
    AppendCounterText(counterText, counter, settings.minimumDigits);
    counter += settings.counterStep;

    const CompiledMask& mask = parts.extension.empty() ? nameOnly : withExtension;
    std::string& out = entry.newName;
    if (mask.OnePass() && clockOnePass && !traits.questionMark) {
      mask.Expand(out, [&](char token) -> std::string_view {
        switch (token) {
          case 'n': return parts.baseName;
          case 'e': return extension;
          case 't': return now.time;
          case 'd': return now.date;
          default: return counterText;
        }
      });
    } else {
      out.assign(mask.Text());
      ReplaceToken(out, 'n', parts.baseName, scratch);
      ReplaceToken(out, 'e', extension, scratch);
      ReplaceToken(out, 't', now.time, scratch);
      ReplaceToken(out, 'd', now.date, scratch);
      ReplaceToken(out, 'c', counterText, scratch);
    }
    if (after && (traits.ascii && othersAscii ? replacer.ReplaceIntoAscii(out, scratch)
                                              : replacer.ReplaceInto(out, scratch))) {
      out.swap(scratch);
    }
  }
  return true;
}

}  // namespace penderil
