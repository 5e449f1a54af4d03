#include "penderil/windows_ports.h"

#include <windows.h>

#include <filesystem>
#include <string>

#include "common/fs_path.h"
#include "common/path_text.h"
#include "common/text_case.h"
#include "win32/handles.h"
#include "win32/utf.h"

namespace penderil {

ClockTexts WindowsClock::Now() const {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  wchar_t time[128] = {};
  wchar_t date[128] = {};
  if (!GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &now, nullptr, time, 128)) time[0] = L'\0';
  if (!GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, date, 128, nullptr)) date[0] = L'\0';
  return {win32::Narrow(time), win32::Narrow(date)};
}

namespace {

bool Move(const std::filesystem::path& from, const std::filesystem::path& to) {
  return MoveFileExW(from.c_str(), to.c_str(), 0) != FALSE;
}

// The item's own name as the file system spells it; empty when there is no item.
std::wstring NameOnDisk(const std::filesystem::path& path) {
  WIN32_FIND_DATAW found{};
  const win32::UniqueFindHandle find(FindFirstFileW(path.c_str(), &found));
  return find ? std::wstring(found.cFileName) : std::wstring();
}

}  // namespace

bool WindowsFileRenamer::RenameItem(const std::string& from, const std::string& to) {
  if (from.empty() || to.empty()) return false;
  const std::filesystem::path source = common::ToFsPath(from);
  const std::filesystem::path target = common::ToFsPath(to);
  if (!Move(source, target)) return false;
  const bool caseOnly = from != to && common::SameText(from, to);
  const std::wstring wanted = win32::Widen(common::ExtractFileName(to));
  if (!caseOnly || NameOnDisk(target) == wanted) return true;
  // Some file systems take a change of letter case alone for a rename onto the same
  // item and keep the old spelling: then the item goes by way of a temporary name.
  const std::filesystem::path step =
      common::ToFsPath(from + ".~penderil-" + std::to_string(GetCurrentProcessId()) + "-" +
                       std::to_string(GetTickCount64()));
  if (!Move(source, step)) return false;
  if (Move(step, target)) return true;
  Move(step, source);  // put it back under its old name
  return false;
}

}  // namespace penderil
