#include "memory_surface.h"

#include <algorithm>

namespace {

constexpr qsizetype kMinGap = 64;

} // namespace

MemorySurface::MemorySurface(const QString &text)
{
    setText(text);
}

void MemorySurface::setText(const QString &text)
{
    m_buffer = text;
    m_gapStart = m_gapEnd = text.size();
    reserveGap(kMinGap);
    m_start = std::min(m_start, length());
    m_length = 0;
}

QString MemorySurface::mid(qsizetype pos, qsizetype count) const
{
    const qsizetype before = std::clamp<qsizetype>(m_gapStart - pos, 0, count);
    QString out = m_buffer.mid(pos, before);
    if (count > before)
        out += QStringView(m_buffer).mid(index(pos + before), count - before);
    return out;
}

void MemorySurface::moveGap(qsizetype pos)
{
    QChar *data = m_buffer.data();
    const qsizetype gap = gapSize();
    if (pos < m_gapStart) {
        std::move_backward(data + pos, data + m_gapStart, data + m_gapEnd);
    } else if (pos > m_gapStart) {
        std::move(data + m_gapEnd, data + pos + gap, data + m_gapStart);
    }
    m_gapStart = pos;
    m_gapEnd = pos + gap;
}

void MemorySurface::reserveGap(qsizetype count)
{
    if (gapSize() >= count)
        return;
    // Grow by half the text at least, so a run of insertions stays linear.
    const qsizetype grow = std::max({count - gapSize(), m_buffer.size() / 2, kMinGap});
    QString grown(m_buffer.size() + grow, Qt::Uninitialized);
    const qsizetype tail = m_buffer.size() - m_gapEnd;
    std::copy_n(m_buffer.constData(), m_gapStart, grown.data());
    std::copy_n(m_buffer.constData() + m_gapEnd, tail, grown.data() + grown.size() - tail);
    m_buffer = std::move(grown);
    m_gapEnd += grow;
}

void MemorySurface::select(int start, int length)
{
    m_start = std::clamp(start, 0, this->length());
    m_length = std::clamp(length, 0, this->length() - m_start);
}

QChar MemorySurface::charAt(int pos) const
{
    if (pos < 0 || pos >= length())
        return QChar();
    return m_buffer.at(index(pos));
}

int MemorySurface::lineStart(int pos) const
{
    pos = std::clamp(pos, 0, length());
    for (int i = pos - 1; i >= 0; --i) {
        // Whole segments are searched at once on either side of the gap.
        if (i >= m_gapStart) {
            const qsizetype nl = QStringView(m_buffer)
                                     .mid(m_gapEnd, i - m_gapStart + 1)
                                     .lastIndexOf(QLatin1Char('\n'));
            if (nl >= 0)
                return int(m_gapStart + nl) + 1;
            i = int(m_gapStart);
            continue;
        }
        const qsizetype nl = QStringView(m_buffer).left(i + 1).lastIndexOf(QLatin1Char('\n'));
        return nl < 0 ? 0 : int(nl) + 1;
    }
    return 0;
}

void MemorySurface::replaceSelection(const QString &text)
{
    moveGap(m_start);
    m_gapEnd += m_length; // the selection joins the gap
    reserveGap(text.size());
    std::copy(text.cbegin(), text.cend(), m_buffer.data() + m_gapStart);
    m_gapStart += text.size();
    m_start += int(text.size());
    m_length = 0;
}

void MemorySurface::sendKey(EditKey key)
{
    switch (key) {
    case EditKey::Space:
        replaceSelection(QStringLiteral(" "));
        break;
    case EditKey::Enter:
        replaceSelection(QStringLiteral("\n"));
        break;
    case EditKey::Delete:
        if (m_length == 0 && m_start < length())
            m_length = 1;
        replaceSelection(QString());
        break;
    case EditKey::Backspace:
        if (m_length == 0 && m_start > 0) {
            --m_start;
            m_length = 1;
        }
        replaceSelection(QString());
        break;
    }
    if (onKeyUp)
        onKeyUp(key);
}
