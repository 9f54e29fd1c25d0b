#include "gemeinsam/fenster.h"

#include "ui/plattform/steuerelemente.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace quorvia;
using namespace quorvia::test;

// A window that records what reaches it.
class Protokollfenster : public Dialog {
public:
    explicit Protokollfenster(const QString& vorlage) : Dialog(vorlage) {}

    std::vector<std::string> protokoll;
    std::function<void(int)> beiBefehl;
    bool schliessenErlaubt = true;
    int oeffnungen = 0;

protected:
    void oeffnen() override {
        ++oeffnungen;
        protokoll.push_back("oeffnen");
    }
    void befehl(int id) override {
        protokoll.push_back("befehl " + std::to_string(id));
        if (beiBefehl) {
            beiBefehl(id);
        } else {
            Dialog::befehl(id);
        }
    }
    void auswahlGeaendert(int id) override { protokoll.push_back("auswahl " + std::to_string(id)); }
    bool schliessenAngefragt() override {
        protokoll.push_back("schliessen");
        return schliessenErlaubt;
    }
};

std::vector<std::string> befehle(const Protokollfenster& f) {
    std::vector<std::string> nur;
    for (const auto& e : f.protokoll) {
        if (e.rfind("befehl", 0) == 0) {
            nur.push_back(e);
        }
    }
    return nur;
}

// ---------------------------------------------------------------------------------------

TEST(Dialog, SteuerelementeStehenAnIhrenPixeln) {
    struct Fall {
        const char* vorlage;
        int id;
        QRect einheiten;
    };
    const Fall faelle[] = {
        {"EndeAbfrage", 1017, {7, 16, 102, 8}},
        {"EndeAbfrage", 1022, {112, 70, 46, 8}},
        {"EndeAbfrage", 2, {60, 92, 50, 14}},
        {"QuorviaInfo", 1017, {34, 7, 121, 8}},
        {"QuorviaInfo", 2, {55, 95, 50, 14}},
        {"Einstellungen", 1006, {113, 232, 50, 14}},
        {"Einstellungen", 1018, {15, 60, 62, 14}},
        {"Einstellungen", 1015, {15, 184, 195, 8}},
        {"Einstellungen", 1022, {27, 197, 153, 8}},
        {"Hauptmenue", 1000, {75, 218, 50, 14}},
        {"Hauptmenue", 1010, {98, 66, 91, 10}},
        {"Hauptmenue", 1021, {86, 160, 158, 46}},
        {"Hauptmenue", 1023, {11, 118, 62, 14}},
        {"Hauptmenue", 1015, {99, 129, 135, 9}},
        {"105", 1017, {31, 19, 106, 14}},
        {"105", 1024, {98, 112, 277, 13}},
        {"106", 1021, {99, 96, 310, 13}},
        {"107", 1000, {382, 112, 27, 14}},
        {"108", 1023, {99, 149, 310, 13}},
        {"111", 1017, {31, 19, 140, 14}},
        {"111", 1019, {324, 57, 19, 8}},
        {"112", 1019, {324, 57, 19, 8}},
        {"112", 1002, {220, 183, 50, 14}},
        {"Option11", 1026, {24, 47, 386, 115}},
        {"Option12", 1000, {164, 183, 50, 14}},
        {"Option31", 1017, {31, 19, 137, 14}},
        {"Option32", 1001, {220, 183, 50, 14}},
    };
    const Dialogeinheiten basis = dialogeinheitenVon(dialogschrift());
    ASSERT_GT(basis.x, 0);
    ASSERT_GT(basis.y, 0);
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(f.vorlage) + " " + std::to_string(f.id));
        Dialog d{QString::fromLatin1(f.vorlage)};
        EXPECT_EQ(d.einheiten(), basis);
        QWidget* w = d.steuerelement(f.id);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget(), d.flaeche());
        EXPECT_EQ(w->geometry(), basis.pixel(f.einheiten));
    }
}

TEST(Dialog, FensterHatDieGroesseDerVorlageUnterDemMenue) {
    struct Fall {
        const char* vorlage;
        QSize einheiten;
        bool menue;
    };
    const Fall faelle[] = {{"EndeAbfrage", {172, 111}, false},
                           {"Einstellungen", {226, 253}, false},
                           {"Hauptmenue", {258, 241}, true},
                           {"105", {434, 206}, true},
                           {"Option32", {434, 206}, true}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.vorlage);
        Dialog d{QString::fromLatin1(f.vorlage)};
        const QSize flaeche(d.einheiten().pixelX(f.einheiten.width()),
                            d.einheiten().pixelY(f.einheiten.height()));
        EXPECT_EQ(d.flaeche()->size(), flaeche);
        EXPECT_EQ(d.menueleiste() != nullptr, f.menue);
        const int oben = f.menue ? d.menueleiste()->height() : 0;
        EXPECT_EQ(d.flaeche()->y(), oben);
        EXPECT_EQ(d.size(), flaeche + QSize(0, oben));
        EXPECT_EQ(d.minimumSize(), d.maximumSize()) << "resizable";
    }
}

