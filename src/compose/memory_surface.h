#pragma once

#include "text_surface.h"

#include <functional>

// A TextSurface over a plain string, for tests and benchmarks. Keys behave
// as in a plain editor; an optional hook runs after each key, standing in
// for the editor's key-up handler.
//
// The text is kept in a gap buffer: the free space sits where the last edit
// was, so a click in the middle of a long text costs no more than one at
// its end.
class MemorySurface : public TextSurface
{
public:
    explicit MemorySurface(const QString &text = QString());

    int length() const override { return int(m_buffer.size() - gapSize()); }
    int selStart() const override { return m_start; }
    int selLength() const override { return m_length; }
    QString selectedText() const override { return mid(m_start, m_length); }
    void select(int start, int length) override;
    QChar charAt(int pos) const override;
    int lineStart(int pos) const override;
    void replaceSelection(const QString &text) override;
    void sendKey(EditKey key) override;
    QString text() const override { return mid(0, length()); }

    void setText(const QString &text);
    std::function<void(EditKey)> onKeyUp;

private:
    qsizetype gapSize() const { return m_gapEnd - m_gapStart; }
    // The buffer index of text position pos.
    qsizetype index(qsizetype pos) const { return pos < m_gapStart ? pos : pos + gapSize(); }
    QString mid(qsizetype pos, qsizetype count) const;
    void moveGap(qsizetype pos);
    void reserveGap(qsizetype count);

    QString m_buffer;
    qsizetype m_gapStart = 0;
    qsizetype m_gapEnd = 0;
    int m_start = 0;
    int m_length = 0;
};
