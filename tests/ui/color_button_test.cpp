#include "controls/color_button.h"
#include "controls/face_contrast.h"

#include <QAccessible>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QColor Face = TColorButton::fromBgr(0x00855C3A);
const QColor Light(58 + 64, 92 + 64, 133 + 64);
const QColor Dark(0, 92 - 64, 133 - 64);

QFont boardFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(16);
    font.setBold(true);
    return font;
}

// A button dressed like those of the board.
std::unique_ptr<TColorButton> boardButton(const QString &caption, int bevel = 1)
{
    auto button = std::make_unique<TColorButton>();
    button->setColor(Face);
    button->setBevelSize(bevel);
    button->setFont(boardFont());
    button->setFontColor(Qt::white);
    button->setCaption(caption);
    return button;
}

QImage render(TColorButton &button)
{
    return button.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int countPixels(const QImage &image, const QColor &color, QRect area = {})
{
    if (area.isNull())
        area = image.rect();
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == color)
                ++n;
    return n;
}

// Shortcuts only reach widgets of the active window.
void showActive(QWidget &widget)
{
    widget.show();
    widget.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&widget));
}

} // namespace

TEST(ColorButton, AssistiveTechnologySeesAPushButtonNamedByItsCaption)
{
    TColorButton button;
    button.setCaption(QStringLiteral("E&xit"));
    QAccessibleInterface *access = QAccessible::queryAccessibleInterface(&button);
    ASSERT_NE(access, nullptr);
    EXPECT_EQ(access->role(), QAccessible::Button);
    EXPECT_EQ(access->text(QAccessible::Name), QStringLiteral("Exit"));
}

TEST(ColorButton, SettersClampBevelAndSpacingAndColoursShade)
{
    TColorButton button;
    button.setBevelSize(0);
    EXPECT_EQ(button.bevelSize(), 1);
    button.setBevelSize(-5);
    EXPECT_EQ(button.bevelSize(), 1);
    button.setBevelSize(3);
    EXPECT_EQ(button.bevelSize(), 3);
    button.setSpacing(-3);
    EXPECT_EQ(button.spacing(), 0);
    button.setSpacing(4);
    EXPECT_EQ(button.spacing(), 4);

    EXPECT_EQ(TColorButton::toBgr(Face), 0x00855C3Au);
    EXPECT_EQ(TColorButton::fromBgr(128), QColor(128, 0, 0));

    EXPECT_EQ(TColorButton::lighten(Face), Light);
    EXPECT_EQ(TColorButton::darken(Face), Dark);
    EXPECT_EQ(TColorButton::lighten(QColor(250, 10, 191)), QColor(255, 74, 255));
    EXPECT_EQ(TColorButton::darken(QColor(10, 64, 200)), QColor(0, 0, 136));
    // Colours given in other forms are resolved to RGB first.
    EXPECT_EQ(TColorButton::lighten(QColor::fromHsv(0, 0, 100)), QColor(164, 164, 164));
}

TEST(ColorButton, BevelIsDrawnFromTheFaceColour)
{
    auto button = boardButton(QString());
    const int w = button->width();
    const int h = button->height();

    QImage image = render(*button);
    // Raised at rest: the top and left edges light, the bottom and right dark,
    // the far corners belonging to the dark edges.
    EXPECT_EQ(image.pixelColor(0, 0), Light);
    EXPECT_EQ(image.pixelColor(w - 2, 0), Light);
    EXPECT_EQ(image.pixelColor(0, h - 2), Light);
    EXPECT_EQ(image.pixelColor(w - 1, 0), Dark);
    EXPECT_EQ(image.pixelColor(0, h - 1), Dark);
    EXPECT_EQ(image.pixelColor(w - 1, h - 1), Dark);
    EXPECT_EQ(image.pixelColor(1, 1), Face);
    EXPECT_EQ(image.pixelColor(w - 2, h - 2), Face);

    // Pressed, the same button looks sunken.
    QTest::mousePress(button.get(), Qt::LeftButton);
    EXPECT_EQ(button->faceState(), TColorButton::FaceState::Down);
    image = render(*button);
    EXPECT_EQ(image.pixelColor(0, 0), Dark);
    EXPECT_EQ(image.pixelColor(w - 1, h - 1), Light);
    QTest::mouseRelease(button.get(), Qt::LeftButton);
    EXPECT_EQ(button->faceState(), TColorButton::FaceState::Up);

    // A lowered button is sunken at rest and raised while pressed.
    button->setBevelStyle(TColorButton::bbLowered);
    EXPECT_EQ(render(*button).pixelColor(0, 0), Dark);
    QTest::mousePress(button.get(), Qt::LeftButton);
    EXPECT_EQ(render(*button).pixelColor(0, 0), Light);
    QTest::mouseRelease(button.get(), Qt::LeftButton);

    button->setBevelStyle(TColorButton::bbNone);
    EXPECT_EQ(render(*button).pixelColor(0, 0), Face);
}

