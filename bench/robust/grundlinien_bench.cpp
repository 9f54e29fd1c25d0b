// SPDX-License-Identifier: GPL-3.0-or-later
// Each figure beside its baseline; a baseline is named after its figure with "_Basis".
//
// Codec: our RC2 and chunked CBC against OpenSSL's RC2-CBC from its legacy provider, on the
// same bytes with the same key (the first five MD5 bytes of the password, eleven zero bytes
// of salt, 40 effective bits). Both must give the same ciphertext, or the run reports an
// error instead of a figure.
//
// Removal: Eintragsliste::entfernen against the literal loop, which searches the whole text
// once for every marker after the removed one and replaces each occurrence.
#include "data/eintragsliste.h"
#include "data/kodierung.h"
#include "data/md5.h"
#include "data/zeilenleser.h"

#include "gemeinsam/kurspaare.h"

#include <benchmark/benchmark.h>

#include <openssl/evp.h>
#include <openssl/provider.h>

#include <algorithm>
#include <array>
#include <memory>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace quorvia {
namespace {

using bench::anzahlWoerter;
using bench::Paar;
using bench::paare;

// Built directly in the record layout: appending 1583 pairs one by one would cost more than
// everything measured here.
std::string listentext(const std::vector<Paar>& p) {
    std::string t = "\r\n\r\n";
    int n = 0;
    for (const auto& [lat, deu] : p) {
        t += "#" + std::to_string(++n) + "#\r\n#" + lat + "#\r\n#" + deu + "#\r\n\r\n";
    }
    return t;
}

const std::string& kurstext() {
    static const std::string text = listentext(paare(anzahlWoerter));
    return text;
}

// ---- OpenSSL ---------------------------------------------------------------------------

struct KontextFrei {
    void operator()(EVP_CIPHER_CTX* k) const noexcept { EVP_CIPHER_CTX_free(k); }
};
struct ChiffreFrei {
    void operator()(EVP_CIPHER* c) const noexcept { EVP_CIPHER_free(c); }
};

class OpenSslRc2 {
public:
    OpenSslRc2() {
        legacy_ = OSSL_PROVIDER_load(nullptr, "legacy");
        standard_ = OSSL_PROVIDER_load(nullptr, "default");
        chiffre_.reset(EVP_CIPHER_fetch(nullptr, "RC2-CBC", nullptr));
        const auto digest = md5("k#r47v&w915q2z%3!phd");
        std::copy_n(digest.begin(), 5, schluessel_.begin());
    }
    ~OpenSslRc2() {
        if (legacy_ != nullptr) {
            OSSL_PROVIDER_unload(legacy_);
        }
        if (standard_ != nullptr) {
            OSSL_PROVIDER_unload(standard_);
        }
    }
    OpenSslRc2(const OpenSslRc2&) = delete;
    OpenSslRc2& operator=(const OpenSslRc2&) = delete;

    bool bereit() const { return legacy_ != nullptr && chiffre_ != nullptr; }

    // A text of whole 1000-byte chunks carries no padding in our files.
    std::string verschluesseln(std::string_view klar) const {
        return laufen(klar, true, klar.size() % kodierung::stueckGroesse != 0);
    }
    std::string entschluesseln(std::string_view daten, bool gepolstert) const {
        return laufen(daten, false, gepolstert);
    }

private:
    std::string laufen(std::string_view ein, bool verschl, bool polster) const {
        std::unique_ptr<EVP_CIPHER_CTX, KontextFrei> k(EVP_CIPHER_CTX_new());
        const unsigned char iv[8] = {};
        int bits = 40;
        std::string aus(ein.size() + 16, '\0');
        int n = 0;
        int rest = 0;
        // Key length and effective bits must be set before the key itself.
        if (!k ||
            EVP_CipherInit_ex(k.get(), chiffre_.get(), nullptr, nullptr, nullptr,
                              verschl ? 1 : 0) != 1 ||
            EVP_CIPHER_CTX_set_key_length(k.get(), 16) != 1 ||
            EVP_CIPHER_CTX_ctrl(k.get(), EVP_CTRL_SET_RC2_KEY_BITS, bits, nullptr) != 1 ||
            EVP_CipherInit_ex(k.get(), nullptr, nullptr, schluessel_.data(), iv, -1) != 1 ||
            EVP_CIPHER_CTX_set_padding(k.get(), polster ? 1 : 0) != 1 ||
            EVP_CipherUpdate(k.get(), reinterpret_cast<unsigned char*>(aus.data()), &n,
                             reinterpret_cast<const unsigned char*>(ein.data()),
                             static_cast<int>(ein.size())) != 1 ||
            EVP_CipherFinal_ex(k.get(), reinterpret_cast<unsigned char*>(aus.data()) + n, &rest) !=
                1) {
            return {};
        }
        aus.resize(static_cast<std::size_t>(n + rest));
        return aus;
    }

    OSSL_PROVIDER* legacy_ = nullptr;
    OSSL_PROVIDER* standard_ = nullptr;
    std::unique_ptr<EVP_CIPHER, ChiffreFrei> chiffre_;
    std::array<unsigned char, 16> schluessel_{};
};

const OpenSslRc2& openssl() {
    static const OpenSslRc2 o;
    return o;
}

// The texts both codecs are run on: the course, and one of whole chunks without padding.
std::string probetext(int art) {
    return art == 0 ? kurstext() : kurstext().substr(0, kodierung::stueckGroesse * 50);
}

// Null when the two ciphertexts agree, else the reason.
const char* vergleichen(const std::string& klar) {
    if (!openssl().bereit()) {
        return "OpenSSL legacy provider with RC2-CBC not available";
    }
    const std::string unseres = kodierung::verschluesseln(klar);
    if (openssl().verschluesseln(klar) != unseres) {
        return "ciphertexts differ";
    }
    if (openssl().entschluesseln(unseres, klar.size() % kodierung::stueckGroesse != 0) != klar) {
        return "OpenSSL does not decrypt our file";
    }
    return nullptr;
}

void bytes(benchmark::State& state, std::size_t n) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(n));
}

