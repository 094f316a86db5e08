#pragma once

#include <QWidget>

// One indent marker of the ruler: a small triangle that reports the left
// mouse button's press, moves and release in its own coordinates, so the
// ruler can drag it.
class RulerMarker : public QWidget
{
    Q_OBJECT
public:
    enum class Shape { PointingDown, PointingUp };

    RulerMarker(const QString &name, Shape shape, QWidget *parent);

    static constexpr int kWidth = 9;
    static constexpr int kHeight = 8;

Q_SIGNALS:
    void mousePressed(int x);
    void mouseMoved(int x);
    void mouseReleased();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Shape m_shape;
};
