#pragma once

// Helpers for the tests of the shared window pieces, the about box and the summary: a
// seam that answers message boxes, a temporary working directory, a guard against a
// modal run that never ends.

#include "ui/plattform/anwendung.h"
#include "ui/plattform/dialog.h"
#include "ui/plattform/dienste.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace quorvia::test {

struct GezeigteMeldung {
    QString text;
    Meldungssymbol symbol;
};

// Answers every message box at once and records it; beiMeldung runs while the "box" is
// open, as the pupil's reading time would.
class Antworten final : public Dialogdienste {
public:
    void meldung(QWidget*, const QString& text, Meldungssymbol symbol) override {
        meldungen.push_back({text, symbol});
        if (beiMeldung) {
            beiMeldung();
        }
    }
    std::optional<Schriftbeschreibung> schriftWaehlen(QWidget*,
                                                      const Schriftbeschreibung&) override {
        return std::nullopt;
    }
    std::optional<Farbe> farbeWaehlen(QWidget*, Farbe) override { return std::nullopt; }

    std::vector<GezeigteMeldung> meldungen;
    std::function<void()> beiMeldung;
};

// Puts Antworten into the application's seam for the life of the object.
class AntwortenEingesetzt {
public:
    AntwortenEingesetzt() {
        auto neu = std::make_unique<Antworten>();
        antworten_ = neu.get();
        vorher_ = Anwendung::instanz()->setzeDienste(std::move(neu));
    }
    ~AntwortenEingesetzt() { Anwendung::instanz()->setzeDienste(std::move(vorher_)); }
    AntwortenEingesetzt(const AntwortenEingesetzt&) = delete;
    AntwortenEingesetzt& operator=(const AntwortenEingesetzt&) = delete;

    Antworten& operator*() const { return *antworten_; }
    Antworten* operator->() const { return antworten_; }

private:
    Antworten* antworten_ = nullptr;
    std::unique_ptr<Dialogdienste> vorher_;
};

// A fresh directory that is the working directory while the object lives.
class Arbeitsordner {
public:
    Arbeitsordner() : vorher_(QDir::currentPath()) {
        EXPECT_TRUE(ordner_.isValid());
        EXPECT_TRUE(QDir::setCurrent(ordner_.path()));
    }
    ~Arbeitsordner() { QDir::setCurrent(vorher_); }
    Arbeitsordner(const Arbeitsordner&) = delete;
    Arbeitsordner& operator=(const Arbeitsordner&) = delete;

    QString pfad(const QString& name) const { return ordner_.filePath(name); }
    void schreiben(const QString& name, const QByteArray& inhalt) const {
        const QString ziel = pfad(name);
        QDir().mkpath(QFileInfo(ziel).path());
        QFile datei(ziel);
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(datei.write(inhalt), inhalt.size());
    }

private:
    QString vorher_;
    QTemporaryDir ordner_;
};

// Ends a modal run that is still going after a few seconds, so that a fault shows as a
// failed expectation instead of a hanging test.
inline constexpr int notausErgebnis = -4711;
inline void notausStellen(Dialog& dialog) {
    QTimer::singleShot(5000, &dialog, [&dialog] {
        if (dialog.laeuft()) {
            dialog.beenden(notausErgebnis);
        }
    });
}

// A 10 x 8 GIF, every pixel red (made with ImageMagick).
inline QByteArray rotesGif() {
    static const unsigned char daten[] = {
        0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x0a, 0x00, 0x08, 0x00, 0xf0, 0x00, 0x00,
        0xff, 0x00, 0x00, 0x00, 0x00, 0x00, 0x21, 0xf9, 0x04, 0x00, 0x00, 0x00, 0x00,
        0x00, 0x2c, 0x00, 0x00, 0x00, 0x00, 0x0a, 0x00, 0x08, 0x00, 0x00, 0x02, 0x08,
        0x84, 0x8f, 0xa9, 0xcb, 0xed, 0x0f, 0x4d, 0x01, 0x00, 0x3b};
    return QByteArray(reinterpret_cast<const char*>(daten), sizeof daten);
}

} // namespace quorvia::test
