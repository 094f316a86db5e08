#include "shell/ui/ruler_marker.h"

#include <QMouseEvent>
#include <QPainter>

RulerMarker::RulerMarker(const QString &name, Shape shape, QWidget *parent)
    : QWidget(parent)
    , m_shape(shape)
{
    setObjectName(name);
    setFixedSize(kWidth, kHeight);
    setCursor(Qt::SizeHorCursor);
}

void RulerMarker::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(palette().color(QPalette::WindowText), 1));
    p.setBrush(palette().color(QPalette::Button));
    const qreal w = kWidth - 0.5;
    const qreal h = kHeight - 0.5;
    QPolygonF triangle;
    if (m_shape == Shape::PointingDown)
        triangle << QPointF(0.5, 0.5) << QPointF(w, 0.5) << QPointF(kWidth / 2.0, h);
    else
        triangle << QPointF(kWidth / 2.0, 0.5) << QPointF(w, h) << QPointF(0.5, h);
    p.drawPolygon(triangle);
}

void RulerMarker::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    Q_EMIT mousePressed(int(event->position().x()));
}

void RulerMarker::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return QWidget::mouseMoveEvent(event);
    Q_EMIT mouseMoved(int(event->position().x()));
}

void RulerMarker::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    Q_EMIT mouseReleased();
}
