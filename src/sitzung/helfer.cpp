#include "sitzung/helfer.h"

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
    takt_.setInterval(250);  // about four moves a second
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

void Helfer::Suchen(const Spielstand& s)
{
    const int auftrag = ++auftrag_;
    Stoppe(false);
    Starte([this, s, auftrag](std::stop_token halt) {
        const auto melden = [&](std::vector<Zug> zuege, bool bester) {
            if (halt.stop_requested())
                return;
            QMetaObject::invokeMethod(
                this, [this, auftrag, plan = Plan{s, std::move(zuege), bester}] { PlanAngekommen(auftrag, plan); },
                Qt::QueuedConnection);
        };
        melden(engine::SchnelleLoesung(s, halt), false);
        melden(engine::Loesung(s, halt), true);
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
                abspielen_.assign(plan_->zuege.begin() + std::ptrdiff_t(i), plan_->zuege.end());
                takt_.start();
                return;
            }
            engine::Ausfuehren(x, plan_->zuege[i]);
        }
    }
    loesungFuer_ = s;
    denkUhr_.start();
    Suchen(s);
}

void Helfer::Abbrechen()
{
    ++auftrag_;
    Stoppe(false);
    tippFuer_.reset();
    loesungFuer_.reset();
    abspielen_.clear();
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
    if (loesungFuer_ && plan.bester) {
        loesungFuer_.reset();
        DenkenBeenden();
        abspielen_ = plan.zuege;
        if (abspielen_.empty()) {
            Abbrechen();
            return;
        }
        takt_.start();
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
    if (abspielen_.empty()) {
        // The last move may end the game and open its dialogs: the solution is over before.
        takt_.stop();
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
