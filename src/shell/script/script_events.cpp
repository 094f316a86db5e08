#include "script_events.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace ScriptEvents {

namespace {

// What the application does for a real press: the first widget from the
// one clicked up to its window that takes the focus on a click gets it,
// unless the search meets the widget that already has it.
void giveClickFocus(QWidget *widget, QPoint pos)
{
    for (QWidget *w = widget; w; w = w->parentWidget()) {
        QWidget *proxy = w;
        while (proxy->focusProxy())
            proxy = proxy->focusProxy();
        const bool takesClick = (w->focusPolicy() & Qt::ClickFocus) == Qt::ClickFocus &&
                                (proxy->focusPolicy() & Qt::ClickFocus) == Qt::ClickFocus;
        if (w->isEnabled() && w->rect().contains(pos) && takesClick) {
            w->setFocus(Qt::MouseFocusReason);
            return;
        }
        if (w->isWindow() || proxy->hasFocus())
            return;
        pos += w->pos();
    }
}

void sendMouse(QWidget *widget, QEvent::Type type, Qt::MouseButton button, QPoint pos)
{
    if (type != QEvent::MouseButtonRelease)
        giveClickFocus(widget, pos);
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// The text a key produces on a keyboard: none for keys that do not type.
QString keyText(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QStringLiteral("\r");
    case Qt::Key_Tab:
        return QStringLiteral("\t");
    case Qt::Key_Backspace:
        return QStringLiteral("\b");
    case Qt::Key_Escape:
        return QStringLiteral("\x1b");
    default:
        break;
    }
    if (key < Qt::Key_Space || key > Qt::Key_AsciiTilde)
        return {};
    const QChar c{char16_t(key)};
    return modifiers & Qt::ShiftModifier ? QString(c) : QString(c.toLower());
}

// A non-spontaneous key press is offered to the shortcuts by the
// application before it reaches the widget, as a typed one is.
void sendKey(QWidget *widget, Qt::Key key, Qt::KeyboardModifiers modifiers, const QString &text)
{
    QPointer<QWidget> target(widget);
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(widget, &press);
    if (!target)
        return;
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(widget, &release);
}

} // namespace

void mousePress(QWidget *widget, Qt::MouseButton button, QPoint pos)
{
    sendMouse(widget, QEvent::MouseButtonPress, button, pos);
}

void mouseRelease(QWidget *widget, Qt::MouseButton button, QPoint pos)
{
    sendMouse(widget, QEvent::MouseButtonRelease, button, pos);
}

void mouseDoubleClick(QWidget *widget, Qt::MouseButton button, QPoint pos)
{
    sendMouse(widget, QEvent::MouseButtonDblClick, button, pos);
}

void mouseClick(QWidget *widget, Qt::MouseButton button, QPoint pos)
{
    QPointer<QWidget> target(widget);
    mousePress(widget, button, pos);
    if (target)
        mouseRelease(widget, button, pos);
}

void keyPress(QWidget *widget, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, keyText(key, modifiers));
    QApplication::sendEvent(widget, &press);
}

void keyRelease(QWidget *widget, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, keyText(key, modifiers));
    QApplication::sendEvent(widget, &release);
}

void keyClick(QWidget *widget, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    sendKey(widget, key, modifiers, keyText(key, modifiers));
}

void keyClicks(QWidget *widget, const QString &text)
{
    QPointer<QWidget> target(widget);
    for (qsizetype i = 0; i < text.size() && target; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\n')) {
            keyClick(widget, Qt::Key_Return);
            continue;
        }
        if (c == QLatin1Char('\t')) {
            keyClick(widget, Qt::Key_Tab);
            continue;
        }
        // A character outside the basic plane comes as one key with both
        // halves of its pair.
        QString typed(c);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            typed += text.at(++i);
        // Keys are named by the capital of the letter they type.
        const Qt::Key key = typed.size() == 1 ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown;
        sendKey(widget, key, Qt::NoModifier, typed);
    }
}

} // namespace ScriptEvents
