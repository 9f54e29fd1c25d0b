#include "ui/plattform/steuerelemente.h"

#include "ui/plattform/dialog.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QToolButton>

#include <algorithm>

namespace quorvia {

namespace {

Qt::Alignment ausrichtungVon(const Steuerelementvorlage& v) {
    Qt::Alignment a;
    switch (v.ausrichtung) {
    case Ausrichtung::Links:
        a = Qt::AlignLeft;
        break;
    case Ausrichtung::Mitte:
        a = Qt::AlignHCenter;
        break;
    case Ausrichtung::Rechts:
        a = Qt::AlignRight;
        break;
    }
    return a | (v.vertikalMittig ? Qt::AlignVCenter : Qt::AlignTop);
}

} // namespace

Beschriftung::Beschriftung(Dialog& dialog, const Steuerelementvorlage& vorlage, QWidget* eltern)
    : QLabel(eltern), dialog_(dialog), id_(vorlage.id), ausrichtung_(ausrichtungVon(vorlage)),
      // Static text wraps at word breaks unless it is centred in one line.
      umbrechen_(!vorlage.vertikalMittig) {
    setTextFormat(Qt::PlainText);
    setText(vorlage.text);
    if (vorlage.versunken) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(1);
    }
}

void Beschriftung::setzeText(const QString& text) {
    // QLabel tells a screen reader the new name, so the next expression and the verdict
    // are heard without the focus moving there.
    setText(text);
}

void Beschriftung::paintEvent(QPaintEvent* ereignis) {
    QFrame::paintEvent(ereignis);
    const Beschriftungsfarben farben = dialog_.farbenFuer(id_);
    QPainter maler(this);
    if (farben.fuellung) {
        maler.fillRect(contentsRect(), *farben.fuellung);
    }
    QColor stift =
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
    if (farben.text && isEnabled()) {
        stift = *farben.text;
        if (farben.vorgabe) {
            // Against what shows behind the text: the label's fill, else the window's.
            stift =
                lesbareFarbe(stift, farben.fuellung.value_or(palette().color(QPalette::Window)));
        }
    }
    letzteTextfarbe_ = stift;
    maler.setPen(stift);
    maler.setFont(font());
    int flaggen = static_cast<int>(ausrichtung_);
    if (umbrechen_) {
        flaggen |= Qt::TextWordWrap;
    }
    maler.drawText(contentsRect(), flaggen, text());
}

Rahmen::Rahmen(const QString& titel, QWidget* eltern) : QGroupBox(titel, eltern) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void Rahmen::setzeTitel(const QString& titel) {
    setTitle(titel);
}

void Rahmen::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    const QFontMetrics masse(font());
    const int oben = titel().isEmpty() ? 0 : masse.height() / 2;
    // Etched: a dark line with a light one beside it.
    const QRect aussen(0, oben, width() - 1, height() - oben - 1);
    maler.setPen(palette().color(QPalette::Light));
    maler.drawRect(aussen.translated(1, 1).adjusted(0, 0, -1, -1));
    maler.setPen(palette().color(QPalette::Mid));
    maler.drawRect(aussen.adjusted(0, 0, -1, -1));
    if (titel().isEmpty()) {
        return;
    }
    const int links = masse.averageCharWidth() + 1;
    const QRect text(links, 0, masse.horizontalAdvance(titel()) + 4, masse.height());
    maler.fillRect(text, palette().color(QPalette::Window));
    maler.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    maler.drawText(text, Qt::AlignCenter, titel());
}

Flaeche::Flaeche(Dialog& dialog, QWidget* eltern) : QWidget(eltern), dialog_(dialog) {}

void Flaeche::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    dialog_.flaecheZeichnen(maler);
}

Drehfeld::Drehfeld(QLineEdit& partner, QWidget* eltern)
    : QWidget(eltern), partner_(partner), hoch_(new QToolButton(this)),
      runter_(new QToolButton(this)) {
    hoch_->setArrowType(Qt::UpArrow);
    runter_->setArrowType(Qt::DownArrow);
    for (QToolButton* k : {hoch_, runter_}) {
        k->setAutoRepeat(true);
        k->setFocusPolicy(Qt::NoFocus);
    }
    connect(hoch_, &QToolButton::clicked, this, [this] { schritt(+1); });
    connect(runter_, &QToolButton::clicked, this, [this] { schritt(-1); });
    partner_.installEventFilter(this);
}

