// SPDX-License-Identifier: GPL-3.0-or-later
// quorvia-kurs: compiles, shows, checks, decrypts and encrypts the course's data files.

#include "abbruch.h"
#include "kurspruefung.h"
#include "kursquelle.h"

#include "data/datendatei.h"
#include "data/kodierung.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <span>
#include <string>
#include <vector>

namespace quorvia::kurs {

namespace {

constexpr std::string_view hilfe =
    R"(Aufruf: quorvia-kurs BEFEHL ...

Befehle:
  bauen --art woerter|stammformen QUELLE.tsv ZIEL.dat
      übersetzt einen Kurs aus UTF-8-TSV (Kopfzeile "Lektion<TAB>Latein<TAB>Deutsch",
      dann ein Eintrag je Zeile in Eintragsreihenfolge) in die verschlüsselte Datendatei.
  zeigen [--art woerter|stammformen] DATEI.dat
      gibt eine Kursdatei oder eine Liste nicht gewusster Einträge als TSV aus; bei einer
      Kursdatei (Woerter.dat, Stammformen.dat oder mit --art) steht die Lektion dabei.
  entschluesseln DATEI.dat ZIEL
      schreibt die unverschlüsselten Bytes nach ZIEL.
  verschluesseln QUELLE ZIEL
      verschlüsselt die Bytes von QUELLE in die Datendatei ZIEL.
  pruefen --art woerter|stammformen DATEI.dat
      prüft eine Datendatei gegen den Satzaufbau und die Lektionstabelle.
  --help
      zeigt diese Hilfe.

"-" steht bei entschluesseln und verschluesseln für die Standardein- bzw. -ausgabe.
Exit-Status: 0 bei Erfolg, 1 bei einem Fehler (Meldung auf der Standardfehlerausgabe).
)";

std::string anzeige(std::string_view pfad) {
    return "„" + std::string(pfad) + "“";
}

std::string bytesLesen(std::string_view pfad) {
    if (pfad == "-") {
        return {std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
    }
    std::error_code fehler;
    if (std::filesystem::is_directory(pfad, fehler)) {
        throw Abbruch(anzeige(pfad) + " ist ein Ordner, keine Datei");
    }
    std::ifstream ein{std::filesystem::path(pfad), std::ios::binary};
    if (!ein) {
        throw Abbruch("Die Datei " + anzeige(pfad) + " kann nicht gelesen werden");
    }
    std::string bytes{std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
    if (ein.bad()) {
        throw Abbruch("Die Datei " + anzeige(pfad) + " kann nicht gelesen werden");
    }
    return bytes;
}

void bytesSchreiben(std::string_view pfad, std::string_view bytes) {
    if (pfad == "-") {
        std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        std::cout.flush();
        if (!std::cout) {
            throw Abbruch("Die Standardausgabe kann nicht geschrieben werden");
        }
        return;
    }
    std::ofstream aus{std::filesystem::path(pfad), std::ios::binary | std::ios::trunc};
    aus.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    aus.close();
    if (!aus) {
        throw Abbruch("Die Datei " + anzeige(pfad) + " kann nicht geschrieben werden");
    }
}

std::string entschluesselt(std::string_view pfad) {
    auto klar = kodierung::entschluesseln(bytesLesen(pfad));
    if (!klar) {
        throw Abbruch("Die Datei " + anzeige(pfad) +
                      " lässt sich nicht entschlüsseln (beschädigt oder keine Datendatei)");
    }
    return std::move(*klar);
}

void datendateiSchreiben(std::string_view pfad, std::string_view text) {
    const std::filesystem::path ziel(pfad);
    std::error_code fehler;
    if (ziel.has_parent_path()) {
        std::filesystem::create_directories(ziel.parent_path(), fehler);
    }
    try {
        DatenDatei::schreiben(ziel, text);
    } catch (const DatenFehler&) {
        throw Abbruch("Die Datei " + anzeige(pfad) + " kann nicht geschrieben werden");
    }
}

Kursart artLesen(std::string_view wert) {
    if (wert == "woerter") {
        return Kursart::Woerter;
    }
    if (wert == "stammformen") {
        return Kursart::Stammformen;
    }
    throw Abbruch("unbekannte Art " + anzeige(wert) + " (erwartet woerter oder stammformen)");
}

// Splits "--art X" off the arguments; the rest stay positional.
struct Argumente {
    std::optional<Kursart> art;
    std::vector<std::string_view> rest;
};

Argumente zerlegen(std::span<char*> args) {
    Argumente a;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--art") {
            if (i + 1 >= args.size()) {
                throw Abbruch("--art braucht einen Wert (woerter oder stammformen)");
            }
            a.art = artLesen(args[++i]);
        } else if (arg.starts_with("--art=")) {
            a.art = artLesen(arg.substr(6));
        } else if (arg.starts_with("--") || (arg.starts_with("-") && arg != "-")) {
            throw Abbruch("unbekannte Option " + anzeige(arg));
        } else {
            a.rest.push_back(arg);
        }
    }
    return a;
}

void anzahlPruefen(const Argumente& a, std::size_t n, std::string_view befehl, bool artNoetig) {
    if (artNoetig && !a.art) {
        throw Abbruch(std::string(befehl) + " braucht --art woerter oder --art stammformen");
    }
    if (a.rest.size() != n) {
        throw Abbruch(std::string(befehl) + " erwartet " + std::to_string(n) +
                      (n == 1 ? " Datei" : " Dateien") + " (siehe quorvia-kurs --help)");
    }
}

std::string kleinbuchstaben(std::string s) {
    for (auto& c : s) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return s;
}

int bauen(const Argumente& a) {
    anzahlPruefen(a, 2, "bauen", true);
    const std::string tsv = bytesLesen(a.rest[0]);
    std::string text;
    try {
        text = kursUebersetzen(tsv, *a.art);
    } catch (const Abbruch& fehler) {
        throw Abbruch(std::string(a.rest[0]) + ": " + fehler.what());
    }
    datendateiSchreiben(a.rest[1], text);
    std::cout << a.rest[1] << ": " << Lektionstabelle::anzahlGesamt(*a.art)
              << " Einträge in 50 Lektionen geschrieben\n";
    return 0;
}

int zeigen(const Argumente& a) {
    anzahlPruefen(a, 1, "zeigen", false);
    std::optional<Kursart> art = a.art;
    const std::string name = kleinbuchstaben(std::filesystem::path(a.rest[0]).filename().string());
    if (!art && name == "woerter.dat") {
        art = Kursart::Woerter;
    } else if (!art && name == "stammformen.dat") {
        art = Kursart::Stammformen;
    }
    const std::string tsv = alsTsv(entschluesselt(a.rest[0]), art ? &*art : nullptr);
    std::cout << tsv;
    return 0;
}

int entschluesseln(const Argumente& a) {
    anzahlPruefen(a, 2, "entschluesseln", false);
    bytesSchreiben(a.rest[1], entschluesselt(a.rest[0]));
    return 0;
}

int verschluesseln(const Argumente& a) {
    anzahlPruefen(a, 2, "verschluesseln", false);
    const std::string klar = bytesLesen(a.rest[0]);
    if (klar.find('\0') != std::string::npos) {
        throw Abbruch("Die Quelle " + anzeige(a.rest[0]) +
                      " enthält ein NUL-Byte, das keine Datendatei enthalten darf");
    }
    // A full last chunk that ends like padding (n bytes of value n, 0x01..0x08) reads back
    // shorter; the round trip is the test.
    if (kodierung::entschluesseln(kodierung::verschluesseln(klar)) != klar) {
        throw Abbruch("Die Quelle " + anzeige(a.rest[0]) + " ist ein Vielfaches von " +
                      std::to_string(kodierung::stueckGroesse) +
                      " Bytes lang und endet wie eine Auffüllung (Bytes von 0x01 bis 0x08); die "
                      "Datendatei würde kürzer zurückgelesen");
    }
    if (a.rest[1] == "-") {
        bytesSchreiben("-", kodierung::verschluesseln(klar));
    } else {
        datendateiSchreiben(a.rest[1], klar);
    }
    return 0;
}

int pruefen(const Argumente& a) {
    anzahlPruefen(a, 1, "pruefen", true);
    const auto liste = befunde(entschluesselt(a.rest[0]), *a.art);
    if (liste.empty()) {
        std::cout << a.rest[0] << ": in Ordnung, " << Lektionstabelle::anzahlGesamt(*a.art)
                  << " Einträge in 50 Lektionen\n";
        return 0;
    }
    for (const auto& befund : liste) {
        std::cout << a.rest[0] << ": " << befund << '\n';
    }
    throw Abbruch(std::string(a.rest[0]) + ": " + std::to_string(liste.size()) +
                  (liste.size() == 1 ? " Fehler" : " Fehler") +
                  " gefunden, zuerst: " + liste.front());
}

int ausfuehren(std::span<char*> args) {
    if (args.empty()) {
        throw Abbruch("kein Befehl angegeben (siehe quorvia-kurs --help)");
    }
    const std::string_view befehl = args[0];
    if (befehl == "--help" || befehl == "-h" || befehl == "hilfe") {
        std::cout << hilfe;
        return 0;
    }
    const Argumente a = zerlegen(args.subspan(1));
    if (befehl == "bauen") {
        return bauen(a);
    }
    if (befehl == "zeigen") {
        return zeigen(a);
    }
    if (befehl == "entschluesseln") {
        return entschluesseln(a);
    }
    if (befehl == "verschluesseln") {
        return verschluesseln(a);
    }
    if (befehl == "pruefen") {
        return pruefen(a);
    }
    throw Abbruch("unbekannter Befehl " + anzeige(befehl) + " (siehe quorvia-kurs --help)");
}

} // namespace

} // namespace quorvia::kurs

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    try {
        return quorvia::kurs::ausfuehren(std::span<char*>(argv + 1, argv + argc));
    } catch (const std::exception& fehler) {
        // One line, whatever a damaged file put into the message.
        std::string meldung = fehler.what();
        for (auto& c : meldung) {
            if (c == '\r' || c == '\n') {
                c = ' ';
            }
        }
        std::cerr << "quorvia-kurs: " << meldung << '\n';
        return 1;
    }
}
