#include "shell/ui/widget_dialogs.h"

#include "shell/ui/about_box.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>

void WidgetDialogs::message(const QString &text)
{
    QMessageBox::information(m_parent, QApplication::applicationName(), text);
}

void WidgetDialogs::about(const QString &)
{
    TAboutBox box(m_parent);
    box.exec();
}

Dialogs::Answer WidgetDialogs::question(const QString &text)
{
    const auto button = QMessageBox::question(
        m_parent, QApplication::applicationName(), text,
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (button == QMessageBox::Yes)
        return Answer::Yes;
    if (button == QMessageBox::No)
        return Answer::No;
    return Answer::Cancel;
}

Dialogs::Answer WidgetDialogs::yesNoQuestion(const QString &text)
{
    // No is the default: Enter alone does not throw anything away.
    const auto button = QMessageBox::question(m_parent, QApplication::applicationName(), text,
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return button == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

std::optional<QString> WidgetDialogs::textInput(const QString &title, const QString &prompt,
                                                const QString &initial)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(m_parent, title, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QString> WidgetDialogs::directory(const QString &title, const QString &start)
{
    const QString dir = QFileDialog::getExistingDirectory(m_parent, title, start);
    if (dir.isEmpty())
        return std::nullopt;
    return dir;
}

std::optional<QString> WidgetDialogs::openFile(const QString &title, const QString &dir,
                                               const QString &filters, int filterIndex)
{
    QString selected = filters.split(QStringLiteral(";;")).value(filterIndex);
    const QString file = QFileDialog::getOpenFileName(m_parent, title, dir, filters, &selected);
    if (file.isEmpty())
        return std::nullopt;
    return file;
}

std::optional<Dialogs::OpenChoice> WidgetDialogs::openDocument(const QString &title,
                                                               const QString &dir,
                                                               const QString &filters,
                                                               int filterIndex)
{
    // Qt's own dialog, since the native ones offer no read-only box.
    QFileDialog dialog(m_parent, title, dir, filters);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.selectNameFilter(filters.split(QStringLiteral(";;")).value(filterIndex));
    auto *readOnly = new QCheckBox(QObject::tr("Open as &read-only"), &dialog);
    readOnly->setObjectName(QStringLiteral("cbReadOnly"));
    if (auto *grid = qobject_cast<QGridLayout *>(dialog.layout()))
        grid->addWidget(readOnly, grid->rowCount(), 0, 1, grid->columnCount());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return OpenChoice{dialog.selectedFiles().constFirst(), readOnly->isChecked()};
}

std::optional<QString> WidgetDialogs::saveFile(const QString &title, const QString &dir,
                                               const QString &filters, int filterIndex,
                                               const QString &defaultSuffix)
{
    QFileDialog dialog(m_parent, title, dir, filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.selectNameFilter(filters.split(QStringLiteral(";;")).value(filterIndex));
    // The window asks "OK to overwrite" itself.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}
