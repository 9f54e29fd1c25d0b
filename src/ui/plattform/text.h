#pragma once

// SPDX-License-Identifier: GPL-3.0-or-later
// The one crossing between the core's Windows-1252 text and Qt's Unicode strings.

#include <QString>

#include <string>
#include <string_view>

namespace quorvia {

// Every byte is shown as the character Windows-1252 gives it; the five bytes the code
// page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of
// the same number, so that any byte string survives the round trip.
QString alsQString(std::string_view windows1252);

// Typed text for the core: normalised to NFC first, then each character that
// Windows-1252 cannot hold is written as its base letter where it has one (a macron or
// breve is dropped: "ā" gives "a") and as "?" otherwise.
std::string alsKerntext(const QString& text);

} // namespace quorvia
