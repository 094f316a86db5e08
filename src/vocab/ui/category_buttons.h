#pragma once

#include "vocab/category_words.h"

#include <QObject>
#include <functional>

class Board;
class ComposeEngine;
class RightColumn;
class TColorButton;
class WordPickPanel;

// The category buttons of the board: a left click inserts a random word of
// the button's list (or, for the adverb buttons set to show their panel,
// shows it), a right click opens the word pick panel on the list. Also
// "noun", "oh", the right button of the other list-backed buttons (modal,
// pronoun, preposition, conjunction, the verbs) and of the right-hand
// column.
class CategoryButtons : public QObject
{
    Q_OBJECT
public:
    // Builds the word pick panel on the board; a right click on the
    // right-hand column opens it on that list.
    CategoryButtons(Board &board, ComposeEngine &engine, RightColumn &right, QWidget *document,
                    QObject *parent = nullptr);

    WordPickPanel *pickPanel() const { return m_pickPanel; }

private:
    void connectLeft(const char *name, const std::function<void()> &handler,
                     bool doubleClickToo = true);
    void connectRight(const char *name, const std::function<void()> &handler);
    void categoryClick(const CategoryWords::Category &category);
    TColorButton *button(const char *name) const;

    Board &m_board;
    ComposeEngine &m_engine;
    WordPickPanel *m_pickPanel = nullptr;
};