TEST(Dialog, VorlagenTexteUndArten) {
    Dialog haupt(QStringLiteral("Hauptmenue"));
    EXPECT_EQ(haupt.titel(), "Quorvia 2003 - Hauptmen\xFC");
    EXPECT_EQ(haupt.text(1021), "Abfragemodus w\xE4hlen");
    EXPECT_NE(haupt.steuerelement<Rahmen>(1021), nullptr);
    EXPECT_NE(haupt.steuerelement<QRadioButton>(1011), nullptr);
    EXPECT_NE(haupt.steuerelement<QCheckBox>(1015), nullptr);
    EXPECT_FALSE(haupt.istSichtbar(1022));
    EXPECT_TRUE(haupt.istSichtbar(1023));
    EXPECT_TRUE(haupt.steuerelement<QPushButton>(1000)->isDefault());
    EXPECT_EQ(haupt.standardknopf(), 1000);
    for (const int liste : {1013, 1014}) {
        ASSERT_EQ(haupt.auswahlAnzahl(liste), 50);
        auto* a = haupt.steuerelement<QComboBox>(liste);
        for (int i = 0; i < 50; ++i) {
            char erwartet[3];
            std::snprintf(erwartet, sizeof erwartet, "%02d", i + 1);
            EXPECT_EQ(a->itemText(i).toStdString(), erwartet);
        }
    }

    Dialog einstellungen(QStringLiteral("Einstellungen"));
    auto* pause = einstellungen.steuerelement<QLineEdit>(1024);
    ASSERT_NE(pause, nullptr);
    EXPECT_TRUE(pause->isReadOnly());
    EXPECT_TRUE(pause->alignment() & Qt::AlignRight);
    EXPECT_EQ(einstellungen.text(1021), "L\xF6sungsanzeige");
    auto* probe = einstellungen.steuerelement<Beschriftung>(1017);
    ASSERT_NE(probe, nullptr);
    EXPECT_TRUE(probe->ausrichtung() & Qt::AlignHCenter);
    EXPECT_EQ(probe->frameShadow(), QFrame::Sunken);

    Dialog ende(QStringLiteral("EndeAbfrage"));
    EXPECT_TRUE(ende.steuerelement<Beschriftung>(1018)->ausrichtung() & Qt::AlignRight);
    EXPECT_TRUE(ende.steuerelement<Beschriftung>(1022)->ausrichtung() & Qt::AlignLeft);

    // The two principal-parts windows have no direction label; the word windows do.
    struct Richtung {
        const char* vorlage;
        const char* text;
    };
    for (const Richtung& r :
         {Richtung{"105", "Deutsch --> Latein"}, Richtung{"108", "Latein --> Deutsch"},
          Richtung{"111", nullptr}, Richtung{"112", nullptr}}) {
        Dialog d{QString::fromLatin1(r.vorlage)};
        bool gefunden = false;
        for (auto* b : d.flaeche()->findChildren<Beschriftung*>()) {
            gefunden = gefunden || b->text().contains(QStringLiteral("-->"));
            if (r.text != nullptr && b->text().contains(QStringLiteral("-->"))) {
                EXPECT_EQ(b->text().toStdString(), r.text);
            }
        }
        EXPECT_EQ(gefunden, r.text != nullptr) << r.vorlage;
    }
}

TEST(Dialog, MenuesTragenIhreBefehle) {
    struct Fall {
        const char* vorlage;
        std::vector<std::pair<int, const char*>> punkte;
    };
    const Fall faelle[] = {
        {"Hauptmenue",
         {{130, "&OK"},
          {131, "&Einstellungen"},
          {132, "&Beenden"},
          {133, "&Quorvia Hilfe"},
          {134, "&Brovanit Website"},
          {135, "&Info \xFC"
                "ber Quorvia..."},
          {300, "&F\xE4llige W\xF6rter abfragen"},
          {301, "F\xE4llige &Stammformen abfragen"},
          {302, "&Statistik..."}}},
        {"105",
         {{137, "&OK"},
          {138, "&Hauptmen\xFC"},
          {139, "&Beenden"},
          {142, "&Info \xFC"
                "ber Quorvia..."}}},
        {"106",
         {{144, "&OK"},
          {146, "&Beenden"},
          {149, "&Info \xFC"
                "ber Quorvia..."}}},
        {"107",
         {{151, "&OK"},
          {153, "&Beenden"},
          {156, "&Info \xFC"
                "ber Quorvia..."}}},
        {"108",
         {{158, "&OK"},
          {160, "&Beenden"},
          {163, "&Info \xFC"
                "ber Quorvia..."}}},
        {"111",
         {{189, "&OK"},
          {191, "&Beenden"},
          {194, "&Info \xFC"
                "ber Quorvia..."}}},
        {"112",
         {{196, "&OK"},
          {198, "&Beenden"},
          {201, "&Info \xFC"
                "ber Quorvia..."}}},
        {"Option11",
         {{165, "&Hauptmen\xFC"},
          {166, "&Beenden"},
          {167, "&Quorvia Hilfe"},
          {169, "&Info \xFC"
                "ber Quorvia..."}}},
        {"Option12",
         {{171, "&Hauptmen\xFC"},
          {172, "&Beenden"},
          {175, "&Info \xFC"
                "ber Quorvia..."}}},
        {"Option31",
         {{177, "&Hauptmen\xFC"},
          {178, "&Beenden"},
          {181, "&Info \xFC"
                "ber Quorvia..."}}},
        {"Option32",
         {{183, "&Hauptmen\xFC"},
          {184, "&Beenden"},
          {187, "&Info \xFC"
                "ber Quorvia..."}}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.vorlage);
        Protokollfenster d{QString::fromLatin1(f.vorlage)};
        ASSERT_NE(d.menueleiste(), nullptr);
        const auto popups = d.menueleiste()->actions();
        // The main menu alone has the learning record's popup, between the two.
        const bool hauptmenue = std::string_view(f.vorlage) == "Hauptmenue";
        ASSERT_EQ(popups.size(), hauptmenue ? 3 : 2);
        EXPECT_EQ(popups[0]->text(), QStringLiteral("&Quorvia"));
        if (hauptmenue) {
            EXPECT_EQ(popups[1]->text(), QStringLiteral("&Lernstand"));
        }
        EXPECT_EQ(popups.back()->text(), QStringLiteral("&Hilfe"));
        // Exit is the last item of the first popup, after a separator.
        const auto erste = popups[0]->menu()->actions();
        ASSERT_GE(erste.size(), 2);
        EXPECT_TRUE(erste[erste.size() - 2]->isSeparator());
        EXPECT_EQ(erste.back()->text(), QStringLiteral("&Beenden"));
        for (const auto& [befehl, text] : f.punkte) {
            EXPECT_EQ(d.menuetext(befehl), text) << befehl;
            menue(d, befehl);
        }
        ASSERT_EQ(befehle(d).size(), f.punkte.size());
        for (std::size_t i = 0; i < f.punkte.size(); ++i) {
            EXPECT_EQ(befehle(d)[i], "befehl " + std::to_string(f.punkte[i].first));
        }
    }
}

