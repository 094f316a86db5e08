#pragma once

#include "button_spec.h"
#include "label_spec.h"

#include <QHash>
#include <QWidget>
#include <span>

class QLabel;
class TColorButton;

// The board below the editor: pBackPanel holding the resting face pMain and
// the overlay panels that lie over it. Builds buttons from tables and finds
// them by name.
class Board : public QWidget
{
    Q_OBJECT
public:
    explicit Board(QWidget *parent = nullptr);

    QWidget *mainPanel() const { return m_main; }
    // Creates the buttons of specs on panel; a width of 0 stretches a button
    // to the next one of its row (or the panel's right edge).
    QList<TColorButton *> buildButtons(QWidget *panel, std::span<const ButtonSpec> specs);
    // An overlay panel of the board's size, hidden until shown.
    QWidget *addOverlay(const QString &name);
    // A smaller panel lying over part of parent (pModal over pMain), hidden
    // until shown.
    QWidget *addSubPanel(QWidget *parent, const QString &name, const QRect &rect);
    // Plain captions on a panel; "&&" in a caption shows one "&".
    QList<QLabel *> buildLabels(QWidget *panel, std::span<const LabelSpec> labels);
    TColorButton *button(const QString &name) const { return m_buttons.value(name); }

    // The caption font of board buttons: white bold Arial, 16 pixels, made
    // smaller only where a caption would not fit its button.
    static void fitCaptionFont(TColorButton *button);

private:
    QWidget *m_main;
    QHash<QString, TColorButton *> m_buttons;
};