void Drehfeld::setzeBereich(int minimum, int maximum) {
    minimum_ = std::min(minimum, maximum);
    maximum_ = std::max(minimum, maximum);
}

int Drehfeld::wert() const {
    bool ok = false;
    const int zahl = partner_.text().trimmed().toInt(&ok);
    return ok ? std::clamp(zahl, minimum_, maximum_) : minimum_;
}

void Drehfeld::schritt(int um) {
    if (!isEnabled()) {
        return;
    }
    const int neu = std::clamp(wert() + um, minimum_, maximum_);
    partner_.setText(QString::number(neu));
}

bool Drehfeld::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == &partner_ && ereignis->type() == QEvent::KeyPress && isEnabled()) {
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        if (taste->key() == Qt::Key_Up) {
            schritt(+1);
            return true;
        }
        if (taste->key() == Qt::Key_Down) {
            schritt(-1);
            return true;
        }
    }
    return QWidget::eventFilter(objekt, ereignis);
}

void Drehfeld::resizeEvent(QResizeEvent*) {
    const int oben = height() / 2;
    hoch_->setGeometry(0, 0, width(), oben);
    runter_->setGeometry(0, oben, width(), height() - oben);
}

Berichtsliste::Berichtsliste(const Steuerelementvorlage& vorlage, QWidget* eltern)
    : QTreeWidget(eltern), sortiert_(vorlage.sortiert) {
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSortingEnabled(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setColumnCount(0);
    header()->setSectionsClickable(false);
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(false);
    header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    vollzeileSetzen(vorlage.vollzeile);
}

void Berichtsliste::spalteEinfuegen(int spalte, const QString& titel, int breite) {
    const int anzahl = columnCount();
    spalte = std::clamp(spalte, 0, anzahl);
    QStringList titel_;
    std::vector<int> breiten;
    for (int i = 0; i < anzahl; ++i) {
        titel_ << headerItem()->text(i);
        breiten.push_back(columnWidth(i));
    }
    titel_.insert(spalte, titel);
    breiten.insert(breiten.begin() + spalte, breite);
    setColumnCount(anzahl + 1);
    // Cells right of the new column move one to the right.
    for (int z = 0; z < topLevelItemCount(); ++z) {
        QTreeWidgetItem* e = topLevelItem(z);
        for (int s = anzahl; s > spalte; --s) {
            e->setText(s, e->text(s - 1));
        }
        e->setText(spalte, QString());
    }
    setHeaderLabels(titel_);
    for (int i = 0; i <= anzahl; ++i) {
        setColumnWidth(i, breiten[static_cast<std::size_t>(i)]);
    }
}

int Berichtsliste::zeileEinfuegen(int zeile, const QString& text) {
    return zeileEinfuegen(zeile, QStringList{text});
}

int Berichtsliste::zeileEinfuegen(int zeile, const QStringList& zellen) {
    const QString text = zellen.value(0);
    int ziel = std::clamp(zeile, 0, topLevelItemCount());
    if (sortiert_) {
        // After all rows whose text is not greater: equal rows keep their insertion order.
        // Rows only ever come in here, so the list is sorted and a binary search finds the
        // place; a scan from the top made a long not-known list quadratic.
        int unten = 0;
        int oben = topLevelItemCount();
        while (unten < oben) {
            const int mitte = unten + (oben - unten) / 2;
            if (QString::compare(topLevelItem(mitte)->text(0), text, Qt::CaseInsensitive) > 0) {
                oben = mitte;
            } else {
                unten = mitte + 1;
            }
        }
        ziel = unten;
    }
    insertTopLevelItem(ziel, new QTreeWidgetItem(zellen));
    return ziel;
}

void Berichtsliste::zelleSetzen(int zeile, int spalte, const QString& text) {
    if (QTreeWidgetItem* e = topLevelItem(zeile);
        e != nullptr && spalte >= 0 && spalte < std::max(columnCount(), 1)) {
        e->setText(spalte, text);
    }
}

QString Berichtsliste::zelle(int zeile, int spalte) const {
    const QTreeWidgetItem* e = topLevelItem(zeile);
    return e != nullptr ? e->text(spalte) : QString();
}

void Berichtsliste::vollzeileSetzen(bool an) {
    vollzeile_ = an;
    setSelectionBehavior(an ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
    setAllColumnsShowFocus(an);
}

} // namespace quorvia
