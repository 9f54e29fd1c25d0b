#include "gemeinsam/fenster.h"

#include "data/datendatei.h"
#include "ui/plattform/schriftwahl.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

#include <fstream>

namespace {

using namespace quorvia;
using namespace quorvia::test;

TEST(Dienste, MeldungenGehenDurchDieNaht) {
    DiensteEingesetzt dienste;
    meldungZeigen(nullptr, "Die Datei \"\\Bilder\\Bustixkl.gif\" konnte nicht geladen werden!",
                  Meldungssymbol::Stop);
    meldungZeigen(nullptr, "Zur Zeit sind keine nicht gewussten W\xF6rter vorhanden!",
                  Meldungssymbol::Information);
    ASSERT_EQ(dienste->meldungen.size(), 2u);
    EXPECT_EQ(dienste->meldungen[0].text,
              QStringLiteral("Die Datei \"\\Bilder\\Bustixkl.gif\" konnte nicht geladen werden!"));
    EXPECT_EQ(dienste->meldungen[0].symbol, Meldungssymbol::Stop);
    EXPECT_EQ(dienste->meldungen[1].text,
              QStringLiteral(u"Zur Zeit sind keine nicht gewussten Wörter vorhanden!"));
    EXPECT_EQ(dienste->meldungen[1].symbol, Meldungssymbol::Information);
}

TEST(Dienste, WaehlerAntwortenAusDerNaht) {
    DiensteEingesetzt dienste;
    const Schriftbeschreibung fett{"Nimbus Sans", -16, 700, true};
    dienste->schriften = {fett, std::nullopt};
    dienste->farben = {rgb(1, 2, 3)};
    EXPECT_EQ(schriftWaehlen(nullptr, {"Tahoma", -11, 400, false}), fett);
    EXPECT_EQ(schriftWaehlen(nullptr, fett), std::nullopt);
    EXPECT_EQ(farbeWaehlen(nullptr, rgb(0, 0, 139)), rgb(1, 2, 3));
    EXPECT_EQ(farbeWaehlen(nullptr, rgb(0, 0, 0)), std::nullopt) << "empty queue cancels";
    ASSERT_EQ(dienste->farbStarts.size(), 2u);
    EXPECT_EQ(dienste->farbStarts[0], rgb(0, 0, 139));
    EXPECT_EQ(dienste->schriftStarts[0].name, "Tahoma");
}

TEST(Dienste, QtMeldungIstTitelSymbolUndEinKnopf) {
    struct Fall {
        Meldungssymbol symbol;
        QMessageBox::Icon icon;
    };
    for (const Fall& f : {Fall{Meldungssymbol::Stop, QMessageBox::Critical},
                          Fall{Meldungssymbol::Information, QMessageBox::Information}}) {
        bool gesehen = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            gesehen = true;
            EXPECT_EQ(box->windowTitle(), QStringLiteral("Quorvia 2003"));
            EXPECT_EQ(box->text(),
                      QStringLiteral(u"Die Einstellungen wurden erfolgreich gespeichert!"));
            EXPECT_EQ(box->icon(), f.icon);
            ASSERT_EQ(box->buttons().size(), 1);
            EXPECT_EQ(box->standardButton(box->buttons()[0]), QMessageBox::Ok);
            box->buttons()[0]->click();
        });
        QtDialogdienste qt;
        qt.meldung(nullptr, QStringLiteral(u"Die Einstellungen wurden erfolgreich gespeichert!"),
                   f.symbol);
        EXPECT_TRUE(gesehen);
    }
}

TEST(Dienste, QtWaehlerGebenWahlOderAbbruch) {
    QtDialogdienste qt;
    // Colour chooser: Qt's own, in its full form with the custom colours.
    QTimer::singleShot(0, [] {
        auto* wahl = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(wahl, nullptr);
        EXPECT_EQ(wahl->currentColor(), QColor(0, 0, 139));
        EXPECT_TRUE(wahl->testOption(QColorDialog::DontUseNativeDialog));
        wahl->setCurrentColor(QColor(10, 20, 30));
        wahl->accept();
    });
    EXPECT_EQ(qt.farbeWaehlen(nullptr, rgb(0, 0, 139)), rgb(10, 20, 30));
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_EQ(qt.farbeWaehlen(nullptr, rgb(0, 0, 139)), std::nullopt);

    QTimer::singleShot(0, [] {
        auto* wahl = qobject_cast<Schriftwahl*>(QApplication::activeModalWidget());
        ASSERT_NE(wahl, nullptr);
        wahl->groessen()->setCurrentText(QStringLiteral("12"));
        wahl->accept();
    });
    const std::string art = ersatzschriftart().toStdString();
    const auto gewaehlt = qt.schriftWaehlen(nullptr, {art, -11, 400, false});
    ASSERT_TRUE(gewaehlt.has_value());
    EXPECT_EQ(gewaehlt->name, art);
    EXPECT_EQ(gewaehlt->hoehe, punkteZuHoehe(12, pixelProZollY()));
    QTimer::singleShot(0,
                       [] { qobject_cast<QDialog*>(QApplication::activeModalWidget())->reject(); });
    EXPECT_EQ(qt.schriftWaehlen(nullptr, {art, -11, 400, false}), std::nullopt);
}

