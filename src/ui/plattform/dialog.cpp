#include "ui/plattform/dialog.h"

#include "data/datendatei.h"
#include "ui/plattform/anwendung.h"
#include "ui/plattform/dienste.h"
#include "ui/plattform/steuerelemente.h"
#include "ui/plattform/text.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QShortcutEvent>
#include <QShowEvent>

#include <algorithm>
#include <cmath>

namespace quorvia {

namespace {

// The event a posted close request travels as.
const QEvent::Type schliessAnfrage = static_cast<QEvent::Type>(QEvent::registerEventType());

// The least horizontal unit at which every one-line label of the template fits its box.
// Faces with an average character as narrow as the layout's but wider words (the
// Arial-like stand-ins) would otherwise clip them. Placeholders ("[anz]") are replaced
// before they show, and framed sample labels centre what they hold, so neither counts.
int einheitFuerTexte(const Dialogvorlage& vorlage, const QFont& schrift, Dialogeinheiten e) {
    const QFontMetrics masse(schrift);
    const int grenze = 2 * e.x;
    for (const Steuerelementvorlage& v : vorlage.elemente) {
        const bool einzeilig = e.pixelY(v.einheiten.height()) < 2 * masse.height();
        if (v.art != Steuerart::Text || !einzeilig || v.versunken || v.einheiten.width() <= 0 ||
            v.text.startsWith(QLatin1Char('['))) {
            continue;
        }
        const int breite = masse.horizontalAdvance(v.text);
        while (e.x < grenze && e.pixelX(v.einheiten.width()) < breite) {
            ++e.x;
        }
    }
    return e.x;
}

// A radio group is one tab stop, as on every desktop: Tab enters it at its checked button.
// (Qt makes the button last focused the group's only stop, which is the first one the
// first time in.)
void tabstoppSetzen(const QAbstractButton& angekreuzt) {
    for (QAbstractButton* k : angekreuzt.group()->buttons()) {
        const Qt::FocusPolicy art = k->focusPolicy();
        k->setFocusPolicy(k == &angekreuzt ? Qt::FocusPolicy(art | Qt::TabFocus)
                                           : Qt::FocusPolicy(art & ~Qt::TabFocus));
    }
}

} // namespace

QColor alsQColor(Farbe farbe) {
    return QColor(rotVon(farbe), gruenVon(farbe), blauVon(farbe));
}

Farbe alsFarbe(const QColor& farbe) {
    return rgb(farbe.red(), farbe.green(), farbe.blue());
}

namespace {

double leuchtdichte(const QColor& farbe) {
    const auto linear = [](double k) {
        return k <= 0.04045 ? k / 12.92 : std::pow((k + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(farbe.redF()) + 0.7152 * linear(farbe.greenF()) +
           0.0722 * linear(farbe.blueF());
}

} // namespace

double kontrast(const QColor& a, const QColor& b) {
    const double la = leuchtdichte(a);
    const double lb = leuchtdichte(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool istDunkel(const QColor& hintergrund) {
    return kontrast(hintergrund, Qt::white) > kontrast(hintergrund, Qt::black);
}

QColor lesbareFarbe(const QColor& text, const QColor& hintergrund) {
    if (!istDunkel(hintergrund) || kontrast(text, hintergrund) >= mindestkontrast) {
        return text;
    }
    // The least lightness that reaches the contrast, so the hue stays as recognisable as
    // it can; white always does on a dark background.
    // Measured in the 8-bit colour the painter draws.
    const QColor hsl = text.toHsl();
    const auto mitHelligkeit = [&hsl](double helligkeit) {
        return QColor(QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), helligkeit).rgb());
    };
    double unten = hsl.lightnessF();
    double oben = 1.0;
    for (int schritt = 0; schritt < 20; ++schritt) {
        const double mitte = (unten + oben) / 2;
        (kontrast(mitHelligkeit(mitte), hintergrund) >= mindestkontrast ? oben : unten) = mitte;
    }
    return mitHelligkeit(oben);
}

// ---------------------------------------------------------------------------------------
// Data exchange

void Datenaustausch::text(int id, std::string& feld) {
    if (liest()) {
        feld = dialog_.text(id);
    } else {
        dialog_.setzeText(id, feld);
    }
}

void Datenaustausch::zahl(int id, int& feld) {
    if (!liest()) {
        dialog_.setzeText(id, std::to_string(feld));
        return;
    }
    if (!fehlerfrei_) {
        return;
    }
    bool ok = false;
    const int wert = alsQString(dialog_.text(id)).trimmed().toInt(&ok);
    if (!ok) {
        fehlerfrei_ = false;
        meldungZeigen(&dialog_, "Bitte geben Sie eine ganze Zahl ein.",
                      Meldungssymbol::Information);
        dialog_.fokusSetzen(id);
        return;
    }
    feld = wert;
}

void Datenaustausch::angekreuzt(int id, bool& feld) {
    if (liest()) {
        feld = dialog_.istAngekreuzt(id);
    } else {
        dialog_.setzeAngekreuzt(id, feld);
    }
}

void Datenaustausch::angekreuzt(int id, int& feld) {
    bool an = feld != 0;
    angekreuzt(id, an);
    feld = an ? 1 : 0;
}

void Datenaustausch::radio(int erstesId, int& index) {
    if (liest()) {
        index = dialog_.radioIndex(erstesId);
    } else {
        dialog_.setzeRadioIndex(erstesId, index);
    }
}

void Datenaustausch::auswahl(int id, std::string& feld) {
    if (liest()) {
        feld = dialog_.auswahlText(id);
        return;
    }
    // Selects the first item that begins with the text, as a drop-down list does.
    auto* liste = dialog_.steuerelement<QComboBox>(id);
    if (liste == nullptr) {
        return;
    }
    const QString gesucht = alsQString(feld);
    for (int i = 0; i < liste->count(); ++i) {
        if (liste->itemText(i).startsWith(gesucht, Qt::CaseInsensitive)) {
            liste->setCurrentIndex(i);
            return;
        }
    }
}

// ---------------------------------------------------------------------------------------
// Building

Dialog::Dialog(const QString& vorlagenname, QWidget* eltern)
    : Dialog(dialogvorlageLaden(vorlagenname), eltern) {}

Dialog::Dialog(const Dialogvorlage& vorlage, QWidget* eltern) : QDialog(eltern), vorlage_(vorlage) {
    bauen();
}

Dialog::~Dialog() {
    if (schleife_ != nullptr) {
        schleife_->exit(ergebnis_);
    }
}

void Dialog::bauen() {
    fensterBauen();
    Beschriftung* vorige = nullptr;
    for (const Steuerelementvorlage& e : vorlage_.elemente) {
        QWidget* w = steuerelementBauen(e, einheiten_.pixel(e.einheiten));
        // A label right before a field names it, as in a dialog template: assistive
        // technology reads it as the field's label.
        if (vorige != nullptr && (e.art == Steuerart::Feld || e.art == Steuerart::Auswahl ||
                                  e.art == Steuerart::Datum)) {
            vorige->setBuddy(w);
        }
        vorige = qobject_cast<Beschriftung*>(w);
        if (e.unsichtbar) {
            w->hide();
        }
        if (e.gesperrt) {
            w->setEnabled(false);
        }
        if (e.id != keineId) {
            w->setObjectName(QString::number(e.id));
            elemente_[e.id] = w;
        }
    }
}

void Dialog::fensterBauen() {
    Qt::WindowFlags flaggen = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                              Qt::MSWindowsFixedSizeDialogHint;
    if (vorlage_.minimierbar) {
        flaggen |= Qt::WindowMinimizeButtonHint;
    }
    setWindowFlags(flaggen);
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(vorlage_.titel);
    setWindowIcon(programmsymbol());
    setSizeGripEnabled(false);

    const QFont schrift = dialogschrift(vorlage_.schriftname, vorlage_.schriftpunkte);
    setFont(schrift);
    einheiten_ = dialogeinheitenVon(schrift);
    einheiten_.x = einheitFuerTexte(vorlage_, schrift, einheiten_);

    int oben = 0;
    if (!vorlage_.menue.isEmpty()) {
        menueBauen(menuevorlageLaden(vorlage_.menue));
        oben = menueleiste_->sizeHint().height();
    }
    const QSize groesse(einheiten_.pixelX(vorlage_.einheiten.width()),
                        einheiten_.pixelY(vorlage_.einheiten.height()));
    if (menueleiste_ != nullptr) {
        menueleiste_->setGeometry(0, 0, groesse.width(), oben);
    }
    flaeche_ = new Flaeche(*this, this);
    flaeche_->setGeometry(0, oben, groesse.width(), groesse.height());
    setFixedSize(groesse.width(), groesse.height() + oben);
    zentrieren_ = vorlage_.zentriert;
}

QWidget* Dialog::steuerelementBauen(const Steuerelementvorlage& e, const QRect& ort) {
    QWidget* w = nullptr;
    switch (e.art) {
    case Steuerart::Text:
        w = new Beschriftung(*this, e, flaeche_);
        break;
    case Steuerart::Knopf:
        w = knopfBauen(e);
        break;
    case Steuerart::Gruppe:
        w = new Rahmen(e.text, flaeche_);
        break;
    case Steuerart::Radio:
        w = radioBauen(e);
        break;
    case Steuerart::Kreuz:
        w = kreuzBauen(e);
        break;
    case Steuerart::Feld:
        w = feldBauen(e);
        break;
    case Steuerart::Auswahl:
        return auswahlBauen(e, ort);
    case Steuerart::Liste:
        w = new Berichtsliste(e, flaeche_);
        break;
    case Steuerart::Drehfeld:
        return drehfeldBauen(e, ort);
    case Steuerart::Symbol:
        return symbolBauen(ort);
    case Steuerart::Datum:
        w = datumBauen(e);
        break;
    }
    w->setGeometry(ort);
    return w;
}

QWidget* Dialog::knopfBauen(const Steuerelementvorlage& e) {
    auto* k = new QPushButton(e.text, flaeche_);
    k->setAutoDefault(true);
    if (e.standard) {
        k->setDefault(true);
        standardId_ = e.id;
    }
    const int id = e.id;
    connect(k, &QPushButton::clicked, this, [this, id] { befehlSenden(id); });
    k->installEventFilter(this);
    return k;
}

QWidget* Dialog::radioBauen(const Steuerelementvorlage& e) {
    // Auto-exclusive only so that assistive technology reports a radio button: within a
    // button group the group alone decides exclusivity, focus and arrow keys.
    auto* r = new QRadioButton(e.text, flaeche_);
    // A group runs from a radio button marked as its start (or the first one) to the next.
    if (radiogruppe_ == nullptr || e.gruppenstart) {
        radiogruppe_ = new QButtonGroup(this);
        radiogruppe_->setExclusive(true);
        radioErstes_ = e.id;
    }
    radiogruppe_->addButton(r);
    if (e.id != keineId) {
        radiogruppen_[radioErstes_].push_back(e.id);
    }
    const int id = e.id;
    connect(r, &QRadioButton::clicked, this, [this, id] { befehlSenden(id); });
    connect(r, &QRadioButton::toggled, this, [r](bool an) {
        if (an) {
            tabstoppSetzen(*r);
        }
    });
    r->installEventFilter(this);
    return r;
}

QWidget* Dialog::kreuzBauen(const Steuerelementvorlage& e) {
    auto* k = new QCheckBox(e.text, flaeche_);
    const int id = e.id;
    connect(k, &QCheckBox::clicked, this, [this, id] { befehlSenden(id); });
    k->installEventFilter(this);
    return k;
}

QWidget* Dialog::feldBauen(const Steuerelementvorlage& e) {
    auto* f = new QLineEdit(e.text, flaeche_);
    f->setReadOnly(e.nurLesen);
    if (e.ausrichtung == Ausrichtung::Rechts) {
        f->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    } else if (e.ausrichtung == Ausrichtung::Mitte) {
        f->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    }
    if (e.nurZiffern) {
        f->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), f));
    }
    f->setTextMargins(1, 0, 1, 0);
    connect(f, &QLineEdit::textChanged, this,
            [this, id = e.id] { sicher([this, id] { eingabeGeaendert(id); }); });
    return f;
}

namespace {
const QDate tagNull(1970, 1, 1);
} // namespace

QWidget* Dialog::datumBauen(const Steuerelementvorlage& e) {
    auto* d = new QDateEdit(flaeche_);
    d->setCalendarPopup(true);
    d->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    connect(d, &QDateEdit::dateChanged, this,
            [this, id = e.id] { sicher([this, id] { eingabeGeaendert(id); }); });
    return d;
}

void Dialog::datumsbereichSetzen(int id, int erster, int letzter) {
    if (auto* d = qobject_cast<QDateEdit*>(pruefen(id))) {
        d->setDateRange(tagNull.addDays(erster), tagNull.addDays(letzter));
    }
}

void Dialog::setzeDatum(int id, int tag) {
    if (auto* d = qobject_cast<QDateEdit*>(pruefen(id))) {
        d->setDate(tagNull.addDays(tag));
    }
}

int Dialog::datumWert(int id) const {
    const auto* d = qobject_cast<QDateEdit*>(pruefen(id));
    return d != nullptr ? static_cast<int>(tagNull.daysTo(d->date())) : 0;
}

QWidget* Dialog::auswahlBauen(const Steuerelementvorlage& e, const QRect& ort) {
    auto* a = new QComboBox(flaeche_);
    // A narrow drop-down button, so that a box two digits wide still shows them. The list
    // opens below the box as tall as the template says, not over it as tall as the screen
    // (some styles ignore the visible item count otherwise).
    a->setStyleSheet(QStringLiteral("QComboBox { padding: 1px 2px 1px 3px; combobox-popup: 0; }"
                                    " QComboBox::drop-down { width: 13px; }"));
    a->addItems(e.eintraege);
    if (e.sortiert) {
        a->model()->sort(0);
    }
    a->setCurrentIndex(-1);
    const int id = e.id;
    connect(a, &QComboBox::activated, this,
            [this, id] { sicher([this, id] { auswahlGeaendert(id); }); });
    // The template's height is the opened list's; the closed box takes the font's.
    const int zeile = std::max(1, a->sizeHint().height());
    a->setGeometry(ort.x(), ort.y(), ort.width(), zeile);
    a->setMaxVisibleItems(
        std::max(1, (ort.height() - zeile) / std::max(1, QFontMetrics(font()).height())));
    return a;
}

QWidget* Dialog::drehfeldBauen(const Steuerelementvorlage& e, const QRect& ort) {
    auto* partner = qobject_cast<QLineEdit*>(steuerelement(e.partner));
    if (partner == nullptr) {
        throw VorlagenFehler(QStringLiteral("%1: spin %2 before its field")
                                 .arg(vorlage_.name)
                                 .arg(e.id)
                                 .toStdString());
    }
    auto* d = new Drehfeld(*partner, flaeche_);
    // Attached on the right: the spin takes the field's right edge.
    const QRect feld = partner->geometry();
    const int breite = std::min(ort.width(), feld.width() - 1);
    partner->setGeometry(feld.x(), feld.y(), feld.width() - breite, feld.height());
    d->setGeometry(feld.x() + feld.width() - breite, feld.y(), breite, feld.height());
    return d;
}

QWidget* Dialog::symbolBauen(const QRect& ort) {
    auto* s = new QLabel(flaeche_);
    const QSize eigen(symbolBreite(), symbolHoehe());
    s->setPixmap(programmsymbol().pixmap(eigen));
    s->setGeometry(ort.x(), ort.y(), symbolBreite(), symbolHoehe());
    return s;
}

void Dialog::menueBauen(const Menuevorlage& menue) {
    menueleiste_ = new QMenuBar(this);
    menueleiste_->setNativeMenuBar(false);
    menueleiste_->installEventFilter(this);
    for (const auto& popup : menue.popups) {
        punkteBauen(*menueleiste_->addMenu(popup.text), popup.punkte);
    }
}

void Dialog::punkteBauen(QMenu& popup, const std::vector<Menuepunktvorlage>& punkte) {
    for (const auto& punkt : punkte) {
        if (punkt.trenner()) {
            popup.addSeparator();
            continue;
        }
        QAction* a = popup.addAction(punkt.text);
        const int befehl = punkt.befehl;
        a->setData(befehl);
        connect(a, &QAction::triggered, this, [this, befehl] { befehlSenden(befehl); });
        menuepunkte_[befehl] = a;
    }
}

void Dialog::menuepunkteAnhaengen(int popup, const std::vector<Menuepunktvorlage>& punkte) {
    const QList<QAction*> popups =
        menueleiste_ != nullptr ? menueleiste_->actions() : QList<QAction*>{};
    if (popup < 0 || popup >= popups.size() || popups[popup]->menu() == nullptr) {
        return;
    }
    punkteBauen(*popups[popup]->menu(), punkte);
}

// ---------------------------------------------------------------------------------------
// The modal run

template <class Aufruf> void Dialog::sicher(Aufruf&& aufruf) {
    // The core's failures end the program here, with their message; nothing else may
    // travel through Qt's event loop.
    try {
        aufruf();
    } catch (const DatenFehler& f) {
        datenfehlerBeenden(f.art(), this);
    } catch (...) {
        datenfehlerBeenden(Fehlerart::Unerwartet, this);
    }
}

void Dialog::vorbereiten() {
    if (geoeffnet_) {
        return;
    }
    geoeffnet_ = true;
    sicher([this] { oeffnen(); });
}

int Dialog::ausfuehren() {
    beendet_ = false;
    vorbereiten();
    if (beendet_) {
        return ergebnis_;
    }
    setWindowModality(Qt::ApplicationModal);
    show();
    QEventLoop schleife;
    QEventLoop* vorher = schleife_;
    schleife_ = &schleife;
    QPointer<Dialog> selbst(this);
    schleife.exec(QEventLoop::DialogExec);
    if (selbst.isNull()) {
        return abbrechenId;
    }
    schleife_ = vorher;
    return ergebnis_;
}

void Dialog::beenden(int ergebnis) {
    ergebnis_ = ergebnis;
    beendet_ = true;
    hide();
    if (schleife_ != nullptr) {
        schleife_->exit(ergebnis);
    }
}

void Dialog::done(int ergebnis) {
    beenden(ergebnis);
}

void Dialog::schliessenAnfordern() {
    QCoreApplication::postEvent(this, new QEvent(schliessAnfrage));
}

void Dialog::befehlAusloesen(int id) {
    befehlSenden(id);
}

void Dialog::befehlSenden(int id) {
    sicher([this, id] { befehl(id); });
}

void Dialog::befehl(int id) {
    if (id == abbrechenId) {
        schliessenAnfordern();
    }
}

void Dialog::auswahlGeaendert(int) {}

void Dialog::datenAustauschen(Datenaustausch&) {}

Beschriftungsfarben Dialog::beschriftungsfarben(int) {
    return {};
}

void Dialog::zeichnen(QPainter&) {}

bool Dialog::event(QEvent* ereignis) {
    if (ereignis->type() == schliessAnfrage) {
        close();
        return true;
    }
    return QDialog::event(ereignis);
}

bool Dialog::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::Shortcut) {
        const auto* kurz = static_cast<QShortcutEvent*>(ereignis);
        // A button's Alt+letter clicks it at once (Qt would animate the click later).
        // The letter a button and a menu title share ("&Hauptmenü", "&Hilfe") belongs to
        // the button, as in a dialog; Qt would only move the focus between the two.
        QAbstractButton* knopf = qobject_cast<QAbstractButton*>(objekt);
        if (knopf == nullptr && objekt == menueleiste_ && kurz->isAmbiguous()) {
            for (const auto& [id, w] : elemente_) {
                auto* k = qobject_cast<QAbstractButton*>(w);
                if (k != nullptr && k->isEnabled() && k->isVisibleTo(this) &&
                    QKeySequence::mnemonic(k->text()) == kurz->key()) {
                    knopf = k;
                    break;
                }
            }
        }
        if (knopf != nullptr && knopf->isEnabled()) {
            knopf->setFocus(Qt::ShortcutFocusReason);
            knopf->click();
            return true;
        }
    }
    return QDialog::eventFilter(objekt, ereignis);
}

