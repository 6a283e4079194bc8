#include "TestFolder.h"
#include "platform/Platform.h"
#include "platform/posix/FileNameText.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <future>
#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace forgeline::platform {
namespace {

namespace fs = std::filesystem;
using forgeline::testing::TestFolder;
using forgeline::testing::WaitForRecord;

TEST(PosixPlatform, ReplacingKeepsLinksPermissionsOwnerAndGroup) {
    TestFolder folder;
    folder.makeFolder("real");
    folder.write("real/target.sce", "old");
    fs::permissions(folder.file("real/target.sce"), fs::perms::owner_read | fs::perms::owner_write);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(folder.file("real/target.sce").c_str(), 4321, 4322), 0);
    }
    fs::create_symlink("real/target.sce", folder.file("link.sce"));
    auto file = CreateForWriting(folder.file("link.sce"));
    ASSERT_TRUE(file);
    ASSERT_TRUE((*file)->write("new"));
    ASSERT_TRUE((*file)->close());
    EXPECT_TRUE(IsSymbolicLink(folder.file("link.sce")) && fs::is_symlink(folder.file("link.sce")));
    EXPECT_EQ(folder.read("real/target.sce"), "new");
    EXPECT_EQ(fs::status(folder.file("real/target.sce")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    struct stat info {};
    ASSERT_EQ(::stat(folder.file("real/target.sce").c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, root ? 4321u : ::geteuid());
    EXPECT_EQ(info.st_gid, root ? 4322u : ::getegid());
}

TEST(PosixPlatform, AFifoIsRefusedWithoutWaitingForAWriterAndLeftAsItWas) {
    TestFolder folder;
    const std::string fifo = folder.file("pipe.sce");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    auto opening = std::async(std::launch::async, [&] { return OpenForReading(fifo); });
    if (opening.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        // A writer lets the blocked open go, so the test can end.
        ::close(::open(fifo.c_str(), O_WRONLY | O_NONBLOCK));
        FAIL() << "opening a FIFO waited for a writer";
    }
    EXPECT_EQ(opening.get().failure(), NotARegularFileFailure());
    EXPECT_EQ(CreateForWriting(fifo).failure(), NotARegularFileFailure());
    EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST(PosixPlatform, NamesThatAreNotUtf8AreListedOpenedAndPassedAsTheirBytes) {
    TestFolder folder;
    // A Latin-1 name, and the UTF-8 of a private-use character that must not meet it.
    const std::string names[] = {"\xe9.sco", "\xee\xbf\xa9.sco", "Caf\xc3\xa9.sco"};
    for (const std::string& name : names) {
        folder.write(name, name);
    }
    const std::vector<std::string> listed = ListFiles(folder.path(), "*.sco");
    ASSERT_EQ(listed.size(), std::size(names));
    testing::InstallFakeProgram(folder, "Halvex.exe");
    std::set<std::string> contents;
    for (const std::string& name : listed) {
        auto in = OpenForReading(JoinPath(folder.path(), name));
        ASSERT_TRUE(in) << name;
        std::string read(16, '\0');
        read.resize(*(*in)->read(read.data(), read.size()));
        contents.insert(read);
        ASSERT_TRUE(StartProgram(folder.file("Halvex.exe"), " " + name, folder.path()));
        const auto record = WaitForRecord(folder, "Halvex.exe");
        ASSERT_TRUE(record) << name;
        EXPECT_EQ(record->arguments, std::vector<std::string>{read});
        fs::remove(folder.file("Halvex.exe.record"));
    }
    EXPECT_EQ(contents, std::set<std::string>(std::begin(names), std::end(names)));
    // A folder so named is found by the name the layer gives it.
    folder.makeFolder("\xe9");
    EXPECT_TRUE(FolderExists(JoinPath(folder.path(), FileNameToText("\xe9"))));
}

TEST(PosixPlatform, AWineThatNeverGetsTheProgramRunningIsAFailedStartWithinTheLimit) {
    TestFolder folder;
    // It outlasts the limit by far: only the limit can end the wait in failure.
    folder.write("wine", "#!/bin/sh\necho $$ >wine.pid\nexec sleep 10\n");
    fs::permissions(folder.file("wine"), fs::perms::owner_all);
    folder.write("Halvex.exe", "MZ");
    const std::string path = std::getenv("PATH");
    ::setenv("PATH", (folder.path() + ":" + path).c_str(), 1);
    int polls = 0;
    const Status started = StartProgram(folder.file("Halvex.exe"), " nobanner", folder.path(),
                                        {std::chrono::milliseconds(300), [&] { ++polls; }});
    ::setenv("PATH", path.c_str(), 1);
    ASSERT_FALSE(started);
    EXPECT_EQ(started.failure().code, ETIMEDOUT);
    EXPECT_EQ(started.failure().description,
              "Wine did not get 'Halvex.exe' running within 300 milliseconds.");
    EXPECT_GT(polls, 0);
    // The set-up that overran is ended, so no game turns up after its start has failed.
    const std::string stat =
        "/proc/" + std::to_string(std::stol(folder.read("wine.pid"))) + "/stat";
    const auto ended = [&] {
        std::string state;
        std::getline(std::ifstream(stat), state);
        return state.empty() || state.substr(state.rfind(')') + 2, 1) == "Z";
    };
    for (int wait = 0; wait < 500 && !ended(); ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_TRUE(ended());
}

// A replacement goes where the links lead, leaving them links, with the file's own mode, also
// the bits a process's umask would drop from a new file.
TEST(PosixPlatform, ReplacingKeepsLinksAndMode) {
    TestFolder folder;
    folder.makeFolder("real");
    const std::pair<const char*, fs::perms> rows[] = {
        {"real/target.sce", fs::perms::owner_read | fs::perms::owner_write},
        {"link.sce", fs::perms::owner_all | fs::perms::group_all | fs::perms::others_all},
        {"chain.sce", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_write}};
    fs::create_symlink("real/target.sce", folder.file("link.sce"));
    fs::create_symlink("link.sce", folder.file("chain.sce"));
    for (const auto& [name, mode] : rows) {
        folder.write("real/target.sce", "old");
        fs::permissions(folder.file("real/target.sce"), mode);
        auto file = CreateForWriting(folder.file(name));
        ASSERT_TRUE(file && (*file)->write(name) && (*file)->close()) << name;
        EXPECT_TRUE(fs::is_symlink(folder.file("link.sce")) &&
                    fs::is_symlink(folder.file("chain.sce")));
        EXPECT_EQ(folder.read("real/target.sce"), name);
        EXPECT_EQ(fs::status(folder.file("real/target.sce")).permissions(), mode) << name;
    }
}

// A link counts as what it leads to: a file is listed and found in any letter case; a link to a
// folder or to nothing is no file.
TEST(PosixPlatform, LinksAreListedAndFoundAsWhatTheyLeadTo) {
    TestFolder folder;
    folder.write("Real.sco", "");
    folder.makeFolder("folder");
    fs::create_symlink("Real.sco", folder.file("Link.sco"));
    fs::create_symlink("folder", folder.file("Folder.sco"));
    fs::create_symlink("missing", folder.file("Dangling.sco"));
    EXPECT_EQ(ListFiles(folder.path(), "*.SCO"),
              (std::vector<std::string>{"Link.sco", "Real.sco"}));
    const std::pair<const char*, std::optional<std::string>> rows[] = {
        {"link.sco", "Link.sco"},
        {"LINK.SCO", "Link.sco"},
        {"folder.sco", std::nullopt},
        {"Folder.sco", std::nullopt},
        {"dangling.SCO", std::nullopt}};
    for (const auto& [name, found] : rows) {
        EXPECT_EQ(FindFileIgnoringCase(folder.path(), name), found) << name;
    }
}

} // namespace
} // namespace forgeline::platform
