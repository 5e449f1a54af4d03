// Starting the browser under Wine, with a recording stand-in in place of a real one.
#include "galdrin/browser.h"

#include <gtest/gtest.h>

#include "common/path_text.h"
#include "win32/com.h"
#include "win32/registry.h"
#include "win32/shell_paths.h"
#include "win32/testing/temp_folder.h"
#include "win32/testing/window_list.h"
#include "win32/utf.h"

namespace galdrin {
namespace {

using win32::testing::FileExists;
using win32::testing::ReadFileBytes;
using win32::testing::TempFolder;

constexpr wchar_t kClasses[] = L"Software\\Classes\\";
constexpr wchar_t kTestProgId[] = L"Galdrin.TestHtmlFile";

// The stand-in copied into `folder` under `name`; its record file beside it.
std::wstring PlaceStandIn(const std::wstring& folder, const std::wstring& name) {
  const std::string tests = common::ExtractFilePath(win32::Narrow(win32::ModuleFilePath()));
  const std::wstring standIn = win32::Widen(tests) + L"..\\tests\\e2e\\recording_stand_in.exe";
  const std::wstring copy = folder + name;
  if (!CopyFileW(standIn.c_str(), copy.c_str(), FALSE)) ADD_FAILURE() << "cannot copy " << win32::Narrow(standIn);
  return copy;
}

std::string WaitForRecord(const std::wstring& standIn) {
  const std::wstring record = standIn + L".command-lines.txt";
  win32::testing::PumpMessagesUntil([&] { return FileExists(record); }, 15000);
  Sleep(100);  // let the stand-in finish its one write
  return ReadFileBytes(record);
}

// Makes `command` the prefix's program for .html files while alive, and puts back what
// was there: the machine-wide class keys are what the shell reads under Wine.
class HtmlAssociation {
 public:
  explicit HtmlAssociation(const std::wstring& command) {
    hadExtension_ = win32::QueryRegistryValue(HKEY_LOCAL_MACHINE, Key(L".html"), L"", oldDefault_);
    keyExisted_ = KeyExists(Key(L".html"));
    SetDefault(Key(L".html"), kTestProgId);
    SetDefault(Key(std::wstring(kTestProgId) + L"\\shell\\open\\command"), command);
  }
  ~HtmlAssociation() {
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, Key(kTestProgId).c_str());
    if (!keyExisted_) {
      RegDeleteTreeW(HKEY_LOCAL_MACHINE, Key(L".html").c_str());
    } else {
      const win32::UniqueHkey key = win32::OpenRegistryKey(HKEY_LOCAL_MACHINE, Key(L".html"), KEY_SET_VALUE);
      if (hadExtension_) {
        RegSetValueExW(key.get(), nullptr, 0, oldDefault_.type, oldDefault_.data.data(),
                       static_cast<DWORD>(oldDefault_.data.size()));
      } else {
        RegDeleteValueW(key.get(), nullptr);
      }
    }
  }
  HtmlAssociation(const HtmlAssociation&) = delete;
  HtmlAssociation& operator=(const HtmlAssociation&) = delete;

 private:
  static std::wstring Key(const std::wstring& name) { return kClasses + name; }
  static bool KeyExists(const std::wstring& key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
    RegCloseKey(opened);
    return true;
  }
  static void SetDefault(const std::wstring& key, const std::wstring& value) {
    const win32::UniqueHkey opened = win32::CreateRegistryKey(HKEY_LOCAL_MACHINE, key, KEY_SET_VALUE);
    ASSERT_EQ(RegSetValueExW(opened.get(), nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                             static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
  }

  bool hadExtension_ = false;
  bool keyExisted_ = false;
  win32::RegistryValue oldDefault_;
};

class OpenInBrowserTest : public ::testing::Test {
 protected:
  win32::ComInitializer com_;
  TempFolder folder_{L"galdrin-browser"};
  std::wstring report_ = folder_.Path() + L"System Report \u00e9t\u00e9.html";

  void SetUp() override { win32::testing::WriteFileBytes(report_, "<html></html>\r\n"); }
};

TEST_F(OpenInBrowserTest, StartsTheBrowserWithTheQuotedPath) {
  const std::wstring browser = PlaceStandIn(folder_.Path(), L"browser.exe");
  OpenInBrowser(nullptr, report_, browser);
  const std::string record = WaitForRecord(browser);
  std::string quoted(1, '"');
  quoted += win32::Narrow(report_);
  quoted += "\"\r\n";
  ASSERT_GE(record.size(), quoted.size()) << record;
  EXPECT_EQ(record.substr(record.size() - quoted.size()), quoted) << record;
}

TEST_F(OpenInBrowserTest, FallsBackToTheProgramForHtmlFilesWhenTheBrowserDoesNotStart) {
  const std::wstring viewer = PlaceStandIn(folder_.Path(), L"html-viewer.exe");
  const HtmlAssociation association(L"\"" + viewer + L"\" \"%1\"");
  OpenInBrowser(nullptr, report_, L"galdrin-no-such-browser");
  const std::string record = WaitForRecord(viewer);
  EXPECT_NE(record.find(win32::Narrow(report_)), std::string::npos) << record;
}

}  // namespace
}  // namespace galdrin
