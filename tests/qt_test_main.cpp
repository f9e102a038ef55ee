#include <dlfcn.h>
#include <link.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <xcb/xcb.h>

#include <gtest/gtest.h>

namespace {

// An X display that its last client has just left resets itself and refuses
// connections meanwhile; under a parallel test run that happens between one
// test process and the next, and QApplication then finds no display. This
// process connects on its own first, trying again while the display resets,
// and keeps that connection for its whole run: while a client is connected
// the display does not reset, so QApplication's connection finds it.
class DisplayHold {
public:
    DisplayHold() {
        const char* platform = std::getenv("QT_QPA_PLATFORM");
        if (platform != nullptr && std::string_view(platform) != "xcb") return;
        if (std::getenv("DISPLAY") == nullptr) return;
        using namespace std::chrono_literals;
        const auto deadline = std::chrono::steady_clock::now() + 10s;
        for (;;) {
            connection_ = xcb_connect(nullptr, nullptr);
            if (xcb_connection_has_error(connection_) == 0) return;
            xcb_disconnect(connection_);
            connection_ = nullptr;
            if (std::chrono::steady_clock::now() > deadline) return;  // QApplication reports it
            std::this_thread::sleep_for(20ms);
        }
    }
    ~DisplayHold() {
        if (connection_ != nullptr) xcb_disconnect(connection_);
    }
    DisplayHold(const DisplayHold&) = delete;
    DisplayHold& operator=(const DisplayHold&) = delete;

private:
    xcb_connection_t* connection_ = nullptr;
};

// Mesa's OpenGL driver is unloaded when the application object closes the
// display. The leak checker runs after that and would report the driver's
// own allocations, which only its globals still referred to, as leaks of
// no known module. Keeping the driver mapped keeps them reachable.
void keepOpenGLDriversLoaded() {
    std::vector<std::string> drivers;
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* found) {
            const std::string_view name = info->dlpi_name != nullptr ? info->dlpi_name : "";
            if (name.ends_with("_dri.so")) static_cast<std::vector<std::string>*>(found)->emplace_back(name);
            return 0;
        },
        &drivers);
    for (const std::string& driver : drivers) dlopen(driver.c_str(), RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
}

// Each test starts with no key held. QTest's key events stand in for the
// window system's, so the application takes its keyboard state from them,
// and the release of a modifier carries that modifier as held (as the
// window system reports the state before the event): after a click with
// Ctrl or Shift the application goes on reporting the key as pressed, and
// a later test's item views select as if the user held it. A release with
// no modifier after each test clears that state.
class ReleaseKeysAfterEachTest : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo&) override {
        if (QGuiApplication::keyboardModifiers() == Qt::NoModifier) return;
        QWidget receiver;
        QTest::keyRelease(&receiver, Qt::Key_Shift, Qt::NoModifier);
    }
};

}  // namespace

// Widget, image and OpenGL tests need a QApplication; QApplication also takes
// the process locale from the environment, as the program does.
int main(int argc, char** argv) {
    const DisplayHold display;
    QApplication app(argc, argv);
    // Tests close windows; the run goes on when the last one is gone.
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new ReleaseKeysAfterEachTest);
    const int result = RUN_ALL_TESTS();
    keepOpenGLDriversLoaded();
    return result;
}
