#include "prefs/view_settings.h"

#include "files/text_file.h"

#include <QFileInfo>

namespace {

// One row per line of the file other than zoom and contrast: its key and
// where its value lives in the two groups.
struct Field
{
    const char *key;
    bool SpeechSettings::*speechFlag = nullptr;
    int SpeechSettings::*speechNumber = nullptr;
    QString SpeechSettings::*speechText = nullptr;
    int ScanSettings::*scanNumber = nullptr;
    QString ScanSettings::*scanText = nullptr;
    bool ScanSettings::*scanFlag = nullptr;
};

const Field kFields[] = {
    {"speakWords", &SpeechSettings::speakWords},
    {"speakSentences", &SpeechSettings::speakSentences},
    {"speakFocus", &SpeechSettings::speakFocus},
    {"voice", nullptr, nullptr, &SpeechSettings::voice},
    {"rate", nullptr, &SpeechSettings::rate},
    {"volume", nullptr, &SpeechSettings::volume},
    {"scanInterval", nullptr, nullptr, nullptr, &ScanSettings::interval},
    {"scanHold", nullptr, nullptr, nullptr, &ScanSettings::holdForRightClick},
    {"scanMoveKey", nullptr, nullptr, nullptr, nullptr, &ScanSettings::moveKey},
    {"scanChooseKey", nullptr, nullptr, nullptr, nullptr, &ScanSettings::chooseKey},
    {"scanAtStart", nullptr, nullptr, nullptr, nullptr, nullptr, &ScanSettings::startWithProgram},
};

// The dwell settings other than on and off and the right click.
struct DwellField
{
    const char *key;
    int DwellSettings::*number;
};

const DwellField kDwellFields[] = {
    {"dwellTime", &DwellSettings::dwellTime},
    {"dwellLockOn", &DwellSettings::lockOn},
    {"dwellTolerance", &DwellSettings::tolerance},
    {"dwellPause", &DwellSettings::pause},
};

const QString kZoomKey = QStringLiteral("zoom");
const QString kHighContrastKey = QStringLiteral("highContrast");
const QString kScanModeKey = QStringLiteral("scanMode");
const QString kKeysToldKey = QStringLiteral("keysTold");
const QString kDwellKey = QStringLiteral("dwell");
const QString kDwellRightClickKey = QStringLiteral("dwellRightClick");
const QString kPredictionButtonsKey = QStringLiteral("predictionButtons");
const QString kPredictionLearnKey = QStringLiteral("predictionLearn");
const QString kPredictionLearnOpenedKey = QStringLiteral("predictionLearnOpened");

SpeechSettings inRange(SpeechSettings speech)
{
    speech.rate = std::clamp(speech.rate, SpeechSettings::kSlowest, SpeechSettings::kFastest);
    speech.volume = std::clamp(speech.volume, 0, SpeechSettings::kLoudest);
    return speech;
}

ScanSettings inRange(ScanSettings scan)
{
    scan.interval =
        std::clamp(scan.interval, ScanSettings::kShortestInterval, ScanSettings::kLongestWait);
    scan.holdForRightClick =
        std::clamp(scan.holdForRightClick, ScanSettings::kShortestHold, ScanSettings::kLongestWait);
    if (scan.moveKey.isEmpty())
        scan.moveKey = ScanSettings().moveKey;
    if (scan.chooseKey.isEmpty())
        scan.chooseKey = ScanSettings().chooseKey;
    return scan;
}

DwellSettings inRange(DwellSettings dwell)
{
    dwell.dwellTime =
        std::clamp(dwell.dwellTime, DwellSettings::kShortestDwell, DwellSettings::kLongestDwell);
    dwell.lockOn = std::clamp(dwell.lockOn, 0, DwellSettings::kLongestLockOn);
    dwell.tolerance =
        std::clamp(dwell.tolerance, DwellSettings::kLeastTolerance, DwellSettings::kMostTolerance);
    dwell.pause = std::clamp(dwell.pause, 0, DwellSettings::kLongestPause);
    return dwell;
}

// A flag or a two-way choice is written 0 or 1; anything else is not read.
bool readBit(const QString &value, bool *bit)
{
    if (value != QLatin1String("0") && value != QLatin1String("1"))
        return false;
    *bit = value == QLatin1String("1");
    return true;
}

// False when key is none of the dwell keys.
bool readDwell(const QString &key, const QString &value, DwellSettings *dwell)
{
    bool bit = false;
    if (key == kDwellKey) {
        if (readBit(value, &bit))
            dwell->on = bit;
        return true;
    }
    if (key == kDwellRightClickKey) {
        if (readBit(value, &bit))
            dwell->rightClick =
                bit ? DwellSettings::RightClick::None : DwellSettings::RightClick::CornerMark;
        return true;
    }
    for (const DwellField &field : kDwellFields) {
        if (key != QLatin1String(field.key))
            continue;
        bool ok = false;
        const int number = value.toInt(&ok);
        if (ok)
            dwell->*field.number = number;
        return true;
    }
    return false;
}

// False when key is none of kFields.
bool readField(const QString &key, const QString &value, SpeechSettings *speech, ScanSettings *scan)
{
    for (const Field &field : kFields) {
        if (key != QLatin1String(field.key))
            continue;
        bool ok = false;
        const int number = value.toInt(&ok);
        if (field.speechFlag && ok && (number == 0 || number == 1))
            speech->*field.speechFlag = number == 1;
        else if (field.speechNumber && ok)
            speech->*field.speechNumber = number;
        else if (field.speechText)
            speech->*field.speechText = value;
        else if (field.scanNumber && ok)
            scan->*field.scanNumber = number;
        else if (field.scanText)
            scan->*field.scanText = value;
        else if (field.scanFlag && ok && (number == 0 || number == 1))
            scan->*field.scanFlag = number == 1;
        return true;
    }
    return false;
}

} // namespace

