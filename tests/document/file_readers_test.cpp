// What the readers make of a path that names no file they can read: a
// message with the file and the system's reason, nothing changed, and
// nothing that waits (a FIFO is never opened) or reads without end (a device).

#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include <gtest/gtest.h>

#include "base/file_errors.h"
#include "document/airfoil_import.h"
#include "document/plane_operations.h"
#include "document/project_file.h"
#include "document/texture_references.h"
#include "support/project_text.h"
#include "support/temp_dir.h"
#include "support/watched_fifo.h"

namespace ferlo {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

std::string reasonOf(int error) { return std::system_category().message(error); }

TEST(FileReaders, WhatIsNoReadableFileIsRefusedWithTheSystemsReason) {
    struct Case {
        const char* name;
        std::function<void(const fs::path&)> make;  // none: a FIFO
        std::string reason;
    };
    std::vector<Case> cases = {
        {"missing", [](const fs::path&) {}, reasonOf(ENOENT)},
        {"a folder", [](const fs::path& p) { fs::create_directory(p); }, reasonOf(EISDIR)},
        {"a FIFO", nullptr, "it is not a regular file (a pipe, a device or a socket)"},
        {"a link to a device", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); },
         "it is not a regular file (a pipe, a device or a socket)"},
    };
    if (::geteuid() != 0) {  // the superuser reads any file
        cases.push_back({"unreadable",
                         [](const fs::path& p) {
                             std::ofstream(p) << "# FERLO File Format V 2.2.1\r\n";
                             fs::permissions(p, fs::perms::none);
                         },
                         reasonOf(EACCES)});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const fs::path path = dir.path() / "input";
        std::optional<testing::WatchedFifo> fifo;
        if (c.make) {
            c.make(path);
        } else {
            fifo.emplace(path);
        }
        const std::string message = path.string() + ": the file cannot be opened: " + c.reason;

        Plane plane;
        newPlane(plane);
        const std::string before = testing::projectText(plane);
        const ProjectReadResult project = readProject(plane, path);
        EXPECT_EQ(project.status, ProjectReadStatus::Failed);
        EXPECT_EQ(project.message, message);
        EXPECT_EQ(testing::projectText(plane), before);

        try {
            loadAirfoil(plane, path.string());
            ADD_FAILURE() << "an airfoil was read";
        } catch (const ReadError& error) {
            EXPECT_EQ(std::string(error.what()), message);
        }
        EXPECT_EQ(testing::projectText(plane), before);

        EXPECT_TRUE(worldTextureUrls(path).empty());
        if (fifo) {
            EXPECT_EQ(fifo->readersSeen(), 0);
        }
    }
}

}  // namespace
}  // namespace ferlo
