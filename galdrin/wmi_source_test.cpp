// The WMI source against Wine's own WMI service, and the conversion of the values WMI
// hands over.
#include "galdrin/wmi_source.h"

#include <gtest/gtest.h>

#include <oleauto.h>

#include "galdrin/query_texts.h"
#include "galdrin/testing/scripted_wmi.h"
#include "win32/com.h"

namespace galdrin {
namespace {

class WmiSourceTest : public ::testing::Test {
 protected:
  win32::ComInitializer com_;
};

TEST_F(WmiSourceTest, AnswersWithOneConnectionForEveryQuestion) {
  WmiSource wmi;
  const QueryResult cpu = wmi.WmiQueryValue(kProcessorQuery, "Name");
  EXPECT_EQ(cpu.count, 1);
  EXPECT_FALSE(cpu.text.empty());
  const QueryResult width = wmi.WmiQueryValue(kProcessorQuery, "AddressWidth");
  EXPECT_EQ(width.count, 1);
  EXPECT_EQ(width.text, "64");
  const QueryResult video = wmi.WmiQueryValue(kVideoControllerQuery, "Name");
  EXPECT_EQ(video.count, 1);
  EXPECT_FALSE(video.text.empty());
  // uint32 arrives as a signed VT_I4; the report shows the number WMI means.
  const QueryResult memory = wmi.WmiQueryValue(kVideoControllerQuery, "AdapterRAM");
  EXPECT_EQ(memory.count, 1);
  EXPECT_FALSE(memory.text.empty());
  EXPECT_EQ(memory.text.find_first_not_of("0123456789"), std::string::npos) << memory.text;
  EXPECT_EQ(wmi.Connections(), 1);
}

TEST_F(WmiSourceTest, FailuresCountMinusOneQueriesFindingNothingZeroAndSeveralObjectsGiveNoText) {
  WmiSource wmi;
  // Windows fails a query on an unknown class; Wine finds nothing. Both count as nothing.
  const QueryResult unknownClass = wmi.WmiQueryValue("SELECT * FROM Win32_NoSuchClass", "Name");
  EXPECT_LE(unknownClass.count, 0);
  EXPECT_EQ(unknownClass.text, "");
  EXPECT_EQ(wmi.WmiQueryValue("SELEKT nonsense", "Name"), (QueryResult{-1, ""}));
  EXPECT_EQ(wmi.WmiQueryValue(kBaseBoardQuery, "NoSuchProperty"), (QueryResult{-1, ""}));
  // Wine's disk drives have no Name property, so the hard drive table's query fails.
  EXPECT_EQ(wmi.WmiQueryValue(DiskQuery(0), "Size"), (QueryResult{-1, ""}));
  // Wine compares WQL strings without undoing the backslash escapes: no drive matches.
  EXPECT_EQ(wmi.WmiQueryValue(DiskSerialQuery(0), "SerialNumber"), (QueryResult{0, ""}));

  const QueryResult processes = wmi.WmiQueryValue("SELECT * FROM Win32_Process", "Name");
  EXPECT_GE(processes.count, 2) << "this test and Wine's services run";
  EXPECT_EQ(processes.text, "");
  EXPECT_EQ(wmi.Connections(), 1);
}

TEST_F(WmiSourceTest, BoardNameIsManufacturerAndProduct) {
  WmiSource wmi;
  const QueryResult manufacturer = wmi.WmiQueryValue(kBaseBoardQuery, "Manufacturer");
  const QueryResult product = wmi.WmiQueryValue(kBaseBoardQuery, "Product");
  ASSERT_EQ(manufacturer.count, 1);
  ASSERT_EQ(product.count, 1);
  EXPECT_EQ(wmi.WmiBoardName(), manufacturer.text + " " + product.text);
}

TEST_F(WmiSourceTest, AConnectionPerQuestionGivesTheSameAnswers) {
  WmiSource once;
  WmiSource each(WmiSource::Connection::PerQuestion);
  for (const char* property : {"Name", "Caption", "Manufacturer", "ProcessorId", "NoSuchProperty"}) {
    EXPECT_EQ(each.WmiQueryValue(kProcessorQuery, property), once.WmiQueryValue(kProcessorQuery, property)) << property;
  }
  EXPECT_EQ(each.WmiBoardName(), once.WmiBoardName());
  EXPECT_EQ(each.Connections(), 6);
  EXPECT_EQ(once.Connections(), 1);
}

// VARIANTs as WMI fills them, and their text.
class Variant {
 public:
  Variant() { VariantInit(&value); }
  ~Variant() { VariantClear(&value); }
  VARIANT value;
};

SAFEARRAY* MakeArray(VARTYPE type, LONG count) { return SafeArrayCreateVector(type, 0, static_cast<ULONG>(count)); }

TEST(WmiValueFromVariant, ConvertsWhatWmiHandsOver) {
  const auto text = [](const Variant& v, CIMTYPE type) { return WmiValueText(WmiValueFromVariant(v.value, type)); };

  Variant null;
  V_VT(&null.value) = VT_NULL;
  EXPECT_EQ(text(null, CIM_STRING), "NULL");

  Variant number;
  V_VT(&number.value) = VT_I4;
  V_I4(&number.value) = -1048576;
  EXPECT_EQ(text(number, CIM_UINT32), "4293918720");
  EXPECT_EQ(text(number, CIM_SINT32), "-1048576");

  Variant small;
  V_VT(&small.value) = VT_I2;
  V_I2(&small.value) = 65;
  EXPECT_EQ(text(small, CIM_SINT16), "65");
  EXPECT_EQ(text(small, CIM_CHAR16), "<16-bit character>");

  Variant byte;
  V_VT(&byte.value) = VT_UI1;
  V_UI1(&byte.value) = 200;
  EXPECT_EQ(text(byte, CIM_UINT8), "200");

  Variant big;
  V_VT(&big.value) = VT_BSTR;
  V_BSTR(&big.value) = SysAllocString(L"18446744073709551615");
  EXPECT_EQ(text(big, CIM_UINT64), "18446744073709551615");
  EXPECT_EQ(text(big, CIM_STRING), "18446744073709551615");

  Variant unicode;
  V_VT(&unicode.value) = VT_BSTR;
  V_BSTR(&unicode.value) = SysAllocString(L"Gr\u00e4fikkarte \u2122");
  EXPECT_EQ(text(unicode, CIM_STRING), "Gr\xc3\xa4" "fikkarte \xe2\x84\xa2");

  Variant flag;
  V_VT(&flag.value) = VT_BOOL;
  V_BOOL(&flag.value) = VARIANT_TRUE;
  EXPECT_EQ(text(flag, CIM_BOOLEAN), "True");
  V_BOOL(&flag.value) = VARIANT_FALSE;
  EXPECT_EQ(text(flag, CIM_BOOLEAN), "False");

  Variant real;
  V_VT(&real.value) = VT_R4;
  V_R4(&real.value) = 0.25f;
  EXPECT_EQ(text(real, CIM_REAL32), "0.25");

  Variant strings;
  V_VT(&strings.value) = VT_ARRAY | VT_BSTR;
  V_ARRAY(&strings.value) = MakeArray(VT_BSTR, 3);
  for (LONG i = 0; i < 3; ++i) {
    BSTR element = SysAllocString(i == 1 ? L"" : i == 0 ? L"PCI" : L"USB");
    ASSERT_HRESULT_SUCCEEDED(SafeArrayPutElement(V_ARRAY(&strings.value), &i, element));
    SysFreeString(element);
  }
  EXPECT_EQ(text(strings, CIM_STRING | CIM_FLAG_ARRAY), "PCI||USB");

  Variant numbers;
  V_VT(&numbers.value) = VT_ARRAY | VT_I4;
  V_ARRAY(&numbers.value) = MakeArray(VT_I4, 2);
  for (LONG i = 0; i < 2; ++i) {
    LONG element = i == 0 ? 3 : -1;
    ASSERT_HRESULT_SUCCEEDED(SafeArrayPutElement(V_ARRAY(&numbers.value), &i, &element));
  }
  EXPECT_EQ(text(numbers, CIM_UINT32 | CIM_FLAG_ARRAY), "3|4294967295");
  EXPECT_EQ(text(numbers, CIM_SINT32 | CIM_FLAG_ARRAY), "3|-1");

  Variant flags;
  V_VT(&flags.value) = VT_ARRAY | VT_BOOL;
  V_ARRAY(&flags.value) = MakeArray(VT_BOOL, 1);
  EXPECT_EQ(text(flags, CIM_BOOLEAN | CIM_FLAG_ARRAY), "");
}

}  // namespace
}  // namespace galdrin
