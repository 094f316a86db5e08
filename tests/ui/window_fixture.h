#pragma once

#include "../engine/fake_dialogs.h"
#include "compose/random_source.h"
#include "shell/ui/main_form.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// The real main window over a fresh copy of the shipped program directory,
// with scripted dialogs and a seeded random source.
class WindowFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        copyTree(QStringLiteral(WORDLOOM_DATA_DIR), m_dir.path());
    }

    TMainForm &open()
    {
        StartOptions options;
        options.programDir = m_dir.path();
        options.dialogs = &dialogs;
        options.random = &random;
        window = std::make_unique<TMainForm>(options);
        window->show();
        return *window;
    }

    QString programFile(const QString &rel) const { return QDir(m_dir.path()).filePath(rel); }
    QString text() const { return window->composition().surface().text(); }

    static void copyTree(const QString &from, const QString &to)
    {
        QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString src = it.next();
            const QString dst = QDir(to).filePath(QDir(from).relativeFilePath(src));
            QDir().mkpath(QFileInfo(dst).absolutePath());
            QFile::copy(src, dst);
        }
    }

    QTemporaryDir m_dir;
    FakeDialogs dialogs;
    SeededRandom random{1};
    std::unique_ptr<TMainForm> window;
};
