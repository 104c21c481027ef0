#include "daten/bilddienst.h"

#include <QFileInfo>
#include <QMutexLocker>

#include <algorithm>
#include <utility>

namespace daten {

namespace {

// The dialog's picture and the running game's, which a change of the screen's ratio asks for
// again.
constexpr std::size_t Behalten = 2;

} // namespace

Bilddienst::Bilddienst(QObject* eltern) : QObject(eltern)
{
    qRegisterMetaType<Geladen>();
    // One decode at a time: walking down a list of photos leaves at most one behind it.
    arbeiter_.setMaxThreadCount(1);
}

Bilddienst::~Bilddienst()
{
    {
        QMutexLocker halt(&sperre_);
        wartend_.reset();
        abbruch_ = true;
    }
    arbeiter_.waitForDone();
}

int Bilddienst::brettkante() const
{
    QMutexLocker halt(&sperre_);
    return brettkante_;
}

void Bilddienst::BrettkanteSetzen(int kante)
{
    QMutexLocker halt(&sperre_);
    brettkante_ = kante;
}

// A failure holds at every size; a picture smaller than was asked for is whole.
std::optional<Geladen> Bilddienst::Gespeichert(const QString& pfad, qint64 groesse, const QDateTime& geaendert,
                                               int kante) const
{
    for (const Eintrag& e : speicher_) {
        if (e.geladen.pfad != pfad || e.groesse != groesse || e.geaendert != geaendert)
            continue;
        const QSize s = e.geladen.bild.size();
        if (e.geladen.fehler != Ladefehler::Keiner || kante <= e.kante || std::min(s.width(), s.height()) < e.kante)
            return e.geladen;
    }
    return std::nullopt;
}

bool Bilddienst::Deckt(const std::optional<Auftrag>& auftrag, const Auftrag& gesucht)
{
    return auftrag && auftrag->pfad == gesucht.pfad && auftrag->kante >= gesucht.kante;
}

Geladen Bilddienst::Laden(const QString& pfad, int kante)
{
    const QFileInfo info(pfad);
    const Auftrag gesucht{pfad, kante, false};
    {
        QMutexLocker halt(&sperre_);
        if (std::optional<Geladen> da = Gespeichert(pfad, info.size(), info.lastModified(), kante))
            return *da;
        if (!Deckt(inArbeit_, gesucht) && !Deckt(wartend_, gesucht))
            Vormerken({pfad, kante, false});
        while (Deckt(inArbeit_, gesucht) || Deckt(wartend_, gesucht))
            fertig_.wait(&sperre_);
    }
    // Found among the decodes, unless that one was given up for yet another request meanwhile.
    return *Entschluesseln(pfad, kante, nullptr);
}

std::optional<Geladen> Bilddienst::Entschluesseln(const QString& pfad, int kante, const std::atomic_bool* abbruch)
{
    const QFileInfo info(pfad);
    const qint64 groesse = info.size();
    const QDateTime geaendert = info.lastModified();
    {
        QMutexLocker halt(&sperre_);
        if (std::optional<Geladen> da = Gespeichert(pfad, groesse, geaendert, kante))
            return da;
    }
    Geladen neu{pfad, Ladefehler::Keiner, {}};
    neu.fehler = LadeBild(pfad, neu.bild, kante, abbruch);
    if (abbruch && *abbruch)
        return std::nullopt;
    if (neu.fehler != Ladefehler::NichtGefunden) {  // a missing file may come
        QMutexLocker halt(&sperre_);
        speicher_.push_front({neu, groesse, geaendert, kante});
        if (speicher_.size() > Behalten)
            speicher_.pop_back();
    }
    return neu;
}

Geladen Bilddienst::Quadrat(const QString& pfad, int kante, Zuschnitt zuschnitt)
{
    Geladen geladen = Laden(pfad, kante);
    geladen.bild = daten::Quadrat(geladen.bild, kante, zuschnitt);
    return geladen;
}

void Bilddienst::Bestellen(const QString& pfad, int kante)
{
    QMutexLocker halt(&sperre_);
    Vormerken({pfad, kante > 0 ? kante : brettkante_});
}

// The request goes next to the worker, in place of one that waited; what the worker does for
// another file or a smaller size is not wanted any more. Under the lock.
void Bilddienst::Vormerken(const Auftrag& auftrag)
{
    offen_ += int(auftrag.melden) - int(wartend_ && wartend_->melden);
    wartend_ = auftrag;
    if (inArbeit_ && !Deckt(inArbeit_, auftrag))
        abbruch_ = true;
    if (!arbeitet_) {
        arbeitet_ = true;
        arbeiter_.start([this] { Arbeiten(); });
    }
}

bool Bilddienst::beschaeftigt() const
{
    QMutexLocker halt(&sperre_);
    return offen_ > 0;
}

// Takes requests until none waits. Each ordered result is reported on the service's thread,
// where the report also counts the request done; a decode given up is counted done unreported.
// What Laden asked for is only kept: its caller takes it from there.
void Bilddienst::Arbeiten()
{
    while (true) {
        QMutexLocker halt(&sperre_);
        if (!wartend_) {
            arbeitet_ = false;
            return;
        }
        const Auftrag auftrag = *std::exchange(wartend_, std::nullopt);
        inArbeit_ = auftrag;
        abbruch_ = false;
        halt.unlock();
        const std::optional<Geladen> geladen = Entschluesseln(auftrag.pfad, auftrag.kante, &abbruch_);
        halt.relock();
        inArbeit_.reset();
        fertig_.wakeAll();
        halt.unlock();
        if (!auftrag.melden)
            continue;
        QMetaObject::invokeMethod(this, [this, geladen] {
            {
                QMutexLocker halt(&sperre_);
                --offen_;
            }
            if (geladen)
                emit this->geladen(*geladen);
        }, Qt::QueuedConnection);
    }
}

} // namespace daten
