#include "sitzung/spielablage.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include "daten/sicherung.h"
#include "sitzung/spieldatei.h"

namespace sitzung {

using engine::Phase;

Spielablage::Spielablage(Spielsitzung& sitzung, const QString& ordner, bool nurLesen, QObject* eltern)
    : QObject(eltern), sitzung_(sitzung), ordner_(ordner), nurLesen_(nurLesen)
{
    Sperren();
    takt_.setSingleShot(true);
    takt_.setInterval(1000);
    connect(&takt_, &QTimer::timeout, this, &Spielablage::Sichern);
    connect(&sitzung_, &Spielsitzung::geaendert, this, [this] {
        if (!takt_.isActive())  // at most a second after the first change, however many follow
            takt_.start();
    });
    connect(&sitzung_, &Spielsitzung::neuesSpielBegonnen, this, &Spielablage::NeuesSpiel);
}

Spielablage::~Spielablage() { Sichern(); }

// The lock is taken at the start where the folder is there already, else at the first save that
// makes the folder; it is held until the program ends.
bool Spielablage::Sperren()
{
    if (nurLesen_)
        return false;
    if (!sperre_) {
        sperre_ = std::make_unique<QLockFile>(ordner_ + QStringLiteral("/.") + QLatin1String(SpielDateiName)
                                              + QStringLiteral(".lock"));
        sperre_->setStaleLockTime(0);  // held as long as this copy runs; a copy that died is seen as gone
        versucht_ = false;
    }
    if (!sperre_->isLocked() && !versucht_ && QDir(ordner_).exists()) {
        versucht_ = true;  // once: a copy that found another's lock stays out for good
        sperre_->tryLock(0);
    }
    return sperre_->isLocked();
}

QString Spielablage::datei() const { return ordner_ + QLatin1Char('/') + QLatin1String(SpielDateiName); }

QByteArray Spielablage::Pruefsumme(const QString& bilddatei)
{
    QFile datei(bilddatei);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (bilddatei.isEmpty() || !datei.open(QIODevice::ReadOnly) || !hash.addData(&datei))
        return {};
    return hash.result();
}

// The picture's checksum is made beside the window's thread: a photo of many megabytes takes
// a while, and the game is written only a second later.
void Spielablage::NeuesSpiel()
{
    const QString bild = sitzung_.einstellungen().bilddatei;
    if (bild == bildFuer_ && pruefsumme_.valid())
        return;
    bildFuer_ = bild;
    pruefsumme_ = std::async(std::launch::async, [bild] { return Pruefsumme(bild); }).share();
}

Spielablage::Fund Spielablage::Laden()
{
    Fund fund;
    if (!Sperren())
        return fund;
    QFile quelle(datei());
    if (!quelle.exists() || !quelle.open(QIODevice::ReadOnly))
        return fund;
    const QByteArray bytes = quelle.read(SpielDateiHoechstens + 1);
    quelle.close();
    fund.spiel = SpielAusBytes(bytes);
    if (!fund.spiel) {
        const QString defekt = datei() + QStringLiteral(".defekt");
        QFile::remove(defekt);
        fund.beiseitegelegt = QFile::rename(datei(), defekt);
    } else {
        bildFuer_ = fund.spiel->einstellungen.bilddatei;
        std::promise<QByteArray> bekannt;
        bekannt.set_value(fund.spiel->bildPruefsumme);
        pruefsumme_ = bekannt.get_future().share();
    }
    return fund;
}

void Spielablage::Sichern()
{
    takt_.stop();
    const Phase phase = sitzung_.spiel().phase;
    const bool imSpiel = phase != Phase::KeinSpiel && phase != Phase::Vorbei;
    if (imSpiel && !nurLesen_)
        QDir().mkpath(ordner_);
    if (!Sperren())
        return;
    if (!imSpiel) {
        QFile::remove(datei());
        return;
    }
    Schnappschuss stand = sitzung_.schnappschuss();
    if (pruefsumme_.valid())
        stand.bildPruefsumme = pruefsumme_.get();
    const QByteArray bytes = SpielAlsBytes(stand);
    // A failed write keeps the last whole file; the next change tries again.
    daten::SpeichereDatei(QFile::encodeName(datei()).toStdString(),
                          {reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())});
}

} // namespace sitzung
