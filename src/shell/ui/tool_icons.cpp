#include "shell/ui/tool_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace ToolIcons {

namespace {

constexpr int kSize = 20;

void page(QPainter &p, const QRectF &r)
{
    p.setBrush(Qt::white);
    p.drawRect(r);
    for (qreal y = r.top() + 4; y < r.bottom() - 2; y += 3)
        p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
}

void lines(QPainter &p, Qt::Alignment align)
{
    const int widths[] = {14, 10, 14, 8};
    for (int i = 0; i < 4; ++i) {
        const int w = widths[i];
        int x = 3;
        if (align == Qt::AlignHCenter)
            x = (kSize - w) / 2;
        else if (align == Qt::AlignRight)
            x = kSize - 3 - w;
        p.drawLine(x, 4 + i * 4, x + w, 4 + i * 4);
    }
}

void letter(QPainter &p, const QString &text, bool bold, bool italic, bool underline)
{
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(16);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    p.setFont(font);
    p.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, text);
}

} // namespace

QIcon icon(Kind kind)
{
    QPixmap pix(kSize, kSize);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(QColor(40, 40, 40));
    pen.setWidthF(1.2);
    p.setPen(pen);
    switch (kind) {
    case Kind::Open: {
        p.setBrush(QColor(240, 200, 90));
        QPainterPath folder;
        folder.moveTo(2, 5);
        folder.lineTo(8, 5);
        folder.lineTo(10, 7);
        folder.lineTo(18, 7);
        folder.lineTo(18, 16);
        folder.lineTo(2, 16);
        folder.closeSubpath();
        p.drawPath(folder);
        break;
    }
    case Kind::Save:
        p.setBrush(QColor(70, 110, 180));
        p.drawRoundedRect(QRectF(2.5, 2.5, 15, 15), 1.5, 1.5);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 3, 9, 5));
        p.drawRect(QRectF(5, 11, 10, 6));
        break;
    case Kind::Print:
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 2.5, 9, 6));
        p.setBrush(QColor(150, 150, 150));
        p.drawRoundedRect(QRectF(2.5, 7.5, 15, 7), 1.5, 1.5);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 12.5, 9, 5));
        break;
    case Kind::Cut:
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(3, 12, 5, 5));
        p.drawEllipse(QRectF(12, 12, 5, 5));
        p.drawLine(QPointF(7, 12), QPointF(14, 3));
        p.drawLine(QPointF(13, 12), QPointF(6, 3));
        break;
    case Kind::Copy:
        page(p, QRectF(2.5, 2.5, 10, 12));
        page(p, QRectF(7.5, 5.5, 10, 12));
        break;
    case Kind::Paste:
        p.setBrush(QColor(190, 150, 100));
        p.drawRoundedRect(QRectF(3.5, 3.5, 12, 15), 1.5, 1.5);
        page(p, QRectF(8.5, 7.5, 9, 11));
        break;
    case Kind::Bold:
        letter(p, QStringLiteral("B"), true, false, false);
        break;
    case Kind::Italic:
        letter(p, QStringLiteral("I"), false, true, false);
        break;
    case Kind::Underline:
        letter(p, QStringLiteral("U"), false, false, true);
        break;
    case Kind::AlignLeft:
        lines(p, Qt::AlignLeft);
        break;
    case Kind::AlignCenter:
        lines(p, Qt::AlignHCenter);
        break;
    case Kind::AlignRight:
        lines(p, Qt::AlignRight);
        break;
    }
    return QIcon(pix);
}

} // namespace ToolIcons
