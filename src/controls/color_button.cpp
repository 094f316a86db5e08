#include "controls/color_button.h"

#include "controls/frame_paint.h"
#include "controls/face_contrast.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int ShadeStep = 64;

QColor shifted(const QColor &color, int delta)
{
    const QColor rgb = color.toRgb();
    auto clamp = [delta](int c) { return std::clamp(c + delta, 0, 255); };
    return QColor(clamp(rgb.red()), clamp(rgb.green()), clamp(rgb.blue()), rgb.alpha());
}

FaceContrast::Rgb rgbOf(const QColor &color)
{
    const QColor c = color.toRgb();
    return {c.red(), c.green(), c.blue()};
}

QColor colorOf(const FaceContrast::Rgb &rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

} // namespace

TColorButton::TColorButton(QWidget *parent)
    : QAbstractButton(parent)
    , m_color(palette().color(QPalette::Button))
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(75, 25);
}

TColorButton::~TColorButton() = default;

void TColorButton::setAlignment(TAlignment alignment)
{
    m_alignment = alignment;
    update();
}

void TColorButton::setBevelStyle(TButtonBevel bevel)
{
    m_bevelStyle = bevel;
    update();
}

void TColorButton::setBevelSize(int size)
{
    m_bevelSize = std::max(size, 1);
    applyAutoSize();
    update();
}

void TColorButton::setColor(const QColor &color)
{
    m_color = color;
    update();
}

void TColorButton::setFontColor(const QColor &color)
{
    m_fontColor = color;
    update();
}

void TColorButton::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    applyAutoSize();
    update();
}

void TColorButton::setSpacing(int spacing)
{
    spacing = std::max(spacing, 0);
    if (spacing == m_spacing)
        return;
    m_spacing = spacing;
    update();
}

void TColorButton::setStyle(TButtonStyles style)
{
    if (style == m_style)
        return;
    m_style = style;
    applyAutoSize();
    update();
}

void TColorButton::setCaption(const QString &caption)
{
    if (caption == text())
        return;
    setText(caption);
    if (!m_hintLeft.isEmpty())
        refreshHint();
    // The face underlines the character after the first "&"; the key is
    // that character's, also where Qt would read the "&"s otherwise.
    setShortcut(accelerator(caption));
}

TColorButton::FaceState TColorButton::faceState() const
{
    if (!isEnabled())
        return FaceState::Disabled;
    return isDown() ? FaceState::Down : FaceState::Up;
}

void TColorButton::setHint(const QString &left, const QString &right)
{
    m_hintLeft = left;
    m_hintRight = right;
    refreshHint();
}

QString TColorButton::spokenName() const
{
    const QString name = accessibleName();
    return name.isEmpty() ? strippedCaption(text()) : name;
}

QString TColorButton::hint() const
{
    QString text = m_hintLeft;
    text.replace(QStringLiteral("%1"), strippedCaption(this->text()).trimmed());
    if (m_hasRightClick && !m_hintRight.isEmpty())
        text += QStringLiteral("; right click: ") + m_hintRight;
    return text;
}

void TColorButton::refreshHint()
{
    const QString text = hint();
    setToolTip(text);
    setStatusTip(text);
    // The description carries the state too: colour alone tells a screen
    // reader nothing.
    setAccessibleDescription(m_armed && !text.isEmpty() ? QStringLiteral("armed; ") + text : text);
}

void TColorButton::setArmed(bool armed)
{
    if (armed == m_armed)
        return;
    m_armed = armed;
    refreshHint();
    update();
}

void TColorButton::connectNotify(const QMetaMethod &signal)
{
    if (signal == QMetaMethod::fromSignal(&TColorButton::rightClicked) && !m_hasRightClick) {
        m_hasRightClick = true;
        refreshHint();
    }
    QAbstractButton::connectNotify(signal);
}

bool TColorButton::highContrast() const
{
    return window()->property(kHighContrastProperty).toBool();
}

