#include "common/argument_text.h"

namespace common {

std::string QuoteArgument(std::string_view text) {
  if (text.empty()) return "\"\"";
  std::string out;
  out.reserve(text.size() + 2);
  if (text.front() != '"') out += '"';
  out += text;
  if (text.back() != '"') out += '"';
  return out;
}

std::string StripAngleBrackets(std::string_view text) {
  if (!text.empty() && text.front() == '<') text.remove_prefix(1);
  if (!text.empty() && text.back() == '>') text.remove_suffix(1);
  return std::string(text);
}

std::vector<std::string> SplitCommandLine(std::string_view commandLine) {
  std::vector<std::string> arguments;
  std::string current;
  bool inArgument = false;  // a quote alone makes an argument, even an empty one
  bool inQuotes = false;
  for (const char c : commandLine) {
    const bool blank = static_cast<unsigned char>(c) <= ' ';
    if (c == '"') {
      inQuotes = !inQuotes;
      inArgument = true;
    } else if (blank && !inQuotes) {
      if (inArgument) arguments.push_back(std::move(current));
      current.clear();
      inArgument = false;
    } else {
      current += c;
      inArgument = true;
    }
  }
  if (inArgument) arguments.push_back(std::move(current));
  return arguments;
}

std::string CommandLineArgument(const std::vector<std::string>& arguments, std::size_t index) {
  return index < arguments.size() ? arguments[index] : std::string();
}

}  // namespace common
