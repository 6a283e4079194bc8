#include "TestFolder.h"
#include "platform/Platform.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace forgeline::platform {
namespace {

namespace fs = std::filesystem;
using forgeline::testing::TestFolder;

TEST(PosixPlatform, ReplacingKeepsLinksAndPermissions) {
    TestFolder folder;
    folder.makeFolder("real");
    folder.write("real/target.sce", "old");
    fs::permissions(folder.file("real/target.sce"), fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("real/target.sce", folder.file("link.sce"));
    auto file = CreateForWriting(folder.file("link.sce"));
    ASSERT_TRUE(file);
    ASSERT_TRUE((*file)->write("new"));
    ASSERT_TRUE((*file)->close());
    EXPECT_TRUE(fs::is_symlink(folder.file("link.sce")));
    EXPECT_EQ(folder.read("real/target.sce"), "new");
    EXPECT_EQ(fs::status(folder.file("real/target.sce")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
}

} // namespace
} // namespace forgeline::platform
