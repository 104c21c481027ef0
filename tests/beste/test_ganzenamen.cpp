// Names in any script: kept whole beside the classic file, which keeps '?' for what it lacks.
#include "dialoghilfen.h"

// Each look opens the dialog over new objects on the same files, as a new start of the game does.
TEST_F(BestenDialog, NameInJederSchriftBleibtGanzUndDieKlassischenBytesGewinnen)
{
    constexpr int liste = ListenIndex(1, 4);
    QFile namen(ordner.filePath(NamenDateiName));
    std::unique_ptr<TPruefDialog> dialog;
    const auto platzZwei = [&](std::uint16_t zuege = 0) {  // with zuege, a new result to enter
        dialog.reset();  // before the service it shows goes
        dialog = zuege ? NeuesErgebnis(zuege, 100) : Dialog();
        if (!zuege)
            dialog->Oeffne();
        return dialog->Text("Name2");
    };
    const std::pair<const char16_t*, const char*> faelle[] = {  // the name, and as morvik.dat keeps it
        {u"Łukasz", "?ukasz"}, {u"Дмитрий", "???????"}, {u"Řehoř", "?eho?"}};
    for (const auto& [ganz, klassisch] : faelle) {
        const QString name = QString::fromUtf16(ganz);
        SCOPED_TRACE(name.toStdString());
        QFile::remove(DateiPfad());
        namen.remove();
        platzZwei(70);
        Tippe(dialog->Feld(), name);
        QTest::keyClick(dialog->Feld(), Qt::Key_Return);
        EXPECT_EQ(NameAlsText(Gespeichert().Namen[liste][1]), QLatin1String(klassisch));

        EXPECT_EQ(platzZwei(50), name);  // a better result pushes the name down
        QTest::keyClick(dialog->Feld(), Qt::Key_Return);
        EXPECT_EQ(platzZwei(), name);

        const QString kopie = ordner.filePath("kopie");
        ASSERT_TRUE(QFile::copy(namen.fileName(), kopie) && namen.open(QIODevice::Append));
        namen.write("\xFF\n");  // no longer UTF-8: the whole file counts for nothing
        namen.close();
        EXPECT_EQ(platzZwei(), QLatin1String(klassisch));

        ASSERT_TRUE(namen.remove() && QFile::rename(kopie, namen.fileName()));
        TListe alt = Gespeichert();  // an older version writes a byte of that name
        alt.Namen[liste][2][3] = 'x';
        Speichere(alt);
        EXPECT_EQ(platzZwei(), NameAlsText(alt.Namen[liste][2]));
    }
}