TEST(Dialog, MenuetextWechseltUndBehaeltDenBefehl) {
    Protokollfenster d(QStringLiteral("105"));
    d.setzeMenuetext(137, "&Weiter >");
    EXPECT_EQ(d.menuetext(137), "&Weiter >");
    EXPECT_EQ(d.menuepunkt(137)->text(), QStringLiteral("&Weiter >"));
    menue(d, 137);
    EXPECT_EQ(befehle(d), std::vector<std::string>{"befehl 137"});
    d.setzeText(1000, ">");
    EXPECT_EQ(d.steuerelement<QPushButton>(1000)->text(), QStringLiteral(">"));
}

TEST(Dialog, BefehleVonKnoepfenTastenUndFeldern) {
    struct Fall {
        const char* name;
        const char* vorlage;
        std::function<void(Protokollfenster&)> aktion;
        std::vector<std::string> erwartet;
    };
    const Fall faelle[] = {
        {"button", "105", [](Protokollfenster& d) { klicken(d, 1001); }, {"befehl 1001"}},
        {"check box",
         "Einstellungen",
         [](Protokollfenster& d) { klicken(d, 1015); },
         {"befehl 1015"}},
        {"radio", "Hauptmenue", [](Protokollfenster& d) { klicken(d, 1009); }, {"befehl 1009"}},
        {"Enter in the answer field",
         "105",
         [](Protokollfenster& d) {
             tippen(d, 1024, QStringLiteral("amo"));
             taste(d, Qt::Key_Return, 1024);
         },
         {"befehl 1000"}},
        {"keypad Enter",
         "108",
         [](Protokollfenster& d) { taste(d, Qt::Key_Enter, 1024); },
         {"befehl 1000"}},
        {"Enter on a check box",
         "Einstellungen",
         [](Protokollfenster& d) {
             d.fokusSetzen(1016);
             taste(d, Qt::Key_Return, 1016);
         },
         {"befehl 1006"}},
        {"Enter on a focused other button",
         "Einstellungen",
         [](Protokollfenster& d) {
             d.fokusSetzen(1005);
             taste(d, Qt::Key_Return, 1005);
         },
         {"befehl 1005"}},
        {"Enter without a default button",
         "Option11",
         [](Protokollfenster& d) {
             d.setzeStandardknopf(okId);
             taste(d, Qt::Key_Return);
         },
         {"befehl 1"}},
        {"Escape",
         "105",
         [](Protokollfenster& d) { taste(d, Qt::Key_Escape, 1024); },
         {"befehl 2"}},
        {"Escape in a drop-down list",
         "Hauptmenue",
         [](Protokollfenster& d) { taste(d, Qt::Key_Escape, 1013); },
         {"befehl 2"}},
        {"Enter in a drop-down list",
         "Hauptmenue",
         [](Protokollfenster& d) { taste(d, Qt::Key_Return, 1013); },
         {"befehl 1000"}},
        {"disabled default button",
         "105",
         [](Protokollfenster& d) {
             d.setzeAktiv(1000, false);
             taste(d, Qt::Key_Return, 1024);
         },
         {}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Protokollfenster d{QString::fromLatin1(f.vorlage)};
        d.beiBefehl = [](int) {
        }; // record only
        d.show();
        f.aktion(d);
        EXPECT_EQ(befehle(d), f.erwartet);
    }
}

TEST(Dialog, AltBuchstabeGehoertDemKnopf) {
    struct Fall {
        const char* vorlage;
        Qt::Key taste;
        std::vector<std::string> erwartet;
    };
    const Fall faelle[] = {
        {"105", Qt::Key_H, {"befehl 1001"}}, // "&Hauptmenü" beside the menu "&Hilfe"
        {"105", Qt::Key_B, {"befehl 1002"}},
        {"Option11", Qt::Key_H, {"befehl 1000"}},
        {"Hauptmenue", Qt::Key_B, {"befehl 1001"}},
        {"Hauptmenue", Qt::Key_E, {}}, // only the menu item "&Einstellungen", in a closed popup
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(f.vorlage) + " " + std::to_string(f.taste));
        Protokollfenster d{QString::fromLatin1(f.vorlage)};
        d.beiBefehl = [](int) {
        };
        d.show();
        d.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
        d.fokusSetzen(d.steuerelement(1024) != nullptr ? 1024 : 1000);
        QTest::keyClick(&d, f.taste, Qt::AltModifier);
        EXPECT_EQ(befehle(d), f.erwartet);
    }
}