ViewSettings::ViewSettings(QObject *parent)
    : QObject(parent)
{}

void ViewSettings::setZoom(int percent)
{
    percent = std::clamp(percent, kMinZoom, kMaxZoom);
    percent -= (percent - kMinZoom) % kZoomStep;
    change(m_zoom, percent, Aspect::Zoom);
}

void ViewSettings::setHighContrast(bool on)
{
    change(m_highContrast, on, Aspect::HighContrast);
}

void ViewSettings::setDwell(const DwellSettings &dwell)
{
    change(m_dwell, inRange(dwell), Aspect::Dwell);
}

void ViewSettings::setDwellOn(bool on)
{
    DwellSettings dwell = m_dwell;
    dwell.on = on;
    setDwell(dwell);
}

void ViewSettings::setSpeech(const SpeechSettings &speech)
{
    change(m_speech, inRange(speech), Aspect::Speech);
}

void ViewSettings::setScan(const ScanSettings &scan)
{
    change(m_scan, inRange(scan), Aspect::Scan);
}

void ViewSettings::setPrediction(const PredictionSettings &prediction)
{
    PredictionSettings fitted = prediction;
    fitted.buttons = std::clamp(fitted.buttons, 0, PredictionSettings::kMaxButtons);
    change(m_prediction, fitted, Aspect::Prediction);
}

bool ViewSettings::read(const QString &path, QString *error)
{
    if (!QFileInfo::exists(path))
        return true;
    TextFile::Content content;
    if (!TextFile::read(path, &content, error))
        return false;
    m_unknown.clear();
    SpeechSettings speech = m_speech;
    ScanSettings scan = m_scan;
    DwellSettings dwell = m_dwell;
    PredictionSettings prediction = m_prediction;
    for (const QString &line : TextFile::splitLines(content.text)) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        bool ok = false;
        const int number = value.toInt(&ok);
        if (key == kZoomKey) {
            if (ok)
                setZoom(number);
        } else if (key == kHighContrastKey) {
            if (ok && (number == 0 || number == 1))
                setHighContrast(number == 1);
        } else if (key == kKeysToldKey) {
            m_keysTold = ok && number == 1;
        } else if (key == kScanModeKey) {
            if (ok && (number == 0 || number == 1))
                scan.mode = ScanSettings::Mode(number);
        } else if (key == kPredictionButtonsKey) {
            if (ok)
                prediction.buttons = number;
        } else if (key == kPredictionLearnKey || key == kPredictionLearnOpenedKey) {
            if (ok && (number == 0 || number == 1))
                (key == kPredictionLearnKey ? prediction.learn : prediction.learnOpened) =
                    number == 1;
        } else if (!readField(key, value, &speech, &scan) && !readDwell(key, value, &dwell)) {
            m_unknown.append({key, value});
        }
    }
    setSpeech(speech);
    setScan(scan);
    setDwell(dwell);
    setPrediction(prediction);
    return true;
}

bool ViewSettings::write(const QString &path, QString *error) const
{
    QString text;
    auto line = [&text](const QString &key, const QString &value) {
        text += key + QLatin1Char('=') + value + QLatin1Char('\n');
    };
    line(kZoomKey, QString::number(m_zoom));
    line(kHighContrastKey, QString::number(m_highContrast ? 1 : 0));
    line(kScanModeKey, QString::number(int(m_scan.mode)));
    line(kKeysToldKey, QString::number(m_keysTold ? 1 : 0));
    for (const Field &field : kFields) {
        const QString key = QString::fromLatin1(field.key);
        if (field.speechFlag)
            line(key, QString::number(m_speech.*field.speechFlag ? 1 : 0));
        else if (field.speechNumber)
            line(key, QString::number(m_speech.*field.speechNumber));
        else if (field.speechText)
            line(key, m_speech.*field.speechText);
        else if (field.scanNumber)
            line(key, QString::number(m_scan.*field.scanNumber));
        else if (field.scanFlag)
            line(key, QString::number(m_scan.*field.scanFlag ? 1 : 0));
        else
            line(key, m_scan.*field.scanText);
    }
    line(kDwellKey, QString::number(m_dwell.on ? 1 : 0));
    for (const DwellField &field : kDwellFields)
        line(QString::fromLatin1(field.key), QString::number(m_dwell.*field.number));
    line(kDwellRightClickKey, QString::number(int(m_dwell.rightClick)));
    line(kPredictionButtonsKey, QString::number(m_prediction.buttons));
    line(kPredictionLearnKey, QString::number(m_prediction.learn ? 1 : 0));
    line(kPredictionLearnOpenedKey, QString::number(m_prediction.learnOpened ? 1 : 0));
    for (const auto &[key, value] : m_unknown)
        line(key, value);
    return TextFile::write(path, text, TextFile::Encoding::Utf8, error,
                           TextFile::ReadOnlyFile::Replace);
}
