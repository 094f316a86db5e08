#pragma once

#include "predict/prediction_model.h"
#include "predict/word_prediction.h"

#include <QObject>
#include <QString>
#include <future>

class Board;
class Composition;
class Dialogs;
class Document;
class DocumentEditor;
class Preferences;
class PredictionRow;
class QMenu;
class QStatusBar;
class ViewSettings;
class Vocabulary;

// Word prediction in the window: owns the models and the row above the
// board, and follows what it needs by itself (the text and caret, the
// tense, the view settings, documents saved and opened). The window only
// builds it, places the row and says when it has been shown.
class PredictionHost : public QObject
{
    Q_OBJECT
public:
    struct Parts
    {
        Composition &composition;
        Vocabulary &vocabulary;
        Dialogs &dialogs;
        ViewSettings &view;
        Preferences &prefs;
        DocumentEditor *editor;
        Document *document;
        Board *board;
        QStatusBar *statusBar;
        QMenu *menu; // gets "Forget learnt words"
        // Where the learnt words are kept; the shipped model comes read.
        QString userDir;
    };

    // The shipped model as read on a thread of its own.
    struct ShippedModel
    {
        PredictionModel model;
        bool read = false;
        QString error;
    };
    // Starts reading the shipped model of shippedDir. Reading it takes as
    // long as building much of the window, so the window starts it first
    // and the two overlap instead of adding up.
    static std::future<ShippedModel> readShippedModel(const QString &shippedDir);

    PredictionHost(const Parts &parts, std::future<ShippedModel> shipped,
                   QObject *parent = nullptr);

    PredictionRow *row() const { return m_row; }
    WordPrediction &prediction() { return m_prediction; }

    // The window shows: the models are taken in once the event loop is
    // free, so they never hold up the first paint.
    void windowShown();

private:
    void loadModels();
    void learn();
    void forgetAll();
    void say(const QString &message);

    std::future<ShippedModel> m_shipped;
    Parts m_parts;
    WordPrediction m_prediction;
    PredictionRow *m_row = nullptr;
    bool m_loaded = false;
};
