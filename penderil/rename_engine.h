// The computation of every New Name: the mask language, the counter, and the two
// search-and-replace passes.
//
// Mask language: "?n" base name, "?e" extension without its dot, "?t" time, "?d" date,
// "?c" counter, found in any letter case and in either mask. A token whose value is
// empty stays as typed; all other text passes through unchanged.
//
// The two passes: the before pass works on each entry's file name, so the masks work on
// the name with the replacements made ("?n" and "?e" are split from it); the after pass
// works on the mask result.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "penderil/rename_list.h"

namespace penderil {

// The settings of one computation, as the window's fields hold them.
struct TReplaceOptionsStruct {
  std::string searchText;
  std::string replacementText;
  bool replaceBefore = true;
  bool replaceAfter = true;
  bool matchCase = false;
  int counterStart = 1;
  int counterStep = 1;
  int minimumDigits = 1;
  std::string nameMask = "?n";
  std::string extensionMask = "?e";
};

// The time and date texts of one moment, in the user's regional formats.
struct ClockTexts {
  std::string time;  // long-time format
  std::string date;  // short-date format
};

// Reads the clock (a port: the regional formats are the platform's).
class RegionalClock {
 public:
  virtual ~RegionalClock() = default;
  virtual ClockTexts Now() const = 0;
};

// The counter value in decimal with at least `minimumDigits` digits, as printf's
// "%.<minimumDigits>d" writes it: 7 with 3 digits is 007, 1234 with 3 digits is 1234.
std::string CounterText(std::int64_t value, int minimumDigits);
void AppendCounterText(std::string& out, std::int64_t value, int minimumDigits);

// One search-and-replace pass over the New Names; true when any entry changed.
bool ReplaceInList(std::string_view search, std::string_view replacement, RenameList& list, bool matchCase);

// Recomputes the New Name of every entry (its Location is read from its path): the
// before pass, one reading of
// the clock, the masks with counter start + k * step for entry k, then the after pass.
// The counter is 64-bit, so no list is long enough to make it wrap. Returns true.
bool BuildNewNames(RenameList& list, const TReplaceOptionsStruct& settings, const RegionalClock& clock);

}  // namespace penderil
