#include "controls/face_contrast.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QAction>

namespace {

FaceContrast::Rgb rgb(const QColor &c)
{
    return {c.red(), c.green(), c.blue()};
}

class BoardReadingTest : public WindowFixture
{
protected:
    QList<TColorButton *> allButtons()
    {
        window->board()->buildPending();
        return window->findChildren<TColorButton *>();
    }
    void setHighContrast(bool on)
    {
        auto *action = window->findChild<QAction *>(QStringLiteral("miHighContrast"));
        ASSERT_NE(action, nullptr);
        if (action->isChecked() != on)
            action->trigger();
    }
    static QString described(QWidget *w)
    {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
    }
};

// In high contrast every white caption reads at 4.5:1 or better on the face
// as painted, faces that already did are untouched, the frame is thicker;
// switching back gives the exact faces and frames again.
TEST_F(BoardReadingTest, HighContrastFacesReadAndSwitchBack)
{
    open();
    const QList<TColorButton *> buttons = allButtons();
    ASSERT_GT(buttons.size(), 300);
    QHash<TColorButton *, std::pair<QColor, int>> before;
    for (TColorButton *b : buttons)
        before.insert(b, {b->paintedColor(), b->paintedBevelSize()});
    setHighContrast(true);
    int darkened = 0;
    for (TColorButton *b : buttons) {
        const std::string name = b->objectName().toStdString();
        const QColor face = b->paintedColor();
        const QImage image = b->grab().toImage();
        const int edge = b->paintedBevelSize();
        EXPECT_EQ(image.pixelColor(b->width() - edge - 1, edge), face) << name;
        EXPECT_EQ(edge, before[b].second + 1) << name;
        const double was = FaceContrast::ratio(rgb(before[b].first), rgb(b->paintedCaptionColor()));
        if (b->fontColor() != Qt::white || was >= FaceContrast::kReadable) {
            EXPECT_EQ(face, before[b].first) << name;
            continue;
        }
        ++darkened;
        EXPECT_GE(FaceContrast::ratio(rgb(face), rgb(b->paintedCaptionColor())),
                  FaceContrast::kReadable)
            << name;
        EXPECT_NEAR(face.hue(), before[b].first.hue(), 3) << name;
    }
    EXPECT_GT(darkened, 50);
    setHighContrast(false);
    for (TColorButton *b : buttons) {
        EXPECT_EQ(b->paintedColor(), before[b].first) << b->objectName().toStdString();
        EXPECT_EQ(b->paintedBevelSize(), before[b].second);
    }
}

// Every button says what its clicks do, the same to a screen reader, in the
// tooltip and in the status bar; the right click only where there is one.
TEST_F(BoardReadingTest, HintsDescribeBothClicks)
{
    open();
    for (TColorButton *b : allButtons()) {
        const std::string name = b->objectName().toStdString();
        EXPECT_FALSE(b->toolTip().isEmpty()) << name;
        EXPECT_EQ(described(b), b->toolTip()) << name;
        EXPECT_EQ(b->statusTip(), b->toolTip()) << name;
    }
    for (const auto &[name, hint] :
         {std::pair{"btnAdjective", "random adjective; right click: choose from the list"},
          std::pair{"btnCustom", "random word of your own list; right click: choose from the list"},
          std::pair{"btnPeriod", "end the sentence with a full stop"},
          std::pair{"btnConj1", "insert its word; right click: edit it"},
          std::pair{"btnHeMain", "insert \"he\"; click again for its other forms; right click: "
                                 "choose a form"},
          std::pair{"btnColor1", "colour the right-hand column dark green"}})
        EXPECT_EQ(child(name)->toolTip(), QString::fromUtf8(hint)) << name;
    EXPECT_EQ(QAccessible::queryAccessibleInterface(child("btnColor1"))->text(QAccessible::Name),
              QStringLiteral("dark green colour"));
}

// GRAB armed is more than maroon: marked on the face and told to a screen
// reader, until the next insertion clears it.
TEST_F(BoardReadingTest, ArmedGrabIsMarkedAndSaid)
{
    open();
    TColorButton *grab = button("btnGrab");
    const QColor corner = grab->grab().toImage().pixelColor(2, 2);
    click("btnGrab");
    EXPECT_TRUE(grab->isArmed());
    EXPECT_TRUE(described(grab).startsWith(QStringLiteral("armed; ")));
    EXPECT_EQ(grab->grab().toImage().pixelColor(2, 2), QColor(Qt::white));
    EXPECT_NE(corner, QColor(Qt::white));
    click("btnPeriod");
    EXPECT_FALSE(grab->isArmed());
    EXPECT_EQ(described(grab), grab->toolTip());
}

} // namespace
