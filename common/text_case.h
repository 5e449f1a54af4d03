// Letter case for the suite's UTF-8 text: comparing, sorting and converting while
// ignoring case. On Windows these follow the user's locale; the portable build uses
// Unicode simple case mapping, so both agree on every ordinary name.
#pragma once

#include <string>
#include <string_view>

namespace common {

// < 0, 0 or > 0 as a sorts before, equal to or after b, letter case ignored.
int CompareText(std::string_view a, std::string_view b);

inline bool SameText(std::string_view a, std::string_view b) { return CompareText(a, b) == 0; }

// A byte string whose plain byte order is CompareText's order: equal keys mean
// CompareText gives 0. Computing keys once makes sorting large lists cheap.
std::string SortKey(std::string_view text);
// Appends SortKey(text) to out: lets many keys share one buffer.
void AppendSortKey(std::string& out, std::string_view text);

std::string ToUpperText(std::string_view text);
std::string ToLowerText(std::string_view text);

}  // namespace common