TEST(ColorButton, WideBevelIsBevelSizePixelsDeep)
{
    auto button = boardButton(QString(), 3);
    const QImage image = render(*button);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(image.pixelColor(i, 12), Light) << i;
        EXPECT_EQ(image.pixelColor(button->width() - 1 - i, 12), Dark) << i;
    }
    EXPECT_EQ(image.pixelColor(3, 12), Face);
    EXPECT_EQ(image.pixelColor(button->width() - 4, 12), Face);
}

TEST(ColorButton, CaptionOriginForEveryAlignment)
{
    TColorButton button;
    button.resize(100, 40);
    button.setBevelSize(2);
    button.setSpacing(3); // m = 5
    const QSize text(20, 10);
    const int xs[] = {5, 40, 75};
    const int ys[] = {5, 15, 25};
    for (int a = TColorButton::alTopLeft; a <= TColorButton::alBottomRight; ++a) {
        button.setAlignment(TColorButton::TAlignment(a));
        EXPECT_EQ(button.captionOrigin(text), QPoint(xs[a % 3], ys[a / 3])) << a;
        EXPECT_EQ(button.captionOrigin(text, 1), QPoint(xs[a % 3] + 1, ys[a / 3] + 1)) << a;
    }

    // Halves are rounded toward zero, also when the caption is wider than the
    // button.
    button.setAlignment(TColorButton::alMiddleCenter);
    button.resize(101, 41);
    EXPECT_EQ(button.captionOrigin(text), QPoint(40, 15));
    button.resize(75, 25);
    EXPECT_EQ(button.captionOrigin(QSize(100, 10)), QPoint(-12, 7));
}

TEST(ColorButton, PicturePlacementAndAutoSize)
{
    TColorButton button;
    button.resize(100, 40);
    button.setBevelSize(2);
    button.setSpacing(3); // m = 5
    EXPECT_TRUE(button.pictureRect().isNull());

    QPixmap picture(11, 7);
    picture.fill(Qt::red);
    button.setPicture(picture);
    const QSize size(11, 7);

    // Centred by default, halves rounded toward zero.
    EXPECT_EQ(button.pictureRect(), QRect(QPoint(44, 16), size));

    button.setStyle(TColorButton::bsStretch);
    EXPECT_EQ(button.pictureRect(), QRect(5, 5, 90, 30));

    // Otherwise opposite the caption.
    button.setStyle({});
    const QPoint expected[] = {{44, 28}, {44, 28}, {44, 28}, {84, 16}, {44, 16},
                               {5, 16},  {44, 5},  {44, 5},  {44, 5}};
    for (int a = TColorButton::alTopLeft; a <= TColorButton::alBottomRight; ++a) {
        button.setAlignment(TColorButton::TAlignment(a));
        EXPECT_EQ(button.pictureRect(), QRect(expected[a], size)) << a;
    }

    // Drawn where it was placed.
    button.setAlignment(TColorButton::alMiddleRight);
    const QImage image = render(button);
    EXPECT_EQ(countPixels(image, Qt::red), 11 * 7);
    EXPECT_EQ(countPixels(image, Qt::red, QRect(QPoint(5, 16), size)), 11 * 7);

    // Auto size fits the picture.
    TColorButton sized;
    sized.setBevelSize(3);
    QPixmap blue(30, 20);
    blue.fill(Qt::blue);
    sized.setPicture(blue);
    EXPECT_EQ(sized.size(), QSize(75, 25));
    sized.setStyle(sized.style() | TColorButton::bsAutoSize);
    EXPECT_EQ(sized.size(), QSize(36, 26));
    sized.setBevelSize(1);
    EXPECT_EQ(sized.size(), QSize(32, 22));
}

