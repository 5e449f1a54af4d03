#include "galdrin/wmi_value.h"

#include <gtest/gtest.h>

#include "galdrin/drive_size.h"

namespace galdrin {
namespace {

struct ValueCase {
  const char* name;
  WmiValue value;
  const char* text;
};

WmiValue Scalar(int type, WmiScalar item) { return {.cimType = type, .items = {std::move(item)}}; }
WmiValue Array(int type, std::vector<WmiScalar> items) {
  return {.cimType = type | kCimArrayFlag, .items = std::move(items)};
}

TEST(WmiValueText, ConvertsEachCimType) {
  const ValueCase cases[] = {
      {"null string", {.cimType = kCimString, .isNull = true}, "NULL"},
      {"null uint32", {.cimType = kCimUint32, .isNull = true}, "NULL"},
      {"null array", {.cimType = kCimString | kCimArrayFlag, .isNull = true}, "NULL"},
      {"sint8", Scalar(kCimSint8, std::int64_t{-8}), "-8"},
      {"uint8", Scalar(kCimUint8, std::int64_t{255}), "255"},
      {"sint16", Scalar(kCimSint16, std::int64_t{-32768}), "-32768"},
      {"uint16", Scalar(kCimUint16, std::int64_t{65535}), "65535"},
      {"sint32", Scalar(kCimSint32, std::int64_t{-2147483647 - 1}), "-2147483648"},
      {"uint32", Scalar(kCimUint32, std::int64_t{4293918720}), "4293918720"},
      {"sint64 as text", Scalar(kCimSint64, std::string("-9223372036854775808")), "-9223372036854775808"},
      {"uint64 as text", Scalar(kCimUint64, std::string("18446744073709551615")), "18446744073709551615"},
      {"real32", Scalar(kCimReal32, 0.1f), "0.1"},
      {"real64", Scalar(kCimReal64, 2.5), "2.5"},
      {"real64 large", Scalar(kCimReal64, 1e20), "1e+20"},
      {"string", Scalar(kCimString, std::string("Wine Disk Drive")), "Wine Disk Drive"},
      {"empty string", Scalar(kCimString, std::string()), ""},
      {"boolean true", Scalar(kCimBoolean, true), "True"},
      {"boolean false", Scalar(kCimBoolean, false), "False"},
      {"object", Scalar(kCimObject, std::monostate{}), "<CIM Object>"},
      {"datetime", Scalar(kCimDatetime, std::string("20240131120000.000000+060")), "20240131120000.000000+060"},
      {"reference", Scalar(kCimReference, std::string(R"(Win32_DiskDrive.DeviceID="X")")), R"(Win32_DiskDrive.DeviceID="X")"},
      {"char16", Scalar(kCimChar16, std::int64_t{65}), "<16-bit character>"},
      {"unknown type", Scalar(0, std::string("x")), ""},
      {"uint16 array", Array(kCimUint16, {std::int64_t{3}, std::int64_t{10}, std::int64_t{2}}), "3|10|2"},
      {"uint32 array", Array(kCimUint32, {std::int64_t{4294967295}}), "4294967295"},
      {"string array", Array(kCimString, {std::string("a b"), std::string(""), std::string("c")}), "a b||c"},
      {"uint64 array", Array(kCimUint64, {std::string("1"), std::string("2")}), "1|2"},
      {"empty array", Array(kCimString, {}), ""},
      {"boolean array", Array(kCimBoolean, {true, false}), ""},
      {"real array", Array(kCimReal64, {1.5}), ""},
  };
  for (const ValueCase& c : cases) EXPECT_EQ(WmiValueText(c.value), c.text) << c.name;
}

TEST(DriveSizeText, GigabytesWithTwoDecimalsAndTheUsersSeparator) {
  struct Case {
    const char* size;
    const char* separator;
    const char* text;
  };
  const Case cases[] = {
      {"1073741824", ".", "1.00 Gb"},
      {"1073741824", ",", "1,00 Gb"},
      {"82252800000", ".", "76.60 Gb"},
      {"500107862016", ",", "465,76 Gb"},
      {"2000398934016", ".", "1863.02 Gb"},
      {"0", ".", "0.00 Gb"},
      {"5368709", ".", "0.00 Gb"},
      {"5368710", ".", "0.01 Gb"},
      {" 1073741824 ", ".", "1.00 Gb"},
      {"NULL", ".", "NULL"},
      {"", ".", ""},
      {"12 GB", ".", "12 GB"},
      {"inf", ".", "inf"},
  };
  for (const Case& c : cases) EXPECT_EQ(DriveSizeText(c.size, c.separator), c.text) << c.size;
}

}  // namespace
}  // namespace galdrin
