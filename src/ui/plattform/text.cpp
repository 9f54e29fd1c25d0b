#include "ui/plattform/text.h"

#include <QList>

#include <array>
#include <optional>

namespace quorvia {

namespace {

// 0x80..0x9F of Windows-1252; the undefined bytes keep their control character.
constexpr std::array<char16_t, 32> obereSteuerzeichen{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t zeichenVon(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return obereSteuerzeichen[byte - 0x80];
    }
    return byte;
}

std::optional<char> byteVon(char32_t zeichen) {
    if (zeichen < 0x80 || (zeichen >= 0xA0 && zeichen <= 0xFF)) {
        return static_cast<char>(zeichen);
    }
    for (std::size_t i = 0; i < obereSteuerzeichen.size(); ++i) {
        if (obereSteuerzeichen[i] == zeichen) {
            return static_cast<char>(0x80 + i);
        }
    }
    return std::nullopt;
}

QString einzeln(char32_t zeichen) {
    return QString::fromUcs4(&zeichen, 1);
}

bool istEinzelnesZeichen(const QString& s, char32_t& zeichen) {
    const auto ucs4 = s.toUcs4();
    if (ucs4.size() != 1) {
        return false;
    }
    zeichen = ucs4[0];
    return true;
}

// A character outside the code page: its base letter with as many of its marks as still
// fit into one Windows-1252 character ("ǖ" gives "ü", "ā" gives "a"), else "?".
bool istZeichenMarke(char32_t zeichen) {
    const auto kategorie = QChar::category(zeichen);
    return kategorie == QChar::Mark_NonSpacing || kategorie == QChar::Mark_SpacingCombining ||
           kategorie == QChar::Mark_Enclosing;
}

char ersatzVon(char32_t zeichen) {
    const QString zerlegt = einzeln(zeichen).normalized(QString::NormalizationForm_D);
    const auto teile = zerlegt.toUcs4();
    if (teile.isEmpty()) {
        return '?';
    }
    const auto basis = byteVon(teile[0]);
    if (!basis) {
        return '?';
    }
    QString bisher = einzeln(teile[0]);
    char ergebnis = *basis;
    for (qsizetype i = 1; i < teile.size(); ++i) {
        if (!istZeichenMarke(teile[i])) {
            return '?'; // decomposes into more than one letter
        }
        const QString versuch =
            (bisher + einzeln(teile[i])).normalized(QString::NormalizationForm_C);
        char32_t zusammen = 0;
        if (istEinzelnesZeichen(versuch, zusammen)) {
            if (const auto byte = byteVon(zusammen)) {
                bisher = versuch;
                ergebnis = *byte;
            }
        }
    }
    return ergebnis;
}

} // namespace

QString alsQString(std::string_view windows1252) {
    QString text;
    text.reserve(static_cast<qsizetype>(windows1252.size()));
    for (const char c : windows1252) {
        text += QChar(zeichenVon(static_cast<unsigned char>(c)));
    }
    return text;
}

std::string alsKerntext(const QString& text) {
    std::string ergebnis;
    const auto zeichen = text.normalized(QString::NormalizationForm_C).toUcs4();
    ergebnis.reserve(static_cast<std::size_t>(zeichen.size()));
    for (const char32_t z : zeichen) {
        if (const auto byte = byteVon(z)) {
            ergebnis += *byte;
        } else if (istZeichenMarke(z)) {
            // An accent NFC could not join to its letter: the letter alone stays.
            continue;
        } else {
            ergebnis += ersatzVon(z);
        }
    }
    return ergebnis;
}

} // namespace quorvia
