#pragma once

#include <QPaintDevice>

// A stand-in for the screen at a multiple of its resolution. A document laid
// out for it shows every font, indent and picture that many times larger,
// while the document itself keeps the sizes it is saved with. It is never
// painted on: the editor still paints the layout on its own viewport.
class ZoomedTextDevice : public QPaintDevice
{
public:
    // dpi: the resolution of the screen the document is shown on.
    ZoomedTextDevice(int dpi, double scale);

    QPaintEngine *paintEngine() const override { return nullptr; }

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    int m_dpi;
};
