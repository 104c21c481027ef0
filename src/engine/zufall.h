#pragma once
// The one source of chance of the game. Tests put in a scripted source.

#include <random>

namespace engine {

class Zufall {
public:
    virtual ~Zufall() = default;
    virtual int Random(int m) = 0;  // uniform over 0 .. m-1
};

// Seeded once per run from the system's entropy and the clock.
class MtZufall : public Zufall {
public:
    MtZufall();
    explicit MtZufall(unsigned saat) : gen_(saat) {}
    int Random(int m) override;

private:
    std::mt19937 gen_;
};

} // namespace engine
