#include <clocale>
#include <locale>
#include <stdexcept>

#include <gtest/gtest.h>

// The tests take the process locale from the environment, as the program
// does, so that running them under a comma-decimal locale (LC_ALL=de_DE.UTF-8)
// shows that every file format stays locale-free.
int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    try {
        std::locale::global(std::locale(""));
    } catch (const std::runtime_error&) {
        // An environment naming a locale this machine lacks: stay on "C".
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
