#include "ui/testplanfenster.h"

#include "data/kursdatei.h"
#include "data/lektionstabelle.h"
#include "ui/gemeinsam.h"
#include "ui/plattform/dienste.h"

#include <QDate>

#include <algorithm>
#include <array>

namespace quorvia {

namespace {

// The figures' captions, in the order of their labels. "\xE4" a-umlaut, "\xFC" u-umlaut.
constexpr std::array<std::string_view, 5> kennzahlen{
    "Tage bis zum Test: ", "Eintr\xE4ge im Bereich: ", "heute sicher: ",
    "am Testtag sicher, wenn du dem Plan folgst: ",
    "heute zu \xFC"
    "ben: "};

} // namespace

std::optional<Planbereich> planbereichLesen(Lernstand& lernstand, const Testplan& plan) {
    const Kursart kurs = kursartVon(plan.richtung);
    Planbereich b;
    b.eintraege = Eintragsliste(kursLesen(kurs))
                      .eintraege(Lektionstabelle::ersterEintrag(kurs, plan.von),
                                 Lektionstabelle::letzterEintrag(kurs, plan.bis));
    std::vector<Schluessel> schluessel;
    schluessel.reserve(b.eintraege.size());
    for (const Eintrag& e : b.eintraege) {
        schluessel.push_back({plan.richtung, e.lateinisch, e.deutsch});
    }
    auto posten = lernstand.lernposten(schluessel);
    if (!posten) {
        return std::nullopt;
    }
    b.posten = std::move(*posten);
    return b;
}

std::optional<std::string> planzeile(const Testplan& plan, int heute, int heuteZuUeben) {
    const int tage = plan.tag - heute;
    if (tage < 0) {
        return std::nullopt;
    }
    const std::string wann = tage == 0   ? "heute"
                             : tage == 1 ? "morgen"
                                         : "in " + std::to_string(tage) + " Tagen";
    const char* was = plan.richtung == Richtung::Stammformen ? " Stammformen" : " W\xF6rter";
    return "Vokabeltest " + wann + ": heute " + std::to_string(heuteZuUeben) + was;
}

std::string plandatum(const Testplan& plan) {
    return QDate(1970, 1, 1).addDays(plan.tag).toString(QStringLiteral("dd.MM.yyyy")).toStdString();
}

Testplanfenster::Testplanfenster(Lernzugang zugang, QWidget* eltern)
    : Dialog(QStringLiteral("Testplan"), eltern), zugang_(std::move(zugang)) {}

void Testplanfenster::oeffnen() {
    using namespace testplanIds;
    const int heute = zugang_.heute();
    const std::optional<Testplan> plan = zugang_.plan();
    const Testplan p =
        plan.value_or(Testplan{heute + planVorlaufTage, Richtung::DeutschLatein, "01", "01"});
    datumsbereichSetzen(datum, heute, heute + 3650);
    setzeDatum(datum, std::max(p.tag, heute));
    setzeRadioIndex(deutschLatein, static_cast<int>(p.richtung) - 1);
    auswahlSetzen(von, std::max(0, std::stoi("0" + p.von) - 1));
    bisAbVonFuellen(*this, von, bis);
    auswahlSetzen(bis, std::max(0, std::stoi("0" + p.bis) - std::stoi("0" + p.von)));
    drehbereichSetzen(neuDreh, 1, hoechstensNeuProTag);
    setzeText(neuProTag, std::to_string(p.neuProTag));
    setzeAktiv(loeschen, plan.has_value());
    bereit_ = true;
    anzeigen();
}

Testplan Testplanfenster::gewaehlt() const {
    using namespace testplanIds;
    return {datumWert(datum), static_cast<Richtung>(radioIndex(deutschLatein) + 1),
            auswahlText(von), auswahlText(bis), drehwert(neuDreh)};
}

void Testplanfenster::anzeigen() {
    const Testplan p = gewaehlt();
    if (bereichFuer_ != std::tuple(p.richtung, p.von, p.bis)) {
        bereich_ = planbereichLesen(*zugang_.lernstand, p);
        bereichFuer_.reset();
        if (bereich_) {
            bereichFuer_.emplace(p.richtung, p.von, p.bis);
        }
    }
    if (!bereich_) {
        for (std::size_t i = 0; i < kennzahlen.size(); ++i) {
            setzeText(testplanIds::tageBisTest + static_cast<int>(i), lernstandNichtLesbarMeldung);
        }
        return;
    }
    const Planstand s = planstand(bereich_->posten, zugang_.heute(), p);
    const std::array<int, 5> werte{s.tageBisTest, s.imBereich, s.sicherHeute, s.sicherAmTest,
                                   s.heuteZuUeben};
    for (std::size_t i = 0; i < kennzahlen.size(); ++i) {
        setzeText(testplanIds::tageBisTest + static_cast<int>(i),
                  std::string(kennzahlen[i]) + std::to_string(werte[i]));
    }
}

void Testplanfenster::befehl(int id) {
    using namespace testplanIds;
    if (id >= deutschLatein && id < deutschLatein + 3) {
        anzeigen();
        return;
    }
    if (id == speichern || id == loeschen) {
        const bool ok = id == speichern ? zugang_.lernstand->planSetzen(gewaehlt())
                                        : zugang_.lernstand->planLoeschen();
        if (!ok) {
            meldungZeigen(this, lernstandNichtGespeichertMeldung, Meldungssymbol::Stop);
        }
        beenden(okId);
        return;
    }
    Dialog::befehl(id);
}

void Testplanfenster::auswahlGeaendert(int id) {
    if (id == testplanIds::von) {
        bisAbVonFuellen(*this, testplanIds::von, testplanIds::bis);
    }
    anzeigen();
}

void Testplanfenster::eingabeGeaendert(int) {
    if (bereit_) { // not while the controls are being filled
        anzeigen();
    }
}

} // namespace quorvia
