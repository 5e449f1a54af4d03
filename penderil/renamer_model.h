// What the renamer window shows and does, without the window: the settings of its
// fields, the rename list with its selection, the actions of its buttons and keys, and
// the renaming itself. The window forwards user actions here and shows the result.
//
// Refreshing follows the fields: a change of a mask, search or replacement text or of a
// counter field rebuilds every New Name; toggling an option, choosing a letter size,
// selecting and removing entries do not.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "penderil/rename_engine.h"
#include "penderil/rename_list.h"

namespace penderil {

struct SettingRange {
  int minimum;
  int maximum;
  int Hold(int value) const { return value < minimum ? minimum : value > maximum ? maximum : value; }
};

inline constexpr SettingRange kCounterStartRange{0, 32000};
inline constexpr SettingRange kCounterStepRange{1, 32000};
inline constexpr SettingRange kMinimumDigitsRange{1, 5};

enum class MaskField { Name, Extension };

// Renames a file or folder within its folder (a port: the platform's plain rename).
class FileRenamePort {
 public:
  virtual ~FileRenamePort() = default;
  // Renames `from` to `to` without replacing an existing item; true on success.
  virtual bool RenameItem(const std::string& from, const std::string& to) = 0;
};

// "Failed to rename 3 items ."
std::string RenameFailureText(int failures);

class RenamerModel {
 public:
  explicit RenamerModel(const RegionalClock& clock) : clock_(clock) {}

  const RenameList& Entries() const { return list_; }
  const TReplaceOptionsStruct& Settings() const { return settings_; }
  int LetterSize() const { return letterSize_; }  // -1 before any choice

  // The text fields, as typed; a change rebuilds the New Names.
  void SetNameMask(std::string_view text);
  void SetExtensionMask(std::string_view text);
  void SetSearchText(std::string_view text);
  void SetReplacementText(std::string_view text);

  // The counter fields hold their value within range (a value beyond a bound holds the
  // bound); a change rebuilds the New Names. Each returns the value held.
  int SetCounterStart(int value);
  int SetCounterStep(int value);
  int SetMinimumDigits(int value);

  // The three options; no rebuild (the next one uses them).
  void SetReplaceBefore(bool on) { settings_.replaceBefore = on; }
  void SetReplaceAfter(bool on) { settings_.replaceAfter = on; }
  void SetMatchCase(bool on) { settings_.matchCase = on; }

  // Appends a token ("?n"...) at the end of a mask.
  void AppendToken(MaskField field, std::string_view token);

  // Back to the default masks, texts, counters and both options on; match case, the
  // letter size and the list stay. Rebuilds once.
  void Reset();

  // Runs the conversion of a letter-size choice on the New Names as they stand.
  void ChooseLetterSize(int index);

  // Rebuilds every New Name from the settings.
  void RefreshPreview();

  // Replaces the list by these paths, in order, and rebuilds once.
  void ReplaceList(std::vector<std::string> paths);
  // Reads a list file (one path a line) and replaces the list by its lines. Nothing
  // happens when the path names no existing file or the file is empty; returns whether
  // the list was replaced. Throws common::FileError when the file cannot be read.
  bool LoadListFile(std::string_view path);

  void SelectAll();
  void SelectNone();
  void SelectInverse();
  void SetSelected(std::size_t index, bool selected);
  // Removal keeps the remaining New Names until the next rebuild.
  void RemoveSelected();
  void RemoveAll();

  void SetEntryImage(std::size_t index, int image) { list_[index].image = image; }

  // Renames every entry, in order, from its full path to its folder plus its New Name.
  // A renamed entry then stands for the item under its new name (Old Name and full
  // path); a failed one stays as it was. Returns the number of failures.
  int RenameFiles(FileRenamePort& files);

 private:
  void SetText(std::string& field, std::string_view text);

  const RegionalClock& clock_;
  TReplaceOptionsStruct settings_;
  RenameList list_;
  int letterSize_ = -1;
};

}  // namespace penderil
