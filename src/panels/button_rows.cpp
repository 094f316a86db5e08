#include "panels/button_rows.h"

#include <algorithm>
#include <numeric>

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
