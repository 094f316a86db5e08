#include "panel_layout.h"

#include <algorithm>
#include <map>

namespace PanelLayout {

namespace {

constexpr int kMargin = 2;
constexpr int kGap = 2;
// An empty custom button still offers room for a word.
constexpr int kCustomWidth = 56;

} // namespace

QString itemName(const WordButtonDesc &desc, const char *suffix)
{
    if (desc.name)
        return QString::fromLatin1(desc.name);
    QString name = QStringLiteral("btn");
    bool startWord = true;
    for (QChar c : QString::fromUtf8(desc.caption)) {
        if (!c.isLetterOrNumber()) {
            // An apostrophe does not split a word ("one's" gives "Ones").
            if (c != QLatin1Char('\''))
                startWord = true;
            continue;
        }
        name += startWord ? c.toUpper() : c;
        startWord = false;
    }
    return name + QString::fromLatin1(suffix);
}

int naturalWidth(const WordButtonDesc &desc)
{
    const int chars = int(QString::fromUtf8(desc.caption).remove(QLatin1Char('&')).size());
    if (desc.shape == WordShape::Label)
        return chars * 7 + 4;
    if (desc.shape == WordShape::Custom)
        return std::max(kCustomWidth, chars * 9 + 10);
    return std::max(24, chars * 9 + 10);
}

QList<PlacedItem> layout(const WordPanelDesc &panel, int width, int height)
{
    std::map<int, QList<const WordButtonDesc *>> rows;
    for (const WordButtonDesc &desc : panel.items)
        rows[desc.row].append(&desc);
    const int rowCount = rows.empty() ? 1 : rows.rbegin()->first + 1;
    const int pitch = std::min(26, (height - kMargin) / rowCount);
    const int buttonHeight = pitch - kGap;

    QList<PlacedItem> placed;
    for (const auto &[row, items] : rows) {
        const int room = width - 2 * kMargin - kGap * int(items.size() - 1);
        int natural = 0;
        int labels = 0;
        for (const WordButtonDesc *desc : items) {
            natural += naturalWidth(*desc);
            if (desc->shape == WordShape::Label)
                labels += naturalWidth(*desc);
        }
        // Buttons take up the spare room; labels keep their size unless the
        // row is too full for them too.
        const bool squeeze = natural > room;
        const double buttonScale = squeeze ? double(room) / natural
                                           : double(room - labels) / std::max(1, natural - labels);
        int left = kMargin;
        double exact = kMargin;
        for (qsizetype i = 0; i < items.size(); ++i) {
            const WordButtonDesc *desc = items.at(i);
            const bool label = desc->shape == WordShape::Label;
            exact += naturalWidth(*desc) * (label && !squeeze ? 1.0 : buttonScale);
            // The last item ends at the margin whatever the rounding did.
            const int right = i + 1 == items.size() ? width - kMargin : int(exact + 0.5);
            PlacedItem item;
            item.desc = desc;
            if (!label)
                item.name = itemName(*desc, panel.nameSuffix);
            item.rect = QRect(left, kMargin + row * pitch, right - left, buttonHeight);
            placed.append(item);
            left = right + kGap;
            exact = left;
        }
    }
    return placed;
}

} // namespace PanelLayout
