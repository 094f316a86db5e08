#pragma once

#include <QTextEdit>
#include <memory>

class ZoomedTextDevice;

// The document editor RichEdit1. Reports key and mouse events to the window
// the way the composition rules need them: key-down before the editor acts
// on the key, key-up and the mouse after.
class DocumentEditor : public QTextEdit
{
    Q_OBJECT
public:
    explicit DocumentEditor(QWidget *parent = nullptr);
    ~DocumentEditor() override;

    // The character position under a point of the viewport.
    int positionAt(const QPoint &viewportPoint) const;
    // Leaves pixels free on the left and right of the text.
    void setSideMargins(int pixels) { setViewportMargins(pixels, 0, pixels, 0); }
    // A paste that would make a paragraph longer than this is refused, as a
    // file with one is on opening (negative: no limit).
    void setParagraphLimit(qsizetype characters) { m_paragraphLimit = characters; }
    // Shows the text scale times its size (1.0: as saved). Only the display
    // grows: the document's fonts, indents and pictures keep their sizes,
    // so what is saved, printed or copied does not change.
    void setDisplayScale(double scale);
    double displayScale() const { return m_displayScale; }

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
    // Pictures and style sheets named by rich text come only from the data
    // it holds, never from a file (EmbeddedResources).
    QVariant loadResource(int type, const QUrl &name) override;

private:
    // The longest paragraph there would be with text in place of the
    // selection.
    qsizetype longestParagraphWith(const QString &text) const;

    qsizetype m_paragraphLimit = -1;
    double m_displayScale = 1.0;
    // The resolution the document is laid out for while scaled.
    std::unique_ptr<ZoomedTextDevice> m_zoomedDevice;
};
