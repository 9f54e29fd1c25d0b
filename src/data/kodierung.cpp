#include "data/kodierung.h"

#include "data/md5.h"
#include "data/rc2.h"

#include <algorithm>

namespace quorvia::kodierung {

namespace {

constexpr std::string_view passwort = "k#r47v&w915q2z%3!phd";

// A 40-bit key: the first five digest bytes, then eleven zero bytes of salt, with the
// effective key length cut to 40 bits.
Rc2 schluessel() {
    const auto digest = md5(passwort);
    std::array<std::uint8_t, 16> k{};
    std::copy_n(digest.begin(), 5, k.begin());
    return Rc2(k, 40);
}

using Block = Rc2::Block;

Block blockAus(std::string_view s, std::size_t pos) {
    Block b{};
    for (std::size_t i = 0; i < b.size(); ++i) {
        b[i] = static_cast<std::uint8_t>(s[pos + i]);
    }
    return b;
}

void anhaengen(std::string& s, const Block& b) {
    s.append(reinterpret_cast<const char*>(b.data()), b.size());
}

// Decrypts whole blocks of `daten` in CBC mode, continuing the chain from `vorher`.
std::string cbcEntschluesseln(const Rc2& rc2, std::string_view daten, Block& vorher) {
    std::string klar;
    klar.reserve(daten.size());
    for (std::size_t pos = 0; pos < daten.size(); pos += Rc2::blockGroesse) {
        const Block chiffre = blockAus(daten, pos);
        Block b = chiffre;
        rc2.entschluesseln(b);
        for (std::size_t i = 0; i < b.size(); ++i) {
            b[i] ^= vorher[i];
        }
        vorher = chiffre;
        anhaengen(klar, b);
    }
    return klar;
}

// The plain length once valid PKCS #5 padding is removed; nothing when it does not check.
std::optional<std::size_t> ohnePolster(std::string_view klar) {
    if (klar.empty()) {
        return std::nullopt;
    }
    const auto n = static_cast<std::uint8_t>(klar.back());
    if (n < 1 || n > Rc2::blockGroesse || n > klar.size()) {
        return std::nullopt;
    }
    for (std::size_t i = klar.size() - n; i < klar.size(); ++i) {
        if (static_cast<std::uint8_t>(klar[i]) != n) {
            return std::nullopt;
        }
    }
    return klar.size() - n;
}

} // namespace

std::string verschluesseln(std::string_view klartext) {
    const Rc2 rc2 = schluessel();
    std::string aus;
    aus.reserve(klartext.size() + Rc2::blockGroesse);
    Block vorher{};
    auto blockVerschluesseln = [&](Block b) {
        for (std::size_t i = 0; i < b.size(); ++i) {
            b[i] ^= vorher[i];
        }
        rc2.verschluesseln(b);
        vorher = b;
        anhaengen(aus, b);
    };
    for (std::size_t start = 0; start < klartext.size(); start += stueckGroesse) {
        const std::string_view stueck = klartext.substr(start, stueckGroesse);
        const std::size_t ganze = stueck.size() / Rc2::blockGroesse * Rc2::blockGroesse;
        for (std::size_t pos = 0; pos < ganze; pos += Rc2::blockGroesse) {
            blockVerschluesseln(blockAus(stueck, pos));
        }
        if (stueck.size() < stueckGroesse) {
            // Final chunk: pad to the next multiple of 8, a whole block when it is one.
            const std::size_t rest = stueck.size() - ganze;
            Block b{};
            const auto polster = static_cast<std::uint8_t>(Rc2::blockGroesse - rest);
            b.fill(polster);
            for (std::size_t i = 0; i < rest; ++i) {
                b[i] = static_cast<std::uint8_t>(stueck[ganze + i]);
            }
            blockVerschluesseln(b);
        }
    }
    return aus;
}

std::optional<std::string> entschluesseln(std::string_view daten) {
    if (daten.size() % Rc2::blockGroesse != 0) {
        return std::nullopt;
    }
    if (daten.empty()) {
        return std::string();
    }
    const Rc2 rc2 = schluessel();
    // Every chunk but the one that ends the file is a full, unpadded 1000 bytes.
    const std::size_t letzterStart = (daten.size() - 1) / stueckGroesse * stueckGroesse;
    Block vorher{};
    std::string klar = cbcEntschluesseln(rc2, daten.substr(0, letzterStart), vorher);
    const std::string_view letztes = daten.substr(letzterStart);
    const std::string letztesKlar = cbcEntschluesseln(rc2, letztes, vorher);
    // The last chunk is tried as final first. A full 1000-byte last chunk is also what a
    // final chunk of 992 to 999 characters becomes, so it falls back to unpadded only
    // when its padding does not check; a shorter one must be padded.
    if (const auto laenge = ohnePolster(letztesKlar)) {
        klar.append(letztesKlar, 0, *laenge);
    } else if (letztes.size() == stueckGroesse) {
        klar += letztesKlar;
    } else {
        return std::nullopt;
    }
    if (klar.find('\0') != std::string::npos) {
        return std::nullopt;
    }
    return klar;
}

} // namespace quorvia::kodierung
