// Names in any script: kept whole beside the classic file, which keeps '?' for what it lacks.
#include "dialoghilfen.h"

namespace {

constexpr int Liste = ListenIndex(1, 4);

struct TFall {
    const char16_t* name;
    const char* klassisch;  // the name as morvik.dat keeps it
};

} // namespace

// Each step opens the dialog over new objects on the same files, as a new start of the game does.
TEST_F(BestenDialog, NameInJederSchriftBleibtGanzUndDieKlassischenBytesGewinnen)
{
    QFile namen(ordner.filePath(NamenDateiName));
    for (const TFall& fall : {TFall{u"Łukasz", "?ukasz"}, {u"Дмитрий", "???????"}, {u"Řehoř", "?eho?"}}) {
        const QString name = QString::fromUtf16(fall.name);
        SCOPED_TRACE(name.toStdString());
        QFile::remove(DateiPfad());
        namen.remove();
        auto dialog = NeuesErgebnis(70, 100);
        Tippe(dialog->Feld(), name);
        QTest::keyClick(dialog->Feld(), Qt::Key_Return);
        EXPECT_EQ(DateiBytes().size(), qsizetype(ListenDateiGroesse));
        EXPECT_EQ(NameAlsText(Gespeichert().Namen[Liste][1]), QLatin1String(fall.klassisch));

        dialog.reset();  // before the service it shows goes
        dialog = NeuesErgebnis(50, 100);  // a better result pushes the name down
        EXPECT_EQ(dialog->Text("Name2"), name);
        QTest::keyClick(dialog->Feld(), Qt::Key_Return);
        dialog.reset();
        dialog = Dialog();
        dialog->Oeffne();
        EXPECT_EQ(dialog->Text("Name2"), name);

        ASSERT_TRUE(namen.open(QIODevice::ReadOnly));
        const QByteArray inhalt = namen.readAll();
        namen.close();
        ASSERT_TRUE(namen.open(QIODevice::Append));
        namen.write("\xFF\n");  // no longer UTF-8: the whole file counts for nothing
        namen.close();
        dialog.reset();
        dialog = Dialog();
        dialog->Oeffne();
        EXPECT_EQ(dialog->Text("Name2"), QLatin1String(fall.klassisch));

        ASSERT_TRUE(namen.open(QIODevice::WriteOnly));
        namen.write(inhalt);
        namen.close();
        TListe alt = Gespeichert();  // an older version writes a byte of that name
        alt.Namen[Liste][2][3] = 'x';
        Speichere(alt);
        dialog.reset();
        dialog = Dialog();
        dialog->Oeffne();
        EXPECT_EQ(dialog->Text("Name2"), NameAlsText(alt.Namen[Liste][2]));
    }
}
