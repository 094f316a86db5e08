#include "script_runner.h"

#include "controls/color_button.h"
#include "panels/ui/board.h"
#include "script_events.h"
#include "scripted_dialogs.h"
#include "shell/ui/document.h"
#include "controls/document_editor.h"
#include "shell/ui/main_form.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <cstdio>

namespace {

// Commands with the number of words they take: -1 a TEXT to the end of the
// line (which may be empty), -2 one or two words.
struct CommandForm
{
    const char *name;
    int args;
};

constexpr CommandForm kCommands[] = {
    {"click", 1},    {"dblclick", 1}, {"rclick", 1},  {"key", -2}, {"type", -1}, {"caret", 1},
    {"clickend", 0}, {"select", 2},   {"choose", -3}, {"pick", 2}, {"set", -3},  {"word", -1},
    {"answer", -1},  {"open", -1},    {"save", -1},   {"show", 1}, {"print", 0}, {"state", 0},
    {"expect", -1},  {"shot", -1},    {"quit", 0},    {"wait", 1},
};

const CommandForm *findForm(const QString &name)
{
    for (const CommandForm &form : kCommands)
        if (name == QLatin1String(form.name))
            return &form;
    return nullptr;
}

bool isNumber(const QString &s)
{
    bool ok = false;
    s.toInt(&ok);
    return ok;
}

void writeErr(const QString &text)
{
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

void settle()
{
    QApplication::processEvents();
}

} // namespace

ScriptRunner::ScriptRunner(TMainForm *window, ScriptedDialogs *dialogs, QString fileName)
    : m_window(window)
    , m_dialogs(dialogs)
    , m_fileName(std::move(fileName))
{}

QString ScriptRunner::unescape(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\\') || i + 1 >= text.size()) {
            out += c;
            continue;
        }
        const QChar n = text.at(++i);
        if (n == QLatin1Char('n'))
            out += QLatin1Char('\n');
        else if (n == QLatin1Char('t'))
            out += QLatin1Char('\t');
        else if (n == QLatin1Char('s'))
            out += QLatin1Char(' ');
        else if (n == QLatin1Char('\\'))
            out += QLatin1Char('\\');
        else
            out += c, out += n;
    }
    return out;
}

bool ScriptRunner::fail(int line, const QString &reason)
{
    writeErr(QStringLiteral("%1:%2: %3").arg(m_fileName).arg(line).arg(reason));
    return false;
}

void ScriptRunner::out(const QString &line)
{
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

bool ScriptRunner::parse(const QStringList &lines, QList<Command> *commands)
{
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype space = line.indexOf(QLatin1Char(' '));
        Command command{i + 1, space < 0 ? line : line.left(space),
                        space < 0 ? QString() : line.mid(space + 1)};
        const CommandForm *form = findForm(command.name);
        if (!form)
            return fail(command.line, QStringLiteral("unknown command \"%1\"").arg(command.name));
        const QStringList words = command.rest.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        bool ok = true;
        switch (form->args) {
        case 0:
            ok = words.isEmpty();
            break;
        case 1:
            ok = words.size() == 1;
            break;
        case 2:
            ok = words.size() == 2;
            break;
        case -2:
            ok = words.size() == 1 || (words.size() == 2 && isNumber(words.at(1)));
            break;
        case -3:
            ok = !words.isEmpty();
            break;
        default:
            break;
        }
        if (ok &&
            (command.name == QLatin1String("caret") || command.name == QLatin1String("select") ||
             command.name == QLatin1String("pick") || command.name == QLatin1String("wait")))
            ok = std::all_of(words.begin() + (command.name == QLatin1String("pick") ? 1 : 0),
                             words.end(), isNumber);
        if (ok && (command.name == QLatin1String("open") || command.name == QLatin1String("save") ||
                   command.name == QLatin1String("shot")))
            ok = !command.rest.isEmpty();
        if (!ok)
            return fail(command.line, QStringLiteral("bad arguments for \"%1\"").arg(command.name));
        commands->append(command);
    }
    return true;
}

ScriptRunner::Status ScriptRunner::run(const QStringList &lines)
{
    QList<Command> commands;
    if (!parse(lines, &commands))
        return Unrunnable;
    settle();
    for (const Command &command : commands) {
        if (!execute(command))
            return Unrunnable;
        settle();
        if (m_quit)
            break;
    }
    return m_expectFailed ? ExpectFailed : Ok;
}

