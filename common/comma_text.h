// Comma text: a list of texts in one line, as the options file stores session names
// and session folders, and as the Home button and bookmarks hold several folders.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace common {

// The items separated by "," with nothing between. An item holding a character of code
// 1 to 32 (a blank or a control character), a double quote or a comma is written
// between double quotes, its double quotes doubled; any other item as it is. A list of
// exactly one empty item gives two double quotes; an empty list gives empty text.
std::string ToCommaText(const std::vector<std::string>& items);

// The items of a comma text. Blanks and commas separate items; an item that begins with
// a double quote runs to the next lone double quote ("" inside stands for one; without a
// closing quote it runs to the end) and is taken without its quotes. Two commas in a row
// give an empty item, a comma at the end gives none. A NUL character ends the text.
std::vector<std::string> FromCommaText(std::string_view text);

}  // namespace common
