#pragma once

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

// How the program is seen and worked: the zoom of the board and its high
// contrast faces, and whatever later settings of the same kind join them.
// They live in "view.ini" beside prefs.ini rather than in it, because
// prefs.ini is read by line number and its 57 lines are fixed. view.ini is
// "key=value" lines, so a setting can be added without moving another, and
// a line this version does not know is kept for the version that wrote it.
class ViewSettings : public QObject
{
    Q_OBJECT
public:
    static constexpr int kMinZoom = 100;
    static constexpr int kMaxZoom = 300;
    static constexpr int kZoomStep = 25;

    explicit ViewSettings(QObject *parent = nullptr);

    // The board's size in percent of its natural size.
    int zoom() const { return m_zoom; }
    // Rounded down to a step and kept between kMinZoom and kMaxZoom.
    void setZoom(int percent);
    void zoomIn() { setZoom(m_zoom + kZoomStep); }
    void zoomOut() { setZoom(m_zoom - kZoomStep); }
    // zoom() as a factor: 1.0 is the board as its tables give it.
    double scale() const { return m_zoom / 100.0; }

    bool highContrast() const { return m_highContrast; }
    void setHighContrast(bool on);

    // A missing file leaves the defaults and is no error; a line that
    // cannot be read leaves its setting at the default. False (and *error
    // says why) only when the file is there and cannot be read.
    bool read(const QString &path, QString *error);
    // Through the checked writer: on failure the old file stays and *error
    // names the file and the reason.
    bool write(const QString &path, QString *error) const;

Q_SIGNALS:
    void zoomChanged(int percent);
    void highContrastChanged(bool on);

private:
    int m_zoom = kMinZoom;
    bool m_highContrast = false;
    // Lines of keys this version does not use, in file order.
    QList<QPair<QString, QString>> m_unknown;
};
