#include "compose/ui/compose_buttons.h"

#include "controls/color_button.h"
#include "engine/compose_engine.h"
#include "panels/main_board_table.h"
#include "panels/ui/board.h"
#include "controls/document_editor.h"

#include <QFontInfo>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <memory>

namespace {

constexpr int H = kBoardButtonHeight;
constexpr quint32 kArticle = 0x00BA7474;
constexpr quint32 kPunctuation = 0x003A3A3A;

constexpr ButtonDesc kAPanel[] = {
    {"btnAA", "a", 2, 2, 70, H, kArticle},
    {"btnAAn", "an", 74, 2, 70, H, kArticle},
    {"btnAone", "one", 146, 2, 70, H, kArticle},
    {"btnAexit", "EXIT", 566, 2, 70, H, kClBlack},
};

constexpr ButtonDesc kThePanel[] = {
    {"btnTheThe", "the", 2, 2, 70, H, kArticle},
    {"btnTheThat", "that", 74, 2, 70, H, kArticle},
    {"btnTheThis", "this", 146, 2, 70, H, kArticle},
    {"btnTheThese", "these", 218, 2, 70, H, kArticle},
    {"btnTheThose", "those", 290, 2, 70, H, kArticle},
    {"btnTheExit", "EXIT", 566, 2, 70, H, kClBlack},
};

// In the order of the apostrophe cycle.
constexpr ButtonDesc kApostrophePanel[] = {
    {"btnApS", "'s", 2, 2, 60, H, kPunctuation},
    {"btnApDashAp", "s'", 64, 2, 60, H, kPunctuation},
    {"btnApD", "'d", 126, 2, 60, H, kPunctuation},
    {"btnApLl", "'ll", 188, 2, 60, H, kPunctuation},
    {"btnApVe", "'ve", 250, 2, 60, H, kPunctuation},
    {"btnApRe", "'re", 312, 2, 60, H, kPunctuation},
    {"btnApM", "'m", 374, 2, 60, H, kPunctuation},
    {"btnApApDash", "'word", 436, 2, 60, H, kPunctuation},
    {"btnApExit", "EXIT", 566, 2, 70, H, kClBlack},
};

const QColor kIndicatorOn(128, 0, 0);
const QColor kIndicatorOff(Qt::black);

bool isModifierKey(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
        return true;
    default:
        return false;
    }
}

// Keys that move the caret or edit even with Ctrl held (Ctrl+Left, ...).
bool isMoveOrEditKey(int key)
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        return true;
    default:
        return false;
    }
}

bool isUndoOrRedo(QEvent *event)
{
    auto *key = static_cast<QKeyEvent *>(event);
    const QKeyCombination combo = key->keyCombination();
    return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
           combo == QKeyCombination(Qt::ControlModifier, Qt::Key_Y) ||
           combo == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
}

} // namespace

ComposeButtons::ComposeButtons(Board *board, DocumentEditor *editor, ComposeEngine &engine,
                               QObject *parent)
    : QObject(parent)
    , m_board(board)
    , m_editor(editor)
    , m_engine(engine)
{
    Punctuation *p = &m_engine.punctuation();
    connectButton("btnPeriod", [p] { p->btnPeriodClick(); });
    connectButton("btnExclamation2", [p] { p->btnExclamationPtClick(); });
    connectButton("btnQuestion", [p] { p->btnQuestionClick(); });
    connectButton("btnComma", [p] { p->btnCommaClick(); });
    connectButton("btnColon", [p] { p->btnColonClick(); });
    connectButton("btnSemiColon", [p] { p->btnSemiColonClick(); });
    connectButton("btnQuotes", [p] { p->btnQuotesClick(); });
    connectButton("btnApostrophe", [p] { p->btnApostropheClick(); });
    connectButton("btnHyphen", [p] { p->btnHyphenClick(); });
    connectButton("btnLeftParen", [p] { p->btnLeftParenClick(); });
    connectButton("btnRightParen", [p] { p->btnRightParenClick(); });

    Articles *a = &m_engine.articles();
    connectButton("btnA", [a] { a->btnAClick(); });
    connectButton("btnAAdvT", [a] { a->btnAClick(); });
    connectButton("btnThe", [a] { a->btnTheClick(); });

    EditingKeys *k = &m_engine.editingKeys();
    connectButton("btnSpace", [k] { k->btnSpaceClick(); });
    connectButton("btnEnter", [this] { m_engine.editingKeys().btnEnterClick(m_engine.prose()); });
    connectButton("btnDelete", [k] { k->btnDeleteClick(); });
    connectButton("btnBackspace", [k] { k->btnBackspaceClick(); });
    connectButton("btnBackspaceSuffix", [k] { k->btnBackspaceClick(); });
    connectButton("btnWordLeft", [k] { k->btnWordLeftClick(); });
    connectButton("btnWordRight", [k] { k->btnWordRightClick(); });
    connectButton("btnRemove", [k] { k->btnRemoveClick(); });
    connectButton("btnCapitalize", [k] { k->btnCapitalizeClick(); });
    connectButton("btnGrab", [k] { k->btnGrabClick(); });
    connectButton("btnRepeatOK", [k] { k->btnRepeatOKClick(); });

    buildPanels();
    connect(&m_engine.composition(), &Composition::indicatorsChanged, this,
            &ComposeButtons::updateIndicators);
    updateIndicators();

    connect(m_editor, &DocumentEditor::keyDown, this, [k](int key) { k->RichEdit1KeyDown(key); });
    connect(m_editor, &DocumentEditor::keyUp, this, &ComposeButtons::keyUp);
    connect(m_editor, &DocumentEditor::mouseDown, this,
            [this](QPoint at) { m_engine.editingKeys().RichEdit1MouseDown(isBelowText(at)); });
    connect(m_editor, &DocumentEditor::mouseUp, this,
            [this](QPoint at) { m_engine.editingKeys().RichEdit1MouseUp(isBelowText(at)); });
    m_editor->installEventFilter(this);
    // Any other change of the text makes the words Undo took stale.
    connect(m_editor->document(), &QTextDocument::contentsChange, this, [this] {
        if (!m_undoing)
            m_engine.wordUndo().forget();
    });
}

