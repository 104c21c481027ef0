// The scheme follows the desktop live: a portal on a private session bus, the palette without
// one, and the player's choice over both; nothing is printed on the way.
#include <QApplication>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "fenster/erscheinungsbild.h"

using fenster::Schema;
using W = daten::Erscheinungsbild;

// The portal's settings as a desktop offers them: the value a variant in a variant, the answer
// after a delay.
class Portal : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")
public:
    uint wert = 1;
    int verzoegerung = 0;  // ms
    void Aendern(uint neu)  // as the desktop's switch does
    {
        wert = neu;
        emit SettingChanged(QStringLiteral("org.freedesktop.appearance"), QStringLiteral("color-scheme"),
                            QDBusVariant(QVariant::fromValue(neu)));
    }
public slots:
    QDBusVariant Read(const QString&, const QString&)
    {
        setDelayedReply(true);
        const QDBusVariant antwort(QVariant::fromValue(QDBusVariant(QVariant::fromValue(wert))));
        QTimer::singleShot(verzoegerung, this, [bus = connection(), frage = message(), antwort] {
            QDBusConnection(bus).send(frage.createReply(QVariant::fromValue(antwort)));
        });
        return {};
    }
signals:
    void SettingChanged(const QString& bereich, const QString& schluessel, const QDBusVariant& wert);
};

QStringList gedruckt;  // what Qt would have printed

class Desktopschema : public ::testing::Test {
protected:
    void SetUp() override
    {
        bus.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address=1"});
        ASSERT_TRUE(bus.waitForReadyRead(5000));
        adresse = QString::fromUtf8(bus.readLine().trimmed());
        QDBusConnection dienst = QDBusConnection::connectToBus(adresse, QStringLiteral("portal"));
        ASSERT_TRUE(dienst.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &portal,
                                          QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals));
        ASSERT_TRUE(dienst.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));
        QApplication::setPalette(QPalette());  // the desktop's palette is light
        vorher = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& t) { gedruckt << t; });
    }
    void TearDown() override
    {
        qInstallMessageHandler(vorher);
        EXPECT_EQ(gedruckt, QStringList());
        QApplication::setPalette(QPalette());
        for (const char* name : {"portal", "spiel"})
            QDBusConnection::disconnectFromBus(QLatin1String(name));
        bus.kill();
        bus.waitForFinished();
    }
    QDBusConnection Spiel() { return QDBusConnection::connectToBus(adresse, QStringLiteral("spiel")); }
    QProcess bus;
    QString adresse;
    Portal portal;
    QtMessageHandler vorher = nullptr;
    QTemporaryDir ordner;
    daten::Umgebung umgebung{ordner.path(), false, {}};
    daten::Vorlieben vorlieben{umgebung};
};

// A slow portal: the palette's answer holds until the portal's comes. A change it signals is the
// application's palette before the signal's delivery ends; "no preference" gives the palette back.
// The stored choice wins over the portal, and System gives the word back to it.
TEST_F(Desktopschema, PortalWirdOhneWartenGefragtUndLiveGefolgt)
{
    portal.verzoegerung = 300;
    fenster::Desktopschema desktop(Spiel());
    fenster::Erscheinungsbild erscheinung(vorlieben, desktop);
    EXPECT_EQ(fenster::AktuellesSchema(), Schema::Hell);
    QSignalSpy gemeldet(&desktop, &fenster::Desktopschema::geaendert);
    ASSERT_TRUE(gemeldet.wait(5000));
    const std::pair<uint, Schema> folge[] = {{1, Schema::Dunkel}, {2, Schema::Hell}, {1, Schema::Dunkel}, {0, Schema::Hell}};
    for (auto [wert, schema] : folge) {
        if (wert != portal.wert) {  // the first is Read's answer
            portal.Aendern(wert);
            ASSERT_TRUE(gemeldet.wait(5000)) << wert;
        }
        EXPECT_EQ(QApplication::palette(), fenster::Palette(schema)) << wert;
    }
    portal.Aendern(1);
    ASSERT_TRUE(gemeldet.wait(5000));
    vorlieben.ErscheinungsbildSetzen(W::Hell);
    EXPECT_EQ(fenster::AktuellesSchema(), Schema::Hell);
    vorlieben.ErscheinungsbildSetzen(W::System);
    EXPECT_EQ(fenster::AktuellesSchema(), Schema::Dunkel);
}

// Without a portal (none on the bus, or no bus) the palette decides: one a platform theme sets,
// and on a new theme the desktop's own beneath the game's.
TEST_F(Desktopschema, OhnePortalDiePaletteDesDesktops)
{
    QDBusConnection::connectToBus(adresse, QStringLiteral("portal"))
        .unregisterService(QStringLiteral("org.freedesktop.portal.Desktop"));
    for (QDBusConnection bus : {Spiel(), QDBusConnection(QStringLiteral("kein Bus"))}) {
        fenster::Desktopschema desktop(bus);
        fenster::Erscheinungsbild erscheinung(vorlieben, desktop);
        EXPECT_EQ(fenster::AktuellesSchema(), Schema::Hell);
        QApplication::setPalette(QPalette(QColor(40, 40, 40)));  // as a platform theme does on a switch
        EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::palette() == fenster::Palette(Schema::Dunkel); }));
        QEvent thema(QEvent::ThemeChange);
        QApplication::sendEvent(qApp, &thema);
        EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::palette() == fenster::Palette(Schema::Hell); }));
        QTest::qWait(50);  // the bus's answer that there is no portal
    }
}

#include "test_desktopschema.moc"
