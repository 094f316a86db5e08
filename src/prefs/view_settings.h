#pragma once

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

// What is said aloud, and when.
struct SpeechSettings
{
    static constexpr int kSlowest = -10;
    static constexpr int kFastest = 10;
    static constexpr int kLoudest = 100;

    bool speakWords = false;     // each word as it is inserted
    bool speakSentences = false; // a sentence when its end mark is put
    bool speakFocus = true;      // the caption of the button that takes the focus
    QString voice;               // a voice name; empty for the engine's default
    int rate = 0;                // kSlowest to kFastest
    int volume = 80;             // 0 to kLoudest
    bool operator==(const SpeechSettings &) const = default;
};

// How switch scanning steps and chooses.
struct ScanSettings
{
    enum class Mode { OneSwitch, TwoSwitches };
    static constexpr int kShortestInterval = 500;
    static constexpr int kShortestHold = 200;
    static constexpr int kLongestWait = 5000; // of a step or a hold

    Mode mode = Mode::OneSwitch;
    int interval = 1500;          // ms between automatic steps
    int holdForRightClick = 1000; // ms the choose switch is held for a right click
    QString moveKey = QStringLiteral("Space");
    QString chooseKey = QStringLiteral("Return");
    bool startWithProgram = false; // scanning runs from the start, no key needed
    bool operator==(const ScanSettings &) const = default;
};

// Choosing by resting the pointer on a button, for people who steer it with
// the head, the eyes or a joystick and cannot press a mouse button.
struct DwellSettings
{
    // Where a right click is found: on a small mark in a corner of each
    // button that has one, or nowhere.
    enum class RightClick { CornerMark, None };
    static constexpr int kShortestDwell = 300;
    static constexpr int kLongestDwell = 3000;
    static constexpr int kLongestLockOn = 2000;
    static constexpr int kLongestPause = 3000;
    static constexpr int kLeastTolerance = 2;
    static constexpr int kMostTolerance = 60;

    bool on = false;
    int dwellTime = 1000; // ms the countdown runs
    int lockOn = 250;     // ms of rest before the countdown shows
    int tolerance = 10;   // pixels the pointer may wander, at 100 % zoom
    int pause = 750;      // ms after a choice, or a panel coming or going
    RightClick rightClick = RightClick::CornerMark;
    bool operator==(const DwellSettings &) const = default;
};

// The row of predicted words above the board, and what it learns from.
struct PredictionSettings
{
    static constexpr int kMaxButtons = 9;

    int buttons = 6;          // 0 hides the row
    bool learn = true;        // from each document saved
    bool learnOpened = false; // and from each document opened
    bool operator==(const PredictionSettings &) const = default;
};

// How the program is seen and worked: the zoom of the board and its high
// contrast faces, speech, switch scanning and dwell, and whatever later settings of
// the same kind join them. They live in "view.ini" beside prefs.ini rather
// than in it, because prefs.ini is read by line number and its 57 lines are
// fixed. view.ini is "key=value" lines, so a setting can be added without
// moving another, and a line this version does not know is kept for the
// version that wrote it.
class ViewSettings : public QObject
{
    Q_OBJECT
public:
    static constexpr int kMinZoom = 100;
    static constexpr int kMaxZoom = 300;
    static constexpr int kZoomStep = 25;

    // What a change touched, so that each part follows only what it shows.
    enum class Aspect {
        Zoom,
        HighContrast,
        Speech,
        Scan,
        Dwell,
        Prediction,
    };
    Q_ENUM(Aspect)

    explicit ViewSettings(QObject *parent = nullptr);

    // The board's size in percent of its natural size.
    int zoom() const { return m_zoom; }
    // Rounded down to a step and kept between kMinZoom and kMaxZoom.
    void setZoom(int percent);
    void zoomIn() { setZoom(m_zoom + kZoomStep); }
    void zoomOut() { setZoom(m_zoom - kZoomStep); }
    // zoom() as a factor: 1.0 is the board as its tables give it.
    double scale() const { return m_zoom / 100.0; }

    bool highContrast() const { return m_highContrast; }
    void setHighContrast(bool on);

    const SpeechSettings &speech() const { return m_speech; }
    // Out-of-range numbers are brought into range.
    void setSpeech(const SpeechSettings &speech);
    const ScanSettings &scan() const { return m_scan; }
    void setScan(const ScanSettings &scan);
    // Whether the window has once told how to reach the board by keyboard.
    bool keysToldOnce() const { return m_keysTold; }
    void setKeysToldOnce() { m_keysTold = true; }
    const DwellSettings &dwell() const { return m_dwell; }
    void setDwell(const DwellSettings &dwell);
    void setDwellOn(bool on);
    const PredictionSettings &prediction() const { return m_prediction; }
    void setPrediction(const PredictionSettings &prediction);

    // A missing file leaves the defaults and is no error; a line that
    // cannot be read leaves its setting at the default. False (and *error
    // says why) only when the file is there and cannot be read.
    bool read(const QString &path, QString *error);
    // Through the checked writer: on failure the old file stays and *error
    // names the file and the reason.
    bool write(const QString &path, QString *error) const;

Q_SIGNALS:
    // Only when a value really changed.
    void changed(ViewSettings::Aspect aspect);

private:
    template <typename T> void change(T &setting, const T &value, Aspect aspect)
    {
        if (setting == value)
            return;
        setting = value;
        Q_EMIT changed(aspect);
    }

    int m_zoom = kMinZoom;
    bool m_highContrast = false;
    SpeechSettings m_speech;
    ScanSettings m_scan;
    bool m_keysTold = false;
    DwellSettings m_dwell;
    PredictionSettings m_prediction;
    // Lines of keys this version does not use, in file order.
    QList<QPair<QString, QString>> m_unknown;
};
