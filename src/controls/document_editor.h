#pragma once

#include <QTextEdit>

// The document editor RichEdit1. Reports key and mouse events to the window
// the way the composition rules need them: key-down before the editor acts
// on the key, key-up and the mouse after.
class DocumentEditor : public QTextEdit
{
    Q_OBJECT
public:
    explicit DocumentEditor(QWidget *parent = nullptr);

    // The character position under a point of the viewport.
    int positionAt(const QPoint &viewportPoint) const;
    // Leaves pixels free on the left and right of the text.
    void setSideMargins(int pixels) { setViewportMargins(pixels, 0, pixels, 0); }
    // A paste that would make a paragraph longer than this is refused, as a
    // file with one is on opening (negative: no limit).
    void setParagraphLimit(qsizetype characters) { m_paragraphLimit = characters; }

Q_SIGNALS:
    void keyDown(int key);
    void keyUp(int key);
    void mouseDown(QPoint viewportPoint);
    void mouseUp(QPoint viewportPoint);
    // Nothing was pasted: it would have made a paragraph of length characters.
    void pasteRefused(qsizetype length, qsizetype limit);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    // The longest paragraph there would be with text in place of the
    // selection.
    qsizetype longestParagraphWith(const QString &text) const;

    qsizetype m_paragraphLimit = -1;
};
