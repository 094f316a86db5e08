#pragma once

#include "predict/predictor.h"

#include <QList>
#include <QTimer>
#include <QWidget>

class Composition;
class Dialogs;
class TColorButton;
class WordPrediction;

// The row of predicted words above the board, panel pPrediction with the
// buttons btnPredict1 .. btnPredict9, of which the settings show 0 to 9.
// A click puts its word in through InsertWord, completing the word being
// typed; a second click on the same button cycles the word's forms; a right
// click offers to forget the word. Empty buttons are disabled.
//
// The row follows the text: each change or caret move asks for an update,
// made once the event loop is free, so one insertion's several edits cost
// one prediction.
class PredictionRow : public QWidget
{
    Q_OBJECT
    // The words shown, joined by "|": what script mode's show prints.
    Q_PROPERTY(QString scriptText READ shownText)
public:
    static constexpr int kMaxButtons = 9;

    PredictionRow(WordPrediction &prediction, Composition &composition, Dialogs &dialogs,
                  QWidget *parent = nullptr);

    // 0 hides the row.
    void setButtonCount(int count);
    int buttonCount() const { return m_count; }
    // Buttons and fonts at the board's zoom (1.0 is the natural size).
    void setScale(double scale);
    // Predictions start once the model is there; until then the row is
    // empty. A model that failed leaves it empty for good.
    void setReady(bool ready);

    // The words on the enabled buttons, in order (brings a pending update
    // in first).
    QStringList words();
    QString shownText() { return words().join(QLatin1Char('|')); }

    // Asks for an update once the event loop is free.
    void scheduleUpdate();
    void refresh();

Q_SIGNALS:
    // A prediction went in or was forgotten, with what the user should hear
    // of a failure (empty when none).
    void inserted();
    void problem(const QString &message);
    // Asked before the row's first prediction (the model loads lazily).
    void needsModel();

private:
    void buttonClicked(int index);
    void buttonRightClicked(int index);
    void layOut();

    WordPrediction &m_prediction;
    Composition &m_composition;
    Dialogs &m_dialogs;
    QList<TColorButton *> m_buttons;
    QList<Predictor::Prediction> m_shown;
    // The button whose word went in last: it keeps the word, so a second
    // click cycles its forms.
    int m_pinned = -1;
    int m_count = 0;
    double m_scale = 1.0;
    bool m_ready = false;
    QTimer m_update;
};