TEST(Dialog, TastenOhneBefehlTippenNichtsUndF1RuftDieHilfe) {
    struct Fall {
        Qt::Key taste;
        Qt::KeyboardModifiers mit;
        const char* feld;
        int hilfen;
    };
    int hilfen = 0;
    Anwendung::instanz()->setzeHilfe([&hilfen](QWidget&) { ++hilfen; });
    for (const Fall& f : {Fall{Qt::Key_O, Qt::AltModifier, "", 0}, Fall{Qt::Key_O, {}, "o", 0},
                          Fall{Qt::Key_F1, {}, "", 1}}) {
        Protokollfenster d(QStringLiteral("105"));
        d.setzeText(1000, ">"); // no "&O" left to match
        hilfen = 0;
        QTest::keyClick(d.steuerelement(1024), f.taste, f.mit);
        EXPECT_EQ(d.text(1024), f.feld);
        EXPECT_EQ(hilfen, f.hilfen);
    }
    Anwendung::instanz()->setzeHilfe({});
}

TEST(Dialog, TabBetrittEineRadiogruppeBeimAngekreuztenKnopf) {
    struct Fall {
        int option; // checked in the option group 1007..1010, -1 none
        int von;
        Qt::Key taste;
        int ziel;
    };
    for (const Fall& f : {Fall{2, 1001, Qt::Key_Tab, 1009}, Fall{2, 1009, Qt::Key_Tab, 1013},
                          Fall{3, 1013, Qt::Key_Backtab, 1010}, Fall{-1, 1001, Qt::Key_Tab, 1007},
                          Fall{1, 1008, Qt::Key_Down, 1009}}) {
        Dialog d(QStringLiteral("Hauptmenue"));
        d.setzeRadioIndex(1007, f.option);
        d.show();
        d.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
        d.fokusSetzen(f.von);
        QTest::keyClick(QApplication::focusWidget(), f.taste);
        EXPECT_EQ(d.idVon(QApplication::focusWidget()), f.ziel) << f.von << " " << f.taste;
    }
}

TEST(Dialog, AuswahllisteOeffnetSichSoHochWieDieVorlage) {
    Dialog d(QStringLiteral("Hauptmenue"));
    d.show();
    auto* a = d.steuerelement<QComboBox>(1013);
    a->showPopup();
    const QRect liste = a->view()->window()->geometry();
    const int oben = a->mapToGlobal(QPoint(0, 0)).y();
    // Below the box, ending where the template's 87 units do, to a whole item.
    const int unten = oben + d.einheiten().pixelY(87);
    EXPECT_GE(liste.top(), oben + a->height() - 1);
    EXPECT_LE(liste.bottom(), unten);
    EXPECT_GT(liste.bottom(), unten - a->view()->sizeHintForRow(0));
    EXPECT_TRUE(a->view()->verticalScrollBar()->isVisible());
}

TEST(Dialog, AuswahlMeldetNurWahlDesSchuelers) {
    Protokollfenster d(QStringLiteral("Hauptmenue"));
    d.auswahlSetzen(1013, 4);
    EXPECT_EQ(d.auswahlText(1013), "05");
    EXPECT_TRUE(d.protokoll.empty());
    waehlen(d, 1013, 11);
    EXPECT_EQ(d.protokoll, std::vector<std::string>{"auswahl 1013"});
    EXPECT_EQ(d.auswahlText(1013), "12");
}

TEST(Dialog, OeffnenLaeuftEinmalVorDemZeigen) {
    Protokollfenster d(QStringLiteral("EndeAbfrage"));
    d.beiBefehl = [&d](int id) {
        if (id == 99) {
            d.beenden(7);
        }
    };
    EXPECT_EQ(d.oeffnungen, 0);
    d.vorbereiten();
    d.vorbereiten();
    EXPECT_EQ(d.oeffnungen, 1);
    QTimer::singleShot(0, [&d] {
        EXPECT_TRUE(d.isVisible());
        EXPECT_TRUE(d.laeuft());
        d.befehlAusloesen(99);
    });
    EXPECT_EQ(d.ausfuehren(), 7);
    EXPECT_EQ(d.oeffnungen, 1);
    EXPECT_FALSE(d.isVisible());
    EXPECT_FALSE(d.laeuft());
}

