#include "ui/hilfe.h"

#include "ui/plattform/anwendung.h"
#include "ui/plattform/dialog.h"

#include <memory>
#include <tuple>
#include <vector>

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>

namespace quorvia {

namespace {

// The name of the anchor at the top of the help file's contents.
const QString inhaltsanker = QStringLiteral("inhalt");

// The help file is written for a light page. On a dark desktop its own text colours
// (headings, right and wrong examples) and the links are drawn lighter in their hue, and
// its light cell backgrounds give way to the page's, so that every text stays readable.
void farbenAnpassen(QTextBrowser& browser) {
    const QColor seite = browser.palette().color(QPalette::Base);
    QPalette farben = browser.palette();
    farben.setColor(QPalette::Link, lesbareFarbe(farben.color(QPalette::Link), seite));
    browser.setPalette(farben);
    if (!istDunkel(seite)) {
        return;
    }
    QTextDocument& dokument = *browser.document();
    // Gathered first: setting a format can merge fragments under a running iterator.
    std::vector<std::tuple<int, int, QTextCharFormat>> aenderungen;
    for (QTextBlock block = dokument.begin(); block.isValid(); block = block.next()) {
        for (auto teil = block.begin(); !teil.atEnd(); ++teil) {
            const QTextFragment stueck = teil.fragment();
            QTextCharFormat format = stueck.charFormat();
            if (!format.hasProperty(QTextFormat::ForegroundBrush) &&
                !format.hasProperty(QTextFormat::BackgroundBrush)) {
                continue;
            }
            if (format.hasProperty(QTextFormat::ForegroundBrush)) {
                format.setForeground(lesbareFarbe(format.foreground().color(), seite));
            }
            format.clearBackground();
            aenderungen.emplace_back(stueck.position(), stueck.length(), format);
        }
    }
    QTextCursor cursor(&dokument);
    for (const auto& [anfang, laenge, format] : aenderungen) {
        cursor.setPosition(anfang);
        cursor.setPosition(anfang + laenge, QTextCursor::KeepAnchor);
        cursor.setCharFormat(format);
    }
    for (QTextFrame* rahmen : dokument.rootFrame()->childFrames()) {
        auto* tabelle = qobject_cast<QTextTable*>(rahmen);
        for (int z = 0; tabelle != nullptr && z < tabelle->rows(); ++z) {
            for (int s = 0; s < tabelle->columns(); ++s) {
                QTextTableCell zelle = tabelle->cellAt(z, s);
                QTextTableCellFormat format = zelle.format().toTableCellFormat();
                format.clearBackground();
                zelle.setFormat(format);
            }
        }
    }
}

} // namespace

Hilfefenster::Hilfefenster() : QWidget(nullptr, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("Quorvia 2003 Hilfe"));
    setWindowIcon(programmsymbol());

    auto* inhalt = new QPushButton(QStringLiteral("&Inhalt"), this);
    auto* zurueck = new QPushButton(QStringLiteral("&Zur\u00FCck"), this);
    auto* suchtext = new QLabel(QStringLiteral("&Suchen:"), this);
    suchfeld_ = new QLineEdit(this);
    suchtext->setBuddy(suchfeld_);
    auto* weiter = new QPushButton(QStringLiteral("&Weitersuchen"), this);
    hinweis_ = new QLabel(this);
    browser_ = new QTextBrowser(this);
    browser_->setOpenLinks(true);
    // Links out of the help file (none in ours) go to the browser, not into the viewer.
    browser_->setOpenExternalLinks(true);

    auto* leiste = new QHBoxLayout;
    leiste->addWidget(inhalt);
    leiste->addWidget(zurueck);
    leiste->addSpacing(12);
    leiste->addWidget(suchtext);
    leiste->addWidget(suchfeld_, 1);
    leiste->addWidget(weiter);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(leiste);
    spalte->addWidget(hinweis_);
    spalte->addWidget(browser_, 1);
    hinweis_->hide();

