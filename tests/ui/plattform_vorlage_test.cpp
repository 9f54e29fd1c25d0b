#include "ui/plattform/dialog.h"

#include <QMenuBar>

#include <gtest/gtest.h>

TEST(Vorlage, AlleBauen) {
    for (const char* name :
         {"Hauptmenue", "Einstellungen", "EndeAbfrage", "QuorviaInfo", "105", "106", "107", "108",
          "111", "112", "Option11", "Option12", "Option31", "Option32"}) {
        SCOPED_TRACE(name);
        quorvia::Dialog d{QString::fromLatin1(name)};
        EXPECT_FALSE(d.vorlage().elemente.empty());
    }
}
