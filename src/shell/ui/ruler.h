#pragma once

#include "shell/ui/ruler_scale.h"

#include <QWidget>

class RulerMarker;

// The ruler above the editor: a scale and three markers (FirstInd, LeftInd,
// RightInd) that show the current paragraph's indents. Dragging a marker
// and letting go reports the indents it now stands for; whoever owns the
// paragraph applies them and places the markers again.
class Ruler : public QWidget
{
    Q_OBJECT
public:
    explicit Ruler(QWidget *parent = nullptr);

    // Places the markers for these indents.
    void setIndents(const RulerScale::Indents &indents);
    RulerScale::Indents indents() const { return m_indents; }
    bool dragging() const { return m_dragging; }

Q_SIGNALS:
    void indentsReleased(const RulerScale::Indents &indents);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void RulerItemMouseDown(RulerMarker *marker, int x);
    void RulerItemMouseMove(RulerMarker *marker, int x);
    void FirstIndMouseUp();
    void LeftIndMouseUp();
    void RightIndMouseUp();
    void moveMarker(RulerMarker *marker, int left);
    void placeMarkers();

    RulerMarker *FirstInd;
    RulerMarker *LeftInd;
    RulerMarker *RightInd;
    RulerScale::Indents m_indents;
    bool m_dragging = false;
    int m_dragOffset = 0;
};
