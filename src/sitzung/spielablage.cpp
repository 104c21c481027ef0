#include "sitzung/spielablage.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

#include "daten/dateizugriff.h"
#include "daten/sicherung.h"
#include "sitzung/spieldatei.h"

namespace sitzung {

Spielablage::Spielablage(const QString& ordner, bool vonCD)
    : ordner_(ordner), lage_(vonCD ? Lage::VonCD : Lage::Zustaendig), faden_([this] { Arbeiten(); })
{
}

Spielablage::~Spielablage()
{
    {
        std::lock_guard halt(zugriff_);
        ende_ = true;
    }
    wecker_.notify_all();
    faden_.join();  // does what waits first
}

QString Spielablage::datei() const { return ordner_ + QLatin1Char('/') + QLatin1String(SpielDateiName); }

// Looking for the game goes before a write: the start has to know what there is.
void Spielablage::Arbeiten()
{
    std::unique_lock halt(zugriff_);
    while (true) {
        wecker_.wait(halt, [this] { return ende_ || !suchen_.empty() || wartend_; });
        if (suchen_.empty() && !wartend_)
            return;  // the end, with nothing left to do
        arbeitet_ = true;
        if (!suchen_.empty()) {
            const std::function<void()> auftrag = std::move(suchen_.front());
            suchen_.pop_front();
            halt.unlock();
            auftrag();
        } else {
            const Auftrag auftrag = *std::exchange(wartend_, std::nullopt);
            halt.unlock();
            Schreibe(auftrag);
        }
        halt.lock();
        arbeitet_ = false;
        erledigt_.notify_all();
    }
}

void Spielablage::Suchen(std::function<void(Fund)> fertig)
{
    {
        std::lock_guard halt(zugriff_);
        suchen_.push_back([this, fertig = std::move(fertig)] { fertig(Suche()); });
    }
    wecker_.notify_all();
}

Spielablage::Fund Spielablage::Laden()
{
    std::promise<Fund> fund;
    Suchen([&fund](Fund f) { fund.set_value(std::move(f)); });
    return fund.get_future().get();
}

void Spielablage::Sichern(Auftrag auftrag)
{
    if (lage_ == Lage::VonCD)
        return;
    {
        std::lock_guard halt(zugriff_);
        wartend_ = std::move(auftrag);
    }
    wecker_.notify_all();
}

void Spielablage::Warten()
{
    std::unique_lock halt(zugriff_);
    erledigt_.wait(halt, [this] { return !arbeitet_ && suchen_.empty() && !wartend_; });
}

// The lock is taken at the start where the folder is there already, else at the first save that
// makes the folder; it is held until the program ends. A folder that takes no lock file cannot
// be written: its saved game is still read.
bool Spielablage::Sperren()
{
    if (lage_ == Lage::VonCD)
        return false;
    if (!sperre_) {
        sperre_ = std::make_unique<QLockFile>(ordner_ + QStringLiteral("/.") + QLatin1String(SpielDateiName)
                                              + QStringLiteral(".lock"));
        sperre_->setStaleLockTime(0);  // held as long as this copy runs; a copy that died is seen as gone
    }
    if (!sperre_->isLocked() && !versucht_ && QDir(ordner_).exists()) {
        versucht_ = true;  // once: a copy that found another's lock stays out for good
        if (!sperre_->tryLock(0))
            lage_ = sperre_->error() == QLockFile::LockFailedError ? Lage::AndereKopie : Lage::NichtSchreibbar;
    }
    return sperre_->isLocked();
}

Spielablage::Fund Spielablage::Suche()
{
    Fund fund;
    if (lage_ == Lage::VonCD || (!Sperren() && lage_ == Lage::AndereKopie)) {
        fund.lage = lage_;
        return fund;
    }
    const daten::Dateiinhalt inhalt = daten::LiesRegulaer(datei(), SpielDateiHoechstens);
    if (inhalt.art == daten::Dateiart::Ordner)
        lage_ = Lage::Ordner;
    fund.lage = lage_;
    if (inhalt.art == daten::Dateiart::Fehlt || inhalt.art == daten::Dateiart::Ordner
        || inhalt.art == daten::Dateiart::Unlesbar)
        return fund;
    const Spiellesung lesung = LiesSpiel(inhalt.bytes);  // a FIFO or device reads as nothing: damage
    fund.spiel = lesung.spiel;
    fund.version = lesung.version;
    if (!fund.spiel) {
        fund.beiseitegelegt = QFile::decodeName(daten::LegeBeiseite(QFile::encodeName(datei()).toStdString()).c_str());
        return fund;
    }
    const QString& bild = fund.spiel->einstellungen.bilddatei;
    fund.bildGeaendert = !bild.isEmpty() && daten::Pruefsumme(bild) != fund.spiel->bildPruefsumme;
    return fund;
}

void Spielablage::Schreibe(const Auftrag& auftrag)
{
    if (auftrag.spiel)
        QDir().mkpath(ordner_);
    if (!Sperren() || lage_ == Lage::Ordner)
        return;
    if (!auftrag.spiel) {
        ::unlink(QFile::encodeName(datei()).constData());
        return;
    }
    Schnappschuss stand = *auftrag.spiel;
    if (stand.bildPruefsumme.isEmpty() && auftrag.pruefsumme.valid()) {
        try {
            stand.bildPruefsumme = auftrag.pruefsumme.get();
        } catch (const std::future_error&) {  // never made: the game goes without it
        }
    }
    const QByteArray bytes = SpielAlsBytes(stand);
    // A failed write keeps the last whole file; the next change tries again.
    daten::SpeichereDatei(QFile::encodeName(datei()).toStdString(),
                          {reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())});
}

} // namespace sitzung
