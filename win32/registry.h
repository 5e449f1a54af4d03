// Registry values under existing keys. Keys are opened, never created, unless a
// function says otherwise; every failure names the key and the value.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "win32/handles.h"

namespace win32 {

// "HKEY_CURRENT_USER\Software\..." for messages.
std::string RegistryPathText(HKEY root, std::wstring_view key);

// Opens an existing key; throws Win32Error naming the key when it cannot.
UniqueHkey OpenRegistryKey(HKEY root, std::wstring_view key, REGSAM access);

// Opens a key, creating it and missing parents when needed.
UniqueHkey CreateRegistryKey(HKEY root, std::wstring_view key, REGSAM access);

// A REG_DWORD value of an existing key. A missing key or value, or a value of another
// type, is an error naming the key and the value.
std::int32_t ReadRegistryInteger(HKEY root, std::wstring_view key, std::wstring_view valueName);

// Writes a REG_DWORD value into an existing key (the key is not created).
void WriteRegistryInteger(std::int32_t value, HKEY root, std::wstring_view key, std::wstring_view valueName);

struct RegistryValue {
  DWORD type = REG_NONE;
  std::vector<BYTE> data;
};

// Type and bytes of a value; nothing when the key or the value does not exist.
bool QueryRegistryValue(HKEY root, std::wstring_view key, std::wstring_view valueName, RegistryValue& value);

}  // namespace win32
