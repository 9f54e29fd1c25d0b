#include "ui/testblatt.h"

#include <algorithm>
#include <numeric>

namespace quorvia {

namespace {

QString artText(Kursart kurs, Testrichtung richtung) {
    if (kurs == Kursart::Stammformen) {
        return QStringLiteral("Stammformen");
    }
    return richtung == Testrichtung::DeutschGegeben
               ? QStringLiteral("W\u00f6rter Deutsch --> Latein")
               : QStringLiteral("W\u00f6rter Latein --> Deutsch");
}

} // namespace

Druckdokument testblattDokument(const std::vector<Druckzeile>& zeilen,
                                const Testblattangaben& angaben, const Testblattwahl& wahl,
                                std::mt19937& zufall, const QDate& datum) {
    std::vector<std::size_t> reihen(zeilen.size());
    std::iota(reihen.begin(), reihen.end(), std::size_t{0});
    std::shuffle(reihen.begin(), reihen.end(), zufall);
    reihen.resize(std::min(reihen.size(), static_cast<std::size_t>(std::max(wahl.anzahl, 0))));

    // Columns of a shown row: 1 the Latin side, 2 the German side.
    const bool deutsch =
        angaben.kurs == Kursart::Stammformen || wahl.richtung == Testrichtung::DeutschGegeben;
    const std::size_t gegeben = deutsch ? 2 : 1;
    const std::size_t gefragt = deutsch ? 1 : 2;
    const QString art = artText(angaben.kurs, wahl.richtung);
    const Druckzeile spalten{QStringLiteral("Nr."),
                             deutsch ? angaben.deutschSpalte : angaben.lateinSpalte,
                             deutsch ? angaben.lateinSpalte : angaben.deutschSpalte};

    Druckteil blatt{QStringLiteral("Testblatt: ") + art,
                    {angaben.bereich, QStringLiteral("Name: ______________________________    "
                                                     "Datum: ____________________")},
                    spalten,
                    {},
                    true};
    Druckteil schluessel{QStringLiteral("L\u00f6sungen: ") + art, {angaben.bereich}, spalten, {}};
    int nummer = 0;
    for (const std::size_t r : reihen) {
        const QString nr = QString::number(++nummer) + u'.';
        blatt.zeilen.push_back({nr, zeilen[r][gegeben], QString()});
        schluessel.zeilen.push_back({nr, zeilen[r][gegeben], zeilen[r][gefragt]});
    }
    return {{std::move(blatt), std::move(schluessel)}, datum};
}

Testblattfrage::Testblattfrage(int hoechstens, Kursart kurs, QWidget* eltern)
    : Dialog(QStringLiteral("Testblatt"), eltern), hoechstens_(std::max(hoechstens, 1)),
      kurs_(kurs) {}

void Testblattfrage::oeffnen() {
    using namespace testblattIds;
    setzeText(anzahl, std::to_string(std::min(testblattVorgabe, hoechstens_)));
    drehbereichSetzen(anzahlDreh, 1, hoechstens_);
    setzeRadioIndex(deutschGegeben, 0);
    if (kurs_ == Kursart::Stammformen) {
        setzeText(deutschGegeben, "Deutsch --> Stammformen");
        setzeSichtbar(lateinGegeben, false);
    }
}

void Testblattfrage::befehl(int id) {
    if (id == testblattIds::ok) {
        wahl_ = Testblattwahl{drehwert(testblattIds::anzahlDreh),
                              radioIndex(testblattIds::deutschGegeben) == 1
                                  ? Testrichtung::LateinGegeben
                                  : Testrichtung::DeutschGegeben};
        beenden(okId);
        return;
    }
    Dialog::befehl(id);
}

} // namespace quorvia
