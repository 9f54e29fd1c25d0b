#include "ui/statistikfenster.h"

#include "data/kursdatei.h"
#include "data/lektionstabelle.h"
#include "data/nichtgewusstliste.h"
#include "ui/plattform/text.h"

#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QDate>
#include <QGraphicsLayout>
#include <QLineSeries>
#include <QPalette>
#include <QStackedBarSeries>
#include <QTreeWidget>
#include <QValueAxis>

#include <algorithm>
#include <set>
#include <string>
#include <utility>

namespace quorvia {

using namespace statistikIds;

namespace {

using Paar = std::pair<std::string, std::string>;

std::size_t kursIndex(Richtung r) {
    return r == Richtung::Stammformen ? 1 : 0;
}

// "\xE4" is a-umlaut, "\xF6" o-umlaut in Windows-1252.
constexpr std::array<std::string_view, 4> zustandsnamen{"nie gefragt", "lernend", "sicher",
                                                        "nicht gewusst"};
constexpr std::array<std::string_view, 4> fehlerspalten{
    "lateinischer Ausdruck", "deutscher Ausdruck", "falsch", "h\xE4ufigste falsche Antwort"};
constexpr std::array<int, 4> fehlerbreiten{110, 100, 40, 110};

// The view's chart without its series and axes, to be filled afresh.
QChart* geleert(QChartView& ansicht) {
    QChart* chart = ansicht.chart();
    chart->removeAllSeries();
    for (QAbstractAxis* achse : chart->axes()) {
        chart->removeAxis(achse);
        delete achse; // removed axes are the caller's to delete
    }
    return chart;
}

// A count axis from 0 in four equal sections of a whole step of 1, 2 or 5 times a power of
// ten: every tick is a whole number, and the lines fall on those of the 0-100 % axis.
void zaehlachseSetzen(QValueAxis& achse, int meiste) {
    constexpr int abschnitte = 4;
    long long schritt = 1;
    for (long long zehner = 1; schritt * abschnitte < meiste; zehner *= 10) {
        for (const long long faktor : {1, 2, 5}) {
            schritt = faktor * zehner;
            if (schritt * abschnitte >= meiste) {
                break;
            }
        }
    }
    achse.setRange(0, static_cast<qreal>(schritt * abschnitte));
    achse.setTickCount(abschnitte + 1);
    achse.setLabelFormat("%d");
}

} // namespace

std::optional<Statistik> statistikBerechnen(Lernstand& lernstand, Richtung richtung, int heute,
                                            const Eintragsliste& kurs,
                                            const Eintragsliste& nichtGewusst) {
    auto zustaende = lernstand.lernzustaende(richtung, heute);
    auto faellig = lernstand.faelligkeiten(richtung, heute);
    auto verlauf = lernstand.tagesverlauf(richtung);
    auto fehler = lernstand.haeufigFalsch(richtung, 20);
    if (!zustaende || !faellig || !verlauf || !fehler) {
        return std::nullopt;
    }
    std::set<Paar> aufListe;
    for (Eintrag& e : nichtGewusst.eintraege(1, nichtGewusst.anzahl())) {
        aufListe.emplace(std::move(e.lateinisch), std::move(e.deutsch));
    }

    Statistik s;
    s.faellig = *faellig;
    s.verlauf = std::move(*verlauf);
    s.fehler = std::move(*fehler);
    const Kursart art = kursartVon(richtung);
    const std::vector<Eintrag> eintraege = kurs.eintraege(1, Lektionstabelle::anzahlGesamt(art));
    for (int lektion = 1; lektion <= Lektionstabelle::anzahlLektionen; ++lektion) {
        const std::string text = Lektionstabelle::lektionstext(lektion);
        Lektionsbalken& balken = s.lektionen[static_cast<std::size_t>(lektion - 1)];
        for (int n = Lektionstabelle::ersterEintrag(art, text);
             n >= 1 && n <= Lektionstabelle::letzterEintrag(art, text); ++n) {
            const Eintrag& e = eintraege[static_cast<std::size_t>(n - 1)];
            if (e.nummer == 0) {
                continue; // a course shorter than its table
            }
            if (aufListe.contains({e.lateinisch, e.deutsch})) {
                ++balken.nichtGewusst;
                continue;
            }
            const auto it = zustaende->find(Schluessel{richtung, e.lateinisch, e.deutsch});
            if (it == zustaende->end()) {
                ++balken.nieGefragt;
            } else {
                ++(it->second == Lernzustand::Sicher ? balken.sicher : balken.lernend);
            }
        }
    }
    return s;
}

Statistikfenster::Statistikfenster(Lernzugang lernzugang, QWidget* eltern)
    : Dialog(QStringLiteral("Statistik"), eltern), lernzugang_(std::move(lernzugang)) {}

void Statistikfenster::oeffnen() {
    for (std::size_t i = 0; i < fehlerspalten.size(); ++i) {
        spalteEinfuegen(fehlerliste, static_cast<int>(i), fehlerspalten[i], fehlerbreiten[i]);
    }
    lektionenDiagramm_ = diagrammIn(lektionsrahmen);
    verlaufDiagramm_ = diagrammIn(verlaufsrahmen);
    setzeRadioIndex(deutschLatein, 0);
    zeigen(Richtung::DeutschLatein);
}

void Statistikfenster::befehl(int id) {
    switch (id) {
    case deutschLatein:
        zeigen(Richtung::DeutschLatein);
        return;
    case lateinDeutsch:
        zeigen(Richtung::LateinDeutsch);
        return;
    case stammformen:
        zeigen(Richtung::Stammformen);
        return;
    default:
        Dialog::befehl(id); // "&Schließen" and Escape are the cancel command
    }
}

QChartView* Statistikfenster::diagrammIn(int rahmen) {
    QWidget* r = steuerelement(rahmen);
    auto* ansicht = new QChartView(r);
    const int rand = einheiten().pixelY(10);
    ansicht->setGeometry(r->rect().adjusted(rand / 2, rand, -rand / 2, -rand / 2));
    ansicht->setRenderHint(QPainter::Antialiasing);
    // Readable on light and dark desktops alike: the chart follows the window's palette.
    ansicht->chart()->setTheme(istDunkel(palette().color(QPalette::Window))
                                   ? QChart::ChartThemeDark
                                   : QChart::ChartThemeLight);
    ansicht->chart()->setBackgroundVisible(false);
    ansicht->chart()->layout()->setContentsMargins(0, 0, 0, 0);
    ansicht->chart()->setMargins(QMargins(2, 2, 2, 2));
    return ansicht;
}

void Statistikfenster::zeigen(Richtung richtung) {
    const std::size_t k = kursIndex(richtung);
    if (!kurse_[k]) {
        const Kursart art = kursartVon(richtung);
        kurse_[k].emplace(kursLesen(art));
        NichtGewusstListe liste(art);
        liste.fuerBereichLaden();
        nichtGewusst_[k].emplace(liste.liste());
    }
    std::optional<Statistik> berechnet;
    if (lernzugang_.lernstand != nullptr) {
        berechnet = statistikBerechnen(*lernzugang_.lernstand, richtung, lernzugang_.heute(),
                                       *kurse_[k], *nichtGewusst_[k]);
    }
    statistik_ = berechnet.value_or(Statistik{}); // unreadable: empty charts and list
    if (!berechnet) {
        setzeText(faellig, lernstandNichtLesbarMeldung);
    } else {
        const auto& f = statistik_.faellig;
        std::string zeile = "F\xE4llig heute: " + std::to_string(f[0]) +
                            "; in den n\xE4"
                            "chsten 7 Tagen:";
        int woche = 0;
        for (std::size_t i = 1; i < f.size(); ++i) {
            zeile += (i == 1 ? " " : ", ") + std::to_string(f[i]);
            woche += f[i];
        }
        setzeText(faellig, zeile + " (zusammen " + std::to_string(woche) + ")");
    }
    lektionenZeichnen();
    verlaufZeichnen();
    fehlerZeigen();
}

void Statistikfenster::lektionenZeichnen() {
    QChart* chart = geleert(*lektionenDiagramm_);
    auto* reihe = new QStackedBarSeries();
    std::array<QBarSet*, 4> saetze{};
    for (std::size_t i = 0; i < saetze.size(); ++i) {
        saetze[i] = new QBarSet(alsQString(zustandsnamen[i]));
        reihe->append(saetze[i]);
    }
    for (int l = 1; l <= Lektionstabelle::anzahlLektionen; ++l) {
        const Lektionsbalken& b = statistik_.lektionen[static_cast<std::size_t>(l - 1)];
        *saetze[0] << b.nieGefragt;
        *saetze[1] << b.lernend;
        *saetze[2] << b.sicher;
        *saetze[3] << b.nichtGewusst;
    }
    saetze[0]->setColor(QColor(160, 160, 160));
    saetze[1]->setColor(QColor(230, 160, 40));
    saetze[2]->setColor(QColor(40, 160, 60));
    saetze[3]->setColor(QColor(210, 50, 50));
    chart->addSeries(reihe);
    // Fifty lessons side by side leave room for every fifth number only.
    auto* x = new QCategoryAxis();
    x->setRange(-0.5, Lektionstabelle::anzahlLektionen - 0.5);
    x->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    for (int l = 5; l <= Lektionstabelle::anzahlLektionen; l += 5) {
        x->append(QString::fromStdString(Lektionstabelle::lektionstext(l)), l - 1);
    }
    x->setTitleText(QStringLiteral("Lektion"));
    int hoechster = 1;
    for (const Lektionsbalken& b : statistik_.lektionen) {
        hoechster = std::max(hoechster, b.nieGefragt + b.lernend + b.sicher + b.nichtGewusst);
    }
    auto* y = new QValueAxis();
    zaehlachseSetzen(*y, hoechster);
    y->setTitleText(QStringLiteral("Anzahl"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    reihe->attachAxis(x);
    reihe->attachAxis(y);
    chart->legend()->setAlignment(Qt::AlignRight);
}

void Statistikfenster::verlaufZeichnen() {
    QChart* chart = geleert(*verlaufDiagramm_);
    auto* quote = new QLineSeries();
    quote->setName(QStringLiteral("richtig in %"));
    auto* antworten = new QLineSeries();
    antworten->setName(QStringLiteral("Antworten"));
    // At least the last week up to today, so that one day of answers, or none, still
    // shows as days. The axis counts days from the first shown one; each day's point sits
    // at its noon, and the dates are labelled on midnights, at most five of them.
    const std::vector<Tageswert>& verlauf = statistik_.verlauf;
    const int letzter = verlauf.empty() ? lernzugang_.heute() : verlauf.back().tag;
    const int erster = std::min(letzter - 6, verlauf.empty() ? letzter : verlauf.front().tag);
    int meiste = 1;
    for (const Tageswert& t : verlauf) {
        quote->append(t.tag - erster + 0.5, 100.0 * t.richtig / std::max(1, t.antworten));
        antworten->append(t.tag - erster + 0.5, t.antworten);
        meiste = std::max(meiste, t.antworten);
    }
    quote->setPointsVisible(true);
    antworten->setPointsVisible(true);
    chart->addSeries(quote);
    chart->addSeries(antworten);
    const int tage = letzter + 1 - erster;
    auto* x = new QCategoryAxis();
    x->setRange(0, tage);
    x->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const int abstand = (tage + 3) / 4;
    for (int t = 0; t <= tage; t += abstand) {
        x->append(QDate(1970, 1, 1).addDays(erster + t).toString(QStringLiteral("dd.MM.")), t);
    }
    auto* prozent = new QValueAxis();
    prozent->setRange(0, 100);
    prozent->setTickCount(5);
    prozent->setLabelFormat("%d %%");
    auto* anzahl = new QValueAxis();
    zaehlachseSetzen(*anzahl, meiste);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(prozent, Qt::AlignLeft);
    chart->addAxis(anzahl, Qt::AlignRight);
    quote->attachAxis(x);
    quote->attachAxis(prozent);
    antworten->attachAxis(x);
    antworten->attachAxis(anzahl);
    chart->legend()->setAlignment(Qt::AlignBottom);
}

void Statistikfenster::fehlerZeigen() {
    if (auto* liste = steuerelement<QTreeWidget>(fehlerliste)) {
        liste->clear();
    }
    int zeile = 0;
    for (const Fehlerposten& f : statistik_.fehler) {
        const std::string falsch = std::to_string(f.falsch);
        zeileEinfuegen(
            fehlerliste, zeile++,
            {f.schluessel.lateinisch, f.schluessel.deutsch, falsch, f.haeufigsteEingabe});
    }
}

} // namespace quorvia
