#include "controls/zoomed_text_device.h"

#include <QtMath>

ZoomedTextDevice::ZoomedTextDevice(int dpi, double scale)
    : m_dpi(qRound(dpi * scale))
{}

int ZoomedTextDevice::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return m_dpi;
    case PdmDepth:
        return 32;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    case PdmNumColors:
        return 0x7fffffff;
    case PdmWidth:
    case PdmHeight:
        // No page: the editor's viewport gives the width text wraps at.
        return 0;
    case PdmWidthMM:
    case PdmHeightMM:
        return 0;
    }
    return 0;
}
