#include <QApplication>

#include <gtest/gtest.h>

// Widget, image and OpenGL tests need a QApplication; QApplication also takes
// the process locale from the environment, as the program does.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Tests close windows; the run goes on when the last one is gone.
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