void Dialog::closeEvent(QCloseEvent* ereignis) {
    bool zustimmen = false;
    sicher([this, &zustimmen] { zustimmen = schliessenAngefragt(); });
    if (zustimmen) {
        ereignis->accept();
        beenden(abbrechenId);
    } else {
        ereignis->ignore();
    }
}

void Dialog::keyPressEvent(QKeyEvent* ereignis) {
    const bool ohneModifikator =
        (ereignis->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) == 0;
    if (ohneModifikator &&
        (ereignis->key() == Qt::Key_Return || ereignis->key() == Qt::Key_Enter)) {
        // A focused push button has taken Enter itself; here it is the default button's.
        ereignis->accept();
        auto* knopf = qobject_cast<QPushButton*>(steuerelement(standardId_));
        if (knopf != nullptr && !knopf->isEnabled()) {
            return;
        }
        befehlSenden(standardId_);
        return;
    }
    if (ohneModifikator && ereignis->key() == Qt::Key_Escape) {
        ereignis->accept();
        befehlSenden(abbrechenId);
        return;
    }
    QWidget::keyPressEvent(ereignis);
}

void Dialog::showEvent(QShowEvent* ereignis) {
    if (zentrieren_ && !ereignis->spontaneous()) {
        zentrieren_ = false;
        if (const QScreen* s = screen()) {
            // A window larger than the screen keeps its top-left corner, with the caption
            // and the menu, on the screen, so that it can still be moved and used.
            const QRect frei = s->availableGeometry();
            const QPoint mitte = frei.center() - QPoint(width() / 2, height() / 2);
            move(std::max(mitte.x(), frei.left()), std::max(mitte.y(), frei.top()));
        }
    }
    QDialog::showEvent(ereignis);
}

