#pragma once

#include "compose/composition.h"
#include "compose/dialogs.h"
#include "morph/verbs.h"
#include "vocabulary.h"

#include <QString>
#include <QStringList>
#include <functional>

// The word pick list: the rows of one word list or verb table, offered by a
// right click on a category button, and what a click on a row does in each
// mode: insert the word, delete the entry, or edit it; plus adding a word,
// which also inserts it.
//
// The list's tag stays in ActionTag while the list is open. Input boxes and
// messages go through Dialogs; the caller hides the panel, sets cursors and
// opens the verb list editor when asked to.
class WordPick
{
public:
    enum class Mode { Pick, Delete, Edit, Add };

    // What a click asked of the caller.
    enum class Outcome {
        Done,     // the click was handled; hide the panel
        VerbEdit, // open the verb list editor on row editIndex()
        VerbAdd,  // open the verb list editor for a new verb
        Ignored,  // nothing happened (no list open, or no such row)
    };

    WordPick(Composition &composition, Vocabulary &vocabulary, Dialogs &dialogs, Verbs &verbs);

    // A right click on a category button: ActionTag := tag, mode "pick", and
    // a copy of the tag's list as rows. clearGrab is false for "(custom)".
    // Returns false for a tag that has no list.
    bool open(const QString &tag, bool clearGrab = true);

    const QString &tag() const { return m_tag; }
    Vocabulary::List list() const { return m_list; }
    bool isVerbTable() const { return Vocabulary::isVerbTable(m_list); }
    Mode mode() const { return m_mode; }
    // The rows as they were when the list was opened.
    const QStringList &rows() const { return m_rows; }
    // The verb row the verb list editor is to edit.
    int editIndex() const { return m_editIndex; }

    Outcome rowClicked(int row);
    // "Delete": false, with the message shown, when the list is too short
    // to lose an entry; the mode is then unchanged.
    bool deleteClicked();
    void editClicked() { m_mode = Mode::Edit; }
    Outcome addClicked();

    // The quotation shown when name is added to the character list; empty
    // for other names.
    static QString quotationFor(const QString &name);
    static QString tooFewMessage();

private:
    void pick(int row);
    void remove(int row);
    void edit(int row);
    void changed();

    Composition &m_composition;
    Vocabulary &m_vocabulary;
    Dialogs &m_dialogs;
    Verbs &m_verbs;

    QString m_tag;
    Vocabulary::List m_list = Vocabulary::List::AdjectiveList;
    bool m_open = false;
    Mode m_mode = Mode::Pick;
    QStringList m_rows;
    int m_editIndex = -1;
};
