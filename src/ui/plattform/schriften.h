#pragma once

// SPDX-License-Identifier: GPL-3.0-or-later
// Fonts: the core's font description to and from Qt, the dialog font and its dialog
// units, and the screen metrics windows measure with.

#include "settings/schrift.h"

#include <QFont>
#include <QRect>

namespace quorvia {

// Qt font from a description. A negative height is the character height in pixels, a
// positive one the cell height (ascent + descent), 0 the dialog font's height. The face
// name "MS Shell Dlg" and the usual Windows faces map to an installed sans face.
QFont alsQFont(const Schriftbeschreibung& beschreibung);
Schriftbeschreibung alsSchriftbeschreibung(const QFont& schrift);

// The dialog font of the templates: "MS Shell Dlg" at the given points for the screen.
QFont dialogschrift(const QString& name = QStringLiteral("MS Shell Dlg"), int punkte = 8);

// A face name without the foundry Qt adds when several make it ("Nimbus Sans [urw]").
QString schriftartOhneHersteller(const QString& name);

// The installed face that stands in for "MS Shell Dlg" (and Tahoma, Arial, ...).
QString ersatzschriftart();

// Dialog base units of a font as a dialog template measures them: x is the average width
// of "a".."z" and "A".."Z" (rounded as Windows does), y the character cell height.
struct Dialogeinheiten {
    int x = 0;
    int y = 0;

    int pixelX(int einheiten) const;
    int pixelY(int einheiten) const;
    QRect pixel(const QRect& einheiten) const;

    friend bool operator==(const Dialogeinheiten&, const Dialogeinheiten&) = default;
};

Dialogeinheiten dialogeinheitenVon(const QFont& schrift);

// Screen metrics.
int pixelProZollX();
int pixelProZollY();
int symbolBreite(); // system (large) icon size
int symbolHoehe();

} // namespace quorvia
