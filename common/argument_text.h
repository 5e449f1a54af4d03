// Command-line arguments: quoting the ones the suite passes to other programs, and
// splitting the command line the suite's own tools receive.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace common {

// Wraps text in double quotes for a command line: "" for empty text; a quote is added
// only at an end that does not already have one.
std::string QuoteArgument(std::string_view text);

// Drops a leading "<" and then a trailing ">".
std::string StripAngleBrackets(std::string_view text);

// Splits a whole command line (program name first) into arguments: characters with
// codes 1 to 32 separate arguments; double quotes group characters, blanks included,
// and are dropped; an unclosed quote runs to the end; a backslash is an ordinary
// character. A quoted empty text ("") is an argument of its own, so later arguments
// keep their positions.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

// Argument `index` of SplitCommandLine's result (0 is the program), empty when missing.
std::string CommandLineArgument(const std::vector<std::string>& arguments, std::size_t index);

}  // namespace common
