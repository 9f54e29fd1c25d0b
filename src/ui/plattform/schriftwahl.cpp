#include "ui/plattform/schriftwahl.h"

#include "ui/plattform/dienste.h"
#include "ui/plattform/schriften.h"
#include "ui/plattform/text.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include <cstdlib>
#include <string>

namespace quorvia {

namespace {

constexpr int gewichtRolle = Qt::UserRole;
constexpr int kursivRolle = Qt::UserRole + 1;

} // namespace

QStringList waehlbareSchriftarten() {
    // fontconfig's generic names are no faces of their own.
    static const QStringList allgemein{QStringLiteral("Sans Serif"), QStringLiteral("Serif"),
                                       QStringLiteral("Monospace")};
    QStringList namen;
    for (const QString& name : QFontDatabase::families()) {
        if (name.startsWith(u'@') || QFontDatabase::isPrivateFamily(name) ||
            !QFontDatabase::isScalable(name)) {
            continue;
        }
        const QString art = schriftartOhneHersteller(name);
        if (!allgemein.contains(art) && !namen.contains(art)) {
            namen << art;
        }
    }
    namen.sort(Qt::CaseInsensitive);
    return namen;
}

Schriftwahl::Schriftwahl(const Schriftbeschreibung& start, QWidget* eltern)
    : QDialog(eltern), start_(start), wunschGewicht_(start.gewicht), wunschKursiv_(start.kursiv) {
    setWindowTitle(QStringLiteral("Schriftart"));
    setWindowModality(Qt::ApplicationModal);

    arten_ = new QListWidget(this);
    schnitte_ = new QListWidget(this);
    groessen_ = new QComboBox(this);
    groessen_->setEditable(true);
    groessen_->setInsertPolicy(QComboBox::NoInsert);
    for (int punkte = 8; punkte <= groessteSchriftgroesse; ++punkte) {
        groessen_->addItem(QString::number(punkte));
    }
    groessen_->lineEdit()->setValidator(new QIntValidator(1, groessteSchriftgroesse, groessen_));
    probe_ = new QLabel(QStringLiteral("AaBbYyZz"), this);
    probe_->setAlignment(Qt::AlignCenter);
    probe_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    probe_->setMinimumSize(180, 50);

    auto* knoepfe = new QDialogButtonBox(this);
    knoepfe->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    knoepfe->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* raster = new QGridLayout(this);
    raster->addWidget(new QLabel(QStringLiteral("Schriftart:"), this), 0, 0);
    raster->addWidget(new QLabel(QStringLiteral("Schriftschnitt:"), this), 0, 1);
    raster->addWidget(new QLabel(QStringLiteral("Schriftgrad:"), this), 0, 2);
    raster->addWidget(arten_, 1, 0);
    raster->addWidget(schnitte_, 1, 1);
    raster->addWidget(groessen_, 1, 2, Qt::AlignTop);
    raster->addWidget(probe_, 2, 0, 1, 3);
    raster->addWidget(knoepfe, 3, 0, 1, 3);

    const QStringList namen = waehlbareSchriftarten();
    arten_->addItems(namen);
    const QString startname = alsQString(start.name);
    auto treffer = arten_->findItems(startname, Qt::MatchFixedString);
    if (treffer.isEmpty()) {
        // A face that is not installed: show the one Qt would draw with.
        treffer = arten_->findItems(schriftartOhneHersteller(QFontInfo(alsQFont(start)).family()),
                                    Qt::MatchFixedString);
    }
    if (!treffer.isEmpty()) {
        arten_->setCurrentItem(treffer.front());
    } else if (arten_->count() > 0) {
        arten_->setCurrentRow(0);
    }
    startzeile_ = arten_->currentRow();
    const int punkte = start.hoehe != 0 ? hoeheZuPunkte(start.hoehe, pixelProZollY()) : 8;
    startgroesse_ = QString::number(std::abs(punkte));
    groessen_->setCurrentText(startgroesse_);
    schnitteFuellen();

    connect(arten_, &QListWidget::currentRowChanged, this, [this] {
        schnitteFuellen();
        probeZeigen();
    });
    connect(schnitte_, &QListWidget::currentRowChanged, this, [this] {
        if (schnitte_->currentItem() != nullptr) {
            schnittBeruehrt_ = true;
            wunschGewicht_ = schnitte_->currentItem()->data(gewichtRolle).toInt();
            wunschKursiv_ = schnitte_->currentItem()->data(kursivRolle).toBool();
        }
        probeZeigen();
    });
    connect(groessen_, &QComboBox::currentTextChanged, this, [this] { probeZeigen(); });
    probeZeigen();
}

void Schriftwahl::schnitteFuellen() {
    const QSignalBlocker sperre(schnitte_);
    schnitte_->clear();
    const QString art =
        arten_->currentItem() != nullptr ? arten_->currentItem()->text() : QString();
    QStringList schnitte = QFontDatabase::styles(art);
    if (schnitte.isEmpty()) {
        schnitte = {QStringLiteral("Regular")};
    }
    // Nearest weight and slant first; among equals the face's normal width, which is the
    // widest (a family may list "Condensed" before its regular style).
    int bester = 0;
    int besterAbstand = 1 << 30;
    int besteBreite = 0;
    for (const QString& schnitt : schnitte) {
        auto* eintrag = new QListWidgetItem(schnitt, schnitte_);
        const int gewicht = QFontDatabase::weight(art, schnitt);
        const QFont schrift = QFontDatabase::font(art, schnitt, 12);
        // Oblique styles count as italic, as the settings store only knows the two.
        const bool kursiv = schrift.style() != QFont::StyleNormal;
        eintrag->setData(gewichtRolle, gewicht > 0 ? gewicht : 400);
        eintrag->setData(kursivRolle, kursiv);
        const int abstand = std::abs((gewicht > 0 ? gewicht : 400) - wunschGewicht_) +
                            (kursiv != wunschKursiv_ ? 1000 : 0);
        const int breite =
            QFontMetrics(schrift).horizontalAdvance(QStringLiteral("abcdefghijklmnopqrstuvwxyz"));
        if (abstand < besterAbstand || (abstand == besterAbstand && breite > besteBreite)) {
            besterAbstand = abstand;
            besteBreite = breite;
            bester = schnitte_->count() - 1;
        }
    }
    schnitte_->setCurrentRow(bester);
}

Schriftbeschreibung Schriftwahl::gewaehlt() const {
    // What was not touched stays as given: a face shown through its stand-in keeps its
    // name ("Tahoma"), and a height keeps its exact pixels.
    Schriftbeschreibung b = start_;
    if (arten_->currentItem() != nullptr && arten_->currentRow() != startzeile_) {
        b.name = alsKerntext(arten_->currentItem()->text());
        if (b.name.size() > maxSchriftnamenLaenge) {
            b.name.resize(maxSchriftnamenLaenge);
        }
    }
    const int punkte = groesse();
    if (punkte != 0 && groessen_->currentText() != startgroesse_) {
        b.hoehe = punkteZuHoehe(punkte, pixelProZollY());
    }
    // An untouched style keeps the start's exact weight (600 stays 600).
    if (schnittBeruehrt_ && schnitte_->currentItem() != nullptr) {
        b.gewicht = schnitte_->currentItem()->data(gewichtRolle).toInt();
        b.kursiv = schnitte_->currentItem()->data(kursivRolle).toBool();
    }
    return b;
}

int Schriftwahl::groesse() const {
    bool ok = false;
    const int punkte = groessen_->currentText().trimmed().toInt(&ok);
    return ok && punkte >= 1 && punkte <= groessteSchriftgroesse ? punkte : 0;
}

void Schriftwahl::accept() {
    if (groesse() == 0) {
        meldungZeigen(this,
                      "Der Schriftgrad muss zwischen 1 und " +
                          std::to_string(groessteSchriftgroesse) + " liegen.",
                      Meldungssymbol::Information);
        groessen_->setFocus();
        groessen_->lineEdit()->selectAll();
        return;
    }
    QDialog::accept();
}

void Schriftwahl::probeZeigen() {
    probe_->setFont(alsQFont(gewaehlt()));
}

} // namespace quorvia
