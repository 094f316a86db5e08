#pragma once

#include <QLabel>

// A caption; the box it names takes it as its name for a screen reader.
inline QLabel *buddyLabel(const QString &text, QWidget *parent, QWidget *names = nullptr)
{
    auto *l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);
    if (names)
        l->setBuddy(names);
    return l;
}
