// The side bar's options object: its seven options and the user's named sessions (sets
// of folders open in Explorer), all kept in one text key file, the options file.
//
// Creating the object makes sure the options file exists (a copy of the defaults file
// shipped beside the program), loads the options and, when "DoSaveLastSession" is on,
// reopens the folders of the last run. Destroying it records the folders open at that
// moment as the session "LAST_SESSION". Every operation reads the whole file; those
// that change it write the whole file back, atomically.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace marlovin {

// The seven options with the values the side bar uses when it has no options object
// (the options file could not be loaded).
struct TMarlovinOptionsStruct {
  std::string HomeDir;
  std::int8_t HomeDropOperation = 0;  // 0 copy, anything else move
  std::int8_t FormAlignment = 2;      // 0 floating, 1 docked left, 2 docked right
  bool LoadOnSysStartup = false;
  bool DoSaveLastSession = false;
  std::int32_t DefaultCompressionRatio = 7;
  std::int32_t DefaultPackingMethod = 0;  // index into zip, gzip, tar, tgz, tbz, cab, lha, jar
};

// What the options object needs of Explorer.
class ExplorerFolders {
 public:
  virtual ~ExplorerFolders() = default;
  // The folders shown by the open Explorer windows, read now, in discovery order.
  virtual std::vector<std::string> RefreshedFolderList() = 0;
  // Opens every folder, in list order, each in a new Explorer window.
  virtual void OpenFolders(const std::vector<std::string>& folders) = 0;
};

// An option that cannot be converted, or a value that cannot be stored without
// corrupting the file (a line break): the message names the key and the file.
class OptionsError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A session name that cannot be stored without corrupting the options file.
class SessionNameError : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

// Why `name` cannot be a session's name: it is empty, holds "=", a line break or a NUL
// character, or equals (letter case ignored) one of the option keys or "SESSION_NAMES".
// Empty text when the name is fine.
std::string SessionNameFault(std::string_view name);

inline constexpr char kLastSessionName[] = "LAST_SESSION";

class TMarlovinTextConfig : public TMarlovinOptionsStruct {
 public:
  // path: the options file; defaultsPath: the defaults file, copied to path when no
  // options file exists yet. Throws common::FileError when a file cannot be read or
  // written and OptionsError when an option cannot be converted.
  TMarlovinTextConfig(std::string path, std::string defaultsPath, std::unique_ptr<ExplorerFolders> explorer);
  // Records the open folders as "LAST_SESSION" when DoSaveLastSession is on. A failure
  // is swallowed: the previous options file stays as it was.
  ~TMarlovinTextConfig();
  TMarlovinTextConfig(const TMarlovinTextConfig&) = delete;
  TMarlovinTextConfig& operator=(const TMarlovinTextConfig&) = delete;

  // Full path of the options file the object loads from and saves to.
  std::string FileName;

  // Reads the seven options of FileName into the fields. "FormAlignment" and
  // "HomeDropOperation" must be numbers; the others fall back to their defaults when
  // missing or empty. On failure the fields keep their previous values.
  void LoadOptions();
  // FileName := path, then writes the seven options into that file, in place.
  void SaveOptions(const std::string& path);

  // The names listed in "SESSION_NAMES" of the file at path, in stored order; empty when
  // the file or the key is missing.
  static std::vector<std::string> GetSessionNames(const std::string& path);
  // Stores folders as session name and lists the name in "SESSION_NAMES" (sorted,
  // each name once, letter case ignored). No folders: the name is listed, no line is
  // written. Throws SessionNameError for a name SessionNameFault refuses.
  void SaveSession(const std::string& name, const std::vector<std::string>& folders);
  // The folders of session name; empty when it has no line (or cannot be a session).
  std::vector<std::string> LoadSession(const std::string& name) const;
  // Removes session name from the file at path: its line and its entry in
  // "SESSION_NAMES". A name that cannot be a session is only taken off the list, so
  // that no option line is ever removed.
  static void DeleteSession(const std::string& path, const std::string& name);

  // Reopens "LAST_SESSION" when DoSaveLastSession is on (run by the constructor).
  void RestoreLastSession();
  // Records the open Explorer folders as "LAST_SESSION" when DoSaveLastSession is on
  // (run by the destructor).
  void SaveLastSession();

 private:
  std::unique_ptr<ExplorerFolders> explorer_;
};

}  // namespace marlovin