    connect(inhalt, &QPushButton::clicked, this, &Hilfefenster::inhaltZeigen);
    connect(zurueck, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, zurueck, &QPushButton::setEnabled);
    zurueck->setEnabled(false);
    const auto weitersuchen = [this] {
        suchen(suchfeld_->text());
    };
    connect(suchfeld_, &QLineEdit::returnPressed, this, weitersuchen);
    connect(weiter, &QPushButton::clicked, this, weitersuchen);

    resize(680, 560);
}

bool Hilfefenster::zeigen(const QString& datei) {
    Hilfefenster* hilfe = offenes();
    std::unique_ptr<Hilfefenster> neues;
    if (hilfe == nullptr) {
        neues.reset(new Hilfefenster); // private constructor: make_unique cannot reach it
        hilfe = neues.get();
    }
    if (!hilfe->laden(datei)) {
        return false;
    }
    // From here it is a top-level window of its own, ended by its close box or, with the
    // main menu, by alleSchliessen.
    neues.release();
    hilfe->modalemFensterFolgen();
    hilfe->show();
    hilfe->raise();
    hilfe->activateWindow();
    hilfe->suchfeld_->setFocus();
    return true;
}

bool Hilfefenster::event(QEvent* ereignis) {
    if (ereignis->type() == QEvent::WindowBlocked) {
        // A dialog has become modal since: the viewer follows it and stays usable.
        modalemFensterFolgen();
    }
    return QWidget::event(ereignis);
}

void Hilfefenster::modalemFensterFolgen() {
    // A modal window blocks every window but itself and the windows that belong to it, so
    // the viewer belongs to the topmost modal one, whichever that is now. Belonging is
    // only the window system's transient link: no window owns the viewer, so it outlives
    // the window it was opened from, and follows the next one when that one goes.
    create();
    QWindow* eigenes = windowHandle();
    QWindow* modal = QGuiApplication::modalWindow();
    if (eigenes == nullptr || modal == eigenes || eigenes->transientParent() == modal) {
        return;
    }
    disconnect(folge_);
    eigenes->setTransientParent(modal);
    if (modal != nullptr) {
        folge_ = connect(modal, &QObject::destroyed, this, &Hilfefenster::modalemFensterFolgen);
    }
}

Hilfefenster* Hilfefenster::offenes() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* hilfe = qobject_cast<Hilfefenster*>(w)) {
            return hilfe;
        }
    }
    return nullptr;
}

void Hilfefenster::alleSchliessen() {
    while (Hilfefenster* hilfe = offenes()) {
        delete hilfe;
    }
}

bool Hilfefenster::laden(const QString& datei) {
    const QFileInfo info(datei);
    if (!info.isFile() || !info.isReadable() || info.size() > maxHilfegroesse) {
        return false;
    }
    const QUrl quelle = QUrl::fromLocalFile(info.absoluteFilePath());
    // The ".HLP" extension says nothing to the browser: the content type is given.
    browser_->setSource(quelle, QTextDocument::HtmlResource);
    if (browser_->document()->isEmpty()) {
        // The file vanished or could not be read between the check and the load.
        return false;
    }
    farbenAnpassen(*browser_);
    datei_ = info.absoluteFilePath();
    inhaltZeigen();
    return true;
}

void Hilfefenster::inhaltZeigen() {
    if (browser_->source().hasFragment()) {
        QUrl oben = browser_->source();
        oben.setFragment(QString());
        browser_->setSource(oben, QTextDocument::HtmlResource);
    }
    browser_->scrollToAnchor(inhaltsanker);
    browser_->moveCursor(QTextCursor::Start);
}

bool Hilfefenster::suchen(const QString& text) {
    hinweis_->hide();
    if (text.isEmpty()) {
        return false;
    }
    if (browser_->find(text)) {
        return true;
    }
    // Past the last place: start from the top once.
    browser_->moveCursor(QTextCursor::Start);
    if (browser_->find(text)) {
        return true;
    }
    hinweis_->setText(QStringLiteral("\u201E%1\u201C kommt in der Hilfe nicht vor.").arg(text));
    hinweis_->show();
    return false;
}

} // namespace quorvia