TEST(Dialog, GeposteteSchliessanfrageNachDemHandler) {
    Protokollfenster d(QStringLiteral("105"));
    d.beiBefehl = [&d](int id) {
        if (id == 1001) {
            d.schliessenAnfordern();
            d.protokoll.push_back("nach dem Posten");
        }
    };
    QTimer::singleShot(0, [&d] { klicken(d, 1001); });
    EXPECT_EQ(d.ausfuehren(), abbrechenId);
    EXPECT_EQ(d.protokoll, (std::vector<std::string>{"oeffnen", "befehl 1001", "nach dem Posten",
                                                     "schliessen"}));
}

TEST(Dialog, SchliessenKannAbgelehntWerden) {
    Protokollfenster d(QStringLiteral("EndeAbfrage"));
    d.schliessenErlaubt = false;
    d.vorbereiten();
    d.show();
    d.close(); // the close box
    d.schliessenAnfordern();
    nachrichtenVerarbeiten();
    EXPECT_FALSE(d.istBeendet());
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(std::count(d.protokoll.begin(), d.protokoll.end(), "schliessen"), 2);
    d.schliessenErlaubt = true;
    d.close();
    EXPECT_TRUE(d.istBeendet());
    EXPECT_EQ(d.ergebnis(), abbrechenId);
}

TEST(Dialog, EscapeSchliesstUeberDieSchliessanfrage) {
    Protokollfenster d(QStringLiteral("EndeAbfrage"));
    QTimer::singleShot(0, [&d] { taste(d, Qt::Key_Escape); });
    EXPECT_EQ(d.ausfuehren(), abbrechenId);
    EXPECT_EQ(d.protokoll, (std::vector<std::string>{"oeffnen", "befehl 2", "schliessen"}));
}

// The main menu runs an option window from its handler; the option hides the menu and,
// when it closes, posts a close to the menu, which ends only after its handler returned.
TEST(Dialog, VerschachtelteLaeufeUeberlebenVerstecktesFenster) {
    Protokollfenster menue(QStringLiteral("Hauptmenue"));
    std::vector<std::string> ablauf;
    menue.beiBefehl = [&](int id) {
        if (id != 1000) {
            return;
        }
        Protokollfenster option(QStringLiteral("Option11"));
        option.beiBefehl = [&](int oid) {
            if (oid == 1001) {
                option.schliessenAnfordern();
            }
        };
        QTimer::singleShot(0, [&] {
            menue.hide();
            ablauf.push_back(menue.laeuft() ? "menu runs hidden" : "menu stopped");
            klicken(option, 1001);
        });
        const int ergebnis = option.ausfuehren();
        ablauf.push_back("option ended " + std::to_string(ergebnis));
        menue.schliessenAnfordern();
        ablauf.push_back("handler returns");
    };
    QTimer::singleShot(0, [&] { klicken(menue, 1000); });
    EXPECT_EQ(menue.ausfuehren(), abbrechenId);
    EXPECT_EQ(ablauf,
              (std::vector<std::string>{"menu runs hidden", "option ended 2", "handler returns"}));
    EXPECT_EQ(menue.protokoll.back(), "schliessen");
}

TEST(Dialog, RadiogruppenSindGetrennt) {
    Dialog d(QStringLiteral("Hauptmenue"));
    d.setzeRadioIndex(1007, 1);
    d.setzeRadioIndex(1011, 0);
    EXPECT_TRUE(d.istAngekreuzt(1008));
    EXPECT_TRUE(d.istAngekreuzt(1011));
    klicken(d, 1010);
    EXPECT_EQ(d.radioIndex(1007), 3);
    EXPECT_FALSE(d.istAngekreuzt(1008));
    EXPECT_EQ(d.radioIndex(1011), 0) << "second group changed with the first";
    klicken(d, 1012);
    EXPECT_EQ(d.radioIndex(1011), 1);
    EXPECT_EQ(d.radioIndex(1007), 3);
    d.setzeAngekreuzt(1010, false); // a window may clear a group
    EXPECT_EQ(d.radioIndex(1007), -1);
}

TEST(Dialog, AuswahllistenLeerenAnhaengenWaehlen) {
    Dialog d(QStringLiteral("Hauptmenue"));
    EXPECT_EQ(d.auswahlText(1014), "") << "nothing selected at start";
    d.auswahlLeeren(1014);
    EXPECT_EQ(d.auswahlAnzahl(1014), 0);
    EXPECT_EQ(d.auswahlText(1014), "");
    // The list is sorted: each text goes to its place.
    EXPECT_EQ(d.auswahlAnhaengen(1014, "37"), 0);
    EXPECT_EQ(d.auswahlAnhaengen(1014, "50"), 1);
    EXPECT_EQ(d.auswahlAnhaengen(1014, "40"), 1);
    d.auswahlSetzen(1014, 0);
    EXPECT_EQ(d.auswahlText(1014), "37");
    EXPECT_EQ(d.auswahlAnhaengen(1014, "12"), 0);
    EXPECT_EQ(d.auswahlText(1014), "37") << "insert changed the selection";
    d.auswahlSetzen(1014, 99);
    EXPECT_EQ(d.auswahlIndex(1014), -1);
}

