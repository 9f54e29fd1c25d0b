#include "data/md5.h"

#include <bit>

namespace quorvia {

namespace {

constexpr std::array<std::uint32_t, 64> sinusTabelle = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391,
};

constexpr std::array<int, 64> verschiebung = {
    7,  12, 17, 22, 7,  12, 17, 22, 7,  12, 17, 22, 7,  12, 17, 22, 5,  9,  14, 20, 5,  9,
    14, 20, 5,  9,  14, 20, 5,  9,  14, 20, 4,  11, 16, 23, 4,  11, 16, 23, 4,  11, 16, 23,
    4,  11, 16, 23, 6,  10, 15, 21, 6,  10, 15, 21, 6,  10, 15, 21, 6,  10, 15, 21,
};

void block(std::array<std::uint32_t, 4>& zustand, const std::uint8_t* b) {
    std::array<std::uint32_t, 16> m{};
    for (int i = 0; i < 16; ++i) {
        m[i] = std::uint32_t(b[4 * i]) | std::uint32_t(b[4 * i + 1]) << 8 |
               std::uint32_t(b[4 * i + 2]) << 16 | std::uint32_t(b[4 * i + 3]) << 24;
    }
    std::uint32_t a = zustand[0], bb = zustand[1], c = zustand[2], d = zustand[3];
    for (int i = 0; i < 64; ++i) {
        std::uint32_t f = 0;
        int g = 0;
        if (i < 16) {
            f = (bb & c) | (~bb & d);
            g = i;
        } else if (i < 32) {
            f = (d & bb) | (~d & c);
            g = (5 * i + 1) % 16;
        } else if (i < 48) {
            f = bb ^ c ^ d;
            g = (3 * i + 5) % 16;
        } else {
            f = c ^ (bb | ~d);
            g = (7 * i) % 16;
        }
        const std::uint32_t neu = bb + std::rotl(a + f + sinusTabelle[i] + m[g], verschiebung[i]);
        a = d;
        d = c;
        c = bb;
        bb = neu;
    }
    zustand[0] += a;
    zustand[1] += bb;
    zustand[2] += c;
    zustand[3] += d;
}

} // namespace

std::array<std::uint8_t, 16> md5(std::string_view daten) {
    std::array<std::uint32_t, 4> zustand = {0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476};
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(daten.data());
    std::size_t ganze = daten.size() / 64;
    for (std::size_t i = 0; i < ganze; ++i) {
        block(zustand, bytes + 64 * i);
    }
    // The tail: the remaining bytes, 0x80, zeros, then the bit length (little-endian).
    std::array<std::uint8_t, 128> rest{};
    const std::size_t restLaenge = daten.size() % 64;
    for (std::size_t i = 0; i < restLaenge; ++i) {
        rest[i] = bytes[64 * ganze + i];
    }
    rest[restLaenge] = 0x80;
    const std::size_t gesamt = restLaenge + 9 <= 64 ? 64 : 128;
    const std::uint64_t bits = std::uint64_t(daten.size()) * 8;
    for (int i = 0; i < 8; ++i) {
        rest[gesamt - 8 + i] = std::uint8_t(bits >> (8 * i));
    }
    block(zustand, rest.data());
    if (gesamt == 128) {
        block(zustand, rest.data() + 64);
    }
    std::array<std::uint8_t, 16> ergebnis{};
    for (int i = 0; i < 16; ++i) {
        ergebnis[i] = std::uint8_t(zustand[i / 4] >> (8 * (i % 4)));
    }
    return ergebnis;
}

} // namespace quorvia
