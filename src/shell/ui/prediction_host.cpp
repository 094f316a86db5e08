#include "shell/ui/prediction_host.h"

#include "compose/composition.h"
#include "compose/dialogs.h"
#include "controls/document_editor.h"
#include "panels/ui/board.h"
#include "predict/ui/prediction_row.h"
#include "prefs/preferences.h"
#include "prefs/view_settings.h"
#include "shell/ui/document.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>

namespace {

// Long enough to be read, after which the status bar's panels come back.
constexpr int kStatusTime = 20000;

} // namespace

std::future<PredictionHost::ShippedModel>
PredictionHost::readShippedModel(const QString &shippedDir)
{
    return std::async(
        std::launch::async,
        [path = QDir(shippedDir).filePath(QString::fromLatin1(WordPrediction::kModelFile))] {
            ShippedModel shipped;
            shipped.read = shipped.model.load(path, &shipped.error);
            return shipped;
        });
}

PredictionHost::PredictionHost(const Parts &parts, std::future<ShippedModel> shipped,
                               QObject *parent)
    : QObject(parent)
    , m_shipped(std::move(shipped))
    , m_parts(parts)
    , m_prediction(&parts.vocabulary)
{
    m_row = new PredictionRow(m_prediction, parts.composition, parts.dialogs);
    parts.board->setLeadRow(m_row);
    // The window gives the row its zoom, before it works out its own least
    // size; the host follows only the row's own settings.
    auto applySettings = [this] { m_row->setButtonCount(m_parts.view.prediction().buttons); };
    applySettings();
    connect(&parts.view, &ViewSettings::changed, this,
            [applySettings](ViewSettings::Aspect aspect) {
                if (aspect == ViewSettings::Aspect::Prediction)
                    applySettings();
            });
    connect(m_row, &PredictionRow::needsModel, this, &PredictionHost::loadModels);
    connect(m_row, &PredictionRow::problem, this, &PredictionHost::say);

    connect(parts.editor, &QTextEdit::textChanged, m_row, &PredictionRow::scheduleUpdate);
    connect(parts.editor, &QTextEdit::cursorPositionChanged, m_row, &PredictionRow::scheduleUpdate);
    connect(&parts.prefs, &Preferences::changed, this, [this](Preferences::Aspect aspect) {
        if (aspect == Preferences::Aspect::Tense) {
            m_prediction.setPastTense(m_parts.prefs.values().PastTense);
            m_row->scheduleUpdate();
        }
    });

    connect(parts.document, &Document::saved, this, &PredictionHost::learn);
    connect(parts.document, &Document::opened, this, [this] {
        m_prediction.startDocument();
        if (m_parts.view.prediction().learn && m_parts.view.prediction().learnOpened)
            learn();
    });
    connect(parts.document, &Document::newDocument, this, [this] { m_prediction.startDocument(); });

    auto *forget = new QAction(tr("&Forget Learnt Words"), this);
    forget->setObjectName(QStringLiteral("miForgetLearnt"));
    forget->setStatusTip(tr("Empties the words learnt from your documents"));
    connect(forget, &QAction::triggered, this, &PredictionHost::forgetAll);
    parts.menu->addAction(forget);
}

void PredictionHost::windowShown()
{
    QTimer::singleShot(0, this, &PredictionHost::loadModels);
}

void PredictionHost::loadModels()
{
    if (m_loaded)
        return;
    m_loaded = true;
    m_prediction.setPastTense(m_parts.prefs.values().PastTense);
    const QString note = m_prediction.loadUserModel(
        QDir(m_parts.userDir).filePath(QString::fromLatin1(WordPrediction::kUserFile)));
    if (!note.isEmpty())
        m_parts.dialogs.message(note);
    // Waits only if the thread has not finished reading yet.
    ShippedModel shipped = m_shipped.get();
    if (!shipped.read) {
        // The program works on as without prediction: the row stays empty.
        say(tr("No word prediction: %1.").arg(shipped.error));
        return;
    }
    m_prediction.setModel(std::move(shipped.model));
    m_row->setReady(true);
}

void PredictionHost::learn()
{
    if (!m_parts.view.prediction().learn)
        return;
    loadModels();
    QString error;
    if (!m_prediction.learnDocument(m_parts.editor->toPlainText(), &error))
        m_parts.dialogs.message(error);
    m_row->scheduleUpdate();
}

void PredictionHost::forgetAll()
{
    loadModels();
    if (m_parts.dialogs.question(tr("Forget every word learnt from your documents?")) !=
        Dialogs::Answer::Yes)
        return;
    QString error;
    if (!m_prediction.forgetAll(&error))
        m_parts.dialogs.message(error);
    m_row->scheduleUpdate();
}

void PredictionHost::say(const QString &message)
{
    if (!message.isEmpty())
        m_parts.statusBar->showMessage(message, kStatusTime);
}
