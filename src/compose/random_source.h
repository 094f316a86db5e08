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

// The row a random click takes: any of count rows, or on a repeated click any
// row but the previous one (the same row when it is the only one); -1 when
// there are none. Drawing among the other rows gives each the chance that
// drawing again until the row differs would, and cannot loop.
inline int drawIndex(int count, bool repeated, int previous, RandomSource &random)
{
    if (count <= 0)
        return -1;
    if (repeated && count >= 2 && previous >= 0 && previous < count) {
        const int row = random.next(count - 1);
        return row >= previous ? row + 1 : row;
    }
    return random.next(count);
}
