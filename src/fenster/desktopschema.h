#pragma once
// What the desktop says of light and dark: the freedesktop portal's colour-scheme setting (asked
// without waiting, and followed when it changes), else the lightness of the desktop's palette.

#include <QDBusConnection>
#include <QObject>

#include <optional>

#include "fenster/farbschema.h"

class QDBusMessage;

namespace fenster {

class Desktopschema : public QObject {
    Q_OBJECT
public:
    // Asks the portal on `bus` and returns at once; a bus that is not connected has no portal.
    explicit Desktopschema(QDBusConnection bus, QObject* eltern = nullptr);

    // The session bus where there is one to connect to; a bus is never started for the asking.
    static QDBusConnection Sitzungsbus();

    // The portal's preference, or while it has none (or has not answered) the palette's.
    Schema schema() const { return portal_.value_or(palette_); }

signals:
    void geaendert();

protected:
    bool eventFilter(QObject* ziel, QEvent* ereignis) override;

private slots:
    void PortalEinstellung(const QDBusMessage& nachricht);

private:
    void PortalwertUebernehmen(const QVariant& wert);
    // Reads the desktop's palette again a moment after it may have changed.
    void PaletteAnsetzen();
    void PalettePruefen();
    void Melden(Schema vorher);

    std::optional<Schema> portal_;
    Schema palette_;
    bool angesetzt_ = false, liest_ = false;
};

} // namespace fenster
