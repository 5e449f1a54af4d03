#include "galdrin/drive_size.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

namespace galdrin {

namespace {

constexpr double kBytesPerGb = 1073741824.0;  // 2^30

std::optional<double> Number(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

std::string DriveSizeText(const std::string& size, const std::string& decimalSeparator) {
  const std::optional<double> bytes = Number(size);
  if (!bytes) return size;
  char buffer[400];  // the largest double has 309 digits before the point
  const auto result = std::to_chars(buffer, buffer + sizeof(buffer), *bytes / kBytesPerGb, std::chars_format::fixed, 2);
  std::string text(buffer, result.ptr);
  if (const auto point = text.find('.'); point != std::string::npos) text.replace(point, 1, decimalSeparator);
  return text + " Gb";
}

}  // namespace galdrin