QColor TColorButton::paintedColor() const
{
    FaceContrast::Rgb face = rgbOf(m_color);
    if (highContrast())
        face = FaceContrast::darkenedFor(face, rgbOf(m_fontColor));
    if (faceState() == FaceState::Disabled) {
        // Half way to the board's own grey, so a button that does nothing
        // now looks faded whatever its colour.
        const FaceContrast::Rgb board = rgbOf(palette().color(QPalette::Window));
        face = {(face.red + board.red) / 2, (face.green + board.green) / 2,
                (face.blue + board.blue) / 2};
    }
    return colorOf(face);
}

QColor TColorButton::paintedCaptionColor() const
{
    return captionColorOn(paintedColor());
}

QColor TColorButton::captionColorOn(const QColor &face) const
{
    if (faceState() != FaceState::Disabled)
        return m_fontColor;
    return colorOf(FaceContrast::readableOn(rgbOf(face)));
}

int TColorButton::paintedBevelSize() const
{
    return m_bevelSize + (highContrast() ? 1 : 0);
}

QColor TColorButton::fromBgr(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

quint32 TColorButton::toBgr(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return quint32(rgb.red()) | quint32(rgb.green()) << 8 | quint32(rgb.blue()) << 16;
}

QColor TColorButton::lighten(const QColor &color)
{
    return shifted(color, ShadeStep);
}

QColor TColorButton::darken(const QColor &color)
{
    return shifted(color, -ShadeStep);
}

QString TColorButton::strippedCaption(const QString &caption, int *keyIndex)
{
    const qsizetype amp = caption.indexOf(QLatin1Char('&'));
    if (keyIndex)
        *keyIndex = amp >= 0 && amp + 1 < caption.size() ? int(amp) : -1;
    if (amp < 0)
        return caption;
    QString text = caption;
    text.remove(amp, 1);
    return text;
}

QKeySequence TColorButton::accelerator(const QString &caption)
{
    int key = -1;
    const QString text = strippedCaption(caption, &key);
    if (key < 0)
        return {};
    // Let Qt map the character to its key, as it does for its own buttons.
    return QKeySequence::mnemonic(QStringLiteral("&") + text.at(key));
}

QPoint TColorButton::captionOrigin(QSize textSize, int d) const
{
    const int m = margin();
    const int column = m_alignment % 3;
    const int row = m_alignment / 3;
    int x = 0;
    int y = 0;
    switch (column) {
    case 0:
        x = m + d;
        break;
    case 1:
        x = (width() - 2 * m - textSize.width()) / 2 + m + d;
        break;
    default:
        x = width() - m - textSize.width() + d;
        break;
    }
    switch (row) {
    case 0:
        y = m + d;
        break;
    case 1:
        y = (height() - 2 * m - textSize.height()) / 2 + m + d;
        break;
    default:
        y = height() - m - textSize.height() + d;
        break;
    }
    return {x, y};
}

QRect TColorButton::pictureRect() const
{
    if (m_picture.isNull())
        return {};
    const int m = margin();
    const int w = width();
    const int h = height();
    const int pw = m_picture.width();
    const int ph = m_picture.height();
    if (m_style & bsStretch)
        return QRect(m, m, w - 2 * m, h - 2 * m);
    const int cx = (w - pw) / 2;
    const int cy = (h - ph) / 2;
    if (m_style & bsCenter)
        return QRect(cx, cy, pw, ph);
    // Opposite the caption, so the two do not overlap.
    switch (m_alignment) {
    case alTopLeft:
    case alTopCenter:
    case alTopRight:
        return QRect(cx, h - m - ph, pw, ph);
    case alMiddleLeft:
        return QRect(w - m - pw, cy, pw, ph);
    case alMiddleRight:
        return QRect(m, cy, pw, ph);
    case alBottomLeft:
    case alBottomCenter:
    case alBottomRight:
        return QRect(cx, m, pw, ph);
    case alMiddleCenter:
        break;
    }
    return QRect(cx, cy, pw, ph);
}

QRect TColorButton::keyUnderline(int d) const
{
    if (!(m_style & bsShowKey))
        return {};
    int key = -1;
    const QString text = strippedCaption(this->text(), &key);
    if (key < 0)
        return {};
    const QFontMetrics fm = fontMetrics();
    const QPoint origin = captionOrigin(QSize(fm.horizontalAdvance(text), fm.height()), d);
    const int x1 = origin.x() + fm.horizontalAdvance(text.left(key));
    const int x2 = origin.x() + fm.horizontalAdvance(text.left(key + 1));
    if (x2 <= x1)
        return {};
    return QRect(x1, origin.y() + fm.height(), x2 - x1, 1);
}

QSize TColorButton::sizeHint() const
{
    if ((m_style & bsAutoSize) && !m_picture.isNull())
        return m_picture.size() + QSize(2 * m_bevelSize, 2 * m_bevelSize);
    return QSize(75, 25);
}

void TColorButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(font());
    QRect inner = rect();
    // Worked out once: in high contrast the face is searched for.
    const QColor face = paintedColor();
    const QColor caption = captionColorOn(face);
    painter.fillRect(inner, face);
    if (m_bevelStyle != bbNone)
        drawBevel(painter, inner, face);
    if (m_focused && (m_style & bsShowFocus) && hasFocus())
        drawFocus(painter, inner);
    if (!m_picture.isNull())
        painter.drawPixmap(pictureRect(), m_picture);
    if (m_armed)
        drawArmedMarker(painter, inner, caption);
    if (text().isEmpty())
        return;
    drawCaption(painter, caption, 0);
}