QObject *ScriptRunner::control(const Command &command, const QString &name)
{
    QObject *object = m_window->findChild<QObject *>(name);
    if (!object && m_window->objectName() == name)
        object = m_window;
    if (!object) {
        // It may be on a panel not built yet.
        m_window->board()->buildPending();
        object = m_window->findChild<QObject *>(name);
    }
    if (!object)
        fail(command.line, QStringLiteral("unknown control \"%1\"").arg(name));
    return object;
}

QWidget *ScriptRunner::visibleWidget(const Command &command, const QString &name,
                                     bool mustBeVisible)
{
    QObject *object = control(command, name);
    if (!object)
        return nullptr;
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget) {
        fail(command.line, QStringLiteral("\"%1\" is not a widget").arg(name));
        return nullptr;
    }
    if (mustBeVisible && !widget->isVisible()) {
        fail(command.line, QStringLiteral("\"%1\" is not visible").arg(name));
        return nullptr;
    }
    return widget;
}

bool ScriptRunner::execute(const Command &command)
{
    const QString &name = command.name;
    const QStringList words = command.rest.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    CompositionState &state = m_window->composition().state;
    Q_UNUSED(state);

    if (name == QLatin1String("click"))
        return clickControl(command, false, false);
    if (name == QLatin1String("dblclick"))
        return clickControl(command, false, true);
    if (name == QLatin1String("rclick"))
        return clickControl(command, true, false);
    if (name == QLatin1String("key"))
        return pressKey(command);
    if (name == QLatin1String("type"))
        return typeText(unescape(command.rest));
    if (name == QLatin1String("caret"))
        return placeCaret(command);
    if (name == QLatin1String("clickend"))
        return clickEnd();
    if (name == QLatin1String("select"))
        return selectRange(command);
    if (name == QLatin1String("choose"))
        return chooseItem(command);
    if (name == QLatin1String("pick"))
        return pickRow(command);
    if (name == QLatin1String("set"))
        return setText(command);
    if (name == QLatin1String("word")) {
        const QString word = unescape(command.rest);
        m_window->engine().panelWords().fixedWordClick(word, word);
        return true;
    }
    if (name == QLatin1String("answer")) {
        if (command.rest.isEmpty())
            m_dialogs->queueCancel();
        else
            m_dialogs->queueAnswer(unescape(command.rest));
        return true;
    }
    if (name == QLatin1String("open")) {
        m_window->document()->OpenDocument(unescape(command.rest));
        return true;
    }
    if (name == QLatin1String("save")) {
        Document *doc = m_window->document();
        const QString path = unescape(command.rest);
        if (doc->saveTo(path)) {
            doc->SetFileName(path);
            m_window->editor()->document()->setModified(false);
        }
        return true;
    }
    if (name == QLatin1String("show"))
        return showControl(command);
    if (name == QLatin1String("print")) {
        out(ScriptedDialogs::escape(documentText()));
        return true;
    }
    if (name == QLatin1String("state")) {
        out(stateLine());
        return true;
    }
    if (name == QLatin1String("expect")) {
        const QString expected = unescape(command.rest);
        const QString actual = documentText();
        if (expected != actual) {
            m_expectFailed = true;
            writeErr(QStringLiteral("%1:%2: expected \"%3\" but the text is \"%4\"")
                         .arg(m_fileName)
                         .arg(command.line)
                         .arg(ScriptedDialogs::escape(expected), ScriptedDialogs::escape(actual)));
        }
        return true;
    }
    if (name == QLatin1String("shot")) {
        const QString path = unescape(command.rest);
        if (!m_window->grab().save(path))
            return fail(command.line, QStringLiteral("cannot write picture %1").arg(path));
        return true;
    }
    if (name == QLatin1String("wait")) {
        // Timers fire and events arrive as they would while a person
        // waits.
        QEventLoop loop;
        QTimer::singleShot(std::max(0, command.rest.trimmed().toInt()), &loop, &QEventLoop::quit);
        loop.exec();
        settle();
        return true;
    }
    if (name == QLatin1String("quit")) {
        m_window->close();
        settle();
        m_quit = !m_window->isVisible();
        return true;
    }
    return fail(command.line, QStringLiteral("unknown command \"%1\"").arg(name));
}