TEST(ColorButton, AmpersandMarksTheAcceleratorKey)
{
    int key = 0;
    EXPECT_EQ(TColorButton::strippedCaption(QStringLiteral("E&xit"), &key), QStringLiteral("Exit"));
    EXPECT_EQ(key, 1);
    EXPECT_EQ(TColorButton::strippedCaption(QStringLiteral("plain"), &key),
              QStringLiteral("plain"));
    EXPECT_EQ(key, -1);
    // A trailing "&" marks nothing.
    EXPECT_EQ(TColorButton::strippedCaption(QStringLiteral("end&"), &key), QStringLiteral("end"));
    EXPECT_EQ(key, -1);

    EXPECT_EQ(TColorButton::accelerator(QStringLiteral("E&xit")),
              QKeySequence(Qt::ALT | Qt::Key_X));
    EXPECT_EQ(TColorButton::accelerator(QStringLiteral("&go")), QKeySequence(Qt::ALT | Qt::Key_G));
    EXPECT_TRUE(TColorButton::accelerator(QStringLiteral("Exit")).isEmpty());
}

TEST(ColorButton, ShowKeyUnderlinesTheMarkedCharacter)
{
    auto button = boardButton(QStringLiteral("E&xit"));
    button->resize(75, 30);
    const QFontMetrics fm = button->fontMetrics();
    const QSize text(fm.horizontalAdvance(QStringLiteral("Exit")), fm.height());
    const QPoint origin = button->captionOrigin(text);

    const QRect line = button->keyUnderline();
    const int x1 = origin.x() + fm.horizontalAdvance(QStringLiteral("E"));
    const int x2 = origin.x() + fm.horizontalAdvance(QStringLiteral("Ex"));
    EXPECT_EQ(line, QRect(x1, origin.y() + fm.height(), x2 - x1, 1));

    // The row below the text cell holds nothing but the underline.
    const QRect row(0, line.y(), button->width(), 1);
    QImage image = render(*button);
    EXPECT_EQ(countPixels(image, Qt::white, row), line.width());
    EXPECT_EQ(countPixels(image, Qt::white, line), line.width());

    button->setStyle(TColorButton::bsCenter | TColorButton::bsShowFocus);
    EXPECT_TRUE(button->keyUnderline().isEmpty());
    image = render(*button);
    EXPECT_EQ(countPixels(image, Qt::white, row), 0);
    // The caption itself is still drawn.
    EXPECT_GT(countPixels(image, Qt::white), 0);
}

// The accelerator holds the face down at once and clicks a moment later, as
// Qt's buttons do; a key that misses leaves the face up.
TEST(ColorButton, AltKeyClicksWithOrWithoutShowKey)
{
    auto button = boardButton(QStringLiteral("E&xit"));
    showActive(*button);
    QSignalSpy clicks(button.get(), &TColorButton::clicked);
    auto press = [&](Qt::Key key) {
        QTest::keyClick(button.get(), key, Qt::AltModifier);
        const bool down = button->faceState() == TColorButton::FaceState::Down;
        if (down) {
            EXPECT_TRUE(clicks.wait());
        }
        return down;
    };

    EXPECT_TRUE(press(Qt::Key_X));
    button->setStyle(TColorButton::bsCenter);
    EXPECT_TRUE(press(Qt::Key_X));
    EXPECT_FALSE(press(Qt::Key_E));
    button->setEnabled(false);
    EXPECT_FALSE(press(Qt::Key_X));
    button->setEnabled(true);
    EXPECT_TRUE(press(Qt::Key_X));

    // A new caption moves the key.
    button->setCaption(QStringLiteral("&Go"));
    EXPECT_FALSE(press(Qt::Key_X));
    EXPECT_TRUE(press(Qt::Key_G));
    EXPECT_EQ(clicks.count(), 4);
}

TEST(ColorButton, RightReleaseDoubleClickAndEnterEmitTheirOwnSignals)
{
    TColorButton button;
    QSignalSpy clicks(&button, &TColorButton::clicked);
    QSignalSpy rightClicks(&button, &TColorButton::rightClicked);
    QSignalSpy doubleClicks(&button, &TColorButton::doubleClicked);

    QTest::mouseClick(&button, Qt::RightButton);
    EXPECT_EQ(rightClicks.count(), 1);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(button.faceState(), TColorButton::FaceState::Up);
    // A right release off the button is no right click.
    QTest::mousePress(&button, Qt::RightButton);
    QTest::mouseRelease(&button, Qt::RightButton, {}, QPoint(-3, 5));
    EXPECT_EQ(rightClicks.count(), 1);

    // What the system delivers for a double click: press, release, double
    // click, release. It is no second click.
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseDClick(&button, Qt::LeftButton);
    QTest::mouseRelease(&button, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(doubleClicks.count(), 1);
    EXPECT_EQ(button.faceState(), TColorButton::FaceState::Up);
    // The next single click is an ordinary click again.
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 2);

    // Enter clicks on press.
    QTest::keyPress(&button, Qt::Key_Return);
    EXPECT_EQ(clicks.count(), 3);
    QTest::keyClick(&button, Qt::Key_Enter);
    EXPECT_EQ(clicks.count(), 4);
    EXPECT_EQ(button.faceState(), TColorButton::FaceState::Up);
}

