// Test entry: selects the offscreen platform when none is set, so the suite
// runs (and gtest_discover_tests lists it at build time) without a display.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifdef WORDLOOM_WIDGET_TESTS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Per-user data (recovery copies above all) goes into a folder of this
    // run's own, never the user's.
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    ::testing::InitGoogleTest(&argc, argv);
    TestApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
