#include <QApplication>
#include <gtest/gtest.h>

// Widgets need an application object; tests run without a display, so the
// offscreen platform is chosen before Qt looks for one.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
