// The platform behind the rename model: the clock in the user's regional formats and
// the file system's plain rename.
#pragma once

#include "penderil/rename_engine.h"
#include "penderil/renamer_model.h"

namespace penderil {

// The local time in the user's long-time format and the date in the short-date format.
class WindowsClock : public RegionalClock {
 public:
  ClockTexts Now() const override;
};

// MoveFileExW without replacing: an existing target makes the rename fail. Long paths
// are passed with the "\\?\" prefix, so no 260-character limit applies.
class WindowsFileRenamer : public FileRenamePort {
 public:
  bool RenameItem(const std::string& from, const std::string& to) override;
};

}  // namespace penderil
