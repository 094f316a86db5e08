#pragma once

#include "vocab/vocabulary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A throw-away program directory with prefs.ini, a vocabulary and the
// exceptions, each file small enough to reason about in a test.
class ProgramDirFixture
{
public:
    ProgramDirFixture() { EXPECT_TRUE(m_dir.isValid()); }

    QString path() const { return m_dir.path(); }
    QString filePath(const QString &rel) const { return QDir(m_dir.path()).filePath(rel); }

    void write(const QString &rel, const QByteArray &bytes) const
    {
        const QString p = filePath(rel);
        QDir().mkpath(QFileInfo(p).absolutePath());
        QFile f(p);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

    QByteArray read(const QString &rel) const
    {
        QFile f(filePath(rel));
        if (!f.open(QIODevice::ReadOnly))
            return "<missing>";
        return f.readAll();
    }

    bool exists(const QString &rel) const { return QFileInfo::exists(filePath(rel)); }
    void remove(const QString &rel) const { QFile::remove(filePath(rel)); }

    // Every vocabulary file in dir (relative), two words each unless given.
    void writeVocabulary(const QString &dir = QStringLiteral("words")) const
    {
        write(dir + QStringLiteral("/nounButtons.txt"),
              Vocabulary::defaultNounCaptions().join(QStringLiteral("\r\n")).toUtf8());
        for (Vocabulary::List list : Vocabulary::loadOrder()) {
            const QString name = dir + QLatin1Char('/') + Vocabulary::fileName(list);
            if (Vocabulary::isVerbTable(list))
                write(name, "walk\r\nwalks\r\nwalking\r\nwalked\r\nwalked\r\n"
                            "be\r\nis\r\nbeing\r\nwas\r\nbeen");
            else
                write(name, "zeta\r\nalpha\r\n");
        }
    }

    void writeExceptions() const
    {
        for (int i = 0; i < Vocabulary::ExceptionsCount; ++i)
            write(QStringLiteral("exceptions/") + Vocabulary::fileName(Vocabulary::Exceptions(i)),
                  "man\r\nmen\r\n");
    }

private:
    QTemporaryDir m_dir;
};
