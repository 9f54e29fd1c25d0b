// SPDX-License-Identifier: GPL-3.0-or-later
// The program as users get it: `cmake --install` into a temporary prefix, then the
// installed launcher started headless with a home of its own. The launcher must prepare
// the pupil's working folder and start the installed program in it; the test waits until
// that process runs there, then ends it and looks at the files.

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string inhalt(const fs::path& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

void schreiben(const fs::path& pfad, const std::string& text) {
    fs::create_directories(pfad.parent_path());
    std::ofstream(pfad, std::ios::binary) << text;
}

fs::path linkZiel(const fs::path& link) {
    std::error_code fehler;
    const fs::path ziel = fs::read_symlink(link, fehler);
    return fehler ? fs::path() : ziel;
}

// The course files the build compiled; only these can have been installed.
std::vector<std::string> gebauterKurs() {
    std::vector<std::string> dateien;
    for (const char* datei : {"Woerter/Woerter.dat", "Stammformen/Stammformen.dat"}) {
        if (fs::exists(fs::path(QUORVIA_BAUORDNER) / "arbeitsordner" / datei)) {
            dateien.emplace_back(datei);
        }
    }
    return dateien;
}

class Installation : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ziel_ = std::make_unique<QTemporaryDir>();
        QProcess cmake;
        cmake.setProcessChannelMode(QProcess::MergedChannels);
        cmake.start(QStringLiteral(QUORVIA_CMAKE),
                    {QStringLiteral("--install"), QStringLiteral(QUORVIA_BAUORDNER),
                     QStringLiteral("--prefix"), ziel_->path()});
        const bool fertig = cmake.waitForFinished(120000);
        ausgabe_ = cmake.readAll().toStdString();
        installiert_ =
            fertig && cmake.exitStatus() == QProcess::NormalExit && cmake.exitCode() == 0;
    }
    static void TearDownTestSuite() { ziel_.reset(); }

    void SetUp() override { ASSERT_TRUE(installiert_) << ausgabe_; }

    static fs::path prefix() { return ziel_->path().toStdString(); }
    static fs::path daten() { return prefix() / "share/quorvia"; }

    // Starts the launcher with a home of its own; returns once the installed program runs
    // in the expected folder (or the wait is over), with that folder.
    struct Lauf {
        std::unique_ptr<QProcess> prozess;
        bool laeuftDort = false;
    };
    static QProcessEnvironment umgebung(const fs::path& home, const std::optional<fs::path>& xdg) {
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(QStringLiteral("HOME"), QString::fromStdString(home.string()));
        umgebung.remove(QStringLiteral("XDG_DATA_HOME"));
        if (xdg) {
            umgebung.insert(QStringLiteral("XDG_DATA_HOME"), QString::fromStdString(xdg->string()));
        }
        umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return umgebung;
    }
    Lauf starten(const fs::path& home, std::optional<fs::path> xdg, const fs::path& ordner) {
        Lauf lauf{std::make_unique<QProcess>()};
        lauf.prozess->setProcessEnvironment(umgebung(home, xdg));
        lauf.prozess->setWorkingDirectory(QString::fromStdString(home.string()));
        lauf.prozess->start(QString::fromStdString((prefix() / "bin/quorvia-starten").string()),
                            {});
        if (!lauf.prozess->waitForStarted(10000)) {
            return lauf;
        }
        const fs::path proc = fs::path("/proc") / std::to_string(lauf.prozess->processId());
        const fs::path programm = fs::canonical(prefix() / "bin/quorvia");
        const auto ende = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (std::chrono::steady_clock::now() < ende &&
               lauf.prozess->state() == QProcess::Running) {
            std::error_code fehler;
            if (linkZiel(proc / "exe") == programm &&
                fs::equivalent(linkZiel(proc / "cwd"), ordner, fehler)) {
                // Alive a moment later too: the program did not end at once.
                QThread::msleep(500);
                lauf.laeuftDort = lauf.prozess->state() == QProcess::Running;
                break;
            }
            QThread::msleep(20);
        }
        return lauf;
    }
    static void beenden(Lauf& lauf) {
        if (lauf.prozess->state() != QProcess::NotRunning) {
            lauf.prozess->kill();
            lauf.prozess->waitForFinished(10000);
        }
    }

    QTemporaryDir home_;

private:
    static inline std::unique_ptr<QTemporaryDir> ziel_;
    static inline bool installiert_ = false;
    static inline std::string ausgabe_;
};

