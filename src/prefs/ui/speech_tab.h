#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;
class QWidget;
class ViewSettings;

// The preferences tab tabSpeech: when the program speaks, with which voice,
// how switch scanning steps and how dwell chooses. Like the other tabs its boxes are a copy:
// apply() stores them, and load() (each time the panel opens) drops what
// was left unapplied.
class SpeechTab : public QObject
{
    Q_OBJECT
public:
    // What the speech engine offers; asked each time the tab is loaded, so
    // the engine starts only when someone looks.
    struct Engine
    {
        QString unavailableReason; // empty when it can speak
        QStringList voices;
    };
    using EngineQuery = std::function<Engine()>;

    // Fills page, the panel's tab for it.
    SpeechTab(QWidget *page, ViewSettings &view, EngineQuery engine, QObject *parent = nullptr);

    void load();
    void apply();

private:
    QWidget *buildSpeechGroup(QWidget *page);
    QWidget *buildScanGroup(QWidget *page);
    QWidget *buildDwellGroup(QWidget *page);
    void showEngine(const Engine &engine);

    ViewSettings &m_view;
    EngineQuery m_engine;
    QCheckBox *cbSpeakWords = nullptr;
    QCheckBox *cbSpeakSentences = nullptr;
    QCheckBox *cbSpeakFocus = nullptr;
    QComboBox *cbVoice = nullptr;
    QSpinBox *edRate = nullptr;
    QSpinBox *edVolume = nullptr;
    QLabel *lbNoSpeech = nullptr;
    QCheckBox *cbScanAtStart = nullptr;
    QComboBox *cbScanMode = nullptr;
    QSpinBox *edScanInterval = nullptr;
    QSpinBox *edHoldTime = nullptr;
    QComboBox *cbMoveKey = nullptr;
    QComboBox *cbChooseKey = nullptr;
    QCheckBox *cbDwell = nullptr;
    QSpinBox *edDwellTime = nullptr;
    QSpinBox *edLockOn = nullptr;
    QSpinBox *edTolerance = nullptr;
    QSpinBox *edDwellPause = nullptr;
    QComboBox *cbDwellRightClick = nullptr;
};