// ---------------------------------------------------------------------------------------
// Controls

QWidget* Dialog::steuerelement(int id) const {
    const auto it = elemente_.find(id);
    return it != elemente_.end() ? it->second : nullptr;
}

int Dialog::idVon(const QWidget* steuerelement) const {
    for (const auto& [id, w] : elemente_) {
        if (w == steuerelement) {
            return id;
        }
    }
    return keineId;
}

QWidget* Dialog::pruefen(int id) const {
    QWidget* w = steuerelement(id);
    if (w == nullptr) {
        qWarning("Quorvia: dialog %s has no control %d", qPrintable(vorlage_.name), id);
    }
    return w;
}

void Dialog::setzeTitel(std::string_view titel) {
    setWindowTitle(alsQString(titel));
}

std::string Dialog::titel() const {
    return alsKerntext(windowTitle());
}

void Dialog::setzeText(int id, std::string_view text) {
    QWidget* w = pruefen(id);
    const QString t = alsQString(text);
    if (auto* b = qobject_cast<Beschriftung*>(w)) {
        b->setzeText(t);
    } else if (auto* k = qobject_cast<QAbstractButton*>(w)) {
        k->setText(t);
    } else if (auto* f = qobject_cast<QLineEdit*>(w)) {
        f->setText(t);
    } else if (auto* g = qobject_cast<Rahmen*>(w)) {
        g->setzeTitel(t);
    } else if (auto* a = qobject_cast<QComboBox*>(w)) {
        const int i = a->findText(t, Qt::MatchFixedString);
        a->setCurrentIndex(i);
    }
}

