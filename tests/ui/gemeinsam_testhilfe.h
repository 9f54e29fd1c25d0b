#pragma once

// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for the tests of the shared window pieces, the about box and the summary, over
// the shared test support: the working directory in Qt's types, a guard against a modal
// run that never ends, a small picture.

#include "gemeinsam/fenster.h"
#include "gemeinsam/ordner.h"
#include "ui/plattform/dialog.h"

#include <QByteArray>
#include <QString>
#include <QTimer>

#include <string_view>

namespace quorvia::test {

// The shared working directory in the Qt types these tests hold.
inline QString pfad(const Arbeitsordner& ordner, const QString& name) {
    return QString::fromStdString(ordner.pfad(name.toStdString()).string());
}
inline void schreiben(const Arbeitsordner& ordner, const QString& name, const QByteArray& inhalt) {
    ordner.schreiben(name.toStdString(),
                     std::string_view(inhalt.constData(), static_cast<std::size_t>(inhalt.size())));
}

// A 10 x 8 GIF, every pixel red (made with ImageMagick).
inline QByteArray rotesGif() {
    static const unsigned char daten[] = {
        0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x0a, 0x00, 0x08, 0x00, 0xf0, 0x00, 0x00,
        0xff, 0x00, 0x00, 0x00, 0x00, 0x00, 0x21, 0xf9, 0x04, 0x00, 0x00, 0x00, 0x00,
        0x00, 0x2c, 0x00, 0x00, 0x00, 0x00, 0x0a, 0x00, 0x08, 0x00, 0x00, 0x02, 0x08,
        0x84, 0x8f, 0xa9, 0xcb, 0xed, 0x0f, 0x4d, 0x01, 0x00, 0x3b};
    return QByteArray(reinterpret_cast<const char*>(daten), sizeof daten);
}

} // namespace quorvia::test
