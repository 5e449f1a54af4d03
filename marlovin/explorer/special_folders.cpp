#include "marlovin/explorer/special_folders.h"

#include <windows.h>
#include <shlobj.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>

#include "common/fs_path.h"
#include "common/text_case.h"
#include "win32/utf.h"

namespace marlovin {

namespace {

constexpr int kSkipped = -1;

// The special folders in lookup order: when two have the same display name, the first
// one wins. Row 22 is skipped.
constexpr int kSpecialFolders[] = {
    CSIDL_ALTSTARTUP,        CSIDL_APPDATA,          CSIDL_BITBUCKET,  CSIDL_COMMON_ALTSTARTUP,
    CSIDL_COMMON_DESKTOPDIRECTORY, CSIDL_COMMON_FAVORITES, CSIDL_COMMON_PROGRAMS, CSIDL_COMMON_STARTMENU,
    CSIDL_COMMON_STARTUP,    CSIDL_CONNECTIONS,      CSIDL_CONTROLS,   CSIDL_COOKIES,
    CSIDL_DESKTOP,           CSIDL_DESKTOPDIRECTORY, CSIDL_DRIVES,     CSIDL_FAVORITES,
    CSIDL_FONTS,             CSIDL_HISTORY,          CSIDL_INTERNET,   CSIDL_INTERNET_CACHE,
    CSIDL_NETHOOD,           CSIDL_NETWORK,          kSkipped,         CSIDL_PERSONAL,
    CSIDL_PRINTERS,          CSIDL_PRINTHOOD,        CSIDL_PROGRAMS,   CSIDL_RECENT,
    CSIDL_SENDTO,            CSIDL_STARTMENU,        CSIDL_STARTUP,    CSIDL_TEMPLATES};
static_assert(std::size(kSpecialFolders) == 32);

struct CoTaskMemFreer {
  void operator()(void* memory) const { CoTaskMemFree(memory); }
};

// The shell's name of a folder in the given form, or nothing.
std::optional<std::string> NameOf(PCIDLIST_ABSOLUTE folder, SIGDN form) {
  PWSTR name = nullptr;
  if (FAILED(SHGetNameFromIDList(folder, form, &name))) return std::nullopt;
  const std::unique_ptr<wchar_t, CoTaskMemFreer> owned(name);
  return win32::Narrow(name);
}

// A file-system path the way an address bar shows it: without a trailing backslash,
// except for a drive root. (Some shells report folders such as Documents with one.)
std::string WithoutTrailingBackslash(std::string path) {
  if (path.size() > 3 && path.back() == '\\' && !path.starts_with("::")) path.pop_back();
  return path;
}

}  // namespace

std::string SpecialFolderPathFromDisplayName(const std::string& name) {
  const std::string wanted = common::ToUpperText(name);
  for (const int csidl : kSpecialFolders) {
    if (csidl == kSkipped) continue;
    PIDLIST_ABSOLUTE folder = nullptr;
    if (FAILED(SHGetFolderLocation(nullptr, csidl, nullptr, 0, &folder))) continue;  // not on this system
    const std::unique_ptr<ITEMIDLIST, CoTaskMemFreer> owned(folder);
    const auto displayName = NameOf(folder, SIGDN_NORMALDISPLAY);
    if (!displayName || common::ToUpperText(*displayName) != wanted) continue;
    if (auto path = NameOf(folder, SIGDN_DESKTOPABSOLUTEPARSING)) return WithoutTrailingBackslash(std::move(*path));
  }
  return kNoSpecialFolder;
}

void ResolveSpecialFolderNames(std::vector<std::string>& list) {
  for (std::string& entry : list) {
    std::error_code ignored;
    if (std::filesystem::is_directory(common::ToFsPath(entry), ignored)) continue;
    std::string path = SpecialFolderPathFromDisplayName(entry);
    if (path != kNoSpecialFolder) entry = std::move(path);
  }
}

}  // namespace marlovin
