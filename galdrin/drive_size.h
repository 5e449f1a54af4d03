// The hard drive table's size cell.
#pragma once

#include <string>

namespace galdrin {

// A drive's `Size` (bytes, as WMI reports it) in units of 2^30 bytes with exactly two
// decimals, the user's decimal separator and " Gb": "1073741824" -> "1.00 Gb". A size
// that is not a number (a missing value reads "NULL") is shown as it was reported.
std::string DriveSizeText(const std::string& size, const std::string& decimalSeparator);

}  // namespace galdrin
