// SPDX-License-Identifier: GPL-3.0-or-later
// Start probe for comparison: a bare Qt dialog, started and shown modally the same way,
// up to its first paint. With the argument "text" the dialog holds one label, which is
// what it costs to bring up the font system at all.

#include "startprobe.h"

#include <QDialog>
#include <QLabel>

#include <cstring>

int main(int argc, char** argv) {
    const bool mitText = argc > 1 && std::strcmp(argv[1], "text") == 0;
    QApplication anwendung(argc, argv);
    QDialog dialog;
    if (mitText) {
        new QLabel(QStringLiteral("Ave!"), &dialog);
    }
    quorvia::bench::ErsteZeichnung beobachter(
        [&dialog](const QWidget& w) { return &w == &dialog; });
    return dialog.exec();
}
