#include "win32/registry.h"

#include "win32/error.h"
#include "win32/utf.h"

namespace win32 {

namespace {

std::string RootName(HKEY root) {
  if (root == HKEY_CURRENT_USER) return "HKEY_CURRENT_USER";
  if (root == HKEY_LOCAL_MACHINE) return "HKEY_LOCAL_MACHINE";
  if (root == HKEY_CLASSES_ROOT) return "HKEY_CLASSES_ROOT";
  if (root == HKEY_USERS) return "HKEY_USERS";
  return "HKEY";
}

std::string ValueText(HKEY root, std::wstring_view key, std::wstring_view valueName) {
  return "registry value \"" + Narrow(valueName) + "\" of " + RegistryPathText(root, key);
}

}  // namespace

std::string RegistryPathText(HKEY root, std::wstring_view key) { return RootName(root) + "\\" + Narrow(key); }

UniqueHkey OpenRegistryKey(HKEY root, std::wstring_view key, REGSAM access) {
  UniqueHkey handle;
  const LSTATUS status = RegOpenKeyExW(root, std::wstring(key).c_str(), 0, access, handle.put());
  if (status != ERROR_SUCCESS) ThrowError("Cannot open the registry key " + RegistryPathText(root, key), status);
  return handle;
}

UniqueHkey CreateRegistryKey(HKEY root, std::wstring_view key, REGSAM access) {
  UniqueHkey handle;
  const LSTATUS status = RegCreateKeyExW(root, std::wstring(key).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                         access, nullptr, handle.put(), nullptr);
  if (status != ERROR_SUCCESS) ThrowError("Cannot create the registry key " + RegistryPathText(root, key), status);
  return handle;
}

std::int32_t ReadRegistryInteger(HKEY root, std::wstring_view key, std::wstring_view valueName) {
  const UniqueHkey handle = OpenRegistryKey(root, key, KEY_READ);
  DWORD type = REG_NONE;
  DWORD data = 0;
  DWORD size = sizeof(data);
  const LSTATUS status =
      RegQueryValueExW(handle.get(), std::wstring(valueName).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&data), &size);
  if (status != ERROR_SUCCESS && status != ERROR_MORE_DATA) {
    ThrowError("Cannot read the " + ValueText(root, key, valueName), status);
  }
  if (status == ERROR_MORE_DATA || type != REG_DWORD || size != sizeof(data)) {
    throw Win32Error("The " + ValueText(root, key, valueName) + " is not an integer", ERROR_INVALID_DATATYPE);
  }
  return static_cast<std::int32_t>(data);
}

void WriteRegistryInteger(std::int32_t value, HKEY root, std::wstring_view key, std::wstring_view valueName) {
  const UniqueHkey handle = OpenRegistryKey(root, key, KEY_SET_VALUE);
  const DWORD data = static_cast<DWORD>(value);
  const LSTATUS status = RegSetValueExW(handle.get(), std::wstring(valueName).c_str(), 0, REG_DWORD,
                                        reinterpret_cast<const BYTE*>(&data), sizeof(data));
  if (status != ERROR_SUCCESS) ThrowError("Cannot write the " + ValueText(root, key, valueName), status);
}

bool QueryRegistryValue(HKEY root, std::wstring_view key, std::wstring_view valueName, RegistryValue& value) {
  UniqueHkey handle;
  if (RegOpenKeyExW(root, std::wstring(key).c_str(), 0, KEY_READ, handle.put()) != ERROR_SUCCESS) return false;
  const std::wstring name(valueName);
  DWORD size = 0;
  if (RegQueryValueExW(handle.get(), name.c_str(), nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS) return false;
  value.data.resize(size);
  if (RegQueryValueExW(handle.get(), name.c_str(), nullptr, &value.type, value.data.data(), &size) != ERROR_SUCCESS) {
    return false;
  }
  value.data.resize(size);
  return true;
}

}  // namespace win32
