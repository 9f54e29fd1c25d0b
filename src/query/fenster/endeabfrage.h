#pragma once

// SPDX-License-Identifier: GPL-3.0-or-later
// The summary after the last item of a query: how many were asked, right and wrong, the
// success rate in whole percent and the Latin rating.

#include "settings/einstellungsspeicher.h"
#include "ui/plattform/dialog.h"

#include <string>

namespace quorvia {

class EndeAbfrage : public Dialog {
    Q_OBJECT
public:
    // Control ids of the window.
    static constexpr int anzahlTextId = 1017;
    static constexpr int gesamtId = 1018;
    static constexpr int richtigId = 1019;
    static constexpr int falschId = 1020;
    static constexpr int quoteId = 1021;
    static constexpr int beurteilungId = 1022;

    // art: "W\xF6rter" or "Stammformen" (Windows-1252). The message colour is read from
    // speicher when the window opens.
    EndeAbfrage(std::string art, int gesamt, int richtig, int falsch, QWidget* eltern = nullptr,
                EinstellungsSpeicher speicher = EinstellungsSpeicher());

    const std::string& art() const { return art_; }
    int gesamt() const { return gesamt_; }
    int richtig() const { return richtig_; }
    int falsch() const { return falsch_; }
    // The texts the window shows once it has opened.
    const std::string& quote() const { return quote_; }
    const std::string& beurteilung() const { return beurteilung_; }
    Farbe meldungFarbe() const { return meldungFarbe_; }

protected:
    void oeffnen() override;
    void datenAustauschen(Datenaustausch& austausch) override;
    Beschriftungsfarben beschriftungsfarben(int id) override;

private:
    std::string art_;
    int gesamt_;
    int richtig_;
    int falsch_;
    EinstellungsSpeicher speicher_;
    Farbe meldungFarbe_ = rgb(0, 0, 139);
    bool meldungGespeichert_ = false;
    std::string quote_;
    std::string beurteilung_;
};

} // namespace quorvia
