// A WMI property value in plain C++ (what the COM VARIANT held, with its CIM type), and
// its text in the report.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace galdrin {

// WMI's CIM type codes (the CIMTYPE values of wbemcli.h).
enum CimType : int {
  kCimSint16 = 2,
  kCimSint32 = 3,
  kCimReal32 = 4,
  kCimReal64 = 5,
  kCimString = 8,
  kCimBoolean = 11,
  kCimObject = 13,
  kCimSint8 = 16,
  kCimUint8 = 17,
  kCimUint16 = 18,
  kCimUint32 = 19,
  kCimSint64 = 20,
  kCimUint64 = 21,
  kCimDatetime = 101,
  kCimReference = 102,
  kCimChar16 = 103,
  kCimArrayFlag = 0x2000,
};

// One element: nothing (an object or a character the report does not show), an integer
// (unsigned 32-bit values already made positive), a floating-point number, a boolean or
// text (strings, and 64-bit integers, which WMI hands over as text).
using WmiScalar = std::variant<std::monostate, std::int64_t, double, bool, std::string>;

struct WmiValue {
  int cimType = 0;  // may carry kCimArrayFlag
  bool isNull = false;
  std::vector<WmiScalar> items;  // one item, or the elements of an array

  bool IsArray() const noexcept { return (cimType & kCimArrayFlag) != 0; }
};

// The report's text of a value, by its CIM type: "NULL" for a null value; integers in
// decimal; reals in their shortest round-trip form; strings, 64-bit integers, dates and
// references as they are; "True"/"False"; "<CIM Object>"; "<16-bit character>"; empty
// for any other type. An array of an integer, string or uint64 type gives its elements
// joined by "|"; an array of any other type gives empty text.
std::string WmiValueText(const WmiValue& value);

}  // namespace galdrin
