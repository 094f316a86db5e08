#pragma once

#include "compose/dialogs.h"

class QWidget;

// The program's real dialogs: message boxes, input boxes, file choosers.
class WidgetDialogs : public Dialogs
{
public:
    explicit WidgetDialogs(QWidget *parent)
        : m_parent(parent)
    {}

    void message(const QString &text) override;
    void about(const QString &text) override;
    Answer question(const QString &text) override;
    Answer yesNoQuestion(const QString &text) override;
    std::optional<QString> textInput(const QString &title, const QString &prompt,
                                     const QString &initial) override;
    std::optional<QString> directory(const QString &title, const QString &start) override;
    std::optional<QString> openFile(const QString &title, const QString &dir,
                                    const QString &filters, int filterIndex) override;
    std::optional<OpenChoice> openDocument(const QString &title, const QString &dir,
                                           const QString &filters, int filterIndex) override;
    std::optional<QString> saveFile(const QString &title, const QString &dir,
                                    const QString &filters, int filterIndex,
                                    const QString &defaultSuffix) override;

private:
    QWidget *m_parent;
};
