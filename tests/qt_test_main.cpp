#include <dlfcn.h>
#include <link.h>

#include <string>
#include <string_view>
#include <vector>

#include <QApplication>

#include <gtest/gtest.h>

namespace {

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

}  // namespace

// Widget, image and OpenGL tests need a QApplication; QApplication also takes
// the process locale from the environment, as the program does.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Tests close windows; the run goes on when the last one is gone.
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    keepOpenGLDriversLoaded();
    return result;
}
