// A push button whose face can take any colour: the frame is shaded from the
// face colour, the caption sits at one of nine positions and an optional
// picture is placed opposite it. Every button of the board is one of these.
//
// Pressing and releasing, Space, the "&" accelerator, the enabled state and
// what assistive technology sees come from QAbstractButton; this class adds
// the face, Enter, the right button and the double click.
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QFlags>
#include <QKeySequence>
#include <QPixmap>
#include <QString>

class QPainter;

class TColorButton : public QAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(TAlignment alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(TButtonBevel bevelStyle READ bevelStyle WRITE setBevelStyle)
    Q_PROPERTY(int bevelSize READ bevelSize WRITE setBevelSize)
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(QColor color READ color WRITE setColor)
    Q_PROPERTY(QColor fontColor READ fontColor WRITE setFontColor)
    Q_PROPERTY(QPixmap picture READ picture WRITE setPicture)
    Q_PROPERTY(int spacing READ spacing WRITE setSpacing)
    Q_PROPERTY(TButtonStyles style READ style WRITE setStyle)
    Q_PROPERTY(int tag READ tag WRITE setTag)

public:
    enum TAlignment : quint8 {
        alTopLeft,
        alTopCenter,
        alTopRight,
        alMiddleLeft,
        alMiddleCenter,
        alMiddleRight,
        alBottomLeft,
        alBottomCenter,
        alBottomRight
    };
    Q_ENUM(TAlignment)

    enum TButtonBevel : quint8 { bbLowered, bbNone, bbRaised };
    Q_ENUM(TButtonBevel)

    enum TButtonStyle : quint8 {
        bsAutoSize = 0x01,
        bsCenter = 0x02,
        bsStretch = 0x04,
        bsShowFocus = 0x08,
        bsShowKey = 0x10
    };
    Q_DECLARE_FLAGS(TButtonStyles, TButtonStyle)
    Q_FLAG(TButtonStyles)

    // What the face shows; disabled wins over pressed.
    enum class FaceState : quint8 { Up, Down, Disabled };
    Q_ENUM(FaceState)

    explicit TColorButton(QWidget *parent = nullptr);
    ~TColorButton() override;

    TAlignment alignment() const { return m_alignment; }
    void setAlignment(TAlignment alignment);
    TButtonBevel bevelStyle() const { return m_bevelStyle; }
    void setBevelStyle(TButtonBevel bevel);
    int bevelSize() const { return m_bevelSize; }
    void setBevelSize(int size);
    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    QColor fontColor() const { return m_fontColor; }
    void setFontColor(const QColor &color);
    QPixmap picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);
    int spacing() const { return m_spacing; }
    void setSpacing(int spacing);
    TButtonStyles style() const { return m_style; }
    void setStyle(TButtonStyles style);
    // The button's text, "&" and all.
    QString caption() const { return text(); }
    void setCaption(const QString &caption);
    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

    FaceState faceState() const;

    // What a click does, for the tooltip, the status bar and screen readers.
    // "%1" in left stands for the caption as drawn; right shows only once
    // something listens to the right button.
    void setHint(const QString &left, const QString &right);
    QString hint() const;
    // An indicator whose mode is on: marked on the face, and said first in
    // the description.
    void setArmed(bool armed);
    bool isArmed() const { return m_armed; }

    // The window asks for faces whose caption reads at least 4.5:1 and a
    // thicker frame by its "highContrast" property; buttons keep their own
    // colours and only paint differently.
    static constexpr const char *kHighContrastProperty = "highContrast";
    // Turns the high-contrast faces of every button in window on or off.
    static void setHighContrast(QWidget *window, bool on);
    bool highContrast() const;
    // The colours as painted now: the face after high contrast and the
    // disabled dimming, the caption after the disabled choice.
    QColor paintedColor() const;
    QColor paintedCaptionColor() const;
    int paintedBevelSize() const;

    // Colour values are stored as $00BBGGRR integers.
    static QColor fromBgr(quint32 bgr);
    static quint32 toBgr(const QColor &color);
    static QColor lighten(const QColor &color);
    static QColor darken(const QColor &color);

    // The caption as drawn: without its first "&", and the index in that text
    // of the character the "&" marked (-1 when there is none).
    static QString strippedCaption(const QString &caption, int *keyIndex = nullptr);
    // What a screen reader, speech and scanning call the button: its
    // accessible name where it has one, else its caption as drawn.
    QString spokenName() const;
    // Alt plus the marked character, or empty.
    static QKeySequence accelerator(const QString &caption);

    // Where the caption's text cell starts for a text of textSize drawn with
    // extra offset d (1 for the light copy of an embossed caption).
    QPoint captionOrigin(QSize textSize, int d = 0) const;
    // Where the picture goes, at the picture's size unless stretched.
    QRect pictureRect() const;
    // The underline of the marked character, in widget coordinates, or an
    // empty rectangle when none is drawn.
    QRect keyUnderline(int d = 0) const;

    QSize sizeHint() const override;

    // A button that cycles takes a double click as its second click: both
    // reach handler (a callable or a member function of context).
    template <class Context, class Handler>
    void onEveryClick(const Context *context, Handler handler)
    {
        connect(this, &TColorButton::clicked, context, handler);
        connect(this, &TColorButton::doubleClicked, context, handler);
    }

Q_SIGNALS:
    // The second press of a double click, instead of a second click.
    void doubleClicked();
    // The right button released over the button it went down on.
    void rightClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;
    void connectNotify(const QMetaMethod &signal) override;

private:
    void applyAutoSize();
    int margin() const { return m_bevelSize + m_spacing; }
    void drawBevel(QPainter &painter, QRect &rect, const QColor &face) const;
    void drawFocus(QPainter &painter, const QRect &inner) const;
    void drawCaption(QPainter &painter, const QColor &color, int d) const;
    void drawArmedMarker(QPainter &painter, const QRect &inner, const QColor &mark) const;
    QColor captionColorOn(const QColor &face) const;
    void refreshHint();

    TAlignment m_alignment = alMiddleCenter;
    TButtonBevel m_bevelStyle = bbRaised;
    int m_bevelSize = 2;
    QColor m_color;
    QColor m_fontColor = Qt::black;
    QPixmap m_picture;
    int m_spacing = 2;
    TButtonStyles m_style = TButtonStyles(bsCenter | bsShowFocus | bsShowKey);
    int m_tag = 0;
    QString m_hintLeft;
    QString m_hintRight;
    bool m_hasRightClick = false;
    bool m_armed = false;
    bool m_focused = false;
    // The focus came by keyboard (or was put here), not by a click.
    bool m_keyFocus = false;
    // The right button holds the face down; only its own release may
    // report a right click.
    bool m_rightHeld = false;
    // The release that ends a double click: the pair's first click has
    // already fired.
    bool m_swallowRelease = false;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TColorButton::TButtonStyles)
