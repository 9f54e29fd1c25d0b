#pragma once

// SPDX-License-Identifier: GPL-3.0-or-later
// The font chooser of the settings: scalable faces only, no vertical ("@") faces, no
// script choice, no colour or effects, sizes up to 12 points.

#include "settings/schrift.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QListWidget;

namespace quorvia {

inline constexpr int groessteSchriftgroesse = 12;

class Schriftwahl : public QDialog {
    Q_OBJECT
public:
    explicit Schriftwahl(const Schriftbeschreibung& start, QWidget* eltern = nullptr);

    // The font as chosen so far (face, height for the screen, weight, italic).
    Schriftbeschreibung gewaehlt() const;

    QListWidget* schriftarten() const { return arten_; }
    QListWidget* schriftschnitte() const { return schnitte_; }
    QComboBox* groessen() const { return groessen_; }

    // Refuses, with a message, a size outside 1 to 12 points; the dialog stays open.
    void accept() override;

private:
    void schnitteFuellen();
    int groesse() const; // the size field's points, 0 when outside 1 to 12
    void probeZeigen();

    Schriftbeschreibung start_;
    int wunschGewicht_ = 400;
    bool wunschKursiv_ = false;
    bool schnittBeruehrt_ = false;
    int startzeile_ = -1; // the face shown at first: the start's or its stand-in
    QString startgroesse_;
    QListWidget* arten_ = nullptr;
    QListWidget* schnitte_ = nullptr;
    QComboBox* groessen_ = nullptr;
    QLabel* probe_ = nullptr;
};

// The faces the chooser offers.
QStringList waehlbareSchriftarten();

} // namespace quorvia