bool ScriptRunner::clickControl(const Command &command, bool right, bool twice)
{
    const QString target = command.rest.trimmed();
    QObject *object = control(command, target);
    if (!object)
        return false;
    if (auto *action = qobject_cast<QAction *>(object)) {
        if (right)
            return fail(command.line, QStringLiteral("\"%1\" is a menu item").arg(target));
        // A disabled action ignores the click, as its menu item would.
        if (action->isEnabled())
            action->trigger();
        return true;
    }
    // A tab page is clicked on its tab, as a person brings it to the front.
    if (auto *page = qobject_cast<QWidget *>(object); page && page->parentWidget()) {
        auto *tabs = qobject_cast<QTabWidget *>(page->parentWidget()->parentWidget());
        if (tabs && tabs->indexOf(page) >= 0 && !right) {
            if (!tabs->isVisible())
                return fail(command.line, QStringLiteral("\"%1\" is not visible").arg(target));
            QTabBar *bar = tabs->tabBar();
            ScriptEvents::mouseClick(bar, Qt::LeftButton,
                                     bar->tabRect(tabs->indexOf(page)).center());
            return true;
        }
    }
    QWidget *widget = visibleWidget(command, target, true);
    if (!widget)
        return false;
    const QPoint centre = widget->rect().center();
    if (twice) {
        // What a window system delivers for a double click: a click, then
        // the second press as a double-click event, then its release.
        ScriptEvents::mouseClick(widget, Qt::LeftButton, centre);
        ScriptEvents::mouseDoubleClick(widget, Qt::LeftButton, centre);
        ScriptEvents::mouseRelease(widget, Qt::LeftButton, centre);
    } else
        ScriptEvents::mouseClick(widget, right ? Qt::RightButton : Qt::LeftButton, centre);
    return true;
}

bool ScriptRunner::pressKey(const Command &command)
{
    const QStringList words = command.rest.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const int count = words.size() > 1 ? words.at(1).toInt() : 1;
    QString keyName = words.at(0);
    if (keyName == QLatin1String("Enter"))
        keyName = QStringLiteral("Return");
    const QKeySequence sequence = QKeySequence::fromString(keyName);
    if (sequence.isEmpty() || sequence[0].key() == Qt::Key_unknown)
        return fail(command.line, QStringLiteral("unknown key \"%1\"").arg(words.at(0)));
    const QKeyCombination combo = sequence[0];
    for (int i = 0; i < count; ++i) {
        QWidget *target = QApplication::focusWidget();
        if (!target)
            target = m_window->editor();
        ScriptEvents::keyClick(target, combo.key(), combo.keyboardModifiers());
        settle();
    }
    return true;
}

bool ScriptRunner::typeText(const QString &text)
{
    DocumentEditor *editor = m_window->editor();
    editor->setFocus();
    // Line breaks go in as Return and tabs as Tab; a character outside the
    // basic plane stays one key.
    ScriptEvents::keyClicks(editor, text);
    return true;
}