TEST(ColorButton, DisabledButtonIgnoresItsOwnInput)
{
    TColorButton button;
    QSignalSpy clicks(&button, &TColorButton::clicked);
    QSignalSpy rightClicks(&button, &TColorButton::rightClicked);
    QSignalSpy doubleClicks(&button, &TColorButton::doubleClicked);
    button.setEnabled(false);
    EXPECT_EQ(button.faceState(), TColorButton::FaceState::Disabled);

    QTest::mouseClick(&button, Qt::RightButton);
    QTest::mouseDClick(&button, Qt::LeftButton);
    QTest::keyClick(&button, Qt::Key_Return);
    EXPECT_EQ(clicks.count() + rightClicks.count() + doubleClicks.count(), 0);
    EXPECT_EQ(button.faceState(), TColorButton::FaceState::Disabled);

    button.setEnabled(true);
    EXPECT_EQ(button.faceState(), TColorButton::FaceState::Up);
    QTest::mouseClick(&button, Qt::RightButton);
    EXPECT_EQ(rightClicks.count(), 1);

    // Disabled while right-pressed, it does not right click later.
    QTest::mousePress(&button, Qt::RightButton);
    EXPECT_EQ(button.faceState(), TColorButton::FaceState::Down);
    button.setEnabled(false);
    button.setEnabled(true);
    QTest::mouseRelease(&button, Qt::RightButton);
    EXPECT_EQ(rightClicks.count(), 1);
    EXPECT_EQ(button.faceState(), TColorButton::FaceState::Up);
}

// Disabled reads as disabled without going unreadable: a faded face, a
// caption that still contrasts with it, and a flat frame.
TEST(ColorButton, DisabledCaptionReadsOnAFadedFlatFace)
{
    auto button = boardButton(QStringLiteral("EXIT"));
    button->setEnabled(false);
    QImage image = render(*button);
    const QColor face = button->paintedColor();
    const QColor caption = button->paintedCaptionColor();
    EXPECT_NE(face, Face);
    EXPECT_GE(FaceContrast::ratio({face.red(), face.green(), face.blue()},
                                  {caption.red(), caption.green(), caption.blue()}),
              FaceContrast::kReadable);
    EXPECT_GT(countPixels(image, caption, button->rect().adjusted(1, 1, -1, -1)), 0);
    EXPECT_EQ(image.pixelColor(0, 0), TColorButton::darken(face));
    EXPECT_EQ(image.pixelColor(0, 0), image.pixelColor(button->width() - 1, 1));

    button->setEnabled(true);
    image = render(*button);
    EXPECT_GT(countPixels(image, Qt::white), 0);
    EXPECT_EQ(image.pixelColor(0, 0), Light);
    EXPECT_EQ(image.pixelColor(2, 2), Face);
}

TEST(ColorButton, FocusRectangleOnlyWithShowFocus)
{
    auto button = boardButton(QString(), 2);
    const QColor dots(255 - Face.red(), 255 - Face.green(), 255 - Face.blue());
    showActive(*button);
    // Focus by keyboard: black, yellow and black rings over the bevel.
    button->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(button->hasFocus());
    QImage ring = render(*button);
    EXPECT_EQ(ring.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(ring.pixelColor(1, 5), QColor(255, 221, 0));
    EXPECT_EQ(ring.pixelColor(2, 2), QColor(Qt::black));
    EXPECT_EQ(ring.pixelColor(3, 3), Face);
    // Focus by the mouse keeps the dotted rectangle.
    button->clearFocus();
    button->setFocus(Qt::MouseFocusReason);
    // Inner rectangle inset by the spacing, grown by one pixel: from (3,3).
    QImage image = render(*button);
    EXPECT_EQ(image.pixelColor(3, 3), dots);
    EXPECT_EQ(image.pixelColor(4, 3), Face);
    EXPECT_EQ(image.pixelColor(2, 2), Face);
    EXPECT_EQ(image.pixelColor(1, 1), Light);

    button->setStyle(TColorButton::bsCenter);
    EXPECT_EQ(countPixels(render(*button), dots), 0);
}