std::string Dialog::text(int id) const {
    QWidget* w = pruefen(id);
    if (auto* b = qobject_cast<Beschriftung*>(w)) {
        return alsKerntext(b->text());
    }
    if (auto* k = qobject_cast<QAbstractButton*>(w)) {
        return alsKerntext(k->text());
    }
    if (auto* f = qobject_cast<QLineEdit*>(w)) {
        return alsKerntext(f->text());
    }
    if (auto* g = qobject_cast<Rahmen*>(w)) {
        return alsKerntext(g->titel());
    }
    if (auto* a = qobject_cast<QComboBox*>(w)) {
        return alsKerntext(a->currentText());
    }
    return {};
}

void Dialog::setzeAktiv(int id, bool aktiv) {
    if (QWidget* w = pruefen(id)) {
        w->setEnabled(aktiv);
    }
}

bool Dialog::istAktiv(int id) const {
    const QWidget* w = pruefen(id);
    return w != nullptr && w->isEnabled();
}

void Dialog::setzeSichtbar(int id, bool sichtbar) {
    if (QWidget* w = pruefen(id)) {
        w->setVisible(sichtbar);
    }
}

bool Dialog::istSichtbar(int id) const {
    const QWidget* w = pruefen(id);
    return w != nullptr && !w->isHidden();
}

