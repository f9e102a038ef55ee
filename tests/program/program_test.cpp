// The real program binary, started under the test display with a
// configuration folder of its own, as a user meets it.

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "program/program_run.h"
#include "program/x_windows.h"
#include "support/temp_dir.h"

namespace ferlo {
namespace {

using namespace std::chrono_literals;
using testing::ProgramRun;
using testing::XWindow;

// Start-up under the sanitizers takes seconds; a hang still ends the test.
constexpr auto kPatience = 60s;
constexpr xcb_keysym_t kReturn = 0xff0d;

bool titled(const XWindow& window, const std::string& prefix) { return window.title.rfind(prefix, 0) == 0; }

class ProgramBinary : public ::testing::Test {
protected:
    void SetUp() override {
        const char* platform = std::getenv("QT_QPA_PLATFORM");
        if (std::getenv("DISPLAY") == nullptr || (platform != nullptr && std::string(platform) != "xcb")) {
            GTEST_SKIP() << "needs an X display";
        }
        ASSERT_TRUE(x.connected());
    }

    // A fresh home and configuration folder, and `more`. In the sanitizer
    // build the program is checked for memory errors but not for leaks: it
    // unloads Mesa's driver when it closes the display, and the leak checker,
    // which runs after that, reports the driver's own allocations as leaks of
    // no known module (the in-process tests, which check our code for leaks,
    // keep the driver loaded for that reason).
    ProgramRun::Options options(std::vector<std::pair<std::string, std::string>> more = {}) const {
        ProgramRun::Options result;
        const char* sanitizer = std::getenv("ASAN_OPTIONS");
        result.environment = {{"HOME", home.path().string()},
                              {"XDG_CONFIG_HOME", config().string()},
                              {"ASAN_OPTIONS", std::string(sanitizer != nullptr ? sanitizer : "") + ":detect_leaks=0"}};
        result.environment.insert(result.environment.end(), more.begin(), more.end());
        return result;
    }
    std::filesystem::path config() const { return home.path() / "config"; }
    std::filesystem::path preferencesFile() const { return config() / "Ferlo" / "prefs.txt"; }

    // Waits until the main window is the program's only shown window: the
    // splash has gone and the start-up is over.
    XWindow startedMainWindow(ProgramRun& run) {
        XWindow main;
        const bool started = x.waitFor(
            run.pid(),
            [&](const std::vector<XWindow>& shown) {
                if (shown.size() != 1 || !titled(shown[0], "Ferlo V")) return false;
                main = shown[0];
                return true;
            },
            [&] { return run.running(); }, kPatience);
        if (!started) {
            ADD_FAILURE() << "no main window; the program "
                          << (run.status() ? testing::describeStatus(*run.status()) : "runs on");
        }
        return main;
    }

    // Waits for a message box titled `title` beside the program's other windows.
    XWindow messageBox(ProgramRun& run, const std::string& title, xcb_window_t besides) {
        XWindow box;
        const bool shown = x.waitFor(
            run.pid(),
            [&](const std::vector<XWindow>& windows) {
                for (const XWindow& w : windows) {
                    if (w.title == title && w.id != besides) box = w;
                }
                return box.id != 0;
            },
            [&] { return run.running(); }, kPatience);
        if (!shown) {
            ADD_FAILURE() << "no box \"" << title << "\"; the program "
                          << (run.status() ? testing::describeStatus(*run.status()) : "runs on");
        }
        return box;
    }

    // Closes the main window by its frame and answers Yes to the quit question.
    XWindow quit(ProgramRun& run, const XWindow& main) {
        x.askToClose(main.id);
        const XWindow question = messageBox(run, "Ferlo", main.id);
        if (question.id != 0) x.typeKey(question.id, 'y');
        return question;
    }

    testing::TempDir home;
    testing::XWindows x;
};

std::string fileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Started on a fresh configuration folder, the program shows its main
// window and runs until the window is closed and the quit question
// answered; it ends with status 0 and has written its preferences.
TEST_F(ProgramBinary, RunsUntilItsWindowIsClosedAndWritesThePreferences) {
    ProgramRun run(FERLO_PROGRAM, options());
    const XWindow main = startedMainWindow(run);
    ASSERT_NE(main.id, 0u);
    EXPECT_TRUE(run.running());
    ASSERT_NE(quit(run, main).id, 0u);

    const std::optional<int> status = run.waitForExit(kPatience);
    ASSERT_TRUE(status) << "the program did not end";
    EXPECT_EQ(testing::describeStatus(*status), "exit 0");
    EXPECT_NE(fileText(preferencesFile()).find("Done"), std::string::npos);
}

// Under a file-size limit smaller than the preferences, their write at exit
// fails (EFBIG) and says so; the program is not ended by SIGXFSZ and
// leaves no file behind.
TEST_F(ProgramBinary, AWriteBeyondTheFileSizeLimitFailsWithoutEndingTheProgram) {
    ProgramRun::Options limited = options();
    limited.fileSizeLimit = 8;  // bytes; the preferences take 26
    ProgramRun run(FERLO_PROGRAM, limited);
    const XWindow main = startedMainWindow(run);
    ASSERT_NE(main.id, 0u);
    const XWindow question = quit(run, main);
    ASSERT_NE(question.id, 0u);

    const XWindow warning = messageBox(run, "Ferlo", question.id);
    ASSERT_NE(warning.id, 0u) << "no word that the preferences were not saved";
    x.typeKey(warning.id, kReturn);
    const std::optional<int> status = run.waitForExit(kPatience);
    ASSERT_TRUE(status) << "the program did not end";
    EXPECT_EQ(testing::describeStatus(*status), "exit 0");
    for (const auto& entry : std::filesystem::directory_iterator(preferencesFile().parent_path())) {
        EXPECT_EQ(entry.path().filename().string().find("prefs.txt"), std::string::npos) << entry.path();
    }
}

// Where the display can make no OpenGL context, the program shows the fatal
// error before any other window and, once it is acknowledged, ends with a
// failure status (not a signal).
TEST_F(ProgramBinary, WithoutOpenGLShowsTheFatalErrorAndFails) {
    ProgramRun run(FERLO_PROGRAM, options({{"QT_XCB_GL_INTEGRATION", "none"}}));
    std::vector<XWindow> shown;
    ASSERT_TRUE(x.waitFor(
        run.pid(),
        [&](const std::vector<XWindow>& windows) {
            shown = windows;
            return std::any_of(windows.begin(), windows.end(),
                               [](const XWindow& w) { return w.title == "Fatal Error In Ferlo"; });
        },
        [&] { return run.running(); }, kPatience))
        << "no fatal error; the program " << (run.status() ? testing::describeStatus(*run.status()) : "runs on");
    ASSERT_EQ(shown.size(), 1u) << "another window is shown beside the fatal error: " << shown[0].title << ", "
                                << shown[1].title;
    x.typeKey(shown[0].id, kReturn);

    const std::optional<int> status = run.waitForExit(kPatience);
    ASSERT_TRUE(status) << "the program did not end";
    EXPECT_EQ(testing::describeStatus(*status), "exit " + std::to_string(EXIT_FAILURE));
}

}  // namespace
}  // namespace ferlo
