// Replace-all in one text: the search-and-replace of the renamer and the replacement of
// the mask tokens.
#pragma once

#include <string>
#include <string_view>

namespace penderil {

// Replaces every occurrence of `search` in `text`, scanning left to right: matches never
// overlap and inserted text is never scanned again. With `matchCase` off, characters
// match when their capitals do (the user's locale; accented letters included). Returns
// true when at least one occurrence was replaced. An empty search text, text or
// replacement changes nothing, so an empty replacement never deletes.
bool ReplaceInText(std::string_view search, std::string_view replacement, std::string& text, bool matchCase);

// ReplaceInText with one search, replacement and match-case setting for many texts.
// The texts must outlive no call; the replacer keeps views of its arguments.
class TextReplacer {
 public:
  TextReplacer(std::string_view search, std::string_view replacement, bool matchCase);

  // ReplaceInText on `text`; `scratch` is a buffer the caller keeps, so that replacing
  // in many texts allocates nothing once the buffers have grown.
  bool Replace(std::string& text, std::string& scratch) const;
  // Writes `source` with the replacements made into `out` and returns true; returns
  // false, leaving `out` as it was, when nothing matched.
  bool ReplaceInto(std::string_view source, std::string& out) const;
  // The same for a source the caller knows to be plain ASCII (spares looking).
  bool ReplaceIntoAscii(std::string_view source, std::string& out) const;

 private:
  std::string_view search_;
  std::string_view replacement_;
  bool matchCase_;
  bool asciiSearch_;
};

// True when every byte of the text is below 0x80.
bool IsPlainAscii(std::string_view text);

// ReplaceInText("?" + letter, value, text, false) for a mask token letter (n, e, t, d,
// c): "?N" works as "?n". `scratch` is a buffer the caller keeps to spare allocations.
void ReplaceToken(std::string& text, char letter, std::string_view value, std::string& scratch);

}  // namespace penderil