void ComposeButtons::connectButton(const char *name, const std::function<void()> &handler)
{
    // A button of a panel not built yet is wired when it is built.
    m_board->withButton(QString::fromLatin1(name), [this, handler](TColorButton *button) {
        button->onEveryClick(this, handler);
    });
}

void ComposeButtons::connectPanelButton(const char *name, QWidget *panel,
                                        const std::function<void()> &handler)
{
    TColorButton *button = m_board->button(QString::fromLatin1(name));
    connect(button, &TColorButton::clicked, this, [panel, handler] {
        if (handler)
            handler();
        panel->hide();
    });
}

void ComposeButtons::buildPanels()
{
    struct Panel
    {
        const char *name;
        std::span<const ButtonDesc> buttons;
        const char *opener;
    };
    const Panel panels[] = {{"pA", kAPanel, "btnA"},
                            {"pThe", kThePanel, "btnThe"},
                            {"pApostrophe", kApostrophePanel, "btnApostrophe"}};
    for (const Panel &desc : panels) {
        // Built the first time its opener's right button asks for it.
        auto panel = std::make_shared<QWidget *>(nullptr);
        auto build = [this, desc, panel] {
            if (*panel)
                return;
            *panel = m_board->addOverlay(QString::fromLatin1(desc.name));
            m_board->buildButtons(*panel, desc.buttons);
            // The last button of each panel is its EXIT, which only hides it.
            connectPanelButton(desc.buttons.back().name, *panel, {});
            connectPanelItems(*panel);
        };
        m_board->addPending(build);
        if (TColorButton *opener = m_board->button(QString::fromLatin1(desc.opener))) {
            connect(opener, &TColorButton::rightClicked, this, [build, panel] {
                build();
                (*panel)->show();
                (*panel)->raise();
            });
        }
    }
}

void ComposeButtons::connectPanelItems(QWidget *panel)
{
    const QString name = panel->objectName();
    if (name == QLatin1String("pA")) {
        for (int i = 0; i < Articles::kAForms; ++i)
            connectPanelButton(kAPanel[i].name, panel,
                               [this, i] { m_engine.articles().aPanelClick(i + 1); });
    } else if (name == QLatin1String("pThe")) {
        for (int i = 0; i < Articles::kTheForms; ++i)
            connectPanelButton(kThePanel[i].name, panel,
                               [this, i] { m_engine.articles().thePanelClick(i + 1); });
    } else {
        for (int i = 0; i < Punctuation::kApostropheForms; ++i)
            connectPanelButton(kApostrophePanel[i].name, panel,
                               [this, i] { m_engine.punctuation().apostrophePanelClick(i + 1); });
    }
}

bool ComposeButtons::isBelowText(const QPoint &viewportPoint) const
{
    QTextDocument *doc = m_editor->document();
    const int length = doc->characterCount() - 1;
    QTextCursor last(doc);
    last.setPosition(std::max(0, length - 1));
    const QRect rect = m_editor->cursorRect(last);
    last.setPosition(length);
    const QFontInfo font(last.charFormat().font());
    // The height of a line of that font (points as pixels at 96 dpi) and
    // some slack.
    const double lineHeight = font.pointSizeF() * 4.0 / 3.0;
    return viewportPoint.y() >= rect.top() + lineHeight + 10;
}

void ComposeButtons::keyUp(int key)
{
    // Modifiers and shortcuts (Ctrl+Z, Ctrl+S) are not edits of the text:
    // they must not undo what the command they ran has just set.
    if (isModifierKey(key))
        return;
    // Function keys run commands (F7 switch scanning); none edits the text.
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35)
        return;
    if ((m_releaseModifiers & (Qt::ControlModifier | Qt::AltModifier)) && !isMoveOrEditKey(key))
        return;
    m_engine.editingKeys().RichEdit1KeyUp(key, m_engine.prose());
}

bool ComposeButtons::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_editor) {
        if (event->type() == QEvent::KeyRelease) {
            m_releaseModifiers = static_cast<QKeyEvent *>(event)->modifiers();
        } else if (event->type() == QEvent::ShortcutOverride && isUndoOrRedo(event)) {
            // Undo and Redo go to the window's commands, which know about
            // words.
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void ComposeButtons::EditUndo()
{
    if (m_editor->document()->isUndoAvailable() && m_editor->hasFocus()) {
        m_editor->undo();
        m_engine.editingKeys().resetAfterEdit();
        return;
    }
    m_undoing = true;
    m_engine.wordUndo().undoWord();
    m_undoing = false;
}

void ComposeButtons::EditRedo()
{
    m_undoing = true;
    const bool putBack = m_engine.wordUndo().redoWord();
    m_undoing = false;
    if (putBack) {
        m_editor->setFocus();
        return;
    }
    if (m_editor->document()->isRedoAvailable()) {
        m_editor->redo();
        m_engine.editingKeys().resetAfterEdit();
    }
}

void ComposeButtons::updateIndicators()
{
    auto show = [this](const char *name, bool lit) {
        TColorButton *button = m_board->button(QString::fromLatin1(name));
        button->setColor(lit ? kIndicatorOn : kIndicatorOff);
        button->setArmed(lit);
    };
    show("btnRepeatOK", m_engine.composition().repeatLit());
    show("btnGrab", m_engine.composition().grabLit());
}
