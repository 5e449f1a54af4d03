#include "marlovin/explorer/explorer_settings_text.h"

#include <stdexcept>

namespace marlovin {

namespace {

int HexDigitValue(char digit) {
  if (digit >= '0' && digit <= '9') return digit - '0';
  if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
  if (digit >= 'a' && digit <= 'f') return digit - 'a' + 10;
  throw std::invalid_argument(std::string("Not a hexadecimal digit: ") + digit);
}

}  // namespace

std::string CompareFormOf(const std::vector<std::uint8_t>& bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  text.reserve(bytes.size() * 3);
  for (const std::uint8_t byte : bytes) {
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0x0F];
    text += ' ';
  }
  return text;
}

std::vector<std::uint8_t> BytesOfStoredForm(std::string_view digits) {
  if (digits.size() % 2 != 0) throw std::invalid_argument("An odd number of hexadecimal digits");
  std::vector<std::uint8_t> bytes;
  bytes.reserve(digits.size() / 2);
  for (std::size_t i = 0; i < digits.size(); i += 2) {
    bytes.push_back(static_cast<std::uint8_t>(HexDigitValue(digits[i]) * 16 + HexDigitValue(digits[i + 1])));
  }
  return bytes;
}

std::string ExplorerSettingsExplanation() {
  const std::string frame72(72, '-');
  const std::string frame65(65, '-');
  const char* const lines[] = {
      "Some Explorer Options need to be set in ",
      "order for this program to work properly",
      "",
      "Those are:",
      "",
      frame72.c_str(),
      "|Show Full Path in Title Bar: Need to be Checked(TRUE)        |",
      frame65.c_str(),
      "|Show Full Path in Adress Bar: Need to be Checked(TRUE)    |",
      frame72.c_str(),
      "",
      "After you click on \"Ok\" button , I'll",
      "set them as needed. ",
      "",
      "Note: DON't EVER change this Options as",
      "long as you're using Marlovin Side Bar.",
  };
  std::string text;
  for (const char* line : lines) {
    text += line;
    text += '\n';
  }
  return text;
}

}  // namespace marlovin