TEST(Dialog, SortierteListeGibtDenTatsaechlichenIndex) {
    struct Fall {
        const char* vorlage;
        std::vector<std::pair<int, const char*>> einfuegen; // asked index, text
        std::vector<int> indizes;
        std::vector<const char*> reihenfolge; // column 1 after filling
    };
    const Fall faelle[] = {
        {"Option12",
         {{0, "05"}, {1, "02"}, {2, "05"}, {3, "01"}, {4, "02"}},
         {0, 0, 2, 0, 2},
         {"d", "b", "e", "a", "c"}},
        {"Option32", {{0, "50"}, {1, "49"}}, {0, 0}, {"b", "a"}},
        {"Option11", {{0, "05"}, {1, "02"}, {1, "03"}}, {0, 1, 1}, {"a", "c", "b"}},
        {"Option31", {{0, "x"}, {7, "y"}}, {0, 1}, {"a", "b"}},
    };
    // Cell by cell, and the whole row at once: the same places.
    for (const bool ganzeZeile : {false, true}) {
        for (const Fall& f : faelle) {
            SCOPED_TRACE(std::string(f.vorlage) + (ganzeZeile ? " ganze Zeile" : ""));
            Dialog d{QString::fromLatin1(f.vorlage)};
            d.vollzeileSetzen(1026, true);
            d.spalteEinfuegen(1026, 0, "Lektion", 50);
            d.spalteEinfuegen(1026, 1, "Stammformen", 250);
            d.spalteEinfuegen(1026, 2, "deutsche Bedeutung", 250);
            std::vector<int> indizes;
            char name = 'a';
            for (const auto& [zeile, text] : f.einfuegen) {
                const std::string zelle1(1, name++);
                const int index = ganzeZeile ? d.zeileEinfuegen(1026, zeile, {text, zelle1, "z"})
                                             : d.zeileEinfuegen(1026, zeile, text);
                indizes.push_back(index);
                if (!ganzeZeile) {
                    d.zelleSetzen(1026, index, 1, zelle1);
                }
            }
            EXPECT_EQ(indizes, f.indizes);
            ASSERT_EQ(d.zeilenAnzahl(1026), static_cast<int>(f.reihenfolge.size()));
            for (int i = 0; i < d.zeilenAnzahl(1026); ++i) {
                EXPECT_EQ(d.zelle(1026, i, 1), f.reihenfolge[static_cast<std::size_t>(i)]) << i;
                EXPECT_EQ(d.zelle(1026, i, 2), ganzeZeile ? "z" : "") << i;
            }
            auto* liste = d.steuerelement<Berichtsliste>(1026);
            EXPECT_EQ(liste->columnWidth(0), 50);
            EXPECT_EQ(liste->columnWidth(2), 250);
            EXPECT_EQ(liste->headerItem()->text(2), QStringLiteral("deutsche Bedeutung"));
            EXPECT_EQ(liste->selectionBehavior(), QAbstractItemView::SelectRows);
        }
    }
}

TEST(Dialog, DrehfeldBleibtImBereich) {
    struct Fall {
        const char* start;
        int hoch;
        int runter;
        const char* erwartet;
    };
    const Fall faelle[] = {
        {"3", 1, 0, "4"}, {"3", 20, 0, "10"}, {"3", 0, 20, "1"}, {"10", 1, 0, "10"},
        {"1", 0, 1, "1"}, {"", 1, 0, "2"},    {"99", 0, 1, "9"}, {"5", 3, 2, "6"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.start);
        Dialog d(QStringLiteral("Einstellungen"));
        d.setzeText(1024, f.start);
        d.drehbereichSetzen(1025, 1, 10);
        auto* dreh = d.steuerelement<Drehfeld>(1025);
        ASSERT_NE(dreh, nullptr);
        for (int i = 0; i < f.hoch; ++i) {
            dreh->hoch()->click();
        }
        for (int i = 0; i < f.runter; ++i) {
            dreh->runter()->click();
        }
        EXPECT_EQ(d.text(1024), f.erwartet);
        EXPECT_EQ(d.drehwert(1025), std::stoi(f.erwartet));
    }
}

TEST(Dialog, DrehfeldMitPfeiltastenUndGesperrt) {
    Dialog d(QStringLiteral("Einstellungen"));
    d.setzeText(1024, "3");
    d.drehbereichSetzen(1025, 1, 10);
    taste(d, Qt::Key_Up, 1024);
    taste(d, Qt::Key_Up, 1024);
    EXPECT_EQ(d.text(1024), "5");
    taste(d, Qt::Key_Down, 1024);
    EXPECT_EQ(d.text(1024), "4");
    d.setzeAktiv(1025, false);
    taste(d, Qt::Key_Up, 1024);
    EXPECT_EQ(d.text(1024), "4");
    // Attached on the right: the field ends where the spin begins, in the field's row.
    const QRect feld = d.steuerelement(1024)->geometry();
    const QRect dreh = d.steuerelement(1025)->geometry();
    EXPECT_EQ(feld.right() + 1, dreh.left());
    EXPECT_EQ(feld.top(), dreh.top());
    EXPECT_EQ(dreh.right(), d.einheiten().pixel({182, 195, 30, 12}).right());
}

// A window with fields exchanged with its controls.
class Austauschfenster : public Dialog {
public:
    Austauschfenster() : Dialog(QStringLiteral("Einstellungen")) {}
    int automatisch = 1;
    bool streng = false;
    int pause = 7;
    std::string probe = "Ave!";

protected:
    void datenAustauschen(Datenaustausch& a) override {
        a.angekreuzt(1015, automatisch);
        a.angekreuzt(1016, streng);
        a.zahl(1024, pause);
        a.text(1017, probe);
    }
};

