#pragma once

#include "category_words.h"

#include <QObject>

class TColorButton;
class TMainForm;
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
    explicit CategoryButtons(TMainForm &form);

    WordPickPanel *pickPanel() const { return m_pickPanel; }
    CategoryWords &words() { return m_words; }

private:
    void connectLeft(const char *name, const std::function<void()> &handler,
                     bool doubleClickToo = true);
    void connectRight(const char *name, const std::function<void()> &handler);
    void categoryClick(const CategoryWords::Category &category);
    TColorButton *button(const char *name) const;

    TMainForm &m_form;
    CategoryWords m_words;
    WordPickPanel *m_pickPanel = nullptr;
};
