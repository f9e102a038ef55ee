// Built only with the sanitizers: a test process that leaks a block of its
// own on purpose, after the display, the widgets and OpenGL have loaded
// their libraries. Its test passes only when the leak checker reports that
// block: the suppressions hide the system libraries' leaks, never ours.

#include <QApplication>
#include <QOpenGLContext>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// Where the block is kept until the test forgets it; volatile, so the
// compiler keeps the allocation.
char* volatile kept = nullptr;

TEST(LeakChecker, ReportsALeakOfOurOwn) {
    QWidget window;
    window.show();
    QApplication::processEvents();
    QOpenGLContext context;
    EXPECT_TRUE(context.create());
    kept = new char[4321];
    kept = nullptr;
}

}  // namespace