void BM_Verschluesseln(benchmark::State& state) {
    const std::string klar = probetext(static_cast<int>(state.range(0)));
    if (const char* fehler = vergleichen(klar)) {
        state.SkipWithError(fehler);
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(kodierung::verschluesseln(klar));
    }
    bytes(state, klar.size());
}

void BM_Verschluesseln_Basis(benchmark::State& state) {
    const std::string klar = probetext(static_cast<int>(state.range(0)));
    if (const char* fehler = vergleichen(klar)) {
        state.SkipWithError(fehler);
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(openssl().verschluesseln(klar));
    }
    bytes(state, klar.size());
}

void BM_Entschluesseln(benchmark::State& state) {
    const std::string klar = probetext(static_cast<int>(state.range(0)));
    if (const char* fehler = vergleichen(klar)) {
        state.SkipWithError(fehler);
        return;
    }
    const std::string datei = kodierung::verschluesseln(klar);
    for (auto _ : state) {
        benchmark::DoNotOptimize(kodierung::entschluesseln(datei));
    }
    bytes(state, datei.size());
}

void BM_Entschluesseln_Basis(benchmark::State& state) {
    const std::string klar = probetext(static_cast<int>(state.range(0)));
    if (const char* fehler = vergleichen(klar)) {
        state.SkipWithError(fehler);
        return;
    }
    const std::string datei = kodierung::verschluesseln(klar);
    const bool gepolstert = klar.size() % kodierung::stueckGroesse != 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(openssl().entschluesseln(datei, gepolstert));
    }
    bytes(state, datei.size());
}

// 0: the course text (padded end), 1: 50 000 characters (no padding).
BENCHMARK(BM_Verschluesseln)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Verschluesseln_Basis)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Entschluesseln)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Entschluesseln_Basis)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// ---- Removal ---------------------------------------------------------------------------

std::string marker(int n) {
    return "#" + std::to_string(n) + "#";
}

// Removal as the plain algorithm reads: find the pair, step back to its marker, cut three
// lines and the empty line, then for k = m+1, m+2, ... replace every occurrence of marker k
// by marker k-1 while marker k occurs anywhere in the text.
void woertlichEntfernen(std::string& text, std::string_view lat, std::string_view deu) {
    std::string schluessel = "#";
    schluessel += lat;
    schluessel += "#\r\n#";
    schluessel += deu;
    schluessel += "#";
    const std::size_t fund = text.find(schluessel);
    if (fund == std::string::npos) {
        return;
    }
    const std::size_t start = text.find('#', fund >= 9 ? fund - 9 : 0);
    std::size_t pos = start;
    std::size_t laenge = 8;
    std::string_view markerzeile;
    for (int i = 0; i < 3; ++i) {
        const std::string_view t = naechstesToken(text, pos);
        if (i == 0) {
            markerzeile = t;
        }
        laenge += t.size();
    }
    const int m = std::atoi(std::string(rautenEntfernen(markerzeile)).c_str());
    text.erase(start, std::min(laenge, text.size() - start));
    for (int k = m + 1;; ++k) {
        const std::string alt = marker(k);
        if (text.find(alt) == std::string::npos) {
            break;
        }
        const std::string neu = marker(k - 1);
        for (std::size_t p = text.find(alt); p != std::string::npos;
             p = text.find(alt, p + neu.size())) {
            text.replace(p, alt.size(), neu);
        }
    }
}

// 10 removals at random positions of a 1583-record list, the same ones for both: the literal
// loop takes about a tenth of a second for each.
std::vector<int> entfernReihenfolge() {
    std::vector<int> r(anzahlWoerter);
    std::iota(r.begin(), r.end(), 0);
    std::mt19937 zufall(100);
    std::shuffle(r.begin(), r.end(), zufall);
    r.resize(10);
    return r;
}

// The literal loop over a plain string, with the list's interface.
class WoertlicheListe {
public:
    explicit WoertlicheListe(std::string text) : text_(std::move(text)) {}
    void entfernen(std::string_view lat, std::string_view deu) {
        woertlichEntfernen(text_, lat, deu);
    }
    const std::string& text() const noexcept { return text_; }

private:
    std::string text_;
};

template <class Liste> void entfernenMessen(benchmark::State& state) {
    const auto p = paare(anzahlWoerter);
    const auto reihenfolge = entfernReihenfolge();
    // Both ways must leave the same text, or the comparison means nothing.
    Eintragsliste unsere(kurstext());
    WoertlicheListe woertlich(kurstext());
    for (const int i : reihenfolge) {
        const auto& [lat, deu] = p[static_cast<std::size_t>(i)];
        unsere.entfernen(lat, deu);
        woertlich.entfernen(lat, deu);
    }
    if (unsere.text() != woertlich.text()) {
        state.SkipWithError("the two removals disagree");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        Liste l(kurstext());
        state.ResumeTiming();
        for (const int i : reihenfolge) {
            const auto& [lat, deu] = p[static_cast<std::size_t>(i)];
            l.entfernen(lat, deu);
        }
        benchmark::DoNotOptimize(l.text().data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(reihenfolge.size()));
}

void BM_Entfernen10(benchmark::State& state) {
    entfernenMessen<Eintragsliste>(state);
}

void BM_Entfernen10_Basis(benchmark::State& state) {
    entfernenMessen<WoertlicheListe>(state);
}

BENCHMARK(BM_Entfernen10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Entfernen10_Basis)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quorvia