void TColorButton::drawArmedMarker(QPainter &painter, const QRect &inner, const QColor &mark) const
{
    // A caption-coloured outline: the armed state must not rest on the face
    // colour alone. It keeps clear of the caption, which fills the button.
    const QRect r = inner.adjusted(1, 1, -1, -1);
    if (r.width() < 4 || r.height() < 4)
        return;
    fillFrame(painter, r, 2, mark);
}

void TColorButton::drawBevel(QPainter &painter, QRect &rect, const QColor &face) const
{
    const bool raisedLook = (faceState() == FaceState::Down) == (m_bevelStyle == bbLowered);
    QColor topLeft = raisedLook ? lighten(face) : darken(face);
    QColor bottomRight = raisedLook ? darken(face) : lighten(face);
    // A disabled button lies flat: one shade all round, neither raised nor
    // sunk.
    if (faceState() == FaceState::Disabled)
        topLeft = bottomRight = darken(face);
    const int size = paintedBevelSize();
    for (int i = 0; i < size && rect.width() > 0 && rect.height() > 0; ++i) {
        // The bottom-right edges own both far corners, as in a classic 3D frame.
        painter.fillRect(QRect(rect.left(), rect.top(), rect.width() - 1, 1), topLeft);
        painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height() - 1), topLeft);
        painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), bottomRight);
        painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), bottomRight);
        rect.adjust(1, 1, -1, -1);
    }
}

void TColorButton::drawFocus(QPainter &painter, const QRect &inner) const
{
    if (m_keyFocus) {
        // Focus reached by keyboard must show from across the room on any
        // face: black, yellow and black rings, the outer one against the
        // board, over the bevel so the caption keeps its room.
        const QColor rings[] = {Qt::black, QColor(255, 221, 0), Qt::black};
        QRect r = rect();
        for (const QColor &ring : rings) {
            if (r.width() < 2 || r.height() < 2)
                return;
            fillFrame(painter, r, 1, ring);
            r.adjust(1, 1, -1, -1);
        }
        return;
    }
    const QRect r =
        inner.adjusted(m_spacing, m_spacing, -m_spacing, -m_spacing).adjusted(-1, -1, 1, 1);
    if (r.width() < 1 || r.height() < 1)
        return;
    // Every other pixel in the inverse of the face, as the system draws it.
    const QColor face = m_color.toRgb();
    painter.setPen(QColor(255 - face.red(), 255 - face.green(), 255 - face.blue()));
    QList<QPoint> dots;
    auto dot = [&dots](int x, int y) {
        if ((x + y) % 2 == 0)
            dots.append(QPoint(x, y));
    };
    for (int x = r.left(); x <= r.right(); ++x) {
        dot(x, r.top());
        dot(x, r.bottom());
    }
    for (int y = r.top() + 1; y < r.bottom(); ++y) {
        dot(r.left(), y);
        dot(r.right(), y);
    }
    painter.drawPoints(dots.constData(), int(dots.size()));
}

