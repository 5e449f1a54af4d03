#include "win32/error.h"

#include "win32/utf.h"

namespace win32 {

namespace {

std::string Compose(std::string_view what, DWORD code) {
  std::string message(what);
  const std::string reason = SystemMessage(code);
  message += ": ";
  message += reason.empty() ? "error " + std::to_string(code) : reason;
  return message;
}

}  // namespace

Win32Error::Win32Error(std::string_view what, DWORD code) : std::runtime_error(Compose(what, code)), code_(code) {}

std::string SystemMessage(DWORD code) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
      reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text(buffer ? buffer : L"", length);
  LocalFree(buffer);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) text.pop_back();
  return Narrow(text);
}

void ThrowLastError(std::string_view what) { ThrowError(what, GetLastError()); }

void ThrowError(std::string_view what, DWORD code) { throw Win32Error(what, code); }

void ThrowIfFailed(HRESULT result, std::string_view what) {
  if (FAILED(result)) throw Win32Error(what, static_cast<DWORD>(result));
}

}  // namespace win32
