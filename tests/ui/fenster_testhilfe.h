#pragma once

// SPDX-License-Identifier: GPL-3.0-or-later
// What the option-window tests add to the shared test support: the working directory
// prepared with the test courses, a picture and a settings file, and the table row of a
// window named by its class.

#include "gemeinsam/fenster.h"
#include "gemeinsam/kurs.h"
#include "gemeinsam/ordner.h"
#include "gemeinsam/zusammenfassungen.h"
#include "settings/einstellungsspeicher.h"
#include "ui/optionstabelle.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <string_view>

namespace quorvia::testhilfe {

using namespace quorvia::test;

inline void einstellungenSchreiben(const AbfrageEinstellungen& abfrage) {
    ASSERT_TRUE(EinstellungsSpeicher().speichern(BegruessungsStil{}, abfrage));
}

// The test courses, the small picture (the decoder reads by content, so a PNG stands in
// for the GIF) and settings of their defaults.
inline void fensterordnerEinrichten(const Arbeitsordner& ordner) {
    ordner.kursSchreiben();
    std::filesystem::create_directories("Bilder");
    QImage bild(60, 80, QImage::Format_RGB32);
    bild.fill(QColor(180, 160, 120));
    bild.save(QString::fromLatin1(pfade::bildKlein.data()), "PNG");
    einstellungenSchreiben({});
}

// The table row of the window the tests name by its class ("Option211").
inline const Optionszeile& zeileVon(std::string_view klasse) {
    for (const Optionszeile& zeile : optionsfensterTabelle) {
        if (zeile.klasse == klasse) {
            return zeile;
        }
    }
    ADD_FAILURE() << "no option window " << klasse;
    return optionsfensterTabelle.front();
}

} // namespace quorvia::testhilfe
