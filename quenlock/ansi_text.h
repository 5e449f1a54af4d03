// The ANSI code page bytes of UTF-8 text: what the cipher hashes and encrypts for a
// password or a text-mode text, so that files made on any system with the same code
// page open here. Characters the code page lacks become its default character.
#pragma once

#include <string>
#include <string_view>

namespace quenlock {

std::string AnsiBytes(std::string_view utf8);

}  // namespace quenlock
