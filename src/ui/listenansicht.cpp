#include "ui/listenansicht.h"

#include "data/kursdatei.h"
#include "ui/plattform/anwendung.h"
#include "ui/plattform/text.h"
#include "ui/testblatt.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QStandardPaths>

#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace quorvia {

Listenansicht::Listenansicht(const Optionszeile& zeile, QWidget* eltern)
    : Optionsfenster(zeile, eltern) {
    menuepunkteAnhaengen(0, {{},
                             {druckBefehle::drucken, QStringLiteral("&Drucken...")},
                             {druckBefehle::pdf, QStringLiteral("Als &PDF speichern...")},
                             {druckBefehle::testblatt, QStringLiteral("&Testblatt drucken...")}});
}

void Listenansicht::inhaltOeffnen() {
    using namespace ansichtIds;
    vollzeileSetzen(liste, true);
    spalteEinfuegen(liste, 0, spalteLektion, spaltenbreiten[0]);
    spalteEinfuegen(liste, 1, zeile().spalten.spalte1, spaltenbreiten[1]);
    spalteEinfuegen(liste, 2, zeile().spalten.spalte2, spaltenbreiten[2]);

    if (zeile().quelle == Abfragequelle::Bereich) {
        bereichFuellen(Eintragsliste(kursLesen(zeile().kurs)));
    } else if (listeGeladen()) {
        nichtGewusstFuellen(Eintragsliste(kursLesen(zeile().kurs)));
    }
}

void Listenansicht::bereichFuellen(const Eintragsliste& kurs) {
    const std::vector<Eintrag> eintraege = kurs.eintraege(erste(), letzte());
    int reihe = 0;
    for (int n = erste(); n <= letzte(); ++n) {
        const Eintrag& e = eintraege[static_cast<std::size_t>(n - erste())];
        // Column 0 names the lesson; an item beyond the lesson table keeps the placeholder.
        const std::optional<std::string> lektion = Lektionstabelle::lektionVon(zeile().kurs, n);
        zeileEinfuegen(ansichtIds::liste, reihe,
                       {lektion ? std::string_view(*lektion) : zeile().spalten.platzhalter,
                        e.lateinisch, e.deutsch});
        ++reihe;
    }
}

void Listenansicht::nichtGewusstFuellen(const Eintragsliste& kurs) {
    // Every record's lesson from one reading of the course instead of a search per record.
    // A line holds no line break, so one joins the two lines into a key.
    const auto schluessel = [](const Eintrag& e) {
        return e.lateinisch + '\n' + e.deutsch;
    };
    std::unordered_map<std::string, int> nummern;
    const std::vector<Eintrag> kurseintraege =
        kurs.eintraege(1, Lektionstabelle::anzahlGesamt(zeile().kurs));
    nummern.reserve(kurseintraege.size());
    for (const Eintrag& e : kurseintraege) {
        if (e.nummer != 0) {
            nummern.try_emplace(schluessel(e), e.nummer);
        }
    }
    int reihe = 0;
    for (const Eintrag& e : nichtGewusst().liste().eintraege(erste(), letzte())) {
        // A record the course no longer holds (a changed course file) keeps an empty lesson.
        std::string lektion;
        if (const auto n = nummern.find(schluessel(e)); n != nummern.end()) {
            lektion = Lektionstabelle::lektionVon(zeile().kurs, n->second).value_or("");
        }
        reihe = zeileEinfuegen(ansichtIds::liste, reihe, {lektion, e.lateinisch, e.deutsch});
    }
}

bool Listenansicht::eigenerBefehl(int id) {
    switch (id) {
    case druckBefehle::drucken:
        druckenUndMelden(listendokument());
        return true;
    case druckBefehle::pdf:
        pdfSpeichern();
        return true;
    case druckBefehle::testblatt:
        testblattDrucken();
        return true;
    default:
        return false;
    }
}

std::vector<Druckzeile> Listenansicht::gezeigteZeilen() const {
    std::vector<Druckzeile> zeilen;
    const int anzahl = zeilenAnzahl(ansichtIds::liste);
    zeilen.reserve(static_cast<std::size_t>(anzahl));
    for (int r = 0; r < anzahl; ++r) {
        Druckzeile z;
        for (int s = 0; s < 3; ++s) {
            z[static_cast<std::size_t>(s)] = alsQString(zelle(ansichtIds::liste, r, s));
        }
        zeilen.push_back(std::move(z));
    }
    return zeilen;
}

Druckdokument Listenansicht::listendokument() const {
    Druckteil teil{alsQString(titel()),
                   {},
                   {alsQString(spalteLektion), alsQString(zeile().spalten.spalte1),
                    alsQString(zeile().spalten.spalte2)},
                   gezeigteZeilen()};
    return {{std::move(teil)}, QDate::currentDate()};
}

void Listenansicht::pdfSpeichern() {
    const QString ordner = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const auto pfad = speichernUnter(this, QDir(ordner).filePath(alsQString(titel()) + ".pdf"),
                                     QStringLiteral("PDF-Dateien (*.pdf)"));
    if (!pfad) {
        return;
    }
    const QString ziel = QFileInfo(*pfad).suffix().isEmpty() ? *pfad + ".pdf" : *pfad;
    if (!alsPdfSpeichern(ziel, listendokument())) {
        dialogdienste().meldung(
            this, QStringLiteral("Die Datei \"%1\" konnte nicht gespeichert werden.").arg(ziel),
            Meldungssymbol::Stop);
    }
}

void Listenansicht::testblattDrucken() {
    const std::vector<Druckzeile> zeilen = gezeigteZeilen();
    if (zeilen.empty()) {
        return;
    }
    Testblattfrage frage(static_cast<int>(zeilen.size()), zeile().kurs, this);
    if (frage.ausfuehren() != okId || !frage.wahl()) {
        return;
    }
    const Druckdokument dokument = testblattDokument(zeilen,
                                                     {zeile().kurs, alsQString(bereichstext()),
                                                      alsQString(zeile().spalten.spalte1),
                                                      alsQString(zeile().spalten.spalte2)},
                                                     *frage.wahl(), zufall_, QDate::currentDate());
    druckenUndMelden(dokument);
}

void Listenansicht::druckenUndMelden(const Druckdokument& dokument) {
    const auto malen = [&dokument](QPrinter& drucker) {
        return dokumentMalen(drucker, dokument) > 0;
    };
    if (drucken(this, malen) == Druckergebnis::Fehlgeschlagen) {
        dialogdienste().meldung(this, QStringLiteral("Das Dokument konnte nicht gedruckt werden."),
                                Meldungssymbol::Stop);
    }
}

} // namespace quorvia