void Dialog::fokusSetzen(int id) {
    if (QWidget* w = pruefen(id)) {
        w->setFocus(Qt::OtherFocusReason);
        if (auto* f = qobject_cast<QLineEdit*>(w)) {
            f->selectAll();
        }
    }
}

void Dialog::setzeStandardknopf(int id) {
    if (auto* alt = qobject_cast<QPushButton*>(steuerelement(standardId_))) {
        alt->setDefault(false);
    }
    standardId_ = id;
    if (auto* neu = qobject_cast<QPushButton*>(steuerelement(id))) {
        neu->setDefault(true);
    }
}

void Dialog::setzeAngekreuzt(int id, bool an) {
    auto* k = qobject_cast<QAbstractButton*>(pruefen(id));
    if (k == nullptr) {
        return;
    }
    QButtonGroup* gruppe = k->group();
    // An exclusive group refuses to clear its checked button; a window may clear it.
    const bool exklusiv = gruppe != nullptr && gruppe->exclusive();
    if (exklusiv && !an) {
        gruppe->setExclusive(false);
    }
    k->setChecked(an);
    if (exklusiv && !an) {
        gruppe->setExclusive(true);
    }
}

bool Dialog::istAngekreuzt(int id) const {
    const auto* k = qobject_cast<QAbstractButton*>(pruefen(id));
    return k != nullptr && k->isChecked();
}

