#include "data/md5.h"
#include "data/rc2.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvia {
namespace {

std::vector<std::uint8_t> ausHex(std::string_view hex) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes.push_back(
            static_cast<std::uint8_t>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    }
    return bytes;
}

template <typename Bytes> std::string alsHex(const Bytes& bytes) {
    static constexpr char ziffern[] = "0123456789abcdef";
    std::string hex;
    for (const auto b : bytes) {
        hex += ziffern[b >> 4];
        hex += ziffern[b & 15];
    }
    return hex;
}

struct Md5Fall {
    std::string eingabe;
    std::string_view digest;
};

TEST(Md5, Rfc1321Testsuite) {
    const std::vector<Md5Fall> faelle = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
         "d174ab98d277d9f5a5611c2c9f419d9f"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(alsHex(md5(f.eingabe)), f.digest) << '"' << f.eingabe << '"';
    }
}

TEST(Md5, LengthsAroundTheBlockBoundary) {
    // 55, 56 and 64 bytes decide whether the length fits into the last block.
    const std::vector<Md5Fall> faelle = {
        {std::string(55, 'a'), "ef1772b6dff9a122358552954ad0df65"},
        {std::string(56, 'a'), "3b0c8ac703f828b04c6c197006d17218"},
        {std::string(64, 'a'), "014842d480b571495a4a0363793f7367"},
        {"k#r47v&w915q2z%3!phd", "f21a4ff24f161fd14a61e80d973f9c61"},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(alsHex(md5(f.eingabe)), f.digest) << f.eingabe.size() << " bytes";
    }
}

struct Rc2Fall {
    std::string_view schluessel;
    int effektiveBits;
    std::string_view klar;
    std::string_view chiffre;
};

TEST(Rc2, Rfc2268Testvektoren) {
    const std::vector<Rc2Fall> faelle = {
        {"0000000000000000", 63, "0000000000000000", "ebb773f993278eff"},
        {"ffffffffffffffff", 64, "ffffffffffffffff", "278b27e42e2f0d49"},
        {"3000000000000000", 64, "1000000000000001", "30649edf9be7d2c2"},
        {"88", 64, "0000000000000000", "61a8a244adacccf0"},
        {"88bca90e90875a", 64, "0000000000000000", "6ccf4308974c267f"},
        {"88bca90e90875a7f0f79c384627bafb2", 64, "0000000000000000", "1a807d272bbe5db1"},
        {"88bca90e90875a7f0f79c384627bafb2", 128, "0000000000000000", "2269552ab0f85ca6"},
        {"88bca90e90875a7f0f79c384627bafb216f80a6f85920584c42fceb0be255daf1e", 129,
         "0000000000000000", "5b78d3a43dfff1f1"},
    };
    for (const auto& f : faelle) {
        const auto schluessel = ausHex(f.schluessel);
        const Rc2 rc2(schluessel, f.effektiveBits);
        Rc2::Block block{};
        const auto klar = ausHex(f.klar);
        std::copy(klar.begin(), klar.end(), block.begin());
        rc2.verschluesseln(block);
        EXPECT_EQ(alsHex(block), f.chiffre) << f.schluessel << " / " << f.effektiveBits;
        rc2.entschluesseln(block);
        EXPECT_EQ(alsHex(block), f.klar) << f.schluessel << " / " << f.effektiveBits;
    }
}

TEST(Rc2, RefusesKeysOutOfRange) {
    const std::vector<std::uint8_t> leer;
    const std::vector<std::uint8_t> zuLang(129, 1);
    const std::vector<std::uint8_t> gut(16, 1);
    EXPECT_THROW(Rc2(leer, 40), std::invalid_argument);
    EXPECT_THROW(Rc2(zuLang, 40), std::invalid_argument);
    EXPECT_THROW(Rc2(gut, 0), std::invalid_argument);
    EXPECT_THROW(Rc2(gut, 1025), std::invalid_argument);
    EXPECT_NO_THROW(Rc2(gut, 1024));
}

} // namespace
} // namespace quorvia
