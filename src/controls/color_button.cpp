#include "controls/color_button.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>

#include <algorithm>

namespace {

constexpr int ShadeStep = 64;

QColor shifted(const QColor &color, int delta)
{
    const QColor rgb = color.toRgb();
    auto clamp = [delta](int c) { return std::clamp(c + delta, 0, 255); };
    return QColor(clamp(rgb.red()), clamp(rgb.green()), clamp(rgb.blue()), rgb.alpha());
}

} // namespace

TColorButton::TColorButton(QWidget *parent)
    : QWidget(parent)
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
    if (caption == m_caption)
        return;
    m_caption = caption;
    updateShortcut();
    update();
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
    const QString text = strippedCaption(m_caption, &key);
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

void TColorButton::click()
{
    if (isEnabled())
        Q_EMIT clicked();
}

bool TColorButton::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut) {
        auto *shortcut = static_cast<QShortcutEvent *>(event);
        if (m_shortcutId != 0 && shortcut->shortcutId() == m_shortcutId) {
            if (!isEnabled())
                return false;
            // Two buttons sharing a key would each fire on alternate presses;
            // moving the focus lets the user see which one is meant instead.
            if (shortcut->isAmbiguous())
                setFocus(Qt::ShortcutFocusReason);
            else
                click();
            return true;
        }
    }
    return QWidget::event(event);
}

void TColorButton::paintEvent(QPaintEvent *)
{
    if (!isEnabled())
        m_state = FaceState::Disabled;
    else if (m_state == FaceState::Disabled)
        m_state = FaceState::Up;

    QPainter painter(this);
    painter.setFont(font());
    QRect inner = rect();
    painter.fillRect(inner, m_color);
    if (m_bevelStyle != bbNone)
        drawBevel(painter, inner);
    if (m_focused && (m_style & bsShowFocus) && hasFocus())
        drawFocus(painter, inner);
    if (!m_picture.isNull())
        painter.drawPixmap(pictureRect(), m_picture);
    if (m_caption.isEmpty())
        return;
    if (m_state == FaceState::Disabled) {
        drawCaption(painter, lighten(m_color), 1);
        drawCaption(painter, darken(m_color), 0);
    } else {
        drawCaption(painter, m_fontColor, 0);
    }
}

void TColorButton::drawBevel(QPainter &painter, QRect &rect) const
{
    const bool raisedLook = (m_state == FaceState::Down) == (m_bevelStyle == bbLowered);
    const QColor topLeft = raisedLook ? lighten(m_color) : darken(m_color);
    const QColor bottomRight = raisedLook ? darken(m_color) : lighten(m_color);
    for (int i = 0; i < m_bevelSize && rect.width() > 0 && rect.height() > 0; ++i) {
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
    const QString text = strippedCaption(m_caption);
    const QFontMetrics fm = fontMetrics();
    const QPoint origin = captionOrigin(QSize(fm.horizontalAdvance(text), fm.height()), d);
    painter.setPen(color);
    painter.drawText(QPoint(origin.x(), origin.y() + fm.ascent()), text);
    const QRect underline = keyUnderline(d);
    if (!underline.isEmpty())
        painter.fillRect(underline, color);
}

void TColorButton::setFaceState(FaceState state)
{
    if (state == m_state)
        return;
    m_state = state;
    update();
}

void TColorButton::pressDown()
{
    if (m_state == FaceState::Down)
        return;
    setFaceState(FaceState::Down);
    Q_EMIT pressed();
}

void TColorButton::releaseUp()
{
    // The face stays down while another button or the space bar still holds it.
    if (m_state != FaceState::Down || m_mouseHeld || m_spaceHeld)
        return;
    setFaceState(FaceState::Up);
    Q_EMIT released();
}

void TColorButton::mousePressEvent(QMouseEvent *event)
{
    const Qt::MouseButton button = event->button();
    if (!isEnabled() || (button != Qt::LeftButton && button != Qt::RightButton)) {
        event->ignore();
        return;
    }
    m_mouseHeld |= button;
    if (button == Qt::LeftButton)
        m_swallowRelease = false;
    pressDown();
}

void TColorButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (!isEnabled() || event->button() != Qt::LeftButton) {
        mousePressEvent(event);
        return;
    }
    m_mouseHeld |= Qt::LeftButton;
    // The first click of the pair has already fired; this release must not.
    m_swallowRelease = true;
    pressDown();
    Q_EMIT doubleClicked();
}

void TColorButton::mouseReleaseEvent(QMouseEvent *event)
{
    const Qt::MouseButton button = event->button();
    if (!(m_mouseHeld & button)) {
        event->ignore();
        return;
    }
    m_mouseHeld &= ~Qt::MouseButtons(button);
    releaseUp();
    const bool over = rect().contains(event->position().toPoint());
    if (button == Qt::LeftButton) {
        const bool swallow = m_swallowRelease;
        m_swallowRelease = false;
        if (over && !swallow)
            click();
    } else if (button == Qt::RightButton && over && isEnabled()) {
        Q_EMIT rightClicked();
    }
}

void TColorButton::keyPressEvent(QKeyEvent *event)
{
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Space:
        if (!event->isAutoRepeat() && !m_spaceHeld) {
            m_spaceHeld = true;
            pressDown();
        }
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        click();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TColorButton::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Space || event->isAutoRepeat()) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    // Only a space pressed on this button clicks it, not one carried over
    // from wherever the focus was when the key went down.
    if (!isEnabled() || !m_spaceHeld) {
        event->ignore();
        return;
    }
    m_spaceHeld = false;
    releaseUp();
    click();
    event->accept();
}

void TColorButton::focusInEvent(QFocusEvent *event)
{
    m_focused = true;
    update();
    QWidget::focusInEvent(event);
}

void TColorButton::focusOutEvent(QFocusEvent *event)
{
    m_focused = false;
    if (m_spaceHeld) {
        m_spaceHeld = false;
        releaseUp();
    }
    update();
    QWidget::focusOutEvent(event);
}

void TColorButton::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::EnabledChange:
        m_mouseHeld = {};
        m_spaceHeld = false;
        m_swallowRelease = false;
        m_state = isEnabled() ? FaceState::Up : FaceState::Disabled;
        if (m_shortcutId != 0)
            setShortcutEnabled(m_shortcutId, isEnabled());
        update();
        break;
    case QEvent::FontChange:
        update();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

void TColorButton::applyAutoSize()
{
    if ((m_style & bsAutoSize) && !m_picture.isNull())
        resize(sizeHint());
}

void TColorButton::updateShortcut()
{
    if (m_shortcutId != 0)
        releaseShortcut(m_shortcutId);
    m_shortcutId = 0;
    const QKeySequence key = accelerator(m_caption);
    if (key.isEmpty())
        return;
    m_shortcutId = grabShortcut(key);
    setShortcutEnabled(m_shortcutId, isEnabled());
}