TEST_F(Installation, InstallsProgramHelpCourseDesktopEntryAndIcon) {
    for (const char* datei : {"bin/quorvia", "bin/quorvia-starten", "bin/quorvia-kurs"}) {
        const fs::path p = prefix() / datei;
        ASSERT_TRUE(fs::is_regular_file(p)) << datei;
        EXPECT_NE(fs::status(p).permissions() & fs::perms::owner_exec, fs::perms::none) << datei;
    }
    // The help file and the web page beside the course, none of them among the programs.
    EXPECT_EQ(inhalt(daten() / "quorvia.HLP"),
              inhalt(fs::path(QUORVIA_BAUORDNER) / "bin/quorvia.HLP"));
    EXPECT_TRUE(fs::is_regular_file(daten() / "website.html"));
    for (const auto& e : fs::directory_iterator(prefix() / "bin")) {
        EXPECT_FALSE(e.path().has_extension()) << e.path();
    }
    for (const char* bild : {"Bilder/Bustixgr.gif", "Bilder/Bustixkl.gif", "Bilder/Bustixgr@2x.gif",
                             "Bilder/Bustixkl@2x.gif"}) {
        EXPECT_EQ(inhalt(daten() / bild),
                  inhalt(fs::path(QUORVIA_BAUORDNER) / "arbeitsordner" / bild));
    }
    ASSERT_FALSE(gebauterKurs().empty()) << "the build compiled no course";
    for (const std::string& datei : gebauterKurs()) {
        EXPECT_EQ(inhalt(daten() / datei),
                  inhalt(fs::path(QUORVIA_BAUORDNER) / "arbeitsordner" / datei))
            << datei;
    }
    for (const char* groesse : {"16", "22", "24", "32", "48", "64", "128", "256"}) {
        const fs::path png = prefix() / "share/icons/hicolor" /
                             (std::string(groesse) + "x" + groesse) / "apps/quorvia.png";
        EXPECT_EQ(inhalt(png).substr(0, 4), "\x89PNG") << png;
    }
    // What a distribution ships besides: manual pages, software centre data, licences.
    for (const char* datei :
         {"share/icons/hicolor/scalable/apps/quorvia.svg", "share/man/man1/quorvia.1.gz",
          "share/man/de/man1/quorvia.1.gz", "share/man/de/man1/quorvia-starten.1.gz",
          "share/man/de/man1/quorvia-kurs.1.gz", "share/metainfo/de.brovanit.Quorvia.metainfo.xml",
          "share/doc/quorvia/copyright", "share/doc/quorvia/changelog.gz"}) {
        EXPECT_TRUE(fs::is_regular_file(prefix() / datei)) << datei;
    }

    // The desktop id is the software centre's id; the icon comes from the theme.
    const std::string eintrag = inhalt(prefix() / "share/applications/de.brovanit.Quorvia.desktop");
    EXPECT_NE(eintrag.find("[Desktop Entry]\n"), std::string::npos) << eintrag;
    EXPECT_NE(eintrag.find("\nType=Application\n"), std::string::npos) << eintrag;
    EXPECT_NE(eintrag.find("\nName=Quorvia 2003\n"), std::string::npos) << eintrag;
    EXPECT_NE(eintrag.find("\nExec=\"" + (prefix() / "bin/quorvia-starten").string() + "\"\n"),
              std::string::npos)
        << eintrag;
    EXPECT_NE(eintrag.find("\nIcon=quorvia\n"), std::string::npos) << eintrag;
}

TEST_F(Installation, TheLauncherPreparesTheUsersFolderAndStartsTheProgramThere) {
    const fs::path home = home_.path().toStdString();
    const fs::path ordner = home / ".local/share/quorvia2003";
    Lauf lauf = starten(home, std::nullopt, ordner);
    const bool laeuft = lauf.laeuftDort;
    beenden(lauf);
    const std::string fehlerausgabe = lauf.prozess->readAllStandardError().toStdString();
    ASSERT_TRUE(laeuft) << fehlerausgabe;
    EXPECT_EQ(fehlerausgabe.find("Arbeitsordner"), std::string::npos) << fehlerausgabe;

    for (const char* bild : {"Bilder/Bustixgr.gif", "Bilder/Bustixkl.gif", "Bilder/Bustixgr@2x.gif",
                             "Bilder/Bustixkl@2x.gif"}) {
        EXPECT_EQ(inhalt(ordner / bild), inhalt(daten() / bild)) << bild;
    }
    for (const std::string& datei : gebauterKurs()) {
        EXPECT_EQ(inhalt(ordner / datei), inhalt(daten() / datei)) << datei;
    }
}

