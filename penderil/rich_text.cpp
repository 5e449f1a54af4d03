#include "penderil/rich_text.h"

#include <richedit.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>

#include "win32/error.h"
#include "win32/handles.h"
#include "win32/utf.h"

namespace penderil {

const wchar_t* RichEditClass() {
  // The library stays loaded for the life of the process: controls made from it may
  // live until the very end.
  static const HMODULE library = LoadLibraryW(L"Msftedit.dll");
  if (!library) win32::ThrowLastError("Cannot load the rich edit library Msftedit.dll");
  return MSFTEDIT_CLASS;
}

namespace {

struct StreamSource {
  const std::string* bytes;
  std::size_t position;
};

DWORD CALLBACK ReadChunk(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
  auto* source = reinterpret_cast<StreamSource*>(cookie);
  const std::size_t left = source->bytes->size() - source->position;
  const std::size_t count = std::min(left, static_cast<std::size_t>(wanted));
  std::memcpy(buffer, source->bytes->data() + source->position, count);
  source->position += count;
  *given = static_cast<LONG>(count);
  return 0;
}

[[noreturn]] void ThrowFileError(const std::wstring& path, DWORD code) {
  throw std::runtime_error("Cannot open file \"" + win32::Narrow(path) + "\". " + win32::SystemMessage(code));
}

std::string ReadBytes(const std::wstring& path) {
  const win32::UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                             FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) ThrowFileError(path, GetLastError());
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) ThrowFileError(path, GetLastError());
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  DWORD read = 0;
  if (!bytes.empty() && (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
                         read != bytes.size())) {
    ThrowFileError(path, GetLastError());
  }
  return bytes;
}

}  // namespace

void LoadRichText(HWND richEdit, const std::wstring& path) {
  const std::string bytes = ReadBytes(path);
  StreamSource source{&bytes, 0};
  EDITSTREAM stream{};
  stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
  stream.pfnCallback = ReadChunk;
  SendMessageW(richEdit, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
  if (stream.dwError != 0) {
    throw std::runtime_error("Cannot read the rich text of \"" + win32::Narrow(path) + "\"");
  }
}

}  // namespace penderil
