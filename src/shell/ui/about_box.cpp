#include "shell/ui/about_box.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

TAboutBox::TAboutBox(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("About Wordloom"));
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    auto *title = new QLabel(QStringLiteral("<h2>Wordloom</h2>"), this);
    title->setObjectName(QStringLiteral("ProductName"));
    auto *version = new QLabel(tr("Version %1").arg(QStringLiteral(WORDLOOM_VERSION)), this);
    version->setObjectName(QStringLiteral("Version"));
    auto *blurb = new QLabel(tr("Compose poetry and prose by clicking words."), this);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(title);
    layout->addWidget(version);
    layout->addWidget(blurb);
    layout->addWidget(buttons);
}

QString TAboutBox::text()
{
    return QStringLiteral("Wordloom " WORDLOOM_VERSION);
}
