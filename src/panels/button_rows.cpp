#include "panels/button_rows.h"

#include <algorithm>
#include <numeric>
#include <tuple>

QList<QList<int>> buttonRows(const QList<QRect> &rects)
{
    QList<int> order(rects.size());
    std::iota(order.begin(), order.end(), 0);
    // Top to bottom, so that each row is started by its highest button.
    std::stable_sort(order.begin(), order.end(), [&rects](int a, int b) {
        return rects[a].top() != rects[b].top() ? rects[a].top() < rects[b].top()
                                                : rects[a].left() < rects[b].left();
    });
    QList<QList<int>> rows;
    QList<QRect> spans; // the first button of each row
    for (int index : order) {
        const int middle = rects[index].center().y();
        auto row = std::find_if(spans.begin(), spans.end(), [middle](const QRect &span) {
            return middle >= span.top() && middle <= span.bottom();
        });
        if (row == spans.end()) {
            spans.append(rects[index]);
            rows.append(QList<int>{index});
        } else {
            rows[row - spans.begin()].append(index);
        }
    }
    for (QList<int> &row : rows)
        std::stable_sort(row.begin(), row.end(),
                         [&rects](int a, int b) { return rects[a].left() < rects[b].left(); });
    return rows;
}

namespace {

// How far apart two spans of one axis lie; 0 when they overlap.
int spanGap(int aLow, int aHigh, int bLow, int bHigh)
{
    return std::max({0, bLow - aHigh, aLow - bHigh});
}

} // namespace

int nearestInDirection(const QList<QRect> &rects, int from, StepDirection direction)
{
    if (from < 0 || from >= rects.size())
        return -1;
    const QRect f = rects[from];
    const bool across = direction == StepDirection::Left || direction == StepDirection::Right;
    int best = -1;
    std::tuple<bool, int, int> bestScore;
    for (int i = 0; i < rects.size(); ++i) {
        const QRect c = rects[i];
        // Beyond: the near edge past the start's middle and the middle past
        // its far edge, so a button of the next row that overlaps the start
        // is not "to the right" of it.
        bool beyond = false;
        int ahead = 0; // the gap along the direction
        switch (direction) {
        case StepDirection::Right:
            beyond = c.left() > f.center().x() && c.center().x() > f.right();
            ahead = c.left() - f.right();
            break;
        case StepDirection::Left:
            beyond = c.right() < f.center().x() && c.center().x() < f.left();
            ahead = f.left() - c.right();
            break;
        case StepDirection::Down:
            beyond = c.top() > f.center().y() && c.center().y() > f.bottom();
            ahead = c.top() - f.bottom();
            break;
        case StepDirection::Up:
            beyond = c.bottom() < f.center().y() && c.center().y() < f.top();
            ahead = f.top() - c.bottom();
            break;
        }
        if (i == from || !beyond)
            continue;
        const int aside = across ? spanGap(f.top(), f.bottom(), c.top(), c.bottom())
                                 : spanGap(f.left(), f.right(), c.left(), c.right());
        // How far the start's middle line passes from the candidate.
        const int offCentre = across ? spanGap(f.center().y(), f.center().y(), c.top(), c.bottom())
                                     : spanGap(f.center().x(), f.center().x(), c.left(), c.right());
        const std::tuple<bool, int, int> score{aside > 0, std::max(0, ahead) + aside, offCentre};
        if (best < 0 || score < bestScore) {
            best = i;
            bestScore = score;
        }
    }
    return best;
}
