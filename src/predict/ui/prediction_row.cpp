#include "predict/ui/prediction_row.h"

#include "compose/composition.h"
#include "compose/dialogs.h"
#include "controls/color_button.h"
#include "predict/word_prediction.h"

#include <QFontMetrics>
#include <QHBoxLayout>

namespace {

// Natural sizes, grown by the zoom like the board's.
constexpr int kButtonHeight = 30;
constexpr int kMargin = 4; // leaves room for the scanning highlight
constexpr int kCaptionPixels = 16;
// A face of its own: a deep teal, white captions, as the board's faces.
const QColor kFace(0, 100, 110);

QString captionFor(const QString &word)
{
    QString caption = word;
    return caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

PredictionRow::PredictionRow(WordPrediction &prediction, Composition &composition, Dialogs &dialogs,
                             QWidget *parent)
    : QWidget(parent)
    , m_prediction(prediction)
    , m_composition(composition)
    , m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("pPrediction"));
    setAccessibleName(tr("word prediction"));
    auto *row = new QHBoxLayout(this);
    row->setSpacing(2);
    for (int i = 0; i < kMaxButtons; ++i) {
        auto *button = new TColorButton(this);
        button->setObjectName(QStringLiteral("btnPredict%1").arg(i + 1));
        button->setColor(kFace);
        button->setFontColor(Qt::white);
        button->setBevelSize(1);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        button->setHint(tr("Puts in the predicted word \"%1\"; click again for its other forms"),
                        tr("Forget this word"));
        button->onEveryClick(this, [this, i] { buttonClicked(i); });
        connect(button, &TColorButton::rightClicked, this, [this, i] { buttonRightClicked(i); });
        row->addWidget(button);
        m_buttons.append(button);
    }
    m_update.setSingleShot(true);
    m_update.setInterval(0);
    connect(&m_update, &QTimer::timeout, this, &PredictionRow::refresh);
    setButtonCount(6);
    layOut();
}

void PredictionRow::setButtonCount(int count)
{
    m_count = std::clamp(count, 0, kMaxButtons);
    for (int i = 0; i < kMaxButtons; ++i)
        m_buttons[i]->setVisible(i < m_count);
    setVisible(m_count > 0);
    if (m_pinned >= m_count)
        m_pinned = -1;
    scheduleUpdate();
}

void PredictionRow::setScale(double scale)
{
    m_scale = scale;
    layOut();
}

void PredictionRow::layOut()
{
    const int margin = qRound(kMargin * m_scale);
    layout()->setContentsMargins(margin, margin, margin, margin);
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(qRound(kCaptionPixels * m_scale));
    for (TColorButton *button : std::as_const(m_buttons)) {
        button->setFixedHeight(qRound(kButtonHeight * m_scale));
        button->setFont(font);
    }
    setFixedHeight(qRound(kButtonHeight * m_scale) + 2 * margin);
}

void PredictionRow::setReady(bool ready)
{
    m_ready = ready;
    scheduleUpdate();
}

void PredictionRow::scheduleUpdate()
{
    if (!m_update.isActive())
        m_update.start();
}

QStringList PredictionRow::words()
{
    if (m_update.isActive()) {
        m_update.stop();
        refresh();
    }
    QStringList out;
    for (int i = 0; i < m_count; ++i)
        if (m_buttons[i]->isEnabled())
            out.append(TColorButton::strippedCaption(m_buttons[i]->caption()));
    return out;
}

void PredictionRow::refresh()
{
    m_update.stop();
    if (!m_ready && m_count > 0)
        Q_EMIT needsModel();
    const Predictor::Prediction *pinned = m_prediction.lastInserted(m_composition);
    if (!pinned)
        m_pinned = -1;
    QList<Predictor::Prediction> shown;
    if (m_ready && m_count > 0) {
        const TextSurface &surface = m_composition.surface();
        // A selection is replaced by the word chosen: predict at its start.
        QList<Predictor::Prediction> next =
            m_prediction.predict(surface, m_count - (m_pinned >= 0 ? 1 : 0));
        if (m_pinned >= 0) {
            next.removeIf([pinned](const Predictor::Prediction &p) {
                return p.word.compare(pinned->word, Qt::CaseInsensitive) == 0;
            });
            next.insert(std::min<qsizetype>(m_pinned, next.size()), *pinned);
        }
        shown = next;
    }
    m_shown = shown;
    for (int i = 0; i < kMaxButtons; ++i) {
        TColorButton *button = m_buttons[i];
        const QString word = i < shown.size() ? shown[i].word : QString();
        button->setCaption(captionFor(word));
        button->setEnabled(!word.isEmpty());
        button->setAccessibleName(word.isEmpty() ? tr("prediction %1: empty").arg(i + 1)
                                                 : tr("prediction %1: %2").arg(i + 1).arg(word));
        button->setToolTip(word.isEmpty() ? tr("No prediction") : button->hint());
    }
}

void PredictionRow::buttonClicked(int index)
{
    words(); // what the button shows is what goes in
    if (index >= m_shown.size())
        return;
    if (index == m_pinned && m_prediction.lastInserted(m_composition)) {
        m_prediction.cycle(m_composition);
    } else {
        m_prediction.insert(m_composition, m_shown[index]);
        m_pinned = index;
    }
    refresh();
    Q_EMIT inserted();
}

void PredictionRow::buttonRightClicked(int index)
{
    words();
    if (index >= m_shown.size())
        return;
    const QString word = m_shown[index].word;
    if (m_dialogs.question(tr("Forget this word: never offer \"%1\" again?").arg(word)) !=
        Dialogs::Answer::Yes)
        return;
    QString error;
    if (!m_prediction.forget(word, &error))
        Q_EMIT problem(error);
    if (index == m_pinned)
        m_pinned = -1;
    refresh();
}
