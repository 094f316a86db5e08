#pragma once

#include <QDialog>

// The about box: product name and version.
class TAboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit TAboutBox(QWidget *parent = nullptr);
    static QString text();
};
