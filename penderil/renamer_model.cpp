#include "penderil/renamer_model.h"

#include <algorithm>

#include "common/text_file.h"
#include "penderil/letter_size.h"
#include "penderil/rename_target.h"

namespace penderil {

std::string RenameFailureText(int failures) { return "Failed to rename " + std::to_string(failures) + " items ."; }

void RenamerModel::SetText(std::string& field, std::string_view text) {
  if (field == text) return;
  field.assign(text);
  RefreshPreview();
}

void RenamerModel::SetNameMask(std::string_view text) { SetText(settings_.nameMask, text); }
void RenamerModel::SetExtensionMask(std::string_view text) { SetText(settings_.extensionMask, text); }
void RenamerModel::SetSearchText(std::string_view text) { SetText(settings_.searchText, text); }
void RenamerModel::SetReplacementText(std::string_view text) { SetText(settings_.replacementText, text); }

namespace {

// Stores a counter field within its range; true when the value changed.
bool HoldCounter(int& field, int value, const SettingRange& range) {
  const int held = range.Hold(value);
  if (held == field) return false;
  field = held;
  return true;
}

}  // namespace

int RenamerModel::SetCounterStart(int value) {
  if (HoldCounter(settings_.counterStart, value, kCounterStartRange)) RefreshPreview();
  return settings_.counterStart;
}

int RenamerModel::SetCounterStep(int value) {
  if (HoldCounter(settings_.counterStep, value, kCounterStepRange)) RefreshPreview();
  return settings_.counterStep;
}

int RenamerModel::SetMinimumDigits(int value) {
  if (HoldCounter(settings_.minimumDigits, value, kMinimumDigitsRange)) RefreshPreview();
  return settings_.minimumDigits;
}

void RenamerModel::AppendToken(MaskField field, std::string_view token) {
  std::string& mask = field == MaskField::Name ? settings_.nameMask : settings_.extensionMask;
  mask += token;
  RefreshPreview();
}

void RenamerModel::Reset() {
  const bool matchCase = settings_.matchCase;
  settings_ = TReplaceOptionsStruct{};
  settings_.matchCase = matchCase;
  RefreshPreview();
}

void RenamerModel::ChooseLetterSize(int index) {
  letterSize_ = index;
  ApplyLetterSize(list_, index);
}

void RenamerModel::RefreshPreview() { BuildNewNames(list_, settings_, clock_); }

void RenamerModel::ReplaceList(std::vector<std::string> paths) {
  ClearFileList(list_);
  list_.reserve(paths.size());
  for (auto& path : paths) AddFileToList(list_, std::move(path));
  RefreshPreview();
}

bool RenamerModel::LoadListFile(std::string_view path) {
  if (path.empty() || !common::FileExists(path)) return false;
  std::vector<std::string> lines = common::SplitLines(common::ReadTextFile(path));
  if (lines.empty()) return false;
  ReplaceList(std::move(lines));
  return true;
}

void RenamerModel::SelectAll() {
  for (auto& entry : list_) entry.selected = true;
}

void RenamerModel::SelectNone() {
  for (auto& entry : list_) entry.selected = false;
}

void RenamerModel::SelectInverse() {
  for (auto& entry : list_) entry.selected = !entry.selected;
}

void RenamerModel::SetSelected(std::size_t index, bool selected) { list_.at(index).selected = selected; }

void RenamerModel::RemoveSelected() {
  std::erase_if(list_, [](const RenameEntry& entry) { return entry.selected; });
}

void RenamerModel::RemoveAll() { ClearFileList(list_); }

int RenamerModel::RenameFiles(FileRenamePort& files) {
  int failures = 0;
  for (auto& entry : list_) {
    const std::optional<std::string> name = RenameTargetName(entry.newName);
    if (!name) {
      ++failures;
      continue;
    }
    std::string target(SplitPath(entry.fullPath).folder);
    target += *name;
    if (!files.RenameItem(entry.fullPath, target)) {
      ++failures;
      continue;
    }
    entry.fullPath = std::move(target);  // the Old Name is now the name the item got
  }
  return failures;
}

}  // namespace penderil
