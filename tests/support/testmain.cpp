// One main for every test executable: a Qt application object (widgets where
// the executable needs them) on the offscreen platform, then GoogleTest.
#include <gtest/gtest.h>

#include <cstdlib>

#ifdef TQ_TEST_GUI
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    TestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
