#include "sitzung/spielleitung.h"

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
