#pragma once
// A table made once, on first demand, by whichever thread asks first. The others wait for it,
// and every one of them, the maker too, can give up when its stop token fires: a maker that
// gives up leaves the work to the next thread that asks. std::call_once cannot be left while
// another thread builds, and a solver that is told to stop must return at once.

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <stop_token>

namespace engine::loeser {

template <typename T>
class Vorrat {
public:
    // The table, made by bauen(halt) if nobody has made it yet (bauen returns nullptr when it
    // stopped); nullptr when the stop token fired first.
    template <typename Bauen>
    const T* Holen(std::stop_token halt, Bauen&& bauen)
    {
        if (const T* fertig = fertig_.load(std::memory_order_acquire))
            return fertig;
        std::unique_lock sperre(mutex_);
        for (;;) {
            if (wert_)
                return wert_.get();
            if (halt.stop_requested())
                return nullptr;
            if (!inArbeit_)
                break;
            bereit_.wait(sperre, halt, [this] { return wert_ || !inArbeit_; });
        }
        inArbeit_ = true;
        sperre.unlock();
        std::unique_ptr<T> neu;
        try {
            neu = bauen(halt);
        } catch (...) {  // out of memory: the next one to ask may try again
            sperre.lock();
            inArbeit_ = false;
            bereit_.notify_all();
            throw;
        }
        sperre.lock();
        inArbeit_ = false;
        if (neu) {
            wert_ = std::move(neu);
            fertig_.store(wert_.get(), std::memory_order_release);
        }
        bereit_.notify_all();
        return wert_.get();
    }

    // The table if it is made, without waiting.
    const T* Fertig() const { return fertig_.load(std::memory_order_acquire); }

private:
    std::mutex mutex_;
    std::condition_variable_any bereit_;
    bool inArbeit_ = false;
    std::unique_ptr<T> wert_;
    std::atomic<const T*> fertig_{nullptr};
};

} // namespace engine::loeser