TEST_F(Installation, ANewerCourseIsRefreshedAndThePupilsListsAndSettingsAreKept) {
    const fs::path home = home_.path().toStdString();
    const fs::path xdg = home / "daten";
    const fs::path ordner = xdg / "quorvia2003";
    Lauf erster = starten(home, xdg, ordner);
    const bool ersterLief = erster.laeuftDort;
    beenden(erster);
    ASSERT_TRUE(ersterLief);

    // The pupil's own files, then an update of the installed course.
    const std::string ng = "nicht gewusst";
    const std::string ini = "[Begr\xFCssungstext]\r\nSchriftstil=Fett\r\n";
    schreiben(ordner / "Woerter/ngwoerter.dat", ng);
    schreiben(ordner / "Stammformen/ngstammformen.dat", ng);
    schreiben(ordner / "Einstellungen.ini", ini);
    ASSERT_FALSE(gebauterKurs().empty());
    const std::string kurs = gebauterKurs().front();
    const std::string alt = inhalt(daten() / kurs);
    schreiben(daten() / kurs, alt + "neu");

    Lauf zweiter = starten(home, xdg, ordner);
    const bool zweiterLief = zweiter.laeuftDort;
    beenden(zweiter);
    schreiben(daten() / kurs, alt); // the installation is shared by the other tests
    ASSERT_TRUE(zweiterLief);

    EXPECT_EQ(inhalt(ordner / kurs), alt + "neu");
    EXPECT_EQ(inhalt(ordner / "Woerter/ngwoerter.dat"), ng);
    EXPECT_EQ(inhalt(ordner / "Stammformen/ngstammformen.dat"), ng);
    EXPECT_EQ(inhalt(ordner / "Einstellungen.ini"), ini);
    for (const auto& e : fs::recursive_directory_iterator(ordner)) {
        EXPECT_EQ(e.path().string().find(".neu."), std::string::npos)
            << "left behind: " << e.path();
    }
}

// Started straight from bin/ in a folder without the data folders, the program keeps its
// missing-picture message (which stays up, so the test ends the process) and says on
// standard error where it expected to run and how to start it there.
TEST_F(Installation, StartedOutsideAWorkingFolderTheProgramNamesTheFolderAndTheLauncher) {
    const fs::path home = home_.path().toStdString();
    struct Fall {
        std::vector<std::string> vorhanden;
        std::optional<fs::path> xdg;
        fs::path arbeitsordner;
    };
    const Fall faelle[] = {
        {{}, std::nullopt, home / ".local/share/quorvia2003"},
        {{"Bilder"}, home / "xdg", home / "xdg/quorvia2003"},
        {{"Woerter", "Stammformen"}, fs::path("relativ"), home / ".local/share/quorvia2003"},
    };
    for (const Fall& fall : faelle) {
        QTemporaryDir start;
        const fs::path ordner = start.path().toStdString();
        for (const std::string& da : fall.vorhanden) {
            fs::create_directories(ordner / da);
        }
        QProcess programm;
        programm.setProcessEnvironment(umgebung(home, fall.xdg));
        programm.setWorkingDirectory(start.path());
        programm.setReadChannel(QProcess::StandardError);
        programm.start(QString::fromStdString((prefix() / "bin/quorvia").string()), {});
        const auto ende = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (!programm.canReadLine() && programm.state() != QProcess::NotRunning &&
               std::chrono::steady_clock::now() < ende) {
            programm.waitForReadyRead(100);
        }
        const std::string zeile = programm.readLine().toStdString();
        programm.kill();
        programm.waitForFinished(10000);

        EXPECT_NE(zeile.find('"' + ordner.string() + '"'), std::string::npos) << zeile;
        EXPECT_NE(zeile.find('"' + fall.arbeitsordner.string() + '"'), std::string::npos) << zeile;
        EXPECT_NE(zeile.find("quorvia-starten"), std::string::npos) << zeile;
        for (const std::string& da : fall.vorhanden) {
            EXPECT_EQ(zeile.find(da + "/"), std::string::npos) << zeile;
        }
    }
}

} // namespace
