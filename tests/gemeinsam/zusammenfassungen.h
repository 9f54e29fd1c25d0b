#pragma once

// SPDX-License-Identifier: GPL-3.0-or-later
// The summaries a test's queries end with: each one recorded and closed as it appears.

#include "query/fenster/endeabfrage.h"

#include <QApplication>
#include <QTimer>

#include <string>
#include <vector>

namespace quorvia::test {

// Ends every summary window as soon as it runs and keeps its totals.
class Zusammenfassungen {
public:
    struct Werte {
        std::string art;
        int gesamt, richtig, falsch;
        friend bool operator==(const Werte&, const Werte&) = default;
    };
    Zusammenfassungen() {
        QObject::connect(&uhr_, &QTimer::timeout, [this] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* ende = qobject_cast<EndeAbfrage*>(w);
                if (ende != nullptr && ende->laeuft() && !ende->istBeendet()) {
                    liste.push_back({ende->art(), ende->gesamt(), ende->richtig(), ende->falsch()});
                    ende->beenden(1);
                }
            }
        });
        uhr_.start(5);
    }
    std::vector<Werte> liste;

private:
    QTimer uhr_;
};

} // namespace quorvia::test
