#include "base/Rnd.h"

#include <chrono>
#include <cmath>

namespace ortix {

namespace {
std::unique_ptr<Rnd> &installedRnd()
{
    static std::unique_ptr<Rnd> generator;
    return generator;
}
} // namespace

SeededRnd::SeededRnd(quint32 seed)
    : m_engine(seed)
{
}

float SeededRnd::next()
{
    constexpr quint32 kBits = 24;
    const quint32 whole = static_cast<quint32>(m_engine()) >> (32 - kBits);
    return static_cast<float>(whole) / static_cast<float>(1u << kBits);
}

quint32 clockSeed()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    return static_cast<quint32>(ticks ^ (ticks >> 32));
}

void SeededRnd::randomize()
{
    m_engine.seed(clockSeed());
}

Rnd &rnd()
{
    auto &generator = installedRnd();
    if (!generator) {
        generator = std::make_unique<SeededRnd>(clockSeed());
    }
    return *generator;
}

void setRnd(std::unique_ptr<Rnd> generator)
{
    installedRnd() = std::move(generator);
}

int rndBelow(int n)
{
    return static_cast<int>(std::floor(static_cast<double>(rnd().next()) * n));
}

} // namespace ortix
