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

Zuschnitt Bilddienst::zuschnitt() const
{
    QMutexLocker halt(&sperre_);
    return zuschnitt_;
}

void Bilddienst::ZuschnittSetzen(Zuschnitt zuschnitt)
{
    QMutexLocker halt(&sperre_);
    zuschnitt_ = zuschnitt;
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

Geladen Bilddienst::Laden(const QString& pfad, int kante)
{
    QMutexLocker halt(&sperre_);
    while (inArbeit_ && inArbeit_->pfad == pfad && inArbeit_->kante >= kante)
        fertig_.wait(&sperre_);
    halt.unlock();
    return Entschluesseln(pfad, kante);
}

Geladen Bilddienst::Entschluesseln(const QString& pfad, int kante)
{
    const QFileInfo info(pfad);
    const qint64 groesse = info.size();
    const QDateTime geaendert = info.lastModified();
    {
        QMutexLocker halt(&sperre_);
        if (std::optional<Geladen> da = Gespeichert(pfad, groesse, geaendert, kante))
            return *da;
    }
    Geladen neu{pfad, Ladefehler::Keiner, {}};
    neu.fehler = LadeBild(pfad, neu.bild, kante);
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

void Bilddienst::Bestellen(const QString& pfad)
{
    QMutexLocker halt(&sperre_);
    if (!wartend_)
        ++offen_;
    wartend_ = Auftrag{pfad, brettkante_};
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

// Takes requests until none waits. Each result is reported on the service's thread, where the
// last report also counts the request done.
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
        halt.unlock();
        const Geladen geladen = Entschluesseln(auftrag.pfad, auftrag.kante);
        halt.relock();
        inArbeit_.reset();
        fertig_.wakeAll();
        halt.unlock();
        QMetaObject::invokeMethod(this, [this, geladen] {
            {
                QMutexLocker halt(&sperre_);
                --offen_;
            }
            emit this->geladen(geladen);
        }, Qt::QueuedConnection);
    }
}

} // namespace daten
