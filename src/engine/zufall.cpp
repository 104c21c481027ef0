#include "engine/zufall.h"

#include <chrono>

namespace engine {

MtZufall::MtZufall()
{
    std::random_device quelle;
    const auto uhr = static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
    std::seed_seq saat{quelle(), quelle(), uhr};
    gen_.seed(saat);
}

int MtZufall::Random(int m)
{
    return std::uniform_int_distribution<int>(0, m - 1)(gen_);
}

} // namespace engine
