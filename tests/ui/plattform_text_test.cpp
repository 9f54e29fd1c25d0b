#include "ui/plattform/text.h"

#include <gtest/gtest.h>

#include <string>

using quorvia::alsKerntext;
using quorvia::alsQString;

TEST(Text, JedesByteUeberlebtDenHinUndRueckweg) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const QString gezeigt = alsQString(byte);
        ASSERT_EQ(gezeigt.size(), 1) << b;
        EXPECT_EQ(alsKerntext(gezeigt), byte) << "byte " << b;
    }
}

TEST(Text, BytesZeigenDieZeichenVonWindows1252) {
    struct Fall {
        unsigned char byte;
        char16_t zeichen;
    };
    const Fall faelle[] = {
        {0x41, u'A'},      {0x80, u'\u20AC'}, {0x81, u'\u0081'}, {0x82, u'\u201A'},
        {0x83, u'\u0192'}, {0x84, u'\u201E'}, {0x85, u'\u2026'}, {0x8A, u'\u0160'},
        {0x8C, u'\u0152'}, {0x8D, u'\u008D'}, {0x8E, u'\u017D'}, {0x8F, u'\u008F'},
        {0x90, u'\u0090'}, {0x91, u'\u2018'}, {0x93, u'\u201C'}, {0x96, u'\u2013'},
        {0x97, u'\u2014'}, {0x99, u'\u2122'}, {0x9C, u'\u0153'}, {0x9D, u'\u009D'},
        {0x9E, u'\u017E'}, {0x9F, u'\u0178'}, {0xA0, u'\u00A0'}, {0xC4, u'\u00C4'},
        {0xDF, u'\u00DF'}, {0xE4, u'\u00E4'}, {0xFF, u'\u00FF'},
    };
    for (const Fall& f : faelle) {
        const QString gezeigt = alsQString(std::string(1, static_cast<char>(f.byte)));
        EXPECT_EQ(gezeigt, QString(QChar(f.zeichen))) << "byte " << int(f.byte);
    }
    EXPECT_EQ(alsQString("W\xF6rter \x84gut\x93"), QStringLiteral(u"Wörter „gut“"));
}

TEST(Text, GetippterTextWirdZuWindows1252) {
    struct Fall {
        const char16_t* getippt;
        const char* kern;
    };
    const Fall faelle[] = {
        {u"amare", "amare"},
        {u"a\u0308", "\xE4"}, // decomposed umlaut composes first
        {u"Mu\u0308he", "M\xFChe"},
        {u"\u00E4", "\xE4"},
        {u"\u0101mo", "amo"}, // macron dropped
        {u"r\u014Dma", "roma"},
        {u"\u0100", "A"},
        {u"\u0103", "a"},    // breve
        {u"a\u0304", "a"},   // decomposed macron
        {u"\u01D6", "\xFC"}, // u with diaeresis and macron keeps the diaeresis
        {u"\u0109", "c"},
        {u"\u20AC 5", "\x80 5"},
        {u"\u201Eja\u201C", "\x84ja\x93"},
        {u"\u03A9", "?"}, // no base letter
        {u"\u0142", "?"},
        {u"\U0001F600", "?"}, // one question mark per character, not per half
        {u"\uFB01", "?"},
        {u"x\u0304\u0301y", "xy"}, // marks on a letter without composition
        {u"\u0081", "\x81"},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(alsKerntext(QString::fromUtf16(f.getippt)), std::string(f.kern))
            << QString::fromUtf16(f.getippt).toStdString();
    }
}
