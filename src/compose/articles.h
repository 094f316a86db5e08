#pragma once

#include <QString>

class Composition;

// The article buttons: "a" cycling a, an, one and arming the agreement of
// the article with the next word; "the" cycling the, that, this, these,
// those; and their sub-panels, which insert a chosen form as it is.
class Articles
{
public:
    explicit Articles(Composition &composition);

    void btnAClick();
    void btnTheClick();
    // A button of the sub-panels pA and pThe, by its place in the cycle.
    void aPanelClick(int formIndex);
    void thePanelClick(int formIndex);

    static constexpr int kAForms = 3;
    static constexpr int kTheForms = 5;
    static QString aForm(int formIndex);
    static QString theForm(int formIndex);

private:
    // Inserts form formIndex of a cycle tagged tag; a repeated click of the
    // same button replaces the previous form. Returns the inserted word.
    QString cycle(const QString &tag, int count, QString (*form)(int));
    void panelClick(const QString &tag, const QString &word, int formIndex);

    Composition &m_c;
};
