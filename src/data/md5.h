#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace quorvia {

// MD5 message digest (RFC 1321); the key of the data files is derived from it.
std::array<std::uint8_t, 16> md5(std::string_view daten);

} // namespace quorvia
