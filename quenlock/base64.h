// Base64 (RFC 4648): the standard alphabet, "=" padding, no line breaks.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace quenlock {

// 4 * ((bytes + 2) / 3) characters.
std::string Base64Encode(std::span<const std::uint8_t> bytes);

}  // namespace quenlock
