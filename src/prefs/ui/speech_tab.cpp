#include "prefs/ui/speech_tab.h"

#include "prefs/ui/buddy_label.h"
#include "prefs/view_settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>

namespace {

QSpinBox *numberBox(const char *name, int min, int max, int step, QWidget *parent)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(min, max);
    box->setSingleStep(step);
    return box;
}

QComboBox *keyBox(const char *name, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->addItems({QStringLiteral("Space"), QStringLiteral("Return"), QStringLiteral("Tab"),
                   QStringLiteral("Backspace"), QStringLiteral("1"), QStringLiteral("2")});
    for (int f = 1; f <= 12; ++f)
        box->addItem(QStringLiteral("F%1").arg(f));
    return box;
}

// A stored choice (a key, a voice) this list lacks is kept as one of its own.
void chooseStored(QComboBox *box, const QString &text)
{
    if (box->findText(text) < 0)
        box->addItem(text);
    box->setCurrentText(text);
}

// The board's height holds six rows only when they sit close.
QFormLayout *tightForm(QWidget *group)
{
    auto *form = new QFormLayout(group);
    form->setContentsMargins(6, 2, 6, 2);
    form->setVerticalSpacing(1);
    return form;
}

} // namespace

SpeechTab::SpeechTab(QWidget *page, ViewSettings &view, EngineQuery engine, QObject *parent)
    : QObject(parent)
    , m_view(view)
    , m_engine(std::move(engine))
{
    auto *row = new QHBoxLayout(page);
    row->setContentsMargins(4, 2, 4, 2);
    row->addWidget(buildSpeechGroup(page), 4);
    row->addWidget(buildScanGroup(page), 5);
    row->addWidget(buildDwellGroup(page), 4);
}

QWidget *SpeechTab::buildSpeechGroup(QWidget *page)
{
    auto *group = new QGroupBox(tr("Speech"), page);
    auto *form = tightForm(group);
    cbSpeakWords = new QCheckBox(tr("Speak each word as it goes in"), group);
    cbSpeakWords->setObjectName(QStringLiteral("cbSpeakWords"));
    cbSpeakSentences = new QCheckBox(tr("Speak each sentence when it ends"), group);
    cbSpeakSentences->setObjectName(QStringLiteral("cbSpeakSentences"));
    cbSpeakFocus = new QCheckBox(tr("Speak the button that takes the focus"), group);
    cbSpeakFocus->setObjectName(QStringLiteral("cbSpeakFocus"));
    cbVoice = new QComboBox(group);
    cbVoice->setObjectName(QStringLiteral("cbVoice"));
    cbVoice->setToolTip(tr("The voice that speaks; voices of English come first"));
    edRate = numberBox("edRate", SpeechSettings::kSlowest, SpeechSettings::kFastest, 1, group);
    edVolume = numberBox("edVolume", 0, SpeechSettings::kLoudest, 5, group);
    lbNoSpeech = new QLabel(group);
    lbNoSpeech->setObjectName(QStringLiteral("lbNoSpeech"));
    lbNoSpeech->setWordWrap(true);
    lbNoSpeech->hide();
    form->addRow(cbSpeakWords);
    form->addRow(cbSpeakSentences);
    form->addRow(cbSpeakFocus);
    form->addRow(buddyLabel(tr("Voice:"), group, cbVoice), cbVoice);
    form->addRow(buddyLabel(tr("Rate (-10 to 10):"), group, edRate), edRate);
    form->addRow(buddyLabel(tr("Volume (0 to 100):"), group, edVolume), edVolume);
    form->addRow(lbNoSpeech);
    return group;
}

QWidget *SpeechTab::buildScanGroup(QWidget *page)
{
    auto *group = new QGroupBox(tr("Switch scanning"), page);
    auto *form = tightForm(group);
    cbScanMode = new QComboBox(group);
    cbScanMode->setObjectName(QStringLiteral("cbScanMode"));
    cbScanMode->addItems({tr("one switch (automatic)"), tr("two switches (step)")});
    edScanInterval = numberBox("edScanInterval", ScanSettings::kShortestInterval,
                               ScanSettings::kLongestWait, 100, group);
    edHoldTime = numberBox("edHoldTime", ScanSettings::kShortestHold, ScanSettings::kLongestWait,
                           100, group);
    cbMoveKey = keyBox("cbMoveKey", group);
    cbChooseKey = keyBox("cbChooseKey", group);
    cbScanAtStart = new QCheckBox(tr("Start scanning when Wordloom starts"), group);
    cbScanAtStart->setObjectName(QStringLiteral("cbScanAtStart"));
    // The mode's name needs the group's whole width to be read whole; the
    // check box above it takes the room of its label.
    cbScanMode->setAccessibleName(tr("scanning"));
    cbScanMode->setToolTip(tr("One switch: the highlight moves by itself and the switch chooses. "
                              "Two switches: one moves the highlight, the other chooses."));
    form->addRow(cbScanAtStart);
    form->addRow(cbScanMode);
    form->addRow(buddyLabel(tr("Step every (ms):"), group, edScanInterval), edScanInterval);
    form->addRow(buddyLabel(tr("Hold for right click (ms):"), group, edHoldTime), edHoldTime);
    form->addRow(buddyLabel(tr("Move switch key:"), group, cbMoveKey), cbMoveKey);
    form->addRow(buddyLabel(tr("Choose switch key:"), group, cbChooseKey), cbChooseKey);
    return group;
}