void TColorButton::drawCaption(QPainter &painter, const QColor &color, int d) const
{
    const QString text = strippedCaption(this->text());
    const QFontMetrics fm = fontMetrics();
    const QPoint origin = captionOrigin(QSize(fm.horizontalAdvance(text), fm.height()), d);
    painter.setPen(color);
    painter.drawText(QPoint(origin.x(), origin.y() + fm.ascent()), text);
    const QRect underline = keyUnderline(d);
    if (!underline.isEmpty())
        painter.fillRect(underline, color);
}

void TColorButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::RightButton) {
        m_swallowRelease = false;
        QAbstractButton::mousePressEvent(event);
        return;
    }
    if (!hitButton(event->position().toPoint())) {
        event->ignore();
        return;
    }
    m_rightHeld = true;
    setDown(true);
}

void TColorButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        mousePressEvent(event);
        return;
    }
    QAbstractButton::mousePressEvent(event);
    if (!isDown())
        return;
    // The first click of the pair has already fired; this release must not.
    m_swallowRelease = true;
    Q_EMIT doubleClicked();
}

void TColorButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        if (!m_rightHeld) {
            event->ignore();
            return;
        }
        m_rightHeld = false;
        // The face stays down while the left button still holds it.
        if (!(event->buttons() & Qt::LeftButton))
            setDown(false);
        if (hitButton(event->position().toPoint()))
            Q_EMIT rightClicked();
        return;
    }
    if (event->button() == Qt::LeftButton && m_swallowRelease) {
        m_swallowRelease = false;
        const bool wasDown = isDown();
        setDown(false);
        QAbstractButton::mouseReleaseEvent(event);
        event->accept();
        if (wasDown)
            Q_EMIT released();
        return;
    }
    QAbstractButton::mouseReleaseEvent(event);
    if (m_rightHeld)
        setDown(true);
}

void TColorButton::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        click();
        event->accept();
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        // The board is no button group: the arrows go on to the window
        // rather than walking the focus from button to button.
        QWidget::keyPressEvent(event);
        return;
    default:
        QAbstractButton::keyPressEvent(event);
    }
}

void TColorButton::focusInEvent(QFocusEvent *event)
{
    m_focused = true;
    // The mouse shows where it is by itself; every other way of arriving
    // gets the plain ring.
    m_keyFocus = event->reason() != Qt::MouseFocusReason && event->reason() != Qt::PopupFocusReason;
    update();
    QAbstractButton::focusInEvent(event);
}

void TColorButton::focusOutEvent(QFocusEvent *event)
{
    m_focused = false;
    update();
    QAbstractButton::focusOutEvent(event);
}

void TColorButton::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::EnabledChange:
        m_rightHeld = false;
        m_swallowRelease = false;
        update();
        break;
    case QEvent::FontChange:
        update();
        break;
    default:
        break;
    }
    QAbstractButton::changeEvent(event);
}

void TColorButton::applyAutoSize()
{
    if ((m_style & bsAutoSize) && !m_picture.isNull())
        resize(sizeHint());
}

void TColorButton::setHighContrast(QWidget *window, bool on)
{
    // The buttons read the mode from their window when they paint, so faces
    // set later (the indicators, the preferences) follow it too, and
    // switching off gives back exactly the faces they were given.
    window->setProperty(kHighContrastProperty, on);
    for (TColorButton *button : window->findChildren<TColorButton *>())
        button->update();
}
