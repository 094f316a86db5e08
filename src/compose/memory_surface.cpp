#include "memory_surface.h"

#include <algorithm>

MemorySurface::MemorySurface(const QString &text)
    : m_text(text)
{}

void MemorySurface::setText(const QString &text)
{
    m_text = text;
    m_start = std::min(m_start, length());
    m_length = 0;
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
    return m_text.at(pos);
}

int MemorySurface::lineStart(int pos) const
{
    pos = std::clamp(pos, 0, length());
    if (pos == 0)
        return 0;
    const qsizetype nl = m_text.lastIndexOf(QLatin1Char('\n'), pos - 1);
    return nl < 0 ? 0 : int(nl) + 1;
}

void MemorySurface::replaceSelection(const QString &text)
{
    m_text.replace(m_start, m_length, text);
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
