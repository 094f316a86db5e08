#include "qstring_printer.h"
#include "window_fixture.h"

#include <QAction>
#include <QDesktopServices>
#include <QImage>
#include <QRegularExpression>
#include <QUrl>

namespace {

// Stands in for the system shell: remembers what it was asked to open.
class ShellCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public Q_SLOTS:
    void open(const QUrl &url) { opened.append(url); }
};

using HelpManual = WindowFixture;

// With a shell that takes the manual, one that takes nothing (the offscreen
// platform has none), and with the manual missing.
TEST_F(HelpManual, TheMenuHasTheShellOpenTheManualOrSaysWhyNot)
{
    const QString manual = programFile(QStringLiteral("manual.html"));
    for (const char *when : {"shell", "no shell", "missing"}) {
        SCOPED_TRACE(when);
        const QString w = QLatin1String(when);
        ShellCatcher shell;
        if (w != QLatin1String("no shell"))
            QDesktopServices::setUrlHandler(QStringLiteral("file"), &shell, "open");
        if (w == QLatin1String("missing"))
            QFile::remove(manual);
        dialogs.messages.clear();
        open();
        window->findChild<QAction *>(QStringLiteral("HelpManualItem"))->trigger();
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        if (w == QLatin1String("shell")) {
            ASSERT_EQ(shell.opened.size(), 1);
            EXPECT_EQ(QFileInfo(shell.opened.first().toLocalFile()).canonicalFilePath(),
                      QFileInfo(manual).canonicalFilePath());
            EXPECT_TRUE(dialogs.messages.isEmpty());
            continue;
        }
        EXPECT_TRUE(shell.opened.isEmpty());
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_TRUE(dialogs.messages.first().contains(w == QLatin1String("missing")
                                                          ? QStringLiteral("manual.html")
                                                          : QDir::toNativeSeparators(manual)))
            << dialogs.messages.first().toStdString();
    }
}

// The build lays the manual and its pictures beside the program.
TEST(ShippedManual, EveryPictureItShowsIsBesideIt)
{
    const QDir programDir(QStringLiteral(WORDLOOM_PROGRAM_DIR));
    QFile manual(programDir.filePath(QStringLiteral("manual.html")));
    ASSERT_TRUE(manual.open(QIODevice::ReadOnly)) << manual.fileName().toStdString();
    const QString html = QString::fromUtf8(manual.readAll());
    const QRegularExpression source(QStringLiteral("<img[^>]*\\ssrc=\"([^\"]+)\""));
    int pictures = 0;
    for (auto it = source.globalMatch(html); it.hasNext(); ++pictures) {
        const QString rel = it.next().captured(1);
        EXPECT_FALSE(QDir::isAbsolutePath(rel)) << rel.toStdString();
        const QFileInfo picture(programDir.filePath(rel));
        EXPECT_TRUE(picture.isFile()) << rel.toStdString();
        QImage image(picture.filePath());
        EXPECT_FALSE(image.isNull()) << rel.toStdString();
    }
    EXPECT_GE(pictures, 10);
    // Links inside the page lead to headings that exist.
    const QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
    for (auto it = link.globalMatch(html); it.hasNext();) {
        const QString id = it.next().captured(1);
        EXPECT_TRUE(html.contains(QStringLiteral("id=\"%1\"").arg(id))) << id.toStdString();
    }
}

} // namespace

#include "help_manual_test.moc"