TEST(Anwendung, HaeltDasHauptfenster) {
    Anwendung* a = Anwendung::instanz();
    ASSERT_NE(a, nullptr);
    EXPECT_FALSE(a->quitOnLastWindowClosed());
    auto menue = std::make_unique<Dialog>(QStringLiteral("Hauptmenue"));
    {
        Dialog option(QStringLiteral("Option11"));
        a->setzeHauptfenster(menue.get());
        EXPECT_EQ(a->hauptfenster(), menue.get());
        a->setzeHauptfenster(&option);
        EXPECT_EQ(a->hauptfenster(), &option);
    }
    EXPECT_EQ(a->hauptfenster(), nullptr) << "a destroyed window stayed the main window";
}

TEST(Anwendung, ProgrammsymbolInZweiGroessen) {
    const QIcon symbol = programmsymbol();
    ASSERT_FALSE(symbol.isNull());
    const auto groessen = symbol.availableSizes();
    EXPECT_TRUE(groessen.contains(QSize(32, 32)));
    EXPECT_TRUE(groessen.contains(QSize(16, 16)));
    Dialog info(QStringLiteral("QuorviaInfo"));
    EXPECT_FALSE(info.windowIcon().isNull());
}

TEST(Anwendung, QtsTexteDeutschUndDialogknoepfeOhneSymbole) {
    EXPECT_EQ(QColorDialog().windowTitle(), QStringLiteral("Farbauswahl"));
    QLineEdit feld;
    const std::unique_ptr<QMenu> kontext(feld.createStandardContextMenu());
    EXPECT_EQ(kontext->actions().front()->text(), QStringLiteral("&R\u00FCckg\u00E4ngig\tStrg+Z"));
    QTranslator ohne; // a missing catalogue leaves English and stops nothing
    EXPECT_FALSE(qtTexteLaden(ohne, QStringLiteral("/gibt/es/nicht")));

    // As the styles of some desktops say: OK gets a tick.
    class MitSymbolen : public QProxyStyle {
    public:
        int styleHint(StyleHint h, const QStyleOption* o, const QWidget* w,
                      QStyleHintReturn* r) const override {
            return h == SH_DialogButtonBox_ButtonsHaveIcons ? 1
                                                            : QProxyStyle::styleHint(h, o, w, r);
        }
    };
    EXPECT_EQ(programmstil(new MitSymbolen)->styleHint(QStyle::SH_DialogButtonBox_ButtonsHaveIcons),
              0);
}

// A window whose destruction would leave a trace on disk.
class Spurfenster : public Dialog {
public:
    explicit Spurfenster(QString spur)
        : Dialog(QStringLiteral("EndeAbfrage")), spur_(std::move(spur)) {}
    ~Spurfenster() override { std::ofstream(spur_.toStdString()) << "written"; }

protected:
    void befehl(int id) override {
        if (id == 1000) {
            throw DatenFehler(Fehlerart::NgWoerterNichtLadbar);
        }
        if (id == 1001) {
            throw std::runtime_error("not ours");
        }
        Dialog::befehl(id);
    }

private:
    QString spur_;
};

// The fake seam prints the message so that the dying process shows what it said.
class Stderrdienste final : public Dialogdienste {
public:
    void meldung(QWidget*, const QString& text, Meldungssymbol symbol) override {
        std::fprintf(stderr, "[%s] %s\n", symbol == Meldungssymbol::Stop ? "stop" : "info",
                     text.toUtf8().constData());
    }
    std::optional<Schriftbeschreibung> schriftWaehlen(QWidget*,
                                                      const Schriftbeschreibung&) override {
        return std::nullopt;
    }
    std::optional<Farbe> farbeWaehlen(QWidget*, Farbe) override { return std::nullopt; }
};

TEST(DatenfehlerDeathTest, MeldungDannSofortEndeMitStatusEins) {
    struct Fall {
        const char* name;
        int befehl;
        Fehlerart art;
    };
    for (const Fall& f : {Fall{"core failure", 1000, Fehlerart::NgWoerterNichtLadbar},
                          Fall{"any other exception", 1001, Fehlerart::Unerwartet}}) {
        SCOPED_TRACE(f.name);
        QTemporaryDir ordner;
        const QString spur = ordner.filePath(QStringLiteral("spur"));
        const std::string erwartet =
            "\\[stop\\] " + QRegularExpression::escape(alsQString(meldung(f.art))).toStdString();
        EXPECT_EXIT(
            {
                Anwendung::instanz()->setzeDienste(std::make_unique<Stderrdienste>());
                Spurfenster fenster(spur);
                fenster.befehlAusloesen(f.befehl);
            },
            ::testing::ExitedWithCode(1), erwartet);
        EXPECT_FALSE(QFile::exists(spur)) << "a destructor ran on the way out";
    }
}

TEST(DatenfehlerDeathTest, AuchAusDemOeffnen) {
    class Fehlstart : public Dialog {
    public:
        Fehlstart() : Dialog(QStringLiteral("105")) {}

    protected:
        void oeffnen() override { throw DatenFehler(Fehlerart::WoerterNichtLadbar); }
    };
    EXPECT_EXIT(
        {
            Anwendung::instanz()->setzeDienste(std::make_unique<Stderrdienste>());
            Fehlstart f;
            f.ausfuehren();
        },
        ::testing::ExitedWithCode(1), "\\[stop\\] ");
}

} // namespace
