#include "hilfen.h"

#include <QStringDecoder>
#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

using namespace beste;

TEST(ListenFormat, ListenIndexZaehltVariantenInFuenferSchritten)
{
    EXPECT_EQ(ListenIndex(1, 3), 1);
    EXPECT_EQ(ListenIndex(1, 6), 4);
    EXPECT_EQ(ListenIndex(2, 5), 8);
    EXPECT_EQ(ListenIndex(3, 3), 11);
    EXPECT_EQ(ListenIndex(3, 6), 14);
}

TEST(ListenFormat, ListeAchtPlatzDreiLiegtAnDenFestenOffsetsLittleEndian)
{
    TListe liste;
    NameEintragen(liste.Namen[8][3], u"Anna");
    liste.Zuege[8][3] = 0x1234;
    liste.Zeiten[8][3] = 0xABCD;
    const TListenBytes bytes = ListeAlsBytes(liste);

    EXPECT_EQ(bytes[546], 4);
    EXPECT_EQ(std::string_view(reinterpret_cast<const char*>(&bytes[547]), 4), "Anna");
    EXPECT_EQ(bytes[1124], 0x34);
    EXPECT_EQ(bytes[1125], 0x12);
    EXPECT_EQ(bytes[1284], 0xCD);
    EXPECT_EQ(bytes[1285], 0xAB);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), 0), 1360 - 9);
}

TEST(ListenFormat, JedesByteDesSatzesUeberstehtLesenUndSchreiben)
{
    const TListenBytes muster = Muster();
    EXPECT_EQ(ListeAlsBytes(ListeAusBytes(muster)), muster);
}

TEST(ListenFormat, StandardListeIstLeerMitKopfMorvik20)
{
    const TListenBytes bytes = ListeAlsBytes(StandardListe());
    EXPECT_EQ(bytes[0], 10);
    EXPECT_EQ(std::string_view(reinterpret_cast<const char*>(&bytes[1]), 10), "Morvik 2.0");
    EXPECT_TRUE(std::all_of(bytes.begin() + 11, bytes.end(), [](std::uint8_t b) { return b == 0; }));
}

TEST(Namen, UmlauteUndSzWerdenAlsWindows1252GespeichertUndZurueckGelesen)
{
    TNamensFeld feld{};
    NameEintragen(feld, u"Jörg Äß");
    EXPECT_EQ(feld[0], 7);
    EXPECT_EQ(feld[2], 0xF6);
    EXPECT_EQ(feld[6], 0xC4);
    EXPECT_EQ(feld[7], 0xDF);
    EXPECT_EQ(NameAlsText(feld), QStringLiteral(u"Jörg Äß"));
}

TEST(Namen, ZeichenDesBereichs80Bis9FWeichenVonLatin1Ab)
{
    TNamensFeld feld{};
    NameEintragen(feld, u"€Šœ–Ÿ");
    EXPECT_EQ(feld[1], 0x80);
    EXPECT_EQ(feld[2], 0x8A);
    EXPECT_EQ(feld[3], 0x9C);
    EXPECT_EQ(feld[4], 0x96);
    EXPECT_EQ(feld[5], 0x9F);
    EXPECT_EQ(NameAlsText(feld), QStringLiteral(u"€Šœ–Ÿ"));
}

TEST(Namen, JedesByteWieWindowsUndBelegteBytesKommenGleichZurueck)
{
    QStringDecoder windows1252("windows-1252");
    for (int byte = 1; byte <= 0xFF; ++byte) {
        TNamensFeld feld{1, static_cast<std::uint8_t>(byte)};
        const QString text = NameAlsText(feld);
        ASSERT_EQ(text.size(), 1);
        if (windows1252.isValid()) {
            EXPECT_EQ(text, windows1252.decode(QByteArray(1, char(byte)))) << byte;
        }
        const bool unbelegt = byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
        EXPECT_EQ(ZeichenErlaubt(text[0].unicode()), !unbelegt) << byte;
        NameEintragen(feld, text);
        EXPECT_EQ(feld[1], unbelegt ? '?' : byte) << byte;
    }
}

TEST(Namen, ZeichenOhneWindows1252ByteSindNichtErlaubtUndWerdenFragezeichen)
{
    EXPECT_TRUE(ZeichenErlaubt(u'ß'));
    EXPECT_FALSE(ZeichenErlaubt(u'\u0080'));  // a C1 control, not the euro sign
    EXPECT_FALSE(ZeichenErlaubt(u'Ł'));
    EXPECT_FALSE(ZeichenErlaubt(u'中'));

    TNamensFeld feld{};
    NameEintragen(feld, u"Łódź 😀!");
    EXPECT_EQ(NameAlsText(feld), QStringLiteral("?ód? ?!"));
}

TEST(Namen, HoechstensZwoelfZeichenUndUnbenutzteBytesBleiben)
{
    TNamensFeld feld;
    feld.fill(0xEE);
    NameEintragen(feld, u"Bo");
    EXPECT_EQ(feld[0], 2);
    EXPECT_TRUE(std::all_of(feld.begin() + 3, feld.end(), [](std::uint8_t b) { return b == 0xEE; }));

    NameEintragen(feld, u"ABCDEFGHIJKLMNOP");
    EXPECT_EQ(feld[0], 12);
    EXPECT_EQ(NameAlsText(feld), QStringLiteral("ABCDEFGHIJKL"));

    NameEintragen(feld, u"");
    EXPECT_TRUE(NameAlsText(feld).isEmpty());
}

TEST(Namen, LaengenbyteUeberZwoelfZeigtDieErstenZwoelfZeichen)
{
    TNamensFeld feld{200, 'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 'j', 'k', 'l'};
    EXPECT_EQ(NameAlsText(feld), QStringLiteral("abcdefghijkl"));
}