namespace {

// A point of the viewport where a click puts the caret at pos: where the
// caret is drawn, a pixel beside it where the layout rounds the other way,
// or, at a soft line wrap, the end of the line before.
QPoint pointOfPosition(DocumentEditor *editor, int pos)
{
    QTextCursor cursor(editor->document());
    pos = std::clamp(pos, 0, editor->document()->characterCount() - 1);
    cursor.setPosition(pos);
    const QRect rect = editor->cursorRect(cursor);
    QList<QPoint> candidates;
    for (int dx : {0, 1, -1, 2, -2})
        candidates << QPoint(rect.left() + dx, rect.center().y());
    if (pos > 0) {
        cursor.setPosition(pos - 1);
        const QRect before = editor->cursorRect(cursor);
        if (before.center().y() != rect.center().y())
            candidates << QPoint(editor->viewport()->width() - 2, before.center().y());
    }
    for (const QPoint &point : candidates)
        if (editor->positionAt(point) == pos)
            return point;
    return candidates.front();
}

void sendMouse(QWidget *target, QEvent::Type type, const QPoint &point, Qt::MouseButton button,
               Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(point), QPointF(target->mapToGlobal(point)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

} // namespace

bool ScriptRunner::placeCaret(const Command &command)
{
    DocumentEditor *editor = m_window->editor();
    const int pos = command.rest.trimmed().toInt();
    const int length = editor->document()->characterCount() - 1;
    if (pos < 0 || pos > length)
        return fail(command.line, QStringLiteral("position %1 is outside the text").arg(pos));
    QTextCursor cursor(editor->document());
    cursor.setPosition(pos);
    editor->ensureCursorVisible();
    editor->setTextCursor(cursor);
    editor->ensureCursorVisible();
    const QPoint point = pointOfPosition(editor, pos);
    QWidget *viewport = editor->viewport();
    // A click in the editor gives it the keyboard focus.
    editor->setFocus(Qt::MouseFocusReason);
    const int revision = editor->document()->revision();
    sendMouse(viewport, QEvent::MouseButtonPress, point, Qt::LeftButton, Qt::LeftButton);
    if (editor->textCursor().position() != pos && editor->document()->revision() == revision) {
        // Where no point of the layout gives the position, the caret still
        // goes where the script says before the release runs the handlers'
        // second half. A click that changed the text (a GRAB copy) left the
        // caret where the handlers put it.
        QTextCursor exact(editor->document());
        exact.setPosition(pos);
        editor->setTextCursor(exact);
    }
    sendMouse(viewport, QEvent::MouseButtonRelease, point, Qt::LeftButton, Qt::NoButton);
    return true;
}

bool ScriptRunner::clickEnd()
{
    DocumentEditor *editor = m_window->editor();
    QWidget *viewport = editor->viewport();
    const QTextBlock last = editor->document()->lastBlock();
    QTextCursor cursor(editor->document());
    cursor.movePosition(QTextCursor::End);
    editor->setTextCursor(cursor);
    editor->ensureCursorVisible();
    const QRect endRect = editor->cursorRect(cursor);
    Q_UNUSED(last);
    const int y = std::min(endRect.bottom() + 40, viewport->height() - 2);
    const QPoint point(20, std::max(y, endRect.bottom() + 1));
    editor->setFocus(Qt::MouseFocusReason);
    sendMouse(viewport, QEvent::MouseButtonPress, point, Qt::LeftButton, Qt::LeftButton);
    sendMouse(viewport, QEvent::MouseButtonRelease, point, Qt::LeftButton, Qt::NoButton);
    return true;
}

bool ScriptRunner::selectRange(const Command &command)
{
    const QStringList words = command.rest.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    DocumentEditor *editor = m_window->editor();
    const int start = words.at(0).toInt();
    const int length = words.at(1).toInt();
    const int total = editor->document()->characterCount() - 1;
    if (start < 0 || length < 0 || start + length > total)
        return fail(command.line, QStringLiteral("selection outside the text"));
    QWidget *viewport = editor->viewport();
    editor->setFocus(Qt::MouseFocusReason);
    // A press inside a selection would start dragging it; a person first
    // clicks the old selection away.
    if (editor->textCursor().hasSelection()) {
        QTextCursor plain(editor->document());
        plain.setPosition(start);
        editor->setTextCursor(plain);
    }
    const QPoint from = pointOfPosition(editor, start);
    const QPoint to = pointOfPosition(editor, start + length);
    sendMouse(viewport, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    sendMouse(viewport, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    QTextCursor cursor = editor->textCursor();
    if (cursor.selectionStart() != start || cursor.selectionEnd() != start + length) {
        cursor.setPosition(start);
        cursor.setPosition(start + length, QTextCursor::KeepAnchor);
        editor->setTextCursor(cursor);
    }
    sendMouse(viewport, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    return true;
}

bool ScriptRunner::chooseItem(const Command &command)
{
    const qsizetype space = command.rest.indexOf(QLatin1Char(' '));
    const QString target = command.rest.left(space);
    const QString text = space < 0 ? QString() : unescape(command.rest.mid(space + 1));
    QWidget *widget = visibleWidget(command, target, true);
    if (!widget)
        return false;
    auto *combo = qobject_cast<QComboBox *>(widget);
    if (!combo)
        return fail(command.line, QStringLiteral("\"%1\" is not a combo box").arg(target));
    const int index = combo->findText(text);
    if (index < 0)
        return fail(command.line, QStringLiteral("\"%1\" has no item \"%2\"").arg(target, text));
    if (!combo->isEnabled())
        return true;
    combo->setCurrentIndex(index);
    Q_EMIT combo->activated(index);
    Q_EMIT combo->textActivated(combo->itemText(index));
    return true;
}

bool ScriptRunner::pickRow(const Command &command)
{
    const QStringList words = command.rest.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QWidget *widget = visibleWidget(command, words.at(0), true);
    if (!widget)
        return false;
    auto *list = qobject_cast<QListWidget *>(widget);
    if (!list)
        return fail(command.line, QStringLiteral("\"%1\" is not a list box").arg(words.at(0)));
    const int row = words.at(1).toInt();
    if (row < 0 || row >= list->count())
        return fail(command.line, QStringLiteral("\"%1\" has no row %2").arg(words.at(0)).arg(row));
    QListWidgetItem *item = list->item(row);
    list->scrollToItem(item);
    const QPoint point = list->visualItemRect(item).center();
    ScriptEvents::mouseClick(list->viewport(), Qt::LeftButton, point);
    return true;
}

bool ScriptRunner::setText(const Command &command)
{
    const qsizetype space = command.rest.indexOf(QLatin1Char(' '));
    const QString target = command.rest.left(space);
    const QString text = space < 0 ? QString() : unescape(command.rest.mid(space + 1));
    QObject *object = control(command, target);
    if (!object)
        return false;
    QLineEdit *edit = qobject_cast<QLineEdit *>(object);
    if (auto *spin = qobject_cast<QAbstractSpinBox *>(object))
        edit = spin->findChild<QLineEdit *>();
    if (!edit)
        return fail(command.line, QStringLiteral("\"%1\" is not an edit field").arg(target));
    if (text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')))
        return fail(command.line,
                    QStringLiteral("\"%1\" holds one line; the text has a line break").arg(target));
    edit->setFocus();
    edit->selectAll();
    if (!edit->text().isEmpty())
        ScriptEvents::keyClick(edit, Qt::Key_Delete);
    ScriptEvents::keyClicks(edit, text);
    return true;
}

bool ScriptRunner::showControl(const Command &command)
{
    const QString target = command.rest.trimmed();
    QObject *object = control(command, target);
    if (!object)
        return false;
    QString text;
    if (auto *button = qobject_cast<TColorButton *>(object))
        text = button->caption();
    else if (auto *edit = qobject_cast<QLineEdit *>(object))
        text = edit->text();
    else if (auto *spin = qobject_cast<QAbstractSpinBox *>(object))
        text = spin->text();
    else if (auto *abstractButton = qobject_cast<QAbstractButton *>(object))
        text = abstractButton->text();
    else if (auto *label = qobject_cast<QLabel *>(object))
        text = label->text();
    else if (auto *combo = qobject_cast<QComboBox *>(object))
        text = combo->currentText();
    else if (auto *list = qobject_cast<QListWidget *>(object)) {
        QStringList rows;
        for (int i = 0; i < list->count(); ++i)
            rows << list->item(i)->text();
        text = rows.join(QLatin1Char('|'));
    } else if (auto *textEdit = qobject_cast<QTextEdit *>(object))
        text = textEdit->toPlainText();
    else if (auto *action = qobject_cast<QAction *>(object))
        text = action->text();
    else if (auto *widget = qobject_cast<QWidget *>(object))
        text = widget->windowTitle();
    out(ScriptedDialogs::escape(text));
    return true;
}

QString ScriptRunner::stateLine() const
{
    const CompositionState &s = m_window->composition().state;
    auto b = [](bool v) { return v ? QStringLiteral("1") : QStringLiteral("0"); };
    const QStringList fields = {
        QStringLiteral("ActionTag=") + ScriptedDialogs::escape(s.ActionTag),
        QStringLiteral("LastAction=") + ScriptedDialogs::escape(s.LastAction),
        QStringLiteral("CurrentWord=") + ScriptedDialogs::escape(s.CurrentWord),
        QStringLiteral("WordStart=%1").arg(s.WordStart),
        QStringLiteral("WordLength=%1").arg(s.WordLength),
        QStringLiteral("ReplaceMode=%1").arg(s.ReplaceMode),
        QStringLiteral("CapsMode=%1").arg(s.CapsMode),
        QStringLiteral("ArticleState=%1").arg(s.ArticleState),
        QStringLiteral("ArticleWord=") + ScriptedDialogs::escape(s.ArticleWord),
        QStringLiteral("FormIndex=%1").arg(s.FormIndex),
        QStringLiteral("GrabArmed=") + b(s.GrabArmed),
        QStringLiteral("VerbForm=%1").arg(s.VerbForm),
    };
    return fields.join(QLatin1Char('\t'));
}

QString ScriptRunner::documentText() const
{
    return m_window->composition().surface().text();
}
