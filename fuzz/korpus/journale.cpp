// Seeds of the journal: the stored form of games of every variant and side (with and without
// start and seconds), and journal files: a small whole one, the same cut short, and bytes that
// are no database.

#include "korpus/korpus.h"

#include <QFile>
#include <QTemporaryDir>

#include "eingabe.h"
#include "journal/ergebnisbau.h"
#include "journal/journal.h"
#include "journal/verlauf.h"

namespace korpus {

void Journale(const Ablage& ablage)
{
    for (int v = 1; v <= 3; ++v)
        for (int n = 3; n <= 6; ++n) {
            const auto variante = static_cast<engine::Variante>(v);
            const sitzung::Spielergebnis e = ergebnisbau::Ergebnis(variante, n, std::uint32_t(10 * v + n), 20 + 5 * n);
            const bool mitStart = n != 5;
            const journal::Verlaufsbytes b = journal::VerlaufKodieren(
                variante, n, {mitStart ? e.start : std::nullopt, e.gespielt, n == 6 ? std::vector<std::uint16_t>{} : e.zugSekunden});
            fuzz::Schreiber s;
            s.Byte(0).Byte(std::uint8_t(v - 1)).Byte(std::uint8_t(n - 3)).Ja(b.brett.has_value());
            s.Byte(std::uint8_t(b.heimfeld)).Text(b.brett.value_or(QByteArray())).Text(b.zuege).Rest(b.zeiten);
            ablage(QStringLiteral("verlauf-v%1-n%2").arg(v).arg(n), s.Bytes());
        }
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QLatin1String(journal::Dateiname));
    {
        journal::Journal journal(datei, false);
        for (std::uint32_t i = 0; i < 3; ++i)
            journal.Aufzeichnen(ergebnisbau::Ergebnis(engine::Variante(i + 1), 3, i, 6));
    }
    QFile f(datei);
    const QByteArray ganz = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    ablage(QStringLiteral("datei-ganz"), QByteArray(1, 1) + ganz);
    ablage(QStringLiteral("datei-halb"), QByteArray(1, 1) + ganz.left(ganz.size() / 2));
    ablage(QStringLiteral("datei-fremd"), QByteArray(1, 1) + QByteArray("SQLite format 3\0", 16) + QByteArray(200, 'x'));
}

} // namespace korpus
