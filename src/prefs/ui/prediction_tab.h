#pragma once

#include <QObject>

class QCheckBox;
class QSpinBox;
class QWidget;
class ViewSettings;

// The preferences tab tabPrediction: how many predicted words the row
// above the board shows, and whether the program learns from the
// documents the user saves and opens. Like the other tabs its boxes are a
// copy: apply() stores them, load() drops what was left unapplied.
class PredictionTab : public QObject
{
    Q_OBJECT
public:
    PredictionTab(QWidget *page, ViewSettings &view, QObject *parent = nullptr);

    void load();
    void apply();

private:
    ViewSettings &m_view;
    QSpinBox *edPredictionButtons = nullptr;
    QCheckBox *cbLearnSaved = nullptr;
    QCheckBox *cbLearnOpened = nullptr;
};
