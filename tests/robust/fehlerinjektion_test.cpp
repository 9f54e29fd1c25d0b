// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the not-known lists and the settings while the file system fails at each step, and
// loading lists that are there but cannot be read: the previous file stays byte for byte,
// the program's message names the failure, and no temporary file is left behind.
#include "robust/stoerung.h"

#include "data/datendatei.h"
#include "data/kursdatei.h"
#include "data/nichtgewusstliste.h"
#include "data/startsperre.h"
#include "gemeinsam/ordner.h"
#include "settings/einstellungsspeicher.h"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
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
    AnlegenScheitert,   // creating the temporary file fails
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
    {"creating fails", Stoerung::AnlegenScheitert},
    {"no descriptor left", Stoerung::KeinDeskriptor},
    {"disk full", Stoerung::PlatteVoll},
    {"fsync fails", Stoerung::SyncScheitert},
    {"rename fails", Stoerung::UmbenennenScheitert},
};

// Runs `speichern` with the fault in place and undoes it afterwards.
template <class F> void gestoert(Stoerung s, F&& speichern) {
    using A = test::SystemaufrufScheitert::Aufruf;
    switch (s) {
    case Stoerung::AnlegenScheitert: {
        const test::SystemaufrufScheitert f(A::Anlegen);
        speichern();
        break;
    }
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

// Nothing of ours beside the file: its folder holds the file alone.
void keinTemporaeres(const fs::path& datei, const char* name) {
    EXPECT_EQ(test::dateinamen(datei.parent_path()),
              std::vector<std::string>{datei.filename().string()})
        << name;
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
        gestoert(f.stoerung, [&] {
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
        keinTemporaeres(pfad, f.name);
        if (f.stoerung != Stoerung::KeinDeskriptor && f.stoerung != Stoerung::PlatteVoll) {
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
        const TempOrdner ordner(test::schnellerOrdner());
        const fs::path datei = ordner / "Einstellungen.ini";
        dateiSchreiben(datei, alt);
        const EinstellungsSpeicher speicher(datei);

        bool gespeichert = true;
        gestoert(f.stoerung,
                 [&] { gespeichert = speicher.speichern(stil, AbfrageEinstellungen{}); });

        EXPECT_FALSE(gespeichert) << f.name << ": the failed save was reported as done";
        EXPECT_EQ(dateiLesen(datei), alt) << f.name;
        keinTemporaeres(datei, f.name);
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
        EXPECT_EQ(test::dateinamen(liste.pfad().parent_path()),
                  std::vector<std::string>{liste.pfad().filename().string()})
            << a.name;
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
    keinTemporaeres(liste.pfad(), "read-only folder");
}

// What a save replaces and how: both kinds of file go through the same replacement.
struct Ziel {
    const char* datei;
    std::function<void(const fs::path&)> speichern;
    std::function<bool(const fs::path&)> gespeichert; // holds what speichern wrote
};

const std::vector<Ziel> ziele = {
    {"ngwoerter.dat",
     [](const fs::path& p) {
         NichtGewusstListe l(p, Fehlerart::NgWoerterNichtLadbar);
         l.liste() = Eintragsliste(listentext(2));
         EXPECT_NO_THROW(l.speichern()) << p;
     },
     [](const fs::path& p) {
         return DatenDatei::lesen(p, Fehlerart::Unerwartet) == listentext(2);
     }},
    {"Einstellungen.ini",
     [](const fs::path& p) {
         AbfrageEinstellungen a;
         a.pause = 9;
         EXPECT_TRUE(EinstellungsSpeicher(p).speichern({}, a)) << p;
     },
     [](const fs::path& p) {
         return EinstellungsSpeicher(p).abfrageLaden().pause == 9;
     }},
};

TEST(Fehlerinjektion, SpeichernFolgtKeinemFremdenLinkUndBehaeltRechteUndLink) {
    for (const auto& z : ziele) {
        const TempOrdner ordner(test::schnellerOrdner());
        const fs::path ziel = ordner / z.datei;
        const std::string neu = std::string(z.datei) + ".neu";
        // A link planted at the name earlier versions wrote to first, aimed at the course.
        dateiSchreiben(ordner / "Woerter.dat", "Kurs");
        fs::create_symlink("Woerter.dat", ordner / neu);
        z.speichern(ziel);
        EXPECT_EQ(dateiLesen(ordner / "Woerter.dat"), "Kurs") << z.datei;
        EXPECT_TRUE(fs::is_symlink(ordner / neu)) << z.datei;
        EXPECT_TRUE(z.gespeichert(ziel)) << z.datei;

        // A file only its owner may read stays so.
        const auto privat = fs::perms::owner_read | fs::perms::owner_write;
        fs::permissions(ziel, privat);
        z.speichern(ziel);
        EXPECT_EQ(fs::status(ziel).permissions(), privat) << z.datei;

        // A link to a file kept elsewhere stays a link; the file it points to is updated.
        const fs::path anderswo = ordner / "anderswo";
        fs::create_directory(anderswo);
        dateiSchreiben(anderswo / z.datei, "alt");
        fs::remove(ziel);
        fs::create_symlink(fs::path("anderswo") / z.datei, ziel);
        z.speichern(ziel);
        EXPECT_TRUE(fs::is_symlink(ziel)) << z.datei;
        EXPECT_TRUE(z.gespeichert(anderswo / z.datei)) << z.datei;
        keinTemporaeres(anderswo / z.datei, z.datei);
        EXPECT_EQ(test::dateinamen(ordner.pfad()).size(), 4u) << z.datei;
    }
}

// Things at a data file's path that are not files: reading one must neither block (a FIFO
// without writer) nor run on for ever (a device), and no save may replace one.
TEST(Fehlerinjektion, DatenDateienDieKeineDateienSind) {
    const std::vector<std::pair<const char*, std::function<void(const fs::path&)>>> dinge = {
        {"a FIFO",
         [](const fs::path& p) {
             ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0) << p;
         }},
        {"a link to /dev/zero",
         [](const fs::path& p) {
             fs::create_symlink("/dev/zero", p);
         }},
    };
    for (const auto& a : arten) {
        for (const auto& [wie, anlegen] : dinge) {
            const TempOrdner ordner;
            const Arbeitsordner hier(ordner.pfad());
            NichtGewusstListe liste(a.kurs);
            anlegen(liste.pfad());
            ladenMussScheitern(liste, a, wie);
            EXPECT_THROW(liste.speichern(), DatenFehler) << a.name << ", " << wie;

            const Kursdatei kurs = kursdatei(a.kurs);
            anlegen(std::string(kurs.pfad));
            try {
                kursLesen(a.kurs);
                ADD_FAILURE() << a.name << ", " << wie << ": the course loaded";
            } catch (const DatenFehler& e) {
                EXPECT_EQ(e.art(), kurs.wennNichtLadbar) << a.name << ", " << wie;
            }
        }
    }
}

// The start lock: refused to a second holder while the first lives, in another process or
// this one, and free again once its holder is killed.
TEST(Fehlerinjektion, StartsperreGiltBisZumEndeIhresHalters) {
    using S = Startsperre::Stand;
    const TempOrdner ordner;
    const fs::path datei = ordner / "quorvia.lock";
    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        const Startsperre sperre(datei);
        ::raise(SIGSTOP); // holds the lock, stopped, until killed
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(kind, &status, WUNTRACED), kind);
    EXPECT_EQ(Startsperre(datei).stand(), S::Besetzt);
    ::kill(kind, SIGKILL);
    ASSERT_EQ(::waitpid(kind, &status, 0), kind);
    {
        const Startsperre wieder(datei);
        EXPECT_EQ(wieder.stand(), S::Gehalten);
        EXPECT_EQ(Startsperre(datei).stand(), S::Besetzt);
    }
    EXPECT_EQ(Startsperre(datei).stand(), S::Gehalten);
    // Where no lock file can be made the lock is no obstacle.
    EXPECT_EQ(Startsperre(ordner / "fehlt" / "quorvia.lock").stand(), S::Ungeschuetzt);
}

} // namespace
} // namespace quorvia
