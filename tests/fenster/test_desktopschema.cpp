// The scheme follows the desktop live: a portal on a private session bus, the palette without
// one, and the player's choice over both.
#include <QApplication>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "daten/vorlieben.h"
#include "fenster/desktopschema.h"
#include "fenster/erscheinungsbild.h"

using fenster::Schema;

// The portal's settings interface as the desktop offers it, answering Read after a delay.
class Portal : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")
public:
    uint wert = 0;
    int verzoegerung = 0;  // ms

    void Aendern(uint neu)
    {
        wert = neu;
        emit SettingChanged(QStringLiteral("org.freedesktop.appearance"), QStringLiteral("color-scheme"),
                            QDBusVariant(QVariant::fromValue(neu)));
    }

public slots:
    QDBusVariant Read(const QString& bereich, const QString& schluessel)
    {
        if (bereich != QLatin1String("org.freedesktop.appearance") || schluessel != QLatin1String("color-scheme")) {
            sendErrorReply(QStringLiteral("org.freedesktop.portal.Error.NotFound"), QStringLiteral("no such key"));
            return {};
        }
        // The value comes as a variant in a variant.
        const QDBusVariant antwort(QVariant::fromValue(QDBusVariant(QVariant::fromValue(wert))));
        if (verzoegerung > 0) {
            setDelayedReply(true);
            QTimer::singleShot(verzoegerung, this, [verbindung = connection(), frage = message(), antwort] {
                QDBusConnection(verbindung).send(frage.createReply(QVariant::fromValue(antwort)));
            });
        }
        return antwort;
    }

signals:
    void SettingChanged(const QString& bereich, const QString& schluessel, const QDBusVariant& wert);
};

namespace {

QList<QString> meldungen;
void Aufschreiben(QtMsgType, const QMessageLogContext&, const QString& text) { meldungen << text; }

} // namespace

class Desktopschema : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ordner.isValid());
        bus.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address=1"});
        ASSERT_TRUE(bus.waitForReadyRead(5000)) << "dbus-daemon did not start";
        adresse = QString::fromUtf8(bus.readLine().trimmed());
        QDBusConnection dienst = QDBusConnection::connectToBus(adresse, QStringLiteral("portal"));
        ASSERT_TRUE(dienst.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &portal,
                                          QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals));
        ASSERT_TRUE(dienst.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));
        QApplication::setPalette(QPalette());  // the desktop's palette is light
        meldungen.clear();
        vorher = qInstallMessageHandler(Aufschreiben);
    }
    void TearDown() override
    {
        qInstallMessageHandler(vorher);
        EXPECT_TRUE(meldungen.isEmpty()) << meldungen.join('\n').toStdString();
        QApplication::setPalette(QPalette());
        QDBusConnection::disconnectFromBus(QStringLiteral("portal"));
        QDBusConnection::disconnectFromBus(QStringLiteral("spiel"));
        bus.kill();
        bus.waitForFinished();
    }
    QDBusConnection Spiel() { return QDBusConnection::connectToBus(adresse, QStringLiteral("spiel")); }
    static bool Warte(Schema schema)
    {
        return QTest::qWaitFor([schema] { return fenster::AktuellesSchema() == schema; }, 5000);
    }

    QProcess bus;
    QString adresse;
    Portal portal;
    QtMessageHandler vorher = nullptr;
    QTemporaryDir ordner;
    daten::Umgebung umgebung{ordner.path(), false, {}};
    daten::Vorlieben vorlieben{umgebung};
};

// The start does not wait for a slow portal: the palette's answer holds until the portal's comes.
// A change the portal signals is the application's palette before the signal's delivery ends.
TEST_F(Desktopschema, PortalWirdOhneWartenGefragtUndLiveGefolgt)
{
    portal.wert = 1;
    portal.verzoegerung = 300;
    fenster::Desktopschema desktop(Spiel());
    fenster::Erscheinungsbild erscheinung(vorlieben, desktop);
    EXPECT_EQ(fenster::AktuellesSchema(), Schema::Hell) << "the palette's answer first";
    ASSERT_TRUE(Warte(Schema::Dunkel));

    QSignalSpy gemeldet(&desktop, &fenster::Desktopschema::geaendert);
    portal.Aendern(2);
    ASSERT_TRUE(gemeldet.wait(5000));
    EXPECT_EQ(fenster::AktuellesSchema(), Schema::Hell);
    portal.Aendern(1);
    ASSERT_TRUE(gemeldet.wait(5000));
    EXPECT_EQ(fenster::AktuellesSchema(), Schema::Dunkel);
    // No preference: the palette's lightness again.
    portal.Aendern(0);
    ASSERT_TRUE(gemeldet.wait(5000));
    EXPECT_EQ(fenster::AktuellesSchema(), Schema::Hell);
}

// The player's choice wins over the desktop, and System gives the word back to it.
TEST_F(Desktopschema, GespeicherteWahlGewinnt)
{
    portal.wert = 1;
    vorlieben.ErscheinungsbildSetzen(daten::Erscheinungsbild::Hell);
    fenster::Desktopschema desktop(Spiel());
    fenster::Erscheinungsbild erscheinung(vorlieben, desktop);
    QSignalSpy gemeldet(&desktop, &fenster::Desktopschema::geaendert);
    ASSERT_TRUE(gemeldet.wait(5000));  // the portal has answered dark
    EXPECT_EQ(fenster::AktuellesSchema(), Schema::Hell);
    vorlieben.ErscheinungsbildSetzen(daten::Erscheinungsbild::System);
    EXPECT_EQ(fenster::AktuellesSchema(), Schema::Dunkel);
    portal.Aendern(2);
    ASSERT_TRUE(gemeldet.wait(5000));
    vorlieben.ErscheinungsbildSetzen(daten::Erscheinungsbild::Dunkel);
    EXPECT_EQ(fenster::AktuellesSchema(), Schema::Dunkel);
    EXPECT_EQ(fenster::Palette(Schema::Dunkel), QApplication::palette());
}

// Without a portal (a bus where none answers, or no bus) the palette decides: one a platform theme
// sets, and the desktop's own beneath the game's when the theme changes.
TEST_F(Desktopschema, OhnePortalDiePaletteDesDesktops)
{
    QDBusConnection::connectToBus(adresse, QStringLiteral("portal")).unregisterService(
        QStringLiteral("org.freedesktop.portal.Desktop"));
    for (QDBusConnection bus : {Spiel(), QDBusConnection(QStringLiteral("kein Bus"))}) {
        QApplication::setPalette(QPalette());
        fenster::Desktopschema desktop(bus);
        fenster::Erscheinungsbild erscheinung(vorlieben, desktop);
        EXPECT_EQ(fenster::AktuellesSchema(), Schema::Hell);
        QPalette dunkel(Qt::white, QColor(40, 40, 40), Qt::gray, Qt::black, Qt::darkGray, Qt::white, Qt::gray,
                        QColor(30, 30, 30), QColor(40, 40, 40));
        QApplication::setPalette(dunkel);  // as a platform theme does on a switch
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::palette() == fenster::Palette(Schema::Dunkel); }))
            << "the game's own dark palette";
        // The theme turns light again; the game reads the desktop's palette beneath its own.
        QEvent thema(QEvent::ThemeChange);
        QApplication::sendEvent(qApp, &thema);
        EXPECT_TRUE(Warte(Schema::Hell));
        QTest::qWait(50);
    }
}

#include "test_desktopschema.moc"
