#include "sitzung/helfer.h"

#include <algorithm>

#include "engine/loeser.h"

namespace sitzung {

using engine::Spielstand;
using engine::Zug;

namespace {

bool GleicheStellung(const Spielstand& a, const Spielstand& b)
{
    return a.variante == b.variante && a.Groesse == b.Groesse && a.Spielfeld == b.Spielfeld
        && (a.variante != engine::Variante::Schieben || a.FreiesFeld == b.FreiesFeld);
}

} // namespace

Helfer::Helfer(QObject* eltern) : QObject(eltern)
{
    takt_.setInterval(intervall_);  // four moves a second
    connect(&takt_, &QTimer::timeout, this, &Helfer::Weiter);
    denkUhr_.setSingleShot(true);
    denkUhr_.setInterval(200);
    connect(&denkUhr_, &QTimer::timeout, this, [this] {
        denkt_ = true;
        emit denkt(true);
    });
}

Helfer::~Helfer()
{
    // The solver looks at its stop token often, so this waits only for a table being built.
    for (Faden& f : faeden_)
        f.faden.request_stop();
    faeden_.clear();
}

// Threads that have ended are joined when the next one starts; one still stopping is left to end.
void Helfer::Starte(std::function<void(std::stop_token)> arbeit, bool tabellen)
{
    std::erase_if(faeden_, [](const Faden& f) { return f.fertig->load(); });
    auto fertig = std::make_shared<std::atomic<bool>>(false);
    faeden_.push_back({fertig, tabellen, std::jthread([arbeit = std::move(arbeit), fertig](std::stop_token halt) {
                           arbeit(halt);
                           fertig->store(true);
                       })});
}

// Searches are stopped by every change; a table, which takes seconds and serves every search of
// the game, only by the next game. A search that needs it waits for it.
void Helfer::Stoppe(bool tabellen)
{
    for (Faden& f : faeden_)
        if (f.tabellen == tabellen)
            f.faden.request_stop();
}

void Helfer::Vorbereiten(const Spielstand& s)
{
    Abbrechen();
    Stoppe(true);
    plan_.reset();
    Starte([s](std::stop_token halt) { engine::LoeserVorbereiten(s, halt); }, true);
}

void Helfer::TempoSetzen(int zuegeProSekunde)
{
    intervall_ = 1000 / std::clamp(zuegeProSekunde, 1, 1000);
    if (takt_.isActive())
        takt_.start(intervall_);
    else
        takt_.setInterval(intervall_);
}

void Helfer::Melden(int auftrag, Plan plan, std::stop_token halt)
{
    if (halt.stop_requested())
        return;
    QMetaObject::invokeMethod(
        this, [this, auftrag, plan = std::move(plan)] { PlanAngekommen(auftrag, plan); }, Qt::QueuedConnection);
}

void Helfer::Suchen(const Spielstand& s)
{
    const int auftrag = ++auftrag_;
    Stoppe(false);
    Starte([this, s, auftrag](std::stop_token halt) {
        Melden(auftrag, Plan{s, engine::SchnelleLoesung(s, halt)}, halt);
        Melden(auftrag, Plan{s, engine::Loesung(s, halt), true}, halt);
    });
}

// Where the best way is not found at once, the quick way's first moves are played for about two
// seconds, time enough for the best search from the board they reach (under a second for every
// kind); the two together replace the quick way when they are shorter and still ahead.
void Helfer::LoesungSuchen(const Spielstand& s)
{
    const int auftrag = ++auftrag_;
    const std::size_t vorlauf = std::size_t(2000 / intervall_ + 1);
    Stoppe(false);
    Starte([this, s, auftrag, vorlauf](std::stop_token halt) {
        engine::Loesungsbeginn beginn = engine::LoesungBeginnen(s, halt);
        Melden(auftrag, Plan{s, beginn.zuege, beginn.bester, true}, halt);
        if (beginn.bester || beginn.zuege.size() <= vorlauf)
            return;
        Spielstand weiter = s;
        for (std::size_t i = 0; i < vorlauf; ++i)
            engine::Ausfuehren(weiter, beginn.zuege[i]);
        const std::vector<Zug> rest = engine::Loesung(weiter, halt);
        if (rest.empty() || vorlauf + rest.size() >= beginn.zuege.size())
            return;
        beginn.zuege.resize(vorlauf);
        beginn.zuege.insert(beginn.zuege.end(), rest.begin(), rest.end());
        Melden(auftrag, Plan{s, std::move(beginn.zuege), true, false, vorlauf}, halt);
    });
}

void Helfer::TippAnfordern(const Spielstand& s)
{
    if (const auto zug = NaechsterZug(s)) {
        emit tipp(*zug);
        return;
    }
    tippFuer_ = s;
    Suchen(s);
}

void Helfer::LoesungAnfordern(const Spielstand& s)
{
    if (loesen_)
        return;
    loesen_ = true;
    if (plan_ && plan_->bester) {
        Spielstand x = plan_->start;
        for (std::size_t i = 0; i < plan_->zuege.size(); ++i) {
            if (GleicheStellung(x, s)) {
                Abspielen(s, {plan_->zuege.begin() + std::ptrdiff_t(i), plan_->zuege.end()});
                return;
            }
            engine::Ausfuehren(x, plan_->zuege[i]);
        }
    }
    loesungFuer_ = s;
    denkUhr_.start();
    LoesungSuchen(s);
}

// The first move at once, the others a beat apart.
void Helfer::Abspielen(const Spielstand& start, std::vector<Zug> zuege)
{
    abspielStart_ = start;
    gespielt_ = 0;
    abspielen_ = std::move(zuege);
    takt_.start(0);
}

void Helfer::Abbrechen()
{
    ++auftrag_;
    Stoppe(false);
    tippFuer_.reset();
    loesungFuer_.reset();
    abspielen_.clear();
    abspielStart_.reset();
    takt_.stop();
    DenkenBeenden();
    if (std::exchange(loesen_, false))
        emit loesungBeendet();
}

void Helfer::PlanAngekommen(int auftrag, Plan plan)
{
    if (auftrag != auftrag_)
        return;
    // A best plan gives way to a fast one only when the board has left it.
    if (!plan_ || !plan_->bester || plan.bester || !ZugAus(*plan_, plan.start))
        plan_ = plan;
    if (tippFuer_) {
        if (const auto zug = NaechsterZug(*tippFuer_)) {
            tippFuer_.reset();
            emit tipp(*zug);
        }
    }
    if (loesungFuer_ && plan.spielbar) {
        loesungFuer_.reset();
        DenkenBeenden();
        if (plan.zuege.empty()) {
            Abbrechen();
            return;
        }
        Abspielen(plan.start, plan.zuege);
    } else if (plan.vorlauf > 0 && abspielStart_ && gespielt_ <= plan.vorlauf
               && GleicheStellung(*abspielStart_, plan.start)) {
        // Still on the quick way's first moves, which the better way shares: it takes over.
        abspielen_.assign(plan.zuege.begin() + std::ptrdiff_t(gespielt_), plan.zuege.end());
    }
}

std::optional<Zug> Helfer::ZugAus(const Plan& plan, const Spielstand& s)
{
    Spielstand x = plan.start;
    for (const Zug& zug : plan.zuege) {
        if (GleicheStellung(x, s))
            return zug;
        engine::Ausfuehren(x, zug);
    }
    return std::nullopt;
}

std::optional<Zug> Helfer::NaechsterZug(const Spielstand& s) const
{
    return plan_ ? ZugAus(*plan_, s) : std::nullopt;
}

void Helfer::Weiter()
{
    if (abspielen_.empty()) {
        Abbrechen();
        return;
    }
    const Zug zug = abspielen_.front();
    abspielen_.erase(abspielen_.begin());
    ++gespielt_;
    takt_.setInterval(intervall_);
    if (abspielen_.empty()) {
        // The last move may end the game and open its dialogs: the solution is over before.
        takt_.stop();
        abspielStart_.reset();
        loesen_ = false;
        emit loesungBeendet();
    }
    emit zugFaellig(zug);
}

void Helfer::DenkenBeenden()
{
    denkUhr_.stop();
    if (std::exchange(denkt_, false))
        emit denkt(false);
}

} // namespace sitzung
