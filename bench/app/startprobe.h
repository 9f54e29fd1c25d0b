#pragma once

// SPDX-License-Identifier: GPL-3.0-or-later
// What both start probes share: the first paint of the watched window is reported on
// standard output as one line, then the process ends at once.

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace quorvia::bench {

inline constexpr const char* gezeichnetZeile = "gezeichnet\n";

// Watches the paint events of the application; the first one that belongs to a window
// passing istZiel ends the process once that paint has finished (the rest of the window
// paints in the same pass, and the frame is flushed, before the event loop runs again).
class ErsteZeichnung : public QObject {
public:
    explicit ErsteZeichnung(std::function<bool(const QWidget&)> istZiel)
        : istZiel_(std::move(istZiel)) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        if (!gesehen_ && ereignis->type() == QEvent::Paint && objekt->isWidgetType()) {
            const QWidget* fenster = static_cast<QWidget*>(objekt)->window();
            if (fenster != nullptr && istZiel_(*fenster)) {
                gesehen_ = true;
                QTimer::singleShot(0, [] {
                    std::fputs(gezeichnetZeile, stdout);
                    std::fflush(stdout);
                    std::_Exit(0);
                });
            }
        }
        return false;
    }

private:
    std::function<bool(const QWidget&)> istZiel_;
    bool gesehen_ = false;
};

} // namespace quorvia::bench
