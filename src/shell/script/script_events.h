// Mouse and key input for script mode, delivered to a widget the way the
// window system's input reaches it: the same event handlers run, a press
// gives the focus as a click would, and a key press meets the shortcuts
// first.
#pragma once

#include <QPoint>
#include <QString>
#include <Qt>

class QWidget;

namespace ScriptEvents {

void mousePress(QWidget *widget, Qt::MouseButton button, QPoint pos);
void mouseRelease(QWidget *widget, Qt::MouseButton button, QPoint pos);
// The second press of a double click, as the window system reports it.
void mouseDoubleClick(QWidget *widget, Qt::MouseButton button, QPoint pos);
void mouseClick(QWidget *widget, Qt::MouseButton button, QPoint pos);

void keyClick(QWidget *widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// A key held down (press) or let go (release) on its own.
void keyPress(QWidget *widget, Qt::Key key, Qt::KeyboardModifiers modifiers);
void keyRelease(QWidget *widget, Qt::Key key, Qt::KeyboardModifiers modifiers);
// One press and release per character, carrying the character as the
// event's text; a line break is Return and a tab is Tab.
void keyClicks(QWidget *widget, const QString &text);

} // namespace ScriptEvents
