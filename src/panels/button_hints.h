#pragma once

#include <QString>
#include <QStringView>

// What a board button does, in a few words for its tooltip, its status-bar
// hint and what a screen reader says after its name. Derived from the
// button's name, its panel and its caption so every table-built button gets
// one without a line of its own.
namespace ButtonHints {

struct Hint
{
    QString left;  // what a left click does; "%1" is the caption
    QString right; // what a right click does, if the button has one
};

// word is the text the button hands its handler (a table's word), empty
// for the caption.
Hint hintFor(QStringView name, QStringView panel, QStringView caption, QStringView word = {});
// The hint of a button whose caption is the user's own word.
Hint customHint(bool affix);

} // namespace ButtonHints
