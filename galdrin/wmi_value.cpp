#include "galdrin/wmi_value.h"

#include <charconv>

namespace galdrin {

namespace {

bool IsIntegerType(int type) {
  switch (type) {
    case kCimSint8:
    case kCimUint8:
    case kCimSint16:
    case kCimUint16:
    case kCimSint32:
    case kCimUint32:
    case kCimSint64:
      return true;
    default:
      return false;
  }
}

template <typename Number>
std::string ShortestText(Number number) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof(buffer), number);
  return std::string(buffer, result.ptr);
}

// Integers and strings: whatever form the element came in, as text.
std::string PlainText(const WmiScalar& item) {
  if (const auto* number = std::get_if<std::int64_t>(&item)) return std::to_string(*number);
  if (const auto* text = std::get_if<std::string>(&item)) return *text;
  if (const auto* real = std::get_if<double>(&item)) return ShortestText(*real);
  if (const auto* flag = std::get_if<bool>(&item)) return *flag ? "True" : "False";
  return {};
}

std::string ScalarText(int type, const WmiScalar& item) {
  if (IsIntegerType(type) || type == kCimString || type == kCimUint64 || type == kCimDatetime ||
      type == kCimReference) {
    return PlainText(item);
  }
  switch (type) {
    case kCimReal32:
      if (const auto* real = std::get_if<double>(&item)) return ShortestText(static_cast<float>(*real));
      return PlainText(item);
    case kCimReal64:
      return PlainText(item);
    case kCimBoolean:
      if (const auto* flag = std::get_if<bool>(&item)) return *flag ? "True" : "False";
      return PlainText(item);
    case kCimObject:
      return "<CIM Object>";
    case kCimChar16:
      return "<16-bit character>";
    default:
      return {};
  }
}

}  // namespace

std::string WmiValueText(const WmiValue& value) {
  if (value.isNull) return "NULL";
  const int type = value.cimType & ~kCimArrayFlag;
  if (value.IsArray()) {
    if (!IsIntegerType(type) && type != kCimString && type != kCimUint64) return {};
    std::string joined;
    for (std::size_t i = 0; i < value.items.size(); ++i) {
      if (i > 0) joined += '|';
      joined += PlainText(value.items[i]);
    }
    return joined;
  }
  return value.items.empty() ? std::string() : ScalarText(type, value.items.front());
}

}  // namespace galdrin