TEST(Dialog, DatenaustauschInBeideRichtungen) {
    DiensteEingesetzt dienste;
    Austauschfenster d;
    d.datenSchreiben();
    EXPECT_TRUE(d.istAngekreuzt(1015));
    EXPECT_FALSE(d.istAngekreuzt(1016));
    EXPECT_EQ(d.text(1024), "7");
    EXPECT_EQ(d.text(1017), "Ave!");

    klicken(d, 1015);
    klicken(d, 1016);
    d.setzeText(1024, "9");
    d.setzeText(1017, "Ave Marce!");
    EXPECT_TRUE(d.datenLesen());
    EXPECT_EQ(d.automatisch, 0);
    EXPECT_TRUE(d.streng);
    EXPECT_EQ(d.pause, 9);
    EXPECT_EQ(d.probe, "Ave Marce!");
    EXPECT_TRUE(dienste->meldungen.empty());

    d.setzeText(1024, "x");
    EXPECT_FALSE(d.datenLesen());
    EXPECT_EQ(d.pause, 9) << "an unreadable number must not change the field";
    ASSERT_EQ(dienste->meldungen.size(), 1u);
    EXPECT_EQ(dienste->meldungen[0].symbol, Meldungssymbol::Information);
}

// The main menu's choices: radio groups and drop-down lists.
class Wahlfenster : public Dialog {
public:
    Wahlfenster() : Dialog(QStringLiteral("Hauptmenue")) {}
    int option = 1;
    int richtung = 0;
    std::string von = "01";
    std::string bis = "01";

protected:
    void datenAustauschen(Datenaustausch& a) override {
        a.radio(1007, option);
        a.radio(1011, richtung);
        a.auswahl(1013, von);
        a.auswahl(1014, bis);
    }
};

TEST(Dialog, DatenaustauschMitRadioUndAuswahl) {
    struct Fall {
        int option;
        int richtung;
        const char* von;
        const char* bis;
        int vonIndex;
        int bisIndex;
    };
    const Fall faelle[] = {
        {1, 0, "01", "01", 0, 0},
        {3, 1, "37", "50", 36, 49},
        {0, 0, "5", "", 49, 0}, // a prefix selects the first item it begins
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.von);
        Wahlfenster d;
        d.option = f.option;
        d.richtung = f.richtung;
        d.von = f.von;
        d.bis = f.bis;
        d.datenSchreiben();
        EXPECT_EQ(d.radioIndex(1007), f.option);
        EXPECT_EQ(d.radioIndex(1011), f.richtung);
        EXPECT_EQ(d.auswahlIndex(1013), f.vonIndex);
        EXPECT_EQ(d.auswahlIndex(1014), f.bisIndex);
        d.option = d.richtung = -5;
        ASSERT_TRUE(d.datenLesen());
        EXPECT_EQ(d.option, f.option);
        EXPECT_EQ(d.richtung, f.richtung);
        EXPECT_EQ(d.von, d.auswahlText(1013));
    }
    Wahlfenster leer;
    leer.auswahlLeeren(1014);
    ASSERT_TRUE(leer.datenLesen());
    EXPECT_EQ(leer.bis, "") << "an empty list reads as empty text";
}

// A window that colours two labels.
class Farbfenster : public Dialog {
public:
    Farbfenster() : Dialog(QStringLiteral("EndeAbfrage")) {}
    std::vector<int> gefragt;

protected:
    Beschriftungsfarben beschriftungsfarben(int id) override {
        gefragt.push_back(id);
        if (id == 1019) {
            return {QColor(0, 128, 0), true, QColor(212, 208, 200)};
        }
        if (id == 1020) {
            return {QColor(255, 0, 0), true, std::nullopt};
        }
        return {};
    }
};

TEST(Dialog, BeschriftungsfarbenVorJedemZeichnen) {
    Farbfenster d;
    d.setzeText(1019, "12");
    d.setzeText(1020, "3");
    d.show();
    struct Fall {
        int id;
        QColor text;
    };
    for (const Fall& f : {Fall{1019, QColor(0, 128, 0)}, Fall{1020, QColor(255, 0, 0)},
                          Fall{1018, d.palette().color(QPalette::WindowText)}}) {
        auto* b = d.steuerelement<Beschriftung>(f.id);
        const QImage bild = b->grab().toImage();
        EXPECT_EQ(b->letzteTextfarbe(), f.text) << f.id;
        if (f.id == 1019) {
            EXPECT_EQ(QColor(bild.pixel(0, 0)), QColor(212, 208, 200)) << "fill missing";
        }
        // Glyph edges are smoothed: look for a pixel near the colour and far from grey.
        const auto abstand = [](QColor a, QColor b) {
            return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                   std::abs(a.blue() - b.blue());
        };
        const QColor grund(bild.pixel(bild.width() - 1, bild.height() - 1));
        bool textfarbe = false;
        for (int y = 0; y < bild.height() && !textfarbe; ++y) {
            for (int x = 0; x < bild.width() && !textfarbe; ++x) {
                const QColor c(bild.pixel(x, y));
                textfarbe = abstand(c, f.text) < 120 && abstand(c, grund) > 200;
            }
        }
        EXPECT_TRUE(textfarbe) << "text of " << f.id << " not drawn in its colour";
    }
    EXPECT_NE(std::find(d.gefragt.begin(), d.gefragt.end(), 1018), d.gefragt.end());
}