QWidget *SpeechTab::buildDwellGroup(QWidget *page)
{
    auto *group = new QGroupBox(tr("Dwell"), page);
    auto *form = tightForm(group);
    cbDwell = new QCheckBox(tr("Click by resting"), group);
    cbDwell->setObjectName(QStringLiteral("cbDwell"));
    cbDwell->setToolTip(tr("A button is clicked when the pointer rests on it (View > Dwell, F8)"));
    edDwellTime = numberBox("edDwellTime", DwellSettings::kShortestDwell,
                            DwellSettings::kLongestDwell, 100, group);
    edDwellTime->setToolTip(tr("How long the countdown runs before the click"));
    edLockOn = numberBox("edLockOn", 0, DwellSettings::kLongestLockOn, 50, group);
    edLockOn->setToolTip(tr("How long the pointer rests before the countdown shows"));
    edTolerance = numberBox("edTolerance", DwellSettings::kLeastTolerance,
                            DwellSettings::kMostTolerance, 1, group);
    edTolerance->setToolTip(tr("How far the pointer may wander without starting again"));
    edDwellPause = numberBox("edDwellPause", 0, DwellSettings::kLongestPause, 50, group);
    edDwellPause->setToolTip(tr("Nothing is clicked this long after a click or a panel change"));
    cbDwellRightClick = new QComboBox(group);
    cbDwellRightClick->setObjectName(QStringLiteral("cbDwellRightClick"));
    cbDwellRightClick->addItems({tr("corner mark"), tr("never")});
    cbDwellRightClick->setToolTip(
        tr("Whether resting on the mark in a button's corner gives its right click"));
    form->addRow(cbDwell);
    form->addRow(buddyLabel(tr("Dwell time (ms):"), group, edDwellTime), edDwellTime);
    form->addRow(buddyLabel(tr("Lock-on (ms):"), group, edLockOn), edLockOn);
    form->addRow(buddyLabel(tr("Tolerance (px):"), group, edTolerance), edTolerance);
    form->addRow(buddyLabel(tr("Pause (ms):"), group, edDwellPause), edDwellPause);
    form->addRow(buddyLabel(tr("Right click:"), group, cbDwellRightClick), cbDwellRightClick);
    return group;
}

void SpeechTab::showEngine(const Engine &engine)
{
    const QString current = cbVoice->currentText();
    cbVoice->clear();
    cbVoice->addItem(tr("(default voice)"));
    cbVoice->addItems(engine.voices);
    const bool usable = engine.unavailableReason.isEmpty();
    // Said once, beside the boxes, and again over each box it stills.
    lbNoSpeech->setText(engine.unavailableReason);
    lbNoSpeech->setVisible(!usable);
    for (QWidget *box : std::initializer_list<QWidget *>{cbSpeakWords, cbSpeakSentences,
                                                         cbSpeakFocus, cbVoice, edRate, edVolume}) {
        box->setEnabled(usable);
        box->setToolTip(engine.unavailableReason);
    }
    if (!current.isEmpty())
        cbVoice->setCurrentText(current);
}

void SpeechTab::load()
{
    showEngine(m_engine ? m_engine() : Engine{});
    const SpeechSettings &speech = m_view.speech();
    cbSpeakWords->setChecked(speech.speakWords);
    cbSpeakSentences->setChecked(speech.speakSentences);
    cbSpeakFocus->setChecked(speech.speakFocus);
    if (speech.voice.isEmpty())
        cbVoice->setCurrentIndex(0);
    else
        chooseStored(cbVoice, speech.voice);
    edRate->setValue(speech.rate);
    edVolume->setValue(speech.volume);

    const ScanSettings &scan = m_view.scan();
    cbScanAtStart->setChecked(scan.startWithProgram);
    cbScanMode->setCurrentIndex(scan.mode == ScanSettings::Mode::TwoSwitches ? 1 : 0);
    edScanInterval->setValue(scan.interval);
    edHoldTime->setValue(scan.holdForRightClick);
    chooseStored(cbMoveKey, scan.moveKey);
    chooseStored(cbChooseKey, scan.chooseKey);

    const DwellSettings &dwell = m_view.dwell();
    cbDwell->setChecked(dwell.on);
    edDwellTime->setValue(dwell.dwellTime);
    edLockOn->setValue(dwell.lockOn);
    edTolerance->setValue(dwell.tolerance);
    edDwellPause->setValue(dwell.pause);
    cbDwellRightClick->setCurrentIndex(dwell.rightClick == DwellSettings::RightClick::None ? 1 : 0);
}

void SpeechTab::apply()
{
    SpeechSettings speech = m_view.speech();
    speech.speakWords = cbSpeakWords->isChecked();
    speech.speakSentences = cbSpeakSentences->isChecked();
    speech.speakFocus = cbSpeakFocus->isChecked();
    speech.voice = cbVoice->currentIndex() <= 0 ? QString() : cbVoice->currentText();
    speech.rate = edRate->value();
    speech.volume = edVolume->value();
    m_view.setSpeech(speech);

    ScanSettings scan = m_view.scan();
    scan.startWithProgram = cbScanAtStart->isChecked();
    scan.mode = cbScanMode->currentIndex() == 1 ? ScanSettings::Mode::TwoSwitches
                                                : ScanSettings::Mode::OneSwitch;
    scan.interval = edScanInterval->value();
    scan.holdForRightClick = edHoldTime->value();
    scan.moveKey = cbMoveKey->currentText();
    scan.chooseKey = cbChooseKey->currentText();
    m_view.setScan(scan);

    DwellSettings dwell = m_view.dwell();
    dwell.on = cbDwell->isChecked();
    dwell.dwellTime = edDwellTime->value();
    dwell.lockOn = edLockOn->value();
    dwell.tolerance = edTolerance->value();
    dwell.pause = edDwellPause->value();
    dwell.rightClick = cbDwellRightClick->currentIndex() == 1
                           ? DwellSettings::RightClick::None
                           : DwellSettings::RightClick::CornerMark;
    m_view.setDwell(dwell);
}
