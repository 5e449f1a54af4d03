#include "galdrin/wmi_source.h"

#include <oleauto.h>

#include <cstdint>
#include <new>
#include <optional>
#include <string_view>

#include "galdrin/query_texts.h"
#include "win32/utf.h"

namespace galdrin {

namespace {

using Microsoft::WRL::ComPtr;

// WBEM_FLAG_RETURN_IMMEDIATELY: the query returns at once, objects arrive as they are read.
constexpr long kQueryFlags = 16;
static_assert(kQueryFlags == WBEM_FLAG_RETURN_IMMEDIATELY);

class Bstr {
 public:
  explicit Bstr(const std::wstring& text) : text_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {
    if (!text_) throw std::bad_alloc();
  }
  ~Bstr() { SysFreeString(text_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  BSTR get() const noexcept { return text_; }

 private:
  BSTR text_;
};

class Variant {
 public:
  Variant() noexcept { VariantInit(&value_); }
  // Clearing a variant that Get filled cannot fail; there is nothing to do if it did.
  ~Variant() { static_cast<void>(VariantClear(&value_)); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  VARIANT* put() noexcept { return &value_; }
  const VARIANT& get() const noexcept { return value_; }

 private:
  VARIANT value_;
};

// SafeArrayAccessData ... SafeArrayUnaccessData.
class ArrayData {
 public:
  explicit ArrayData(SAFEARRAY* array) : array_(array) {
    if (FAILED(SafeArrayAccessData(array_, &data_))) data_ = nullptr;
  }
  ~ArrayData() {
    if (data_) static_cast<void>(SafeArrayUnaccessData(array_));
  }
  ArrayData(const ArrayData&) = delete;
  ArrayData& operator=(const ArrayData&) = delete;
  const void* get() const noexcept { return data_; }

 private:
  SAFEARRAY* array_;
  void* data_ = nullptr;
};

std::string BstrText(BSTR text) { return text ? win32::Narrow(std::wstring_view(text, SysStringLen(text))) : ""; }

// One element of type `vt` stored at `data` (a VARIANT's union or an array element).
WmiScalar Element(VARTYPE vt, const void* data, int cimType) {
  switch (vt) {
    case VT_I1: return std::int64_t{*static_cast<const signed char*>(data)};
    case VT_UI1: return std::int64_t{*static_cast<const unsigned char*>(data)};
    case VT_I2: return std::int64_t{*static_cast<const SHORT*>(data)};
    case VT_UI2: return std::int64_t{*static_cast<const USHORT*>(data)};
    case VT_I4:
    case VT_INT: {
      const LONG number = *static_cast<const LONG*>(data);
      // WMI hands uint32 over as a signed VT_I4.
      if (cimType == kCimUint32) return std::int64_t{static_cast<std::uint32_t>(number)};
      return std::int64_t{number};
    }
    case VT_UI4:
    case VT_UINT: return std::int64_t{*static_cast<const ULONG*>(data)};
    case VT_I8: return std::int64_t{*static_cast<const LONGLONG*>(data)};
    case VT_UI8: return std::to_string(*static_cast<const ULONGLONG*>(data));
    case VT_R4: return double{*static_cast<const float*>(data)};
    case VT_R8: return *static_cast<const double*>(data);
    case VT_BOOL: return *static_cast<const VARIANT_BOOL*>(data) != VARIANT_FALSE;
    case VT_BSTR: return BstrText(*static_cast<const BSTR*>(data));
    default: return std::monostate{};  // objects, and anything the report does not show
  }
}

// The objects a query found: how many, and the first of them.
struct Found {
  int count = 0;
  ComPtr<IWbemClassObject> first;
};

std::optional<Found> RunQuery(IWbemServices& service, const std::string& query) {
  ComPtr<IEnumWbemClassObject> objects;
  if (FAILED(service.ExecQuery(Bstr(L"WQL").get(), Bstr(win32::Widen(query)).get(), kQueryFlags, nullptr,
                               objects.GetAddressOf()))) {
    return std::nullopt;
  }
  Found found;
  for (;;) {
    ComPtr<IWbemClassObject> object;
    ULONG returned = 0;
    const HRESULT result = objects->Next(static_cast<long>(WBEM_INFINITE), 1, object.GetAddressOf(), &returned);
    if (FAILED(result)) return std::nullopt;
    if (returned == 0) break;
    if (!found.first) found.first = object;
    ++found.count;
  }
  return found;
}

std::optional<std::string> PropertyText(IWbemClassObject& object, const std::string& property) {
  Variant value;
  CIMTYPE type = 0;
  if (FAILED(object.Get(win32::Widen(property).c_str(), 0, value.put(), &type, nullptr))) return std::nullopt;
  return WmiValueText(WmiValueFromVariant(value.get(), type));
}

// Properties of an object that are not system properties ("__CLASS" and the like).
std::optional<long> PropertyCount(IWbemClassObject& object) {
  SAFEARRAY* names = nullptr;
  if (FAILED(object.GetNames(nullptr, WBEM_FLAG_NONSYSTEM_ONLY, nullptr, &names)) || !names) return std::nullopt;
  LONG lower = 0, upper = -1;
  const bool bounds = SUCCEEDED(SafeArrayGetLBound(names, 1, &lower)) && SUCCEEDED(SafeArrayGetUBound(names, 1, &upper));
  if (FAILED(SafeArrayDestroy(names)) || !bounds) return std::nullopt;
  return upper - lower + 1;
}

ComPtr<IWbemServices> Connect() {
  ComPtr<IWbemLocator> locator;
  if (FAILED(CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&locator)))) return {};
  ComPtr<IWbemServices> service;
  if (FAILED(locator->ConnectServer(Bstr(L"root\\CIMV2").get(), nullptr, nullptr, nullptr, 0, nullptr, nullptr,
                                    service.GetAddressOf()))) {
    return {};
  }
  // Calls into the service act with the user's identity. A service in this process
  // (no proxy) has no security blanket to set: E_NOINTERFACE.
  const HRESULT blanket = CoSetProxyBlanket(service.Get(), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr,
                                            RPC_C_AUTHN_LEVEL_CALL, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);
  if (FAILED(blanket) && blanket != E_NOINTERFACE) return {};
  return service;
}

}  // namespace

WmiValue WmiValueFromVariant(const VARIANT& value, CIMTYPE type) {
  WmiValue result{.cimType = static_cast<int>(type)};
  const VARTYPE vt = V_VT(&value);
  if (vt == VT_NULL || vt == VT_EMPTY) {
    result.isNull = true;
    return result;
  }
  const int baseType = static_cast<int>(type) & ~kCimArrayFlag;
  if ((vt & VT_ARRAY) == 0) {
    // Every member of the VARIANT's union starts at the same address.
    result.items.push_back(Element(vt, &V_UI1(&value), baseType));
    return result;
  }
  SAFEARRAY* array = (vt & VT_BYREF) ? *V_ARRAYREF(&value) : V_ARRAY(&value);
  if (!array || SafeArrayGetDim(array) != 1) return result;
  LONG lower = 0, upper = -1;
  if (FAILED(SafeArrayGetLBound(array, 1, &lower)) || FAILED(SafeArrayGetUBound(array, 1, &upper))) return result;
  const ArrayData data(array);
  if (!data.get()) return result;
  const VARTYPE elementType = vt & VT_TYPEMASK;
  const auto* bytes = static_cast<const unsigned char*>(data.get());
  const UINT size = SafeArrayGetElemsize(array);
  for (LONG i = 0; i <= upper - lower; ++i) {
    const void* element = bytes + static_cast<std::size_t>(i) * size;
    if (elementType == VT_VARIANT) {
      const auto& inner = *static_cast<const VARIANT*>(element);
      result.items.push_back(Element(V_VT(&inner), &V_UI1(&inner), baseType));
    } else {
      result.items.push_back(Element(elementType, element, baseType));
    }
  }
  return result;
}

WmiSource::WmiSource(Connection connection) : connection_(connection) {}

ComPtr<IWbemServices> WmiSource::Service() {
  if (connection_ == Connection::PerQuestion) {
    ++connections_;
    return Connect();
  }
  if (!service_ && !unreachable_) {
    ++connections_;
    service_ = Connect();
    unreachable_ = !service_;
  }
  return service_;
}

QueryResult WmiSource::WmiQueryValue(const std::string& query, const std::string& property) {
  const ComPtr<IWbemServices> service = Service();
  if (!service) return {-1, ""};
  const std::optional<Found> found = RunQuery(*service.Get(), query);
  if (!found) return {-1, ""};
  if (found->count != 1) return {found->count, ""};
  const std::optional<std::string> text = PropertyText(*found->first.Get(), property);
  if (!text) return {-1, ""};
  return {1, *text};
}

std::string WmiSource::WmiBoardName() {
  const ComPtr<IWbemServices> service = Service();
  if (!service) return {};
  const std::optional<Found> found = RunQuery(*service.Get(), kBoardNameQuery);
  if (!found || found->count != 1) return {};
  IWbemClassObject& board = *found->first.Get();
  const std::optional<long> properties = PropertyCount(board);
  if (!properties || *properties <= 1) return {};
  const std::optional<std::string> manufacturer = PropertyText(board, "Manufacturer");
  const std::optional<std::string> product = PropertyText(board, "Product");
  if (!manufacturer || !product) return {};
  return *manufacturer + " " + *product;
}

}  // namespace galdrin
