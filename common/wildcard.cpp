#include "common/wildcard.h"

#include <string>
#include <vector>

#include "common/text_case.h"
#include "common/utf8.h"

namespace common {

namespace {

std::u32string CodePoints(std::string_view text) {
  std::u32string out;
  for (std::size_t pos = 0; pos < text.size();) out += NextCodePoint(text, pos);
  return out;
}

// Classic greedy matcher with one back-tracking point for the last "*".
bool Match(const std::u32string& name, const std::u32string& mask) {
  std::size_t n = 0, m = 0;
  std::size_t starMask = std::u32string::npos, starName = 0;
  while (n < name.size()) {
    if (m < mask.size() && (mask[m] == U'?' || mask[m] == name[n])) {
      ++n, ++m;
    } else if (m < mask.size() && mask[m] == U'*') {
      starMask = m++;
      starName = n;
    } else if (starMask != std::u32string::npos) {
      m = starMask + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == U'*') ++m;
  return m == mask.size();
}

}  // namespace

bool MatchesMask(std::string_view name, std::string_view mask) {
  if (mask == "*" || mask == "*.*") return true;
  const std::u32string n = CodePoints(ToLowerText(name));
  const std::u32string m = CodePoints(ToLowerText(mask));
  if (Match(n, m)) return true;
  // "name.*" also matches "name" alone.
  if (m.size() >= 2 && m.ends_with(U".*") && n.find(U'.') == std::u32string::npos) {
    return Match(n, m.substr(0, m.size() - 2));
  }
  return false;
}

}  // namespace common
