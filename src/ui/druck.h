#pragma once

// SPDX-License-Identifier: GPL-3.0-or-later
// Printed lists: one page layout for the list views' rows, the test sheet and its answer
// key. A document is a sequence of parts, each starting on a page of its own; every page
// carries its part's heading and column captions, and the date and "Seite k von n" at
// the foot.

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

class QPagedPaintDevice;

namespace quorvia {

// The list views' column widths in pixels (lesson, Latin or principal parts, German); a
// printed page shares its width out in the same proportions.
inline constexpr std::array<int, 3> spaltenbreiten{50, 250, 250};

using Druckzeile = std::array<QString, 3>;

struct Druckteil {
    QString ueberschrift;
    QStringList vorspann; // lines under the heading, on the part's first page only
    Druckzeile spalten;   // column captions
    std::vector<Druckzeile> zeilen;
    bool schreibraum = false; // rows tall enough to write an answer into
};

struct Druckdokument {
    std::vector<Druckteil> teile;
    QDate datum;
};

// Lays the document out on the device's pages and paints it; returns the page count
// (0 when the device cannot be painted on).
int dokumentMalen(QPagedPaintDevice& geraet, const Druckdokument& dokument);

// Writes the document as an A4 PDF. The old file stays untouched unless the whole PDF
// was written. false when the file cannot be written.
bool alsPdfSpeichern(const QString& pfad, const Druckdokument& dokument);

} // namespace quorvia
