#pragma once

#include <QtGlobal>

#include <memory>
#include <random>

namespace ortix {

// The program's uniform generator Rnd: every call gives a single-precision
// value with 0 <= value < 1. One generator is shared by every random choice
// of the program; tests install a seeded one to make the draws repeatable.
class Rnd
{
public:
    virtual ~Rnd() = default;
    virtual float next() = 0;
    // Seeds the generator from the clock, as start-up does once. A generator
    // that a test installed to repeat its draws keeps its seed.
    virtual void randomize() {}
};

// The seed start-up takes from the clock.
quint32 clockSeed();

// A Mersenne twister behind Rnd. The value is a 24-bit whole number divided
// by 2^24, so it is exact in a float and can never round up to 1.
class SeededRnd : public Rnd
{
public:
    explicit SeededRnd(quint32 seed);
    float next() override;
    void randomize() override;

private:
    std::mt19937 m_engine;
};

// A generator that keeps its seed: randomize() does nothing, so the draws
// of a test repeat from run to run.
class FixedSeedRnd : public SeededRnd
{
public:
    using SeededRnd::SeededRnd;
    void randomize() override {}
};

// The generator in use. Until one is installed, a clock-seeded one is made.
Rnd &rnd();
void setRnd(std::unique_ptr<Rnd> generator);

// Int(Rnd * n): a whole number from 0 to n - 1, the product formed in
// double precision as the draws of the exercises require.
int rndBelow(int n);

} // namespace ortix
