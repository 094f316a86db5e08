#include "prefs_box_rules.h"

#include <algorithm>
#include <limits>

int PrefsBoxRules::value(const QString &text)
{
    // Digits only, but a long run must not wrap round to a small number.
    bool ok = false;
    const qlonglong v = text.toLongLong(&ok);
    if (!ok)
        return text.isEmpty() ? 0 : std::numeric_limits<int>::max();
    return int(std::min<qlonglong>(v, std::numeric_limits<int>::max()));
}

QString PrefsBoxRules::spin(const QString &text, int step, Range range, bool fontSize)
{
    int v = value(text);
    if (fontSize && text.isEmpty() && step > 0)
        v = 3;
    const qlonglong next = qlonglong(v) + step;
    return QString::number(std::clamp<qlonglong>(next, range.low, range.high));
}

int PrefsBoxRules::fontSizeChanged(const QString &text, QString *writeBack)
{
    writeBack->clear();
    if (text.isEmpty())
        return FontSize.low;
    int v = value(text);
    if (v > FontSize.high) {
        v = FontSize.high;
        *writeBack = QString::number(v);
    }
    return std::max(v, FontSize.low);
}

QString PrefsBoxRules::columnWidthAtOk(const QString &text)
{
    if (text.isEmpty())
        return QStringLiteral("80");
    return QString::number(std::clamp(value(text), ColumnWidth.low, ColumnWidth.high));
}

QString PrefsBoxRules::rightMarginAtOk(const QString &text)
{
    if (text.isEmpty())
        return QStringLiteral("1");
    return QString::number(std::clamp(value(text), RightMargin.low, RightMargin.high));
}
