#include "fenster/desktopschema.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTimer>

namespace fenster {

namespace {

const QString Dienst = QStringLiteral("org.freedesktop.portal.Desktop");
const QString Pfad = QStringLiteral("/org/freedesktop/portal/desktop");
const QString Schnittstelle = QStringLiteral("org.freedesktop.portal.Settings");
const QString Bereich = QStringLiteral("org.freedesktop.appearance");
const QString Schluessel = QStringLiteral("color-scheme");

bool IstEigene(const QPalette& palette)
{
    return palette.resolveMask() != 0 && (palette == Palette(Schema::Hell) || palette == Palette(Schema::Dunkel));
}

// Qt keeps the desktop's palette beneath the one the game sets: cleared for a moment, the
// application's palette is the desktop's. No paint falls between the two calls. A palette
// someone else set is the desktop's word (some platform themes set it themselves).
QPalette DesktopPalette()
{
    const QPalette jetzt = QGuiApplication::palette();
    if (!IstEigene(jetzt))
        return jetzt;
    QGuiApplication::setPalette(QPalette());
    const QPalette desktop = QGuiApplication::palette();
    QGuiApplication::setPalette(jetzt);
    return desktop;
}

} // namespace

Desktopschema::Desktopschema(QDBusConnection bus, QObject* eltern)
    : QObject(eltern), palette_(SchemaDerPalette(DesktopPalette()))
{
    qApp->installEventFilter(this);
    if (!bus.isConnected())
        return;
    bus.connect(Dienst, Pfad, Schnittstelle, QStringLiteral("SettingChanged"), this,
                SLOT(PortalEinstellung(QDBusMessage)));
    QDBusMessage frage = QDBusMessage::createMethodCall(Dienst, Pfad, Schnittstelle, QStringLiteral("Read"));
    frage << Bereich << Schluessel;
    auto* antwort = new QDBusPendingCallWatcher(bus.asyncCall(frage), this);
    connect(antwort, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        const QDBusPendingReply<QDBusVariant> wert = *w;
        if (!wert.isError())  // no portal, or one without the setting: the palette decides
            PortalwertUebernehmen(wert.value().variant());
        w->deleteLater();
    });
}

QDBusConnection Desktopschema::Sitzungsbus()
{
    // Without an address libdbus would launch a bus of its own on an X display.
    const QString laufzeit = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")
        && (laufzeit.isEmpty() || !QFileInfo(laufzeit + QStringLiteral("/bus")).exists()))
        return QDBusConnection(QStringLiteral("kein Bus"));
    return QDBusConnection::sessionBus();
}

// The namespace, the key and the value.
void Desktopschema::PortalEinstellung(const QDBusMessage& nachricht)
{
    const QList<QVariant> teile = nachricht.arguments();
    if (teile.size() == 3 && teile[0].toString() == Bereich && teile[1].toString() == Schluessel)
        PortalwertUebernehmen(teile[2]);
}

// The value comes as a variant in a variant from Read, as one from the signal.
void Desktopschema::PortalwertUebernehmen(const QVariant& wert)
{
    QVariant innen = wert;
    while (innen.metaType() == QMetaType::fromType<QDBusVariant>())
        innen = qvariant_cast<QDBusVariant>(innen).variant();
    const Schema vorher = schema();
    const uint zahl = innen.canConvert<uint>() ? innen.toUInt() : 0;
    portal_ = zahl == 1 ? std::optional(Schema::Dunkel) : zahl == 2 ? std::optional(Schema::Hell) : std::nullopt;
    Melden(vorher);
}

// A new theme changes the desktop's palette beneath the game's; a palette set by someone else
// replaces it.
bool Desktopschema::eventFilter(QObject* ziel, QEvent* ereignis)
{
    const bool palette = ziel == qApp && ereignis->type() == QEvent::ApplicationPaletteChange
                         && !IstEigene(QGuiApplication::palette());
    if (!liest_ && (palette || ereignis->type() == QEvent::ThemeChange))
        PaletteAnsetzen();
    return false;
}

// Every window hears of a new theme: read once they all have.
void Desktopschema::PaletteAnsetzen()
{
    if (!std::exchange(angesetzt_, true))
        QTimer::singleShot(0, this, &Desktopschema::PalettePruefen);
}

void Desktopschema::PalettePruefen()
{
    angesetzt_ = false;
    liest_ = true;
    const QPalette desktop = DesktopPalette();
    liest_ = false;
    const Schema vorher = schema();
    palette_ = SchemaDerPalette(desktop);
    Melden(vorher);
}

void Desktopschema::Melden(Schema vorher)
{
    if (schema() != vorher)
        emit geaendert();
}

} // namespace fenster
