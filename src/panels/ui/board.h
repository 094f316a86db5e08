#pragma once

#include "panels/button_desc.h"
#include "panels/label_desc.h"

#include <QFont>
#include <QHash>
#include <QMargins>
#include <QPointer>
#include <QWidget>
#include <functional>
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
    // Creates the buttons that descs describe on panel; a width of 0 stretches a button
    // to the next one of its row (or the panel's right edge).
    QList<TColorButton *> buildButtons(QWidget *panel, std::span<const ButtonDesc> descs);
    // An overlay panel of the board's size, hidden until shown.
    QWidget *addOverlay(const QString &name);
    // A smaller panel lying over part of parent (pModal over pMain), hidden
    // until shown.
    QWidget *addSubPanel(QWidget *parent, const QString &name, const QRect &rect);
    // Plain captions on a panel; "&&" in a caption shows one "&".
    QList<QLabel *> buildLabels(QWidget *panel, std::span<const LabelDesc> labels);
    // The button of that name. One that no built panel has yet may be on a
    // panel still to be built: the pending panels are built first.
    TColorButton *button(const QString &name) const;
    // The button of that name if its panel is built, without building any.
    TColorButton *builtButton(const QString &name) const { return m_buttons.value(name); }
    // Runs use with the button of that name now, or when its panel is built;
    // never for a name no panel has.
    void withButton(const QString &name, const std::function<void(TColorButton *)> &use);

    // Panels nobody has asked for cost nothing at start: a builder given
    // here runs once, when its owner first shows the panel or when
    // buildPending() is asked for (a control looked up by name). Builders
    // must tolerate running a second time as a no-op.
    void addPending(const std::function<void()> &build);
    void buildPending() const;

    // The panel a person works on now: the innermost of the overlays and
    // sub-panels that are up (the last one raised wins), else pMain.
    QWidget *panelUp() const;
    // The buttons of panelUp() that show, in the order of buttonRows():
    // row by row from the top, each row from the left. While pMain is up
    // the lead row's showing buttons come first.
    QList<QList<TColorButton *>> rowsUp() const;

    // A row of buttons outside the board that the keyboard and scanning
    // treat as its first row (the predicted words above it).
    void setLeadRow(QWidget *row) { m_leadRow = row; }
    // widget is on the board or on its lead row.
    bool holds(const QWidget *widget) const
    {
        return isAncestorOf(widget) || (m_leadRow && m_leadRow->isAncestorOf(widget));
    }

    // The caption font of board buttons: white bold Arial, 16 pixels, made
    // smaller only where a caption would not fit its button.
    // At a zoom the 16 pixels grow with it.
    static void fitCaptionFont(TColorButton *button);

    // The zoom in percent: 100 is the tables' own layout. Every panel, the
    // widgets on it and their fonts follow from their size at 100, also
    // panels that are built later while zoomed.
    void setZoom(int percent);
    int zoom() const { return m_zoom; }
    // The zoom of the board that holds widget, 100 outside a board.
    static int zoomOf(const QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // What a widget or layout was at 100, and what zooming last made of it:
    // a widget whose place differs from that was moved since, and its new
    // place is taken as its place at 100.
    struct Unzoomed
    {
        // Null once the object is gone and another may have its address.
        QPointer<QObject> object;
        QRect geometry, placed;
        QSize minimum, maximum, minimumSet, maximumSet;
        QFont font, fontSet;
        QSize grid, gridSet;
        bool ownFont = false;
        QMargins margins, marginsSet;
        int spacing = -1, spacingSet = -1;
    };
    Unzoomed &unzoomed(QObject *object);
    int zoomed(int value) const;
    void zoomTree(QWidget *widget, bool place);
    void zoomWidget(QWidget *widget, bool place);
    void zoomLayout(QLayout *layout);
    void zoomAll();

    int m_zoom = 100;
    QHash<QObject *, Unzoomed> m_unzoomed;

    QWidget *m_main;
    QPointer<QWidget> m_leadRow;
    QHash<QString, TColorButton *> m_buttons;
    QHash<QString, QList<std::function<void(TColorButton *)>>> m_waiting;
    // Building a panel changes what the board holds, not what it is; a
    // lookup on a const board may have to build.
    mutable QList<std::function<void()>> m_pending;
};
