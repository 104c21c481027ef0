#include "sitzung/spielleitung.h"

#include <QFileInfo>

#include "engine/tagesraetsel.h"
#include "sitzung/brettquelle.h"

#include "daten/dateizugriff.h"
#include "daten/texte.h"

namespace sitzung {

namespace {

QString Ordner(const QString& datei) { return datei.left(datei.lastIndexOf(QLatin1Char('/'))); }

} // namespace

Spielleitung::Spielleitung(Spielsitzung& sitzung, daten::Bilddienst* bilder, const daten::Vorlieben& vorlieben,
                           Spielablage* ablage, QObject* eltern)
    : QObject(eltern), sitzung_(sitzung), bilder_(bilder), vorlieben_(vorlieben), ablage_(ablage)
{
    qRegisterMetaType<Spielergebnis>();
    qRegisterMetaType<Abschluss>();
    pruefer_.setMaxThreadCount(1);
    connect(&sitzung_, &Spielsitzung::geaendert, this, &Spielleitung::Merken);
    connect(&sitzung_, &Spielsitzung::spielZuEnde, this, &Spielleitung::Beendet);
}

// Nothing may report to this object once it is gone: the search and the checksum are waited for.
Spielleitung::~Spielleitung()
{
    if (ablage_)
        ablage_->Warten();
    pruefer_.waitForDone();
}

void Spielleitung::Beginnen()
{
    if (!ablage_) {
        emit begonnen(false, {});
        return;
    }
    ablage_->Suchen([this](Spielablage::Fund fund) {
        QMetaObject::invokeMethod(this, [this, fund = std::move(fund)] { Gefunden(fund); }, Qt::QueuedConnection);
    });
}

// The game the player left, paused; its picture only where it is still the same file.
void Spielleitung::Gefunden(const Spielablage::Fund& fund)
{
    QList<Hinweis> hinweise;
    if (fund.lage == Spielablage::Lage::AndereKopie)
        hinweise.push_back({daten::text::ZweiteKopie, {}});
    if (fund.lage == Spielablage::Lage::Ordner)
        hinweise.push_back({daten::text::SpielIstOrdner, ablage_->datei()});
    if (!fund.beiseitegelegt.isEmpty()) {  // the first one under the name the classic text gives
        const QString name = fund.beiseitegelegt.mid(fund.beiseitegelegt.lastIndexOf(u'/') + 1);
        hinweise.push_back(name == QStringLiteral("spiel.dat.defekt") ? Hinweis{daten::text::SpielDefekt, {}}
                                                                      : Hinweis{daten::text::SpielBeiseite, name});
    }
    if (fund.spiel) {
        Schnappschuss stand = *fund.spiel;
        if (fund.version == 1)
            stand.zuschnitt = vorlieben_.zuschnitt();  // cut as the preferences said then, most likely
        if (fund.bildGeaendert) {
            stand.einstellungen.bilddatei.clear();
            stand.bildPruefsumme.clear();
            hinweise.push_back({daten::text::SpielBildFehlt, {}});
        }
        if (fund.lage == Spielablage::Lage::NichtSchreibbar)
            hinweise.push_back({daten::text::NichtAufbewahrt, Ordner(ablage_->datei())});
        BildWaehlen(stand.einstellungen.bilddatei, stand.zuschnitt, stand.bildPruefsumme);
        sitzung_.Wiederherstellen(stand);
    }
    emit begonnen(fund.spiel.has_value(), hinweise);
}

void Spielleitung::NeuesSpiel(const Einstellungen& einstellungen)
{
    BildWaehlen(einstellungen.bilddatei, vorlieben_.zuschnitt(), {});
    sitzung_.NeuesSpiel(einstellungen, bild_.zuschnitt());
}

bool Spielleitung::KannNochEinmal() const
{
    return sitzung_.spiel().phase != engine::Phase::KeinSpiel && sitzung_.schnappschuss().start.has_value();
}

// A game with a move has a record once it is given up or over; a board without one is only
// set up again and keeps its origin.
void Spielleitung::NochEinmal()
{
    if (!KannNochEinmal())
        return;
    const Schnappschuss stand = sitzung_.schnappschuss();
    Herkunft herkunft = stand.herkunft;
    Einstellungen einstellungen = stand.einstellungen;
    if (stand.spiel.ZugAnzahl > 0 || stand.spiel.phase == engine::Phase::Vorbei) {
        sitzung_.Aufgeben();  // recorded now, when unfinished
        einstellungen.vorschau = letzteVorschau_;  // the end showed the preview whatever the game had
        herkunft.wiederholungVon = letzteNummer_ ? letzteNummer_() : 0;
    }
    BrettBeginnen(einstellungen, *stand.start, herkunft, stand.zuschnitt, stand.bildPruefsumme);
}

QString Spielleitung::Spielcode()
{
    const Schnappschuss stand = sitzung_.schnappschuss();
    QByteArray summe = stand.bildPruefsumme;
    if (summe.isEmpty() && !stand.einstellungen.bilddatei.isEmpty() && pruefsumme_.valid())
        summe = pruefsumme_.get();  // a large photo's checksum may still be under way
    return Codetext(stand, summe).value_or(QString());
}

std::optional<QString> Spielleitung::CodeBeginnen(const engine::Spielcode& code)
{
    QByteArray summe;
    const QString bild = BildFinden(bilderordner_, code, &summe);
    Herkunft herkunft;
    herkunft.spielcode = QString::fromStdString(engine::CodeSchreiben(code));
    BrettBeginnen(BrettEinstellungen(sitzung_.einstellungen(), code.brett, code.posZufall, bild), code.brett,
                  herkunft, vorlieben_.zuschnitt(), summe);
    if (bild.isEmpty() && !code.bildname.empty())
        return QString::fromStdString(code.bildname);
    return std::nullopt;
}

std::optional<QString> Spielleitung::TagesraetselBeginnen(QDate tag)
{
    const engine::Tagesraetsel raetsel = engine::RaetselDesTages(tag.year(), tag.month(), tag.day());
    const QString name = QString::fromUtf8(raetsel.bild.data(), qsizetype(raetsel.bild.size()));
    QString bild;
    for (const QString& ordner : bilderordner_)
        if (bild.isEmpty() && QFileInfo(ordner + QLatin1Char('/') + name).isFile())
            bild = ordner + QLatin1Char('/') + name;
    Herkunft herkunft;
    herkunft.tagesraetsel = tag;
    BrettBeginnen(BrettEinstellungen(sitzung_.einstellungen(), raetsel.brett, false, bild), raetsel.brett, herkunft,
                  vorlieben_.zuschnitt(), {});
    return bild.isEmpty() ? std::optional<QString>(name) : std::nullopt;
}

void Spielleitung::BrettBeginnen(const Einstellungen& einstellungen, engine::Spielstand brett,
                                 const Herkunft& herkunft, daten::Zuschnitt zuschnitt, const QByteArray& pruefsumme)
{
    brett.ZugAnzahl = 0;
    brett.Sekunden = 0;
    brett.phase = engine::Phase::Aufgebaut;
    BildWaehlen(einstellungen.bilddatei, zuschnitt, pruefsumme);
    sitzung_.Fortsetzen(einstellungen, brett, herkunft, bild_.zuschnitt());
}

// The picture is decoded for the board now; its checksum, which a large photo takes a while
// for, is made beside the window's thread and reaches the session once it is known.
void Spielleitung::BildWaehlen(const QString& pfad, daten::Zuschnitt zuschnitt, const QByteArray& pruefsumme)
{
    bild_ = Spielbild(bilder_, pfad, zuschnitt);
    if (bilder_)
        bild_.Vorbereiten(bilder_->brettkante());
    const int nummer = ++bildNummer_;
    if (pfad.isEmpty() || !pruefsumme.isEmpty()) {
        std::promise<QByteArray> bekannt;
        bekannt.set_value(pruefsumme);
        pruefsumme_ = bekannt.get_future().share();
        return;
    }
    auto versprochen = std::make_shared<std::promise<QByteArray>>();
    pruefsumme_ = versprochen->get_future().share();
    pruefer_.start([this, pfad, nummer, versprochen] {
        const QByteArray summe = daten::Pruefsumme(pfad);
        versprochen->set_value(summe);
        QMetaObject::invokeMethod(
            this, [this, pfad, summe, nummer] {
                if (nummer == bildNummer_)
                    sitzung_.BildPruefsummeSetzen(pfad, summe);
            },
            Qt::QueuedConnection);
    });
}

// The game goes to the file at every change; one that is over takes its file with it. Before
// the first game of the run the file is left alone: it may be the one the start is reading.
void Spielleitung::Merken()
{
    if (!ablage_ || sitzung_.spiel().phase == engine::Phase::KeinSpiel)
        return;
    Spielablage::Auftrag auftrag;
    if (sitzung_.spiel().brettAktiv()) {
        auftrag.spiel = sitzung_.schnappschuss();  // the one copy the window's thread makes
        if (auftrag.spiel->bildPruefsumme.isEmpty() && !auftrag.spiel->einstellungen.bilddatei.isEmpty())
            auftrag.pruefsumme = pruefsumme_;
    }
    ablage_->Sichern(std::move(auftrag));
}

void Spielleitung::SichernUndWarten()
{
    Merken();
    if (ablage_)
        ablage_->Warten();
}

void Spielleitung::Beenden()
{
    if (ablage_ && ablage_->behaelt())
        SichernUndWarten();
    else
        sitzung_.Aufgeben();
}

// The file of a finished game is gone before anything is shown: a list entry made next can
// never meet the same game again at the next start.
void Spielleitung::Beendet(const Spielergebnis& ergebnis)
{
    letzteVorschau_ = ergebnis.einstellungen.vorschau;
    if (ergebnis.ausgang == Ausgang::Abgebrochen)
        return;
    if (ablage_)
        ablage_->Warten();
    Abschluss abschluss{ergebnis, false, 0, QStringLiteral("ton3.wav")};
    switch (ergebnis.ausgang) {
    case Ausgang::Geloest:
        if (ergebnis.mitHilfe)
            abschluss.meldung = daten::text::MitHilfe;
        else if (kommtInListe_ && kommtInListe_(ergebnis))
            abschluss = {ergebnis, true, 0, QStringLiteral("ton2.wav")};
        else
            abschluss.meldung = daten::text::KeinEintrag;
        break;
    case Ausgang::MaxZuege: abschluss.meldung = daten::text::MaxZuege; break;
    case Ausgang::MaxZeit: abschluss.meldung = daten::text::MaxZeit; break;
    case Ausgang::Abgebrochen: break;
    }
    emit abgeschlossen(abschluss);
}

} // namespace sitzung
