// SPDX-License-Identifier: GPL-3.0-or-later
// The about box: its version line, and its run from a window's about command.

#include "gemeinsam_testhilfe.h"

#include "ui/gemeinsam.h"
#include "ui/optionstabelle.h"
#include "ui/plattform/text.h"
#include "ui/quorviainfo.h"

#include <QApplication>
#include <QPushButton>

#include <gtest/gtest.h>

namespace quorvia {
namespace {

TEST(QuorviaInfo, ShowsTheVersionOfTheBuildInFull) {
    QuorviaInfo info;
    info.vorbereiten();
    EXPECT_EQ(info.text(versionszeileId), "Quorvia 2003 Version 1.5");
    EXPECT_EQ(info.titel(), "Info \xFC"
                            "ber Quorvia...");
    const QWidget* zeile = info.steuerelement(versionszeileId);
    ASSERT_NE(zeile, nullptr);
    EXPECT_LE(zeile->fontMetrics().horizontalAdvance(alsQString(info.text(versionszeileId))),
              zeile->width());
}

Dialogvorlage fenstervorlage() {
    Dialogvorlage v;
    v.name = QStringLiteral("Infotest");
    v.titel = QStringLiteral("Infotest");
    v.einheiten = QSize(120, 80);
    return v;
}

// Every window's about command runs the box modally over it and comes back to it.
TEST(QuorviaInfo, TheAboutCommandRunsTheBoxOverTheWindowAndReturnsToIt) {
    for (const GemeinsameBefehle befehle :
         {hauptmenueBefehle, optionsfensterTabelle[5].befehle()}) {
        SCOPED_TRACE(befehle.info);
        Bildfenster fenster(fenstervorlage(), grossesBild, befehle);
        std::string gesehen;
        QWidget* besitzer = nullptr;
        QTimer::singleShot(0, &fenster, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            auto* info = qobject_cast<QuorviaInfo*>(modal);
            if (info == nullptr) {
                ADD_FAILURE() << "no about box";
                if (modal != nullptr) {
                    modal->close();
                }
                return;
            }
            gesehen = info->text(versionszeileId);
            besitzer = info->parentWidget();
            info->steuerelement<QPushButton>(abbrechenId)->click();
        });
        fenster.befehlAusloesen(befehle.info);
        EXPECT_EQ(gesehen, "Quorvia 2003 Version 1.5");
        EXPECT_EQ(besitzer, &fenster);
        EXPECT_FALSE(fenster.istBeendet());
    }
}

} // namespace
} // namespace quorvia
