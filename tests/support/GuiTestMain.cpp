#include <QGuiApplication>
#include <QTemporaryDir>
#ifdef CASHVANE_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
using TestApplication = QGuiApplication;
#endif

#include <gtest/gtest.h>

#include <cstdlib>

// Tests that draw text or pictures need a QGuiApplication, tests of widgets a
// QApplication (the widgets variant of this main); they run on the
// offscreen platform unless the caller chose another, with a private runtime
// folder so that Qt does not complain about a shared one.
int main(int argc, char* argv[])
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QTemporaryDir runtimeDir;
    if (runtimeDir.isValid())
        setenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit().constData(), 0);
    TestApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
