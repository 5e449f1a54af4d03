#include "marlovin/settings/options_store.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "common/comma_text.h"
#include "common/key_file.h"
#include "common/text_case.h"
#include "common/text_file.h"

namespace marlovin {

namespace {

constexpr char kSessionNamesKey[] = "SESSION_NAMES";

// The option keys in the order in which they are read and written.
constexpr std::array<const char*, 7> kOptionKeys = {"HomeDir",           "FormAlignment",
                                                    "HomeDropOperation", "LoadOnSysStartup",
                                                    "DoSaveLastSession", "DefaultCompressionRatio",
                                                    "DefaultPackingMethod"};

std::string Quoted(std::string_view text) {
  std::string quoted;
  quoted.reserve(text.size() + 2);
  quoted += '"';
  quoted += text;
  quoted += '"';
  return quoted;
}

// A decimal number that is the whole value, within 32 bits.
std::int32_t ToNumber(const std::string& key, const std::string& value, const std::string& path) {
  std::int32_t number = 0;
  const char* first = value.data();
  const char* last = value.data() + value.size();
  if (first != last && *first == '+') ++first;
  const auto [end, error] = std::from_chars(first, last, number);
  if (value.empty() || error != std::errc() || end != last) {
    throw OptionsError("The option " + Quoted(key) + " in " + Quoted(path) + " is not a number: " + Quoted(value));
  }
  return number;
}

// The low 8 bits of a number, as a signed value.
std::int8_t LowByte(std::int32_t number) {
  return static_cast<std::int8_t>(static_cast<std::uint8_t>(static_cast<std::uint32_t>(number) & 0xFFu));
}

// KeyFile::SetValue with a refusal that names the file.
void SetValue(common::KeyFile& file, std::string_view key, std::string_view value, const std::string& path) {
  try {
    file.SetValue(key, value);
  } catch (const std::invalid_argument& e) {
    throw OptionsError("Cannot write " + Quoted(key) + " into " + Quoted(path) + ": " + e.what());
  }
}

std::string BooleanText(bool value) { return value ? "1" : "0"; }

// The value of an option that has a default: the default text when the key is missing
// or its value empty.
std::string ValueOr(const common::KeyFile& file, const char* key, const char* fallback) {
  std::string value = file.Value(key);
  return value.empty() ? fallback : value;
}

// "SESSION_NAMES" as a list sorted without regard to letter case, each name once (the
// first of names equal but for letter case is kept).
std::vector<std::string> SortedSessionNames(const common::KeyFile& file) {
  std::vector<std::string> names = common::FromCommaText(file.Value(kSessionNamesKey));
  std::stable_sort(names.begin(), names.end(),
                   [](const std::string& a, const std::string& b) { return common::CompareText(a, b) < 0; });
  names.erase(std::unique(names.begin(), names.end(),
                          [](const std::string& a, const std::string& b) { return common::SameText(a, b); }),
              names.end());
  return names;
}

// Adds name to a list kept by SortedSessionNames, unless a name equal but for letter case
// is there already.
void InsertSessionName(std::vector<std::string>& names, const std::string& name) {
  const auto place = std::lower_bound(names.begin(), names.end(), name, [](const std::string& a, const std::string& b) {
    return common::CompareText(a, b) < 0;
  });
  if (place == names.end() || !common::SameText(*place, name)) names.insert(place, name);
}

}  // namespace

std::string SessionNameFault(std::string_view name) {
  if (name.empty()) return "a session needs a name";
  if (name.find('=') != std::string_view::npos) return "a session name cannot contain \"=\"";
  if (name.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) {
    return "a session name cannot contain a line break or a NUL character";
  }
  if (common::SameText(name, kSessionNamesKey)) return "the name is the list of session names";
  for (const char* key : kOptionKeys) {
    if (common::SameText(name, key)) return "the name is that of the option " + Quoted(key);
  }
  return {};
}

TMarlovinTextConfig::TMarlovinTextConfig(std::string path, std::string defaultsPath,
                                         std::unique_ptr<ExplorerFolders> explorer)
    : explorer_(std::move(explorer)) {
  if (!common::FileExists(path)) common::KeyFile::Read(defaultsPath).Write(path);
  FileName = std::move(path);
  LoadOptions();
  RestoreLastSession();
}

TMarlovinTextConfig::~TMarlovinTextConfig() {
  try {
    SaveLastSession();
  } catch (...) {
    // Nothing can be reported while the side bar closes; the atomic save left the
    // previous options file whole.
  }
}

void TMarlovinTextConfig::LoadOptions() {
  const common::KeyFile file = common::KeyFile::Read(FileName);
  TMarlovinOptionsStruct loaded;
  loaded.HomeDir = file.Value("HomeDir");
  loaded.FormAlignment = LowByte(ToNumber("FormAlignment", file.Value("FormAlignment"), FileName));
  loaded.HomeDropOperation = LowByte(ToNumber("HomeDropOperation", file.Value("HomeDropOperation"), FileName));
  loaded.LoadOnSysStartup = ToNumber("LoadOnSysStartup", ValueOr(file, "LoadOnSysStartup", "0"), FileName) != 0;
  loaded.DoSaveLastSession = ToNumber("DoSaveLastSession", ValueOr(file, "DoSaveLastSession", "0"), FileName) != 0;
  loaded.DefaultCompressionRatio =
      ToNumber("DefaultCompressionRatio", ValueOr(file, "DefaultCompressionRatio", "7"), FileName);
  loaded.DefaultPackingMethod = ToNumber("DefaultPackingMethod", ValueOr(file, "DefaultPackingMethod", "0"), FileName);
  static_cast<TMarlovinOptionsStruct&>(*this) = std::move(loaded);
}

void TMarlovinTextConfig::SaveOptions(const std::string& path) {
  FileName = path;
  common::KeyFile file = common::KeyFile::ReadIfExists(path);
  SetValue(file, "HomeDir", HomeDir, path);
  SetValue(file, "FormAlignment", std::to_string(FormAlignment), path);
  SetValue(file, "HomeDropOperation", std::to_string(HomeDropOperation), path);
  SetValue(file, "LoadOnSysStartup", BooleanText(LoadOnSysStartup), path);
  SetValue(file, "DoSaveLastSession", BooleanText(DoSaveLastSession), path);
  SetValue(file, "DefaultCompressionRatio", std::to_string(DefaultCompressionRatio), path);
  SetValue(file, "DefaultPackingMethod", std::to_string(DefaultPackingMethod), path);
  file.Write(path);
}

std::vector<std::string> TMarlovinTextConfig::GetSessionNames(const std::string& path) {
  return common::FromCommaText(common::KeyFile::ReadIfExists(path).Value(kSessionNamesKey));
}

void TMarlovinTextConfig::SaveSession(const std::string& name, const std::vector<std::string>& folders) {
  if (const std::string fault = SessionNameFault(name); !fault.empty()) {
    throw SessionNameError("Cannot save the session " + Quoted(name) + " in " + Quoted(FileName) + ": " + fault);
  }
  common::KeyFile file = common::KeyFile::ReadIfExists(FileName);
  std::vector<std::string> names = SortedSessionNames(file);
  InsertSessionName(names, name);
  SetValue(file, kSessionNamesKey, common::ToCommaText(names), FileName);
  SetValue(file, name, common::ToCommaText(folders), FileName);
  file.Write(FileName);
}

std::vector<std::string> TMarlovinTextConfig::LoadSession(const std::string& name) const {
  if (!SessionNameFault(name).empty()) return {};
  return common::FromCommaText(common::KeyFile::ReadIfExists(FileName).Value(name));
}

void TMarlovinTextConfig::DeleteSession(const std::string& path, const std::string& name) {
  common::KeyFile file = common::KeyFile::ReadIfExists(path);
  std::vector<std::string> names = SortedSessionNames(file);
  std::erase_if(names, [&name](const std::string& listed) { return common::SameText(listed, name); });
  SetValue(file, kSessionNamesKey, common::ToCommaText(names), path);
  if (SessionNameFault(name).empty()) SetValue(file, name, "", path);
  file.Write(path);
}

void TMarlovinTextConfig::RestoreLastSession() {
  if (!DoSaveLastSession) return;
  explorer_->OpenFolders(LoadSession(kLastSessionName));
}

void TMarlovinTextConfig::SaveLastSession() {
  if (!DoSaveLastSession) return;
  SaveSession(kLastSessionName, explorer_->RefreshedFolderList());
}

}  // namespace marlovin
