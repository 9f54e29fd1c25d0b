#include "data/datendatei.h"
#include "data/kodierung.h"
#include "data/md5.h"
#include "gemeinsam/ordner.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace quorvia {
namespace {

using test::dateiLesen;
using test::dateiSchreiben;
using test::TempOrdner;

std::string alsHex(std::string_view bytes) {
    static constexpr char ziffern[] = "0123456789abcdef";
    std::string hex;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        hex += ziffern[b >> 4];
        hex += ziffern[b & 15];
    }
    return hex;
}

std::string digestHex(std::string_view bytes) {
    const auto d = md5(bytes);
    return alsHex(std::string_view(reinterpret_cast<const char*>(d.data()), d.size()));
}

std::string muster(std::size_t laenge) {
    std::string s(laenge, ' ');
    for (std::size_t i = 0; i < laenge; ++i) {
        s[i] = static_cast<char>('A' + (i * 7) % 26);
    }
    return s;
}

// Plain text bytes as the data files hold them: anything but NUL, and no padding-shaped
// control bytes 1 to 8 (a full last chunk ending in those reads as padded).
std::string zufallstext(std::mt19937& zufall, std::size_t laenge) {
    std::uniform_int_distribution<int> byte(9, 255);
    std::string s(laenge, ' ');
    for (auto& c : s) {
        c = static_cast<char>(byte(zufall));
    }
    return s;
}

std::size_t erwarteteGroesse(std::size_t l) {
    const std::size_t k = l / 1000, r = l % 1000;
    return r == 0 ? l : 1000 * k + 8 * (r / 8 + 1);
}

struct Bekannt {
    std::string klar;
    std::string chiffre; // full bytes for short texts
    std::string digest;  // MD5 of the file bytes for long ones
};

// Answers computed once with OpenSSL's RC2 (16-byte key, 40 effective bits, CBC, zero IV).
TEST(Kodierung, KnownAnswers) {
    const std::vector<Bekannt> faelle = {
        {"\r\n\r\n", "\x8c\xab\xf7\xd5\xd0\x26\xed\xf7", ""},
        {"#1#\r\n#amare#\r\n#lieben#\r\n\r\n",
         std::string("\x53\x72\x7a\x36\x35\xd0\x20\xd0\xda\x78\xb5\x78\xaa\x98\xd6\x7e\xbd\xcd"
                     "\xc3\xf9\x02\xc5\x42\x3a\x0b\x5a\xae\x49\xda\xaa\x4d\x32",
                     32),
         ""},
        {"abcdefgh", "\x58\x3c\x19\x8d\xc0\xd0\x82\x7b\x8d\x9e\x47\x64\xdf\xab\xc8\xd5", ""},
        {muster(995), "", "7a14fd4fd01ad678b8e7417418eb8ce2"},
        {muster(1000), "", "e0168c87f622950cc90e380a2a5707a8"},
        {muster(1001), "", "3e130288ef01392ce7b43b2e9927ed43"},
        {muster(2000), "", "cab93506bd45134aa37754fecb0aaf98"},
        {muster(2999), "", "cd19d1002cf77bee71551c04f0b8a175"},
    };
    for (const auto& f : faelle) {
        const std::string datei = kodierung::verschluesseln(f.klar);
        if (!f.chiffre.empty()) {
            EXPECT_EQ(alsHex(datei), alsHex(f.chiffre)) << f.klar.size() << " characters";
        } else {
            EXPECT_EQ(digestHex(datei), f.digest) << f.klar.size() << " characters";
        }
        const auto zurueck = kodierung::entschluesseln(datei);
        ASSERT_TRUE(zurueck.has_value()) << f.klar.size() << " characters";
        EXPECT_EQ(*zurueck, f.klar);
    }
}

TEST(DatenDatei, RoundTripsEveryLengthWithTheSizeRule) {
    TempOrdner ordner(test::schnellerOrdner());
    const auto pfad = ordner / "Woerter.dat";
    std::mt19937 zufall(2003);
    for (std::size_t laenge = 0; laenge <= 3100; ++laenge) {
        const std::string text = zufallstext(zufall, laenge);
        DatenDatei::schreiben(pfad, text);
        ASSERT_EQ(std::filesystem::file_size(pfad), erwarteteGroesse(laenge)) << laenge;
        ASSERT_EQ(DatenDatei::lesen(pfad, Fehlerart::WoerterNichtLadbar), text) << laenge;
    }
}

TEST(DatenDatei, SizeRuleEdgeCases) {
    TempOrdner ordner;
    const auto pfad = ordner / "x.dat";
    struct Fall {
        std::size_t laenge;
        std::size_t groesse;
    };
    const std::vector<Fall> faelle = {{0, 0},       {4, 8},       {7, 8},       {8, 16},
                                      {992, 1000},  {999, 1000},  {1000, 1000}, {1001, 1008},
                                      {1992, 2000}, {2000, 2000}, {2008, 2016}};
    for (const auto& f : faelle) {
        const std::string text = muster(f.laenge);
        DatenDatei::schreiben(pfad, text);
        EXPECT_EQ(std::filesystem::file_size(pfad), f.groesse) << f.laenge;
        EXPECT_EQ(DatenDatei::lesen(pfad, Fehlerart::Unerwartet), text) << f.laenge;
    }
}

TEST(DatenDatei, ExistsOnlyForAnOpenableFile) {
    TempOrdner ordner;
    EXPECT_FALSE(DatenDatei::existiert(ordner / "fehlt.dat"));
    dateiSchreiben(ordner / "leer.dat", "");
    EXPECT_TRUE(DatenDatei::existiert(ordner / "leer.dat"));
}

