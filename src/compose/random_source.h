#pragma once

#include <QRandomGenerator>

// A source of uniform random integers, handed to whatever draws words, so
// script mode can seed it and tests can replay a draw.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // A number in [0, bound); 0 when bound is 0 or less.
    virtual int next(int bound) = 0;
};

class SeededRandom : public RandomSource
{
public:
    explicit SeededRandom(quint32 seed)
        : m_gen(seed)
    {}
    int next(int bound) override { return bound <= 0 ? 0 : int(m_gen.bounded(quint32(bound))); }

private:
    QRandomGenerator m_gen;
};
