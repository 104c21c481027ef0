#include "sitzung/brettquelle.h"

#include <QDir>
#include <QFileInfo>

#include "daten/dateizugriff.h"
#include "daten/texte.h"

namespace sitzung {

std::optional<QString> Codetext(const Schnappschuss& stand, const QByteArray& pruefsumme)
{
    if (!stand.start)
        return std::nullopt;
    engine::Spielcode code;
    code.brett = *stand.start;
    code.posZufall = stand.einstellungen.posZufall && code.brett.variante == engine::Variante::Schieben;
    if (!stand.einstellungen.bilddatei.isEmpty() && pruefsumme.size() >= qsizetype(engine::CodeSummenBytes)) {
        code.bildname = QFileInfo(stand.einstellungen.bilddatei).fileName().toStdString();
        std::copy_n(pruefsumme.constData(), engine::CodeSummenBytes, code.bildsumme.begin());
    }
    return QString::fromStdString(engine::CodeSchreiben(code));
}

QString BildFinden(const QStringList& ordner, const engine::Spielcode& code, QByteArray* pruefsumme)
{
    if (code.bildname.empty())
        return {};
    const QString name = QString::fromStdString(code.bildname);
    const QByteArray gesucht(reinterpret_cast<const char*>(code.bildsumme.data()), qsizetype(code.bildsumme.size()));
    for (const QString& o : ordner) {
        QStringList kandidaten;
        if (code.bildnameGekuerzt)
            kandidaten = QDir(o).entryList({QStringLiteral("*")}, QDir::Files | QDir::Readable, QDir::Name);
        else
            kandidaten = {name};
        for (const QString& k : kandidaten) {
            if (!k.startsWith(name))
                continue;
            const QString pfad = o + QLatin1Char('/') + k;
            const QByteArray summe = daten::Pruefsumme(pfad);
            if (!summe.startsWith(gesucht))
                continue;
            if (pruefsumme)
                *pruefsumme = summe;
            return pfad;
        }
    }
    return {};
}

Einstellungen BrettEinstellungen(const Einstellungen& bisher, const engine::Spielstand& brett, bool posZufall,
                                 const QString& bilddatei)
{
    Einstellungen e = bisher;
    e.variante = brett.variante;
    e.groesse = brett.n();
    e.posZufall = posZufall && brett.variante == engine::Variante::Schieben;
    e.bilddatei = bilddatei;
    return e;
}

int Codefehlertext(engine::Codefehler fehler)
{
    namespace tx = daten::text::codes;
    switch (fehler) {
    case engine::Codefehler::Fremd: return tx::Fremd;
    case engine::Codefehler::Zukunft: return tx::Zukunft;
    case engine::Codefehler::Laenge: return tx::Laenge;
    case engine::Codefehler::Pruefung: return tx::Pruefung;
    case engine::Codefehler::Variante: return tx::Variante;
    case engine::Codefehler::Groesse: return tx::Groesse;
    case engine::Codefehler::KeinBrett: return tx::KeinBrett;
    case engine::Codefehler::Unloesbar: return tx::Unloesbar;
    case engine::Codefehler::Form: return tx::Form;
    }
    return tx::Form;
}

} // namespace sitzung
