#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace quorvia {

// The RC2 block cipher (RFC 2268) with a key of 1 to 128 bytes and an effective key
// length of 1 to 1024 bits, which may differ from the key's own length.
class Rc2 {
public:
    static constexpr std::size_t blockGroesse = 8;
    using Block = std::array<std::uint8_t, blockGroesse>;

    Rc2(std::span<const std::uint8_t> schluessel, int effektiveBits);

    void verschluesseln(Block& block) const noexcept;
    void entschluesseln(Block& block) const noexcept;

private:
    std::array<std::uint16_t, 64> k_{};
};

} // namespace quorvia
