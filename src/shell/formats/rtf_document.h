#pragma once

#include <QString>

class QTextDocument;

// Rich-text documents on disk.
bool readRtfDocument(const QString &path, QTextDocument *document, QString *error);
bool writeRtfDocument(const QString &path, const QTextDocument &document, QString *error);
