#include "common/comma_text.h"

namespace common {

namespace {

// Characters of code 1 to 32: a blank or a control character.
bool IsBlank(char c) { return c != '\0' && static_cast<unsigned char>(c) <= 32; }

bool NeedsQuotes(std::string_view item) {
  for (const char c : item) {
    if (IsBlank(c) || c == '"' || c == ',') return true;
  }
  return false;
}

}  // namespace

std::string ToCommaText(const std::vector<std::string>& items) {
  if (items.size() == 1 && items.front().empty()) return "\"\"";
  std::string text;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) text += ',';
    const std::string& item = items[i];
    if (!NeedsQuotes(item)) {
      text += item;
      continue;
    }
    text += '"';
    for (const char c : item) {
      if (c == '"') text += '"';
      text += c;
    }
    text += '"';
  }
  return text;
}

std::vector<std::string> FromCommaText(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  std::vector<std::string> items;
  std::size_t i = 0;
  const auto skipBlanks = [&] {
    while (i < text.size() && IsBlank(text[i])) ++i;
  };
  skipBlanks();
  while (i < text.size()) {
    std::string item;
    if (text[i] == '"') {
      ++i;
      while (i < text.size()) {
        if (text[i] == '"') {
          if (i + 1 < text.size() && text[i + 1] == '"') {
            item += '"';
            i += 2;
            continue;
          }
          ++i;  // the closing quote
          break;
        }
        item += text[i++];
      }
    } else {
      const std::size_t start = i;
      while (i < text.size() && !IsBlank(text[i]) && text[i] != ',') ++i;
      item.assign(text.substr(start, i - start));
    }
    items.push_back(std::move(item));
    skipBlanks();
    if (i < text.size() && text[i] == ',') {
      ++i;
      skipBlanks();
    }
  }
  return items;
}

}  // namespace common