struct KaputteDatei {
    std::string name;
    std::string bytes;
};

TEST(DatenDatei, DamagedFilesAreUnexpectedErrors) {
    const std::string gut = kodierung::verschluesseln(muster(2500));
    std::mt19937 zufall(7);
    std::string zufall1000(1000, ' '), zufall16(16, ' ');
    for (auto* s : {&zufall1000, &zufall16}) {
        for (auto& c : *s) {
            c = static_cast<char>(zufall());
        }
    }
    std::string letzterBlock = gut;
    letzterBlock.back() = static_cast<char>(letzterBlock.back() ^ 0x5a);
    const std::string ohneNul = kodierung::verschluesseln(std::string("ab\0cd", 5));
    const std::vector<KaputteDatei> faelle = {
        {"truncated to 2499", gut.substr(0, 2499)}, {"truncated to 2001", gut.substr(0, 2001)},
        {"truncated to 7", gut.substr(0, 7)},       {"one byte", "x"},
        {"random 1000 bytes", zufall1000},          {"random 16 bytes", zufall16},
        {"damaged last block", letzterBlock},       {"plain text with NUL", ohneNul},
    };
    TempOrdner ordner;
    const auto pfad = ordner / "kaputt.dat";
    for (const auto& f : faelle) {
        EXPECT_FALSE(kodierung::entschluesseln(f.bytes).has_value()) << f.name;
        dateiSchreiben(pfad, f.bytes);
        try {
            DatenDatei::lesen(pfad, Fehlerart::WoerterNichtLadbar);
            ADD_FAILURE() << f.name << " was read";
        } catch (const DatenFehler& fehler) {
            EXPECT_EQ(fehler.art(), Fehlerart::Unerwartet) << f.name;
        }
    }
}

TEST(DatenDatei, UnopenableFilesReportTheCallersKind) {
    TempOrdner ordner;
    std::filesystem::create_directory(ordner / "ordner.dat");
    const std::vector<std::pair<std::filesystem::path, Fehlerart>> faelle = {
        {ordner / "fehlt.dat", Fehlerart::WoerterNichtLadbar},
        {ordner / "fehlt.dat", Fehlerart::StammformenNichtLadbar},
        {ordner / "ordner.dat", Fehlerart::NgWoerterNichtLadbar},
    };
    for (const auto& [pfad, art] : faelle) {
        try {
            DatenDatei::lesen(pfad, art);
            ADD_FAILURE() << pfad << " was read";
        } catch (const DatenFehler& fehler) {
            EXPECT_EQ(fehler.art(), art) << pfad;
            EXPECT_EQ(fehler.what(), meldung(art));
        }
    }
}

TEST(DatenDatei, MessagesForEveryKind) {
    const std::vector<std::pair<Fehlerart, std::string_view>> faelle = {
        {Fehlerart::Unerwartet, "Ein unerwarteter Fehler ist aufgetreten!"},
        {Fehlerart::WoerterNichtLadbar,
         "Die Datei \"\\Woerter\\Woerter.dat\" konnte nicht geladen werden!"},
        {Fehlerart::NgWoerterNichtLadbar,
         "Die Datei \"\\Woerter\\ngwoerter.dat\" konnte nicht geladen werden!"},
        {Fehlerart::StammformenNichtLadbar,
         "Die Datei \"\\Stammformen\\Stammformen.dat\" konnte nicht geladen werden!"},
        {Fehlerart::NgStammformenNichtLadbar,
         "Die Datei \"\\Stammformen\\ngstammformen.dat\" konnte nicht geladen werden!"},
    };
    for (const auto& [art, text] : faelle) {
        EXPECT_EQ(meldung(art), text);
    }
}

TEST(DatenDatei, FailedSaveKeepsThePreviousFile) {
    TempOrdner ordner;
    const auto pfad = ordner / "ngwoerter.dat";
    DatenDatei::schreiben(pfad, "\r\n\r\n#1#\r\n#a#\r\n#b#\r\n\r\n");
    // A folder at a name an earlier version wrote to first is neither in the way nor touched.
    std::filesystem::create_directory(ordner / "ngwoerter.dat.neu");
    DatenDatei::schreiben(pfad, "\r\n\r\n");
    EXPECT_EQ(test::dateinamen(ordner.pfad()),
              (std::vector<std::string>{"ngwoerter.dat", "ngwoerter.dat.neu"}));

    // A save into a missing folder fails without leaving anything behind.
    EXPECT_THROW(DatenDatei::schreiben(ordner / "fehlt" / "x.dat", "abc"), DatenFehler);
    EXPECT_FALSE(std::filesystem::exists(ordner / "fehlt"));

    // Nor can a save replace a folder at the list's name.
    std::filesystem::create_directory(ordner / "ordner.dat");
    EXPECT_THROW(DatenDatei::schreiben(ordner / "ordner.dat", "abc"), DatenFehler);
    EXPECT_TRUE(std::filesystem::is_directory(ordner / "ordner.dat"));

    // A successful save leaves no temporary file.
    DatenDatei::schreiben(pfad, "\r\n\r\n");
    EXPECT_EQ(DatenDatei::lesen(pfad, Fehlerart::NgWoerterNichtLadbar), "\r\n\r\n");
    EXPECT_EQ(test::dateinamen(ordner.pfad()),
              (std::vector<std::string>{"ngwoerter.dat", "ngwoerter.dat.neu", "ordner.dat"}));
}

} // namespace
} // namespace quorvia
