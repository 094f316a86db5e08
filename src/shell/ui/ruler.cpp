#include "shell/ui/ruler.h"

#include "shell/ui/ruler_marker.h"

#include <QPainter>

namespace {
// The scale line's distance from the left edge, kept on the right as well.
constexpr int kLineOffset = 6;
} // namespace

Ruler::Ruler(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Ruler"));
    setFixedHeight(26);
    FirstInd = new RulerMarker(QStringLiteral("FirstInd"), RulerMarker::Shape::PointingDown, this);
    LeftInd = new RulerMarker(QStringLiteral("LeftInd"), RulerMarker::Shape::PointingUp, this);
    RightInd = new RulerMarker(QStringLiteral("RightInd"), RulerMarker::Shape::PointingUp, this);
    FirstInd->move(0, 2);
    LeftInd->move(0, height() - RulerMarker::kHeight - 2);
    RightInd->move(0, height() - RulerMarker::kHeight - 2);

    for (RulerMarker *marker : {FirstInd, LeftInd, RightInd}) {
        connect(marker, &RulerMarker::mousePressed, this,
                [this, marker](int x) { RulerItemMouseDown(marker, x); });
        connect(marker, &RulerMarker::mouseMoved, this,
                [this, marker](int x) { RulerItemMouseMove(marker, x); });
    }
    connect(FirstInd, &RulerMarker::mouseReleased, this, &Ruler::FirstIndMouseUp);
    connect(LeftInd, &RulerMarker::mouseReleased, this, &Ruler::LeftIndMouseUp);
    connect(RightInd, &RulerMarker::mouseReleased, this, &Ruler::RightIndMouseUp);
    placeMarkers();
}

void Ruler::setIndents(const RulerScale::Indents &indents)
{
    m_indents = indents;
    if (!m_dragging)
        placeMarkers();
}

void Ruler::placeMarkers()
{
    FirstInd->move(RulerScale::firstMarkerLeft(m_indents), FirstInd->y());
    LeftInd->move(RulerScale::leftMarkerLeft(m_indents), LeftInd->y());
    RightInd->move(RulerScale::rightMarkerLeft(m_indents, width()), RightInd->y());
}

void Ruler::moveMarker(RulerMarker *marker, int left)
{
    // A marker stays on the ruler however far the mouse goes.
    left = std::clamp(left, 0, std::max(0, width() - marker->width()));
    marker->move(left, marker->y());
}

void Ruler::RulerItemMouseDown(RulerMarker *marker, int x)
{
    m_dragOffset = RulerScale::kGrabOffset;
    moveMarker(marker, marker->x() + x - m_dragOffset);
    m_dragging = true;
}

void Ruler::RulerItemMouseMove(RulerMarker *marker, int x)
{
    if (m_dragging)
        moveMarker(marker, marker->x() + x - m_dragOffset);
}

void Ruler::FirstIndMouseUp()
{
    m_dragging = false;
    m_indents = RulerScale::releaseFirst(m_indents, FirstInd->x(), LeftInd->x(), m_dragOffset);
    placeMarkers();
    Q_EMIT indentsReleased(m_indents);
}

void Ruler::LeftIndMouseUp()
{
    m_dragging = false;
    m_indents = RulerScale::releaseLeft(m_indents, LeftInd->x(), m_dragOffset);
    placeMarkers();
    Q_EMIT indentsReleased(m_indents);
}

void Ruler::RightIndMouseUp()
{
    m_dragging = false;
    m_indents = RulerScale::releaseRight(m_indents, RightInd->x(), m_dragOffset, width());
    placeMarkers();
    Q_EMIT indentsReleased(m_indents);
}

void Ruler::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (!m_dragging)
        placeMarkers();
}

void Ruler::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QColor ink = palette().color(QPalette::WindowText);
    // The scale: the line keeps the ruler's width less its offset on both
    // sides, with a tick every half inch (36 points) from the page's edge.
    const int lineWidth = width() - 2 * kLineOffset;
    const int top = 11;
    p.fillRect(kLineOffset, top, lineWidth, 5, palette().color(QPalette::Base));
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(kLineOffset, top, lineWidth - 1, 4);
    p.setPen(ink);
    for (int points = 36; RulerScale::firstMarkerLeft({points, 0, 0}) + 4 < width() - kLineOffset;
         points += 36) {
        const int x = RulerScale::firstMarkerLeft({points, 0, 0}) + RulerScale::kGrabOffset;
        p.drawLine(x, top + 1, x, top + 3);
    }
}
