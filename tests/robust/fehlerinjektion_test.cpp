// Saving the not-known lists and the settings while the file system fails at each step, and
// loading lists that are there but cannot be read: the previous file stays byte for byte,
// the program's message names the failure, and no temporary file is left behind.
#include "robust/stoerung.h"

#include "data/datendatei.h"
#include "data/kodierung.h"
#include "data/nichtgewusstliste.h"
#include "gemeinsam/ordner.h"
#include "settings/einstellungsspeicher.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace quorvia {
namespace {

namespace fs = std::filesystem;
using test::dateiLesen;
using test::dateiSchreiben;
using test::TempOrdner;

constexpr std::string_view unerwartet = "Ein unerwarteter Fehler ist aufgetreten!";

// A list text of n records, long enough that its file outgrows the size limit below.
std::string listentext(int n) {
    Eintragsliste l(std::string(NichtGewusstListe::leererText));
    for (int i = 1; i <= n; ++i) {
        l.anhaengen("verbum" + std::to_string(i) + ", verbi n.", "Wort " + std::to_string(i));
    }
    return l.text();
}

enum class Stoerung {
    TemporaerIstOrdner, // the temporary name is taken by a folder: creating fails
    KeinDeskriptor,     // no descriptor left: creating fails, also for root
    PlatteVoll,         // writes beyond 128 bytes fail, as on a full disk
    SyncScheitert,      // the flush to the disk fails
    UmbenennenScheitert // the final replace fails
};

struct Fall {
    const char* name;
    Stoerung stoerung;
};

const std::vector<Fall> faelle = {
    {"temporary name is a folder", Stoerung::TemporaerIstOrdner},
    {"no descriptor left", Stoerung::KeinDeskriptor},
    {"disk full", Stoerung::PlatteVoll},
    {"fsync fails", Stoerung::SyncScheitert},
    {"rename fails", Stoerung::UmbenennenScheitert},
};

// Runs `speichern` with the fault in place and undoes it afterwards.
template <class F> void gestoert(Stoerung s, const fs::path& temporaer, F&& speichern) {
    using A = test::SystemaufrufScheitert::Aufruf;
    switch (s) {
    case Stoerung::TemporaerIstOrdner:
        fs::create_directory(temporaer);
        speichern();
        break;
    case Stoerung::KeinDeskriptor: {
        const test::KeineDeskriptoren grenze;
        speichern();
        break;
    }
    case Stoerung::PlatteVoll: {
        const test::Dateigroessengrenze grenze(128);
        speichern();
        break;
    }
    case Stoerung::SyncScheitert: {
        const test::SystemaufrufScheitert f(A::Synchronisieren);
        speichern();
        break;
    }
    case Stoerung::UmbenennenScheitert: {
        const test::SystemaufrufScheitert f(A::Umbenennen);
        speichern();
        break;
    }
    }
}

// Nothing of ours at the temporary name: no file, and a folder in the way is left alone.
void keinTemporaeres(const fs::path& temporaer, Stoerung s, const char* name) {
    if (s == Stoerung::TemporaerIstOrdner) {
        EXPECT_TRUE(fs::is_directory(temporaer)) << name;
        fs::remove(temporaer);
    }
    EXPECT_FALSE(fs::exists(temporaer)) << name;
}

TEST(Fehlerinjektion, ListeSpeichernScheitertUndLaesstDieAlteDatei) {
    for (const auto& f : faelle) {
        const TempOrdner ordner(test::schnellerOrdner());
        const fs::path pfad = ordner / "ngwoerter.dat";
        const std::string alterText = listentext(2);
        DatenDatei::schreiben(pfad, alterText);
        const std::string alteBytes = dateiLesen(pfad);

        NichtGewusstListe liste(pfad, Fehlerart::NgWoerterNichtLadbar);
        liste.fuerBereichLaden();
        liste.liste() = Eintragsliste(listentext(60));
        const int fehlschlaegeVorher = test::SystemaufrufScheitert::fehlschlaege();
        std::optional<DatenFehler> fehler;
        gestoert(f.stoerung, kodierung::temporaererPfad(pfad), [&] {
            try {
                liste.speichern();
            } catch (const DatenFehler& e) {
                fehler = e;
            }
        });

        ASSERT_TRUE(fehler.has_value()) << f.name << ": the failed save was not reported";
        EXPECT_EQ(fehler->art(), Fehlerart::Unerwartet) << f.name;
        EXPECT_EQ(fehler->what(), unerwartet) << f.name;
        EXPECT_EQ(dateiLesen(pfad), alteBytes) << f.name;
        keinTemporaeres(kodierung::temporaererPfad(pfad), f.stoerung, f.name);
        if (f.stoerung == Stoerung::SyncScheitert || f.stoerung == Stoerung::UmbenennenScheitert) {
            EXPECT_GT(test::SystemaufrufScheitert::fehlschlaege(), fehlschlaegeVorher) << f.name;
        }

        // The next window reads the old list, and a save without the fault goes through.
        NichtGewusstListe wieder(pfad, Fehlerart::NgWoerterNichtLadbar);
        ASSERT_TRUE(wieder.ladenUndPruefen()) << f.name;
        EXPECT_EQ(wieder.liste().text(), alterText) << f.name;
        liste.speichern();
        EXPECT_EQ(DatenDatei::lesen(pfad, Fehlerart::NgWoerterNichtLadbar), listentext(60));
    }
}

TEST(Fehlerinjektion, EinstellungenSpeichernScheitertUndLaesstDieAlteDatei) {
    const std::string alt =
        "[W\xF6rter-/Stammformenabfrage]\r\nAbfragePause=7\r\n; eigene Notiz\r\n";
    BegruessungsStil stil;
    stil.schriftart = std::string(31, 'A');
    for (const auto& f : faelle) {
        if (f.stoerung == Stoerung::SyncScheitert) {
            continue; // the settings file is not synced; nothing to fail there
        }
        const TempOrdner ordner(test::schnellerOrdner());
        const fs::path datei = ordner / "Einstellungen.ini";
        dateiSchreiben(datei, alt);
        const EinstellungsSpeicher speicher(datei);

        bool gespeichert = true;
        gestoert(f.stoerung, temporaerePfad(datei),
                 [&] { gespeichert = speicher.speichern(stil, AbfrageEinstellungen{}); });

        EXPECT_FALSE(gespeichert) << f.name << ": the failed save was reported as done";
        EXPECT_EQ(dateiLesen(datei), alt) << f.name;
        keinTemporaeres(temporaerePfad(datei), f.stoerung, f.name);
        EXPECT_EQ(speicher.abfrageLaden().pause, 7) << f.name;
        EXPECT_TRUE(speicher.speichern(stil, AbfrageEinstellungen{})) << f.name;
        EXPECT_EQ(speicher.begruessungLaden().schriftart, stil.schriftart) << f.name;
    }
}

struct Art {
    const char* name;
    Kursart kurs;
    Fehlerart fehlerart;
    std::string_view meldung;
};

const std::vector<Art> arten = {
    {"words", Kursart::Woerter, Fehlerart::NgWoerterNichtLadbar,
     "Die Datei \"\\Woerter\\ngwoerter.dat\" konnte nicht geladen werden!"},
    {"principal parts", Kursart::Stammformen, Fehlerart::NgStammformenNichtLadbar,
     "Die Datei \"\\Stammformen\\ngstammformen.dat\" konnte nicht geladen werden!"},
};

// Loading must fail with the list's own message; what loaded instead would be saved over
// the pupil's file when the window closes.
void ladenMussScheitern(NichtGewusstListe& liste, const Art& a, const char* wie) {
    for (const bool bereich : {true, false}) {
        try {
            if (bereich) {
                liste.fuerBereichLaden();
            } else {
                liste.ladenUndPruefen();
            }
            ADD_FAILURE() << a.name << ", " << wie << ": loaded as "
                          << (liste.liste().text().empty() ? "empty" : "a list");
        } catch (const DatenFehler& e) {
            EXPECT_EQ(e.art(), a.fehlerart) << a.name << ", " << wie;
            EXPECT_EQ(e.what(), a.meldung) << a.name << ", " << wie;
        }
    }
}

// The undefined-behaviour sanitizer checks an object's dynamic type through a pipe the
// first time it meets that type; with no descriptor left that check itself would fail and
// report a bad object. One failure raised before the limit fills its cache.
void typpruefungVorwaermen(Fehlerart art) {
    try {
        throw DatenFehler(art);
    } catch (const DatenFehler& e) {
        EXPECT_EQ(e.art(), art);
    }
}

using test::Arbeitsordner;

TEST(Fehlerinjektion, ListeAlsOrdner) {
    for (const auto& a : arten) {
        const TempOrdner ordner;
        const Arbeitsordner hier(ordner.pfad());
        NichtGewusstListe liste(a.kurs);
        fs::create_directory(liste.pfad());
        dateiSchreiben(liste.pfad() / "darin", "bleibt");
        ladenMussScheitern(liste, a, "a folder");

        try {
            liste.speichern();
            ADD_FAILURE() << a.name << ": saved over a folder";
        } catch (const DatenFehler& e) {
            EXPECT_EQ(e.art(), Fehlerart::Unerwartet) << a.name;
        }
        EXPECT_EQ(dateiLesen(liste.pfad() / "darin"), "bleibt") << a.name;
        EXPECT_FALSE(fs::exists(kodierung::temporaererPfad(liste.pfad()))) << a.name;
    }
}

TEST(Fehlerinjektion, ListeDieSichNichtOeffnenLaesst) {
    for (const auto& a : arten) {
        const TempOrdner ordner;
        const Arbeitsordner hier(ordner.pfad());
        NichtGewusstListe liste(a.kurs);
        DatenDatei::schreiben(liste.pfad(), listentext(3));
        const std::string bytes = dateiLesen(liste.pfad());
        typpruefungVorwaermen(a.fehlerart);
        {
            // Stops root as well as everyone else.
            const test::KeineDeskriptoren grenze;
            ladenMussScheitern(liste, a, "no descriptor");
        }
        EXPECT_EQ(dateiLesen(liste.pfad()), bytes) << a.name;

        fs::permissions(liste.pfad(), fs::perms::none);
        if (test::rechteHaltenNichtAuf(ordner.pfad())) {
            fs::permissions(liste.pfad(), fs::perms::owner_read | fs::perms::owner_write);
            continue; // root reads it anyway; the descriptor case above covers the failure
        }
        ladenMussScheitern(liste, a, "no read permission");
        fs::permissions(liste.pfad(), fs::perms::owner_read | fs::perms::owner_write);
        EXPECT_EQ(dateiLesen(liste.pfad()), bytes) << a.name;
    }
}

TEST(Fehlerinjektion, SchreibgeschuetzterArbeitsordner) {
    const TempOrdner ordner;
    if (test::rechteHaltenNichtAuf(ordner.pfad())) {
        GTEST_SKIP() << "running as root: a read-only folder does not stop writing; the "
                        "failing create, write and rename cases cover the failure";
    }
    const Arbeitsordner hier(ordner.pfad());
    NichtGewusstListe liste(Kursart::Woerter);
    DatenDatei::schreiben(liste.pfad(), listentext(2));
    const std::string bytes = dateiLesen(liste.pfad());
    dateiSchreiben("Einstellungen.ini", "[Begr\xFCssungstext]\r\nSchriftart=Arial\r\n");
    const auto nurLesen = fs::perms::owner_read | fs::perms::owner_exec;
    fs::permissions("Woerter", nurLesen);
    fs::permissions(".", nurLesen);

    liste.fuerBereichLaden();
    EXPECT_EQ(liste.liste().text(), listentext(2));
    liste.liste().anhaengen("via", "Weg");
    EXPECT_THROW(liste.speichern(), DatenFehler);
    const EinstellungsSpeicher speicher;
    EXPECT_EQ(speicher.begruessungLaden().schriftart, "Arial");
    EXPECT_FALSE(speicher.speichern({}, {}));

    fs::permissions(".", fs::perms::owner_all);
    fs::permissions("Woerter", fs::perms::owner_all);
    EXPECT_EQ(dateiLesen(liste.pfad()), bytes);
    EXPECT_EQ(dateiLesen("Einstellungen.ini"), "[Begr\xFCssungstext]\r\nSchriftart=Arial\r\n");
    EXPECT_FALSE(fs::exists(kodierung::temporaererPfad(liste.pfad())));
}

} // namespace
} // namespace quorvia
