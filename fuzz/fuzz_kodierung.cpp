// SPDX-License-Identifier: GPL-3.0-or-later
// The byte-level codec on arbitrary file bytes, and the writer on arbitrary plain texts.
#include "pruefen.h"

#include "data/kodierung.h"

#include <cstdint>
#include <string>

namespace {

using quorvia::fuzz::verlangen;
namespace kodierung = quorvia::kodierung;

// A text of whole 1000-byte chunks is written without padding; when its last byte looks
// like padding (1 to 8), the reader takes the 992 to 999 character reading. The format
// cannot tell the two apart, and no text of the program ends that way (lists end in CR LF).
bool mehrdeutig(const std::string& klar) {
    if (klar.empty() || klar.size() % kodierung::stueckGroesse != 0) {
        return false;
    }
    const auto letztes = static_cast<unsigned char>(klar.back());
    return letztes >= 1 && letztes <= 8;
}

std::size_t erwarteteGroesse(std::size_t laenge) {
    const std::size_t rest = laenge % kodierung::stueckGroesse;
    return rest == 0 ? laenge : laenge - rest + 8 * (rest / 8 + 1);
}

void rundreise(const std::string& klar) {
    const std::string datei = kodierung::verschluesseln(klar);
    verlangen(datei.size() == erwarteteGroesse(klar.size()), "file size rule");
    if (mehrdeutig(klar)) {
        return;
    }
    const auto zurueck = kodierung::entschluesseln(datei);
    verlangen(zurueck.has_value(), "written file decrypts");
    verlangen(*zurueck == klar, "written file reads back unchanged");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view bytes(reinterpret_cast<const char*>(daten), groesse);

    // As file bytes: whatever decrypts is NUL-free and survives being written again.
    if (const auto klar = kodierung::entschluesseln(bytes)) {
        verlangen(bytes.size() % 8 == 0, "only whole blocks decrypt");
        verlangen(klar->find('\0') == std::string::npos, "no NUL in a plain text");
        verlangen(klar->size() <= bytes.size(), "plain text not longer than the file");
        rundreise(*klar);
    }

    // As a plain text (NUL cannot occur in one).
    std::string klar(bytes);
    for (char& c : klar) {
        if (c == '\0') {
            c = ' ';
        }
    }
    rundreise(klar);
    return 0;
}
