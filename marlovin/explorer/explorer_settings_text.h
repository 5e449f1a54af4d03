// What the Explorer settings check compares, writes and says: the 12 bytes Explorer
// keeps as its "Settings" value in two text forms, and the three messages shown when
// the settings are wrong.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace marlovin {

// The required "Settings" bytes, each as two upper-case hexadecimal digits and a blank
// (also after the last byte): the form the check compares.
inline constexpr char kSettingsCompareForm[] = "0C 00 02 00 0B 01 06 00 60 00 00 00 ";
// The same bytes as 24 digits, two per byte: the form they are written from.
inline constexpr char kSettingsStoredForm[] = "0C0002000B01060060000000";

// Each byte as two upper-case hexadecimal digits followed by one blank.
std::string CompareFormOf(const std::vector<std::uint8_t>& bytes);
// The bytes of a text of hexadecimal digit pairs; throws std::invalid_argument for an
// odd length or a character that is not a hexadecimal digit.
std::vector<std::uint8_t> BytesOfStoredForm(std::string_view digits);

// Why the settings are about to be changed: sixteen lines, each ended by a line feed.
std::string ExplorerSettingsExplanation();
// Asked after the repair: restart Explorer now?
inline constexpr char kRestartExplorerQuestion[] =
    "Explorer's Options were not set properly. Fixed.\n"
    "Would you like to Re-Start Windows Explorer now?\n"
    "If you say 'No' this program will get functional on your next login";
// Shown when the user does not want the restart now.
inline constexpr char kFunctionalAtNextLogin[] = "This program will get fully functionalon your next login.\n";

}  // namespace marlovin
