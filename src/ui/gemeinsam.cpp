#include "ui/gemeinsam.h"

#include "data/lektionstabelle.h"
#include "settings/schrift.h"
#include "ui/hilfe.h"
#include "ui/plattform/anwendung.h"
#include "ui/plattform/dienste.h"
#include "ui/plattform/schriften.h"
#include "ui/plattform/steuerelemente.h"
#include "ui/plattform/text.h"
#include "ui/quorviainfo.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>

namespace quorvia {

// ---------------------------------------------------------------------------------------
// Pictures

int pixelZuHimetrisch(int pixel, int pixelProZoll) {
    return mulDiv(pixel, 2540, pixelProZoll);
}

int himetrischZuPixel(int himetrisch, int pixelProZoll) {
    return mulDiv(himetrisch, pixelProZoll, 2540);
}

namespace {

// One picture file, whole into memory and decoded from there, in the format the painter
// draws from.
std::optional<QImage> bilddateiLesen(const QString& pfad) {
    QFile datei(pfad);
    if (!QFileInfo(pfad).isFile() || !datei.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const qint64 groesse = datei.size();
    if (groesse <= 0 || groesse > maxBildgroesse) {
        return std::nullopt;
    }
    const QByteArray daten = datei.readAll();
    datei.close();
    if (daten.size() != groesse) {
        return std::nullopt;
    }
    QImage bild = QImage::fromData(daten);
    if (bild.isNull()) {
        return std::nullopt;
    }
    // Converted once: left as a GIF's palette image, every paint converts it again, on
    // worker threads the first paint waits for.
    const QImage::Format zeichenformat =
        bild.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    return std::move(bild).convertToFormat(zeichenformat);
}

} // namespace

std::optional<Bild> bildLaden(const QString& pfad) {
    std::optional<QImage> bild = bilddateiLesen(pfad);
    if (!bild) {
        return std::nullopt;
    }
    const QSize groesseHm(pixelZuHimetrisch(bild->width()), pixelZuHimetrisch(bild->height()));
    const QFileInfo info(pfad);
    return Bild{
        *std::move(bild), groesseHm,
        info.dir().filePath(info.completeBaseName() + QStringLiteral("@2x.") + info.suffix()),
        std::nullopt};
}

// ---------------------------------------------------------------------------------------
// The shared commands

void beendenBefehl(Dialog& fenster) {
    fenster.schliessenAnfordern();
}

QString hilfedateiFuer(const QString& programmpfad) {
    // Only the file name's own extension counts: a dot in a folder name is no extension,
    // and neither is the dot that starts a hidden file's name.
    const qsizetype schraeg =
        std::max(programmpfad.lastIndexOf(u'/'), programmpfad.lastIndexOf(u'\\'));
    const qsizetype punkt = programmpfad.lastIndexOf(u'.');
    const qsizetype nameAnfang = schraeg + 1;
    if (punkt > nameAnfang) {
        return programmpfad.left(punkt) + QStringLiteral(".HLP");
    }
    return programmpfad + QStringLiteral(".HLP");
}

QString mitgelieferteDatei(const QString& nebenDemProgramm, const QString& imDatenordner) {
    if (!QFileInfo(nebenDemProgramm).isFile() && QFileInfo(imDatenordner).isFile()) {
        return imDatenordner;
    }
    return nebenDemProgramm;
}

QString datenordner() {
    return QStringLiteral(QUORVIA_DATENORDNER);
}

QString hilfedatei() {
    return mitgelieferteDatei(hilfedateiFuer(QCoreApplication::applicationFilePath()),
                              datenordner() + QStringLiteral("/quorvia.HLP"));
}

void hilfeBefehl(QWidget& fenster) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool gezeigt = Hilfefenster::zeigen(hilfedatei());
    QGuiApplication::restoreOverrideCursor();
    if (!gezeigt) {
        meldungZeigen(&fenster, "Failed to launch help.", Meldungssymbol::Stop);
    }
}

void hilfeSchliessen() {
    Hilfefenster::alleSchliessen();
}

QUrl websiteAdresse() {
    const QString name = QString::fromLatin1(websiteDatei.data(), websiteDatei.size());
    return QUrl::fromLocalFile(
        mitgelieferteDatei(QDir(QCoreApplication::applicationDirPath()).filePath(name),
                           QDir(datenordner()).filePath(name)));
}

void websiteBefehl() {
    QDesktopServices::openUrl(websiteAdresse());
}

void infoBefehl(QWidget* fenster) {
    QuorviaInfo info(fenster);
    info.ausfuehren();
}

// ---------------------------------------------------------------------------------------
// Looks

void fettSetzen(Dialog& fenster, std::initializer_list<int> ids) {
    for (const int id : ids) {
        Schriftbeschreibung schrift = fenster.schrift(id);
        schrift.gewicht = fettGewicht;
        fenster.setzeSchrift(id, schrift);
    }
}

// ---------------------------------------------------------------------------------------
// Bildfenster

Bildfenster::Bildfenster(const QString& vorlagenname, Bildangabe bild, GemeinsameBefehle befehle,
                         QWidget* eltern)
    : Dialog(vorlagenname, eltern), bildangabe_(bild), befehle_(befehle),
      symbol_(programmsymbol()) {
    setWindowIcon(symbol_);
}

Bildfenster::Bildfenster(const Dialogvorlage& vorlage, Bildangabe bild, GemeinsameBefehle befehle,
                         QWidget* eltern)
    : Dialog(vorlage, eltern), bildangabe_(bild), befehle_(befehle), symbol_(programmsymbol()) {
    setWindowIcon(symbol_);
}

QIcon Bildfenster::ziehSymbol() const {
    return symbol_;
}

void Bildfenster::bildLaden() {
    bildfehlerGezeigt_ = false;
    bild_ =
        quorvia::bildLaden(QString::fromLatin1(bildangabe_.datei.data(), bildangabe_.datei.size()));
}

QRect Bildfenster::bildflaeche(int ppiX, int ppiY) const {
    if (!bild_) {
        return {};
    }
    return {bildRand, bildRand, himetrischZuPixel(bild_->groesse.width(), ppiX),
            himetrischZuPixel(bild_->groesse.height(), ppiY)};
}

QRect Bildfenster::bildflaeche() const {
    return bildflaeche(pixelProZollX(), pixelProZollY());
}

void Bildfenster::nebenDemBild(int id) {
    auto* beschriftung = steuerelement<Beschriftung>(id);
    const QRect bild = bildflaeche();
    if (beschriftung == nullptr || bild.isEmpty() ||
        !(beschriftung->ausrichtung() & Qt::AlignLeft)) {
        return;
    }
    const QString text = beschriftung->text();
    const QRect kasten = beschriftung->geometry();
    const bool daneben = kasten.left() >= bild.left() && kasten.top() <= bild.bottom() &&
                         kasten.bottom() >= bild.top();
    if (text.isEmpty() || !daneben) {
        return;
    }
    // A bold capital may reach left of its box (a negative bearing).
    const int tinte = kasten.left() + beschriftung->contentsRect().left() +
                      QFontMetrics(beschriftung->font()).leftBearing(text.front());
    const int fehlt = bild.right() + 1 + bildabstand - tinte;
    if (fehlt > 0) {
        beschriftung->move(kasten.left() + fehlt, kasten.top());
    }
}

bool Bildfenster::gemeinsamerBefehl(int id) {
    if (id == 0) {
        return false;
    }
    if (id == befehle_.beenden || id == befehle_.beendenKnopf) {
        beendenBefehl(*this);
    } else if (id == befehle_.hilfe) {
        hilfeBefehl(*this);
    } else if (id == befehle_.website) {
        websiteBefehl();
    } else if (id == befehle_.info) {
        infoBefehl(this);
    } else {
        return false;
    }
    return true;
}

void Bildfenster::befehl(int id) {
    if (!gemeinsamerBefehl(id)) {
        Dialog::befehl(id);
    }
}

void Bildfenster::zeichnen(QPainter& maler) {
    Dialog::zeichnen(maler);
    fensterZeichnen(maler);
}

void Bildfenster::fensterZeichnen(QPainter& maler) {
    const QWidget* flaeche = this->flaeche();
    if (isMinimized()) {
        const int breite = symbolBreite();
        const int hoehe = symbolHoehe();
        const QRect rahmen(0, 0, flaeche->width(), flaeche->height());
        maler.fillRect(rahmen, palette().brush(QPalette::Window));
        const int links = (rahmen.width() - breite + 1) / 2;
        const int oben = (rahmen.height() - hoehe + 1) / 2;
        symbol_.paint(&maler, QRect(links, oben, breite, hoehe));
        return;
    }
    if (bild_) {
        const QPaintDevice* geraet = maler.device();
        const int ppiX = geraet != nullptr ? geraet->logicalDpiX() : pixelProZollX();
        const int ppiY = geraet != nullptr ? geraet->logicalDpiY() : pixelProZollY();
        const QRect ziel = bildflaeche(ppiX, ppiY);
        // The scale of the pixels really painted: a window's backing store, or the image a
        // window is rendered into.
        const QPaintDevice* pixel =
            maler.paintEngine() != nullptr ? maler.paintEngine()->paintDevice() : geraet;
        const bool hoch = pixel != nullptr && pixel->devicePixelRatioF() >= 1.5;
        if (hoch && !bild_->doppelt) {
            bild_->doppelt = bilddateiLesen(bild_->doppeltPfad).value_or(QImage());
        }
        maler.drawImage(ziel, hoch && !bild_->doppelt->isNull() ? *bild_->doppelt : bild_->bild);
        return;
    }
    if (!bildfehlerGezeigt_) {
        bildfehlerGezeigt_ = true;
        // A modal message box cannot run inside a paint event; it follows right after it.
        // The flag is set now, so the paints while the box is open ask nothing more.
        QMetaObject::invokeMethod(this, &Bildfenster::bildfehlerMelden, Qt::QueuedConnection);
    }
}

void Bildfenster::bildfehlerMelden() {
    meldungZeigen(this, bildangabe_.meldung, Meldungssymbol::Stop);
    schliessenAnfordern();
}

void bisAbVonFuellen(Dialog& fenster, int vonId, int bisId) {
    fenster.auswahlLeeren(bisId);
    const int ab = std::max(1, std::stoi("0" + fenster.auswahlText(vonId)));
    for (int lektion = ab; lektion <= Lektionstabelle::anzahlLektionen; ++lektion) {
        fenster.auswahlAnhaengen(bisId, Lektionstabelle::lektionstext(lektion));
    }
    fenster.auswahlSetzen(bisId, 0);
}

} // namespace quorvia