// Default colours stay as they are on a light background and turn just light enough, in
// their hue, on a dark one.
TEST(Dialog, LesbareFarbeNurAufDunklemGrund) {
    struct Fall {
        QColor text, grund;
        bool unveraendert;
    };
    const QColor dunkel(0x32, 0x32, 0x32);
    const Fall faelle[] = {
        {QColor(0, 0, 139), QColor(212, 208, 200), true}, // light: even below 4.5 unchanged
        {QColor(255, 0, 0), QColor(240, 240, 240), true},
        {QColor(255, 255, 255), dunkel, true}, // readable already
        {QColor(255, 0, 0), Qt::black, true},
        {QColor(0, 0, 0), dunkel, false},
        {QColor(0, 0, 139), dunkel, false},
        {QColor(0, 128, 0), dunkel, false},
        {QColor(255, 0, 0), dunkel, false},
        {QColor(0, 128, 0), QColor(0x60, 0x60, 0x60), false},
    };
    EXPECT_DOUBLE_EQ(kontrast(Qt::black, Qt::white), 21.0);
    for (const Fall& f : faelle) {
        const QColor l = lesbareFarbe(f.text, f.grund);
        SCOPED_TRACE(f.text.name().toStdString() + " on " + f.grund.name().toStdString());
        if (f.unveraendert) {
            EXPECT_EQ(l, f.text);
            continue;
        }
        EXPECT_GE(kontrast(l, f.grund), mindestkontrast);
        EXPECT_LT(kontrast(l, f.grund), mindestkontrast + 0.3) << "lighter than needed";
        EXPECT_NEAR(l.hslHue(), f.text.hslHue(), 2);
    }
}

// A one-line label too wide for its box in the dialog font widens the dialog units just
// until it fits; wrapping labels, placeholders and labels that fit leave them as they are.
TEST(Dialog, EinzeiligeBeschriftungenPassenInIhrenKasten) {
    const QFont schrift = dialogschrift();
    const Dialogeinheiten e = dialogeinheitenVon(schrift);
    const QString text = QStringLiteral("Anzahl Stammformen:");
    const int breite = QFontMetrics(schrift).horizontalAdvance(text);
    const int knapp = breite * 4 / e.x - 2; // a few pixels short at the font's unit
    struct Fall {
        QString zeile;
        bool breiter;
    };
    const Fall faelle[] = {
        {QStringLiteral("text - 0 0 %1 8 \"%2\"").arg(knapp).arg(text), true},
        {QStringLiteral("text - 0 0 %1 8 \"%2\"").arg(knapp + 12).arg(text), false},
        {QStringLiteral("text - 0 0 %1 40 \"%2\"").arg(knapp).arg(text), false},
        {QStringLiteral("text 5 0 0 %1 8 \"[%2]\"").arg(knapp).arg(text), false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.zeile.toStdString());
        Dialog d(dialogvorlageLesen("dialog 200 60 \"T\"\n" + f.zeile + "\n", "test"));
        EXPECT_EQ(d.einheiten().y, e.y);
        if (!f.breiter) {
            EXPECT_EQ(d.einheiten().x, e.x);
            continue;
        }
        EXPECT_GE(d.einheiten().pixelX(knapp), breite);
        EXPECT_LT((Dialogeinheiten{d.einheiten().x - 1, e.y}.pixelX(knapp)), breite)
            << "wider than needed";
    }
}

// Centred as a dialog is, but a window larger than the screen keeps its top-left corner
// on it.
TEST(Dialog, GrossesFensterBehaeltDieObereLinkeEckeAufDemSchirm) {
    for (const QString& groesse : {QStringLiteral("100 60"), QStringLiteral("3000 2000")}) {
        Dialog d(dialogvorlageLesen("dialog " + groesse + " \"Gross\"\n", QStringLiteral("test")));
        d.show();
        const QRect frei = d.screen()->availableGeometry();
        SCOPED_TRACE(groesse.toStdString());
        EXPECT_GE(d.x(), frei.left());
        EXPECT_GE(d.y(), frei.top());
        if (d.width() < frei.width()) {
            EXPECT_NEAR(d.geometry().center().x(), frei.center().x(), 2);
        }
    }
}

TEST(Dialog, SchriftEinesSteuerelements) {
    Dialog d(QStringLiteral("105"));
    Schriftbeschreibung s = d.schrift(1017);
    EXPECT_EQ(s.hoehe, -d.font().pixelSize());
    EXPECT_EQ(s.gewicht, 400);
    s.gewicht = 700;
    s.hoehe = punkteZuHoehe(13, pixelProZollY());
    d.setzeSchrift(1017, s);
    EXPECT_EQ(d.schrift(1017), s);
    EXPECT_EQ(d.steuerelement(1017)->font().weight(), QFont::Bold);
    EXPECT_EQ(d.schrift(1018).gewicht, 400) << "other labels keep theirs";
}

} // namespace