int Dialog::radioIndex(int erstesId) const {
    const auto it = radiogruppen_.find(erstesId);
    if (it == radiogruppen_.end()) {
        qWarning("Quorvia: dialog %s has no radio group %d", qPrintable(vorlage_.name), erstesId);
        return -1;
    }
    for (std::size_t i = 0; i < it->second.size(); ++i) {
        if (istAngekreuzt(it->second[i])) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void Dialog::setzeRadioIndex(int erstesId, int index) {
    const auto it = radiogruppen_.find(erstesId);
    if (it == radiogruppen_.end()) {
        qWarning("Quorvia: dialog %s has no radio group %d", qPrintable(vorlage_.name), erstesId);
        return;
    }
    for (std::size_t i = 0; i < it->second.size(); ++i) {
        setzeAngekreuzt(it->second[i], static_cast<int>(i) == index);
    }
}

void Dialog::auswahlLeeren(int id) {
    if (auto* a = qobject_cast<QComboBox*>(pruefen(id))) {
        a->clear();
    }
}

int Dialog::auswahlAnhaengen(int id, std::string_view text) {
    auto* a = qobject_cast<QComboBox*>(pruefen(id));
    if (a == nullptr) {
        return -1;
    }
    const QString t = alsQString(text);
    int ziel = a->count();
    const auto* v = vorlage_.element(id);
    if (v != nullptr && v->sortiert) {
        for (int i = 0; i < a->count(); ++i) {
            if (QString::compare(a->itemText(i), t, Qt::CaseInsensitive) > 0) {
                ziel = i;
                break;
            }
        }
    }
    const int vorher = a->currentIndex();
    a->insertItem(ziel, t);
    // Inserting must not change which item is selected.
    a->setCurrentIndex(vorher >= ziel && vorher >= 0 ? vorher + 1 : vorher);
    return ziel;
}

void Dialog::auswahlSetzen(int id, int index) {
    if (auto* a = qobject_cast<QComboBox*>(pruefen(id))) {
        a->setCurrentIndex(index >= 0 && index < a->count() ? index : -1);
    }
}

int Dialog::auswahlIndex(int id) const {
    const auto* a = qobject_cast<QComboBox*>(pruefen(id));
    return a != nullptr ? a->currentIndex() : -1;
}

std::string Dialog::auswahlText(int id) const {
    const auto* a = qobject_cast<QComboBox*>(pruefen(id));
    if (a == nullptr || a->currentIndex() < 0) {
        return {};
    }
    return alsKerntext(a->currentText());
}

int Dialog::auswahlAnzahl(int id) const {
    const auto* a = qobject_cast<QComboBox*>(pruefen(id));
    return a != nullptr ? a->count() : 0;
}

void Dialog::spalteEinfuegen(int id, int spalte, std::string_view titel, int breitePixel) {
    if (auto* l = qobject_cast<Berichtsliste*>(pruefen(id))) {
        l->spalteEinfuegen(spalte, alsQString(titel), breitePixel);
    }
}

int Dialog::zeileEinfuegen(int id, int zeile, std::string_view text) {
    return zeileEinfuegen(id, zeile, {text});
}

int Dialog::zeileEinfuegen(int id, int zeile, std::initializer_list<std::string_view> zellen) {
    auto* l = qobject_cast<Berichtsliste*>(pruefen(id));
    if (l == nullptr) {
        return -1;
    }
    QStringList texte;
    texte.reserve(static_cast<qsizetype>(zellen.size()));
    for (const std::string_view zelle : zellen) {
        texte.append(alsQString(zelle));
    }
    return l->zeileEinfuegen(zeile, texte);
}

void Dialog::zelleSetzen(int id, int zeile, int spalte, std::string_view text) {
    if (auto* l = qobject_cast<Berichtsliste*>(pruefen(id))) {
        l->zelleSetzen(zeile, spalte, alsQString(text));
    }
}

std::string Dialog::zelle(int id, int zeile, int spalte) const {
    const auto* l = qobject_cast<Berichtsliste*>(pruefen(id));
    return l != nullptr ? alsKerntext(l->zelle(zeile, spalte)) : std::string();
}

int Dialog::zeilenAnzahl(int id) const {
    const auto* l = qobject_cast<Berichtsliste*>(pruefen(id));
    return l != nullptr ? l->topLevelItemCount() : 0;
}

void Dialog::vollzeileSetzen(int id, bool an) {
    if (auto* l = qobject_cast<Berichtsliste*>(pruefen(id))) {
        l->vollzeileSetzen(an);
    }
}

void Dialog::drehbereichSetzen(int id, int minimum, int maximum) {
    if (auto* d = qobject_cast<Drehfeld*>(pruefen(id))) {
        d->setzeBereich(minimum, maximum);
    }
}

int Dialog::drehwert(int id) const {
    const auto* d = qobject_cast<Drehfeld*>(pruefen(id));
    return d != nullptr ? d->wert() : 0;
}

Schriftbeschreibung Dialog::schrift(int id) const {
    const QWidget* w = pruefen(id);
    return alsSchriftbeschreibung(w != nullptr ? w->font() : font());
}

void Dialog::setzeSchrift(int id, const Schriftbeschreibung& schrift) {
    if (QWidget* w = pruefen(id)) {
        w->setFont(alsQFont(schrift));
        w->repaint();
    }
}

void Dialog::neuZeichnen(int id) {
    if (QWidget* w = pruefen(id)) {
        w->repaint();
    }
}

void Dialog::setzeMenuetext(int befehl, std::string_view text) {
    if (QAction* a = menuepunkt(befehl)) {
        a->setText(alsQString(text));
    }
}

std::string Dialog::menuetext(int befehl) const {
    const QAction* a = menuepunkt(befehl);
    return a != nullptr ? alsKerntext(a->text()) : std::string();
}

QAction* Dialog::menuepunkt(int befehl) const {
    const auto it = menuepunkte_.find(befehl);
    return it != menuepunkte_.end() ? it->second : nullptr;
}

void Dialog::datenSchreiben() {
    Datenaustausch austausch(*this, Datenaustausch::Richtung::Schreiben);
    sicher([&] { datenAustauschen(austausch); });
}

bool Dialog::datenLesen() {
    Datenaustausch austausch(*this, Datenaustausch::Richtung::Lesen);
    sicher([&] { datenAustauschen(austausch); });
    return austausch.fehlerfrei();
}

} // namespace quorvia
