#include "marlovin/explorer/explorer_settings.h"

#include <shellapi.h>

#include <cwctype>
#include <vector>

#include "marlovin/explorer/explorer_settings_text.h"
#include "win32/application.h"
#include "win32/error.h"
#include "win32/handles.h"
#include "win32/registry.h"
#include "win32/utf.h"

namespace marlovin {

namespace {

constexpr DWORD kSettingsSize = 12;
constexpr UINT kCloseTimeoutMs = 5000;
constexpr int kTitleRoom = 198;

// The compare form of the "Settings" value of an open CabinetState key.
std::string SettingsCompareText(HKEY key) {
  std::vector<std::uint8_t> bytes(kSettingsSize);
  DWORD type = REG_NONE;
  DWORD size = kSettingsSize;
  LSTATUS status = RegQueryValueExW(key, L"Settings", nullptr, &type, bytes.data(), &size);
  if (status == ERROR_MORE_DATA) {
    bytes.resize(size);
    status = RegQueryValueExW(key, L"Settings", nullptr, &type, bytes.data(), &size);
  }
  if (status != ERROR_SUCCESS || type != REG_BINARY) return {};
  bytes.resize(size);
  return CompareFormOf(bytes);
}

bool IntegerValueIsOne(HKEY key, const wchar_t* name) {
  DWORD type = REG_NONE;
  DWORD data = 0;
  DWORD size = sizeof(data);
  return RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size) == ERROR_SUCCESS &&
         type == REG_DWORD && size == sizeof(data) && data == 1;
}

win32::UniqueHkey OpenCabinetStateForReading() {
  win32::UniqueHkey key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kCabinetStateKey, 0, KEY_READ, key.put()) != ERROR_SUCCESS) key.reset();
  return key;
}

// The side bar's questions and notices: task-modal, so that none of its windows takes
// input meanwhile, and above the always-on-top bar.
int ShowMessage(const std::string& text, UINT buttons) {
  return MessageBoxW(nullptr, win32::Widen(text).c_str(), win32::ApplicationTitle().c_str(),
                     buttons | MB_TASKMODAL | MB_TOPMOST | MB_SETFOREGROUND);
}

std::wstring ClassNameOf(HWND window) {
  wchar_t name[256];
  const int length = GetClassNameW(window, name, 256);
  return std::wstring(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

}  // namespace

std::string ReadCabinetStateSettings() {
  const win32::UniqueHkey key = OpenCabinetStateForReading();
  return key ? SettingsCompareText(key.get()) : std::string();
}

bool ExplorerSettingsAreSet() {
  const win32::UniqueHkey key = OpenCabinetStateForReading();
  if (!key || SettingsCompareText(key.get()) != kSettingsCompareForm) return false;
  return IntegerValueIsOne(key.get(), L"FullPathAddress") && IntegerValueIsOne(key.get(), L"FullPath");
}

void WriteCabinetStateSettings() {
  const win32::UniqueHkey key = win32::CreateRegistryKey(HKEY_CURRENT_USER, kCabinetStateKey, KEY_SET_VALUE);
  const std::vector<std::uint8_t> bytes = BytesOfStoredForm(kSettingsStoredForm);
  const LSTATUS status =
      RegSetValueExW(key.get(), L"Settings", 0, REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size()));
  if (status != ERROR_SUCCESS) {
    win32::ThrowError("Cannot write the registry value \"Settings\" of " +
                          win32::RegistryPathText(HKEY_CURRENT_USER, kCabinetStateKey),
                      status);
  }
}

bool CheckExplorerSettings() {
  if (ExplorerSettingsAreSet()) return true;
  ShowMessage(ExplorerSettingsExplanation(), MB_OK);
  // A profile that never had the key gets it here instead of failing the repair.
  win32::CreateRegistryKey(HKEY_CURRENT_USER, kCabinetStateKey, KEY_SET_VALUE);
  win32::WriteRegistryInteger(1, HKEY_CURRENT_USER, kCabinetStateKey, L"FullPathAddress");
  win32::WriteRegistryInteger(1, HKEY_CURRENT_USER, kCabinetStateKey, L"FullPath");
  WriteCabinetStateSettings();
  if (ShowMessage(kRestartExplorerQuestion, MB_YESNO | MB_ICONQUESTION) == IDYES) {
    RestartExplorer();
  } else {
    ShowMessage(kFunctionalAtNextLogin, MB_OK);
  }
  PostQuitMessage(0);
  return false;
}

void RestartExplorer() {
  CloseProgramManager();
  ShellExecuteW(nullptr, L"open", L"explorer.exe", nullptr, nullptr, SW_SHOWNORMAL);
}

void CloseProgramManager() {
  std::vector<HWND> windows;
  EnumWindows(
      [](HWND window, LPARAM list) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  for (const HWND window : windows) {
    wchar_t title[kTitleRoom + 1];
    if (GetWindowTextW(window, title, kTitleRoom + 1) == 0) continue;
    std::wstring name = ClassNameOf(window);
    for (wchar_t& c : name) c = static_cast<wchar_t>(std::towlower(c));
    if (name == L"progman") CloseWindowProcess(window);
  }
}

void CloseWindowProcess(HWND window) {
  while (const HWND parent = GetParent(window)) window = parent;
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(window, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, kCloseTimeoutMs, &ignored);
  if (!IsWindow(window)) return;
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (processId == GetCurrentProcessId()) return;  // neither quit nor end the caller itself
  PostMessageW(window, WM_QUIT, 0, 0);
  if (processId == 0) return;
  const win32::UniqueHandle process(OpenProcess(PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION, FALSE, processId));
  if (!process) return;
  TerminateProcess(process.get(), 0);
}

}  // namespace marlovin
