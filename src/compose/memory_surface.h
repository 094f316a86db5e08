#pragma once

#include "text_surface.h"

#include <functional>

// A TextSurface over a plain string, for tests and benchmarks. Keys behave
// as in a plain editor; an optional hook runs after each key, standing in
// for the editor's key-up handler.
class MemorySurface : public TextSurface
{
public:
    explicit MemorySurface(const QString &text = QString());

    int length() const override { return int(m_text.size()); }
    int selStart() const override { return m_start; }
    int selLength() const override { return m_length; }
    QString selectedText() const override { return m_text.mid(m_start, m_length); }
    void select(int start, int length) override;
    QChar charAt(int pos) const override;
    int lineStart(int pos) const override;
    void replaceSelection(const QString &text) override;
    void sendKey(EditKey key) override;
    QString text() const override { return m_text; }

    void setText(const QString &text);
    std::function<void(EditKey)> onKeyUp;

private:
    QString m_text;
    int m_start = 0;
    int m_length = 0;
};
