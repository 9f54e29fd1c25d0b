// Start probe for comparison: a bare Qt dialog, started and shown modally the same way,
// up to its first paint.

#include "startprobe.h"

#include <QDialog>

int main(int argc, char** argv) {
    QApplication anwendung(argc, argv);
    QDialog dialog;
    quorvia::bench::ErsteZeichnung beobachter(
        [&dialog](const QWidget& w) { return &w == &dialog; });
    return dialog.exec();
}
