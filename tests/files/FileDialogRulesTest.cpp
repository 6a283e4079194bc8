#include "files/FileDialogRules.h"

#include "TestFolder.h"
#include "platform/Platform.h"

#include <gtest/gtest.h>

namespace forgeline {
namespace {

TEST(FileDialogRules, FileTypesListWhatWindowsLists) {
    using Types = std::vector<DialogFileType>;
    EXPECT_EQ(
        DialogFileTypes("Scenario Files (*.sce)|*.sce|All File Types (*.*)|*.*"),
        (Types{{"Scenario Files (*.sce)", {"*.[sS][cC][eE]"}}, {"All File Types (*.*)", {"*"}}}));
    EXPECT_EQ(DialogFileTypes("Two|a.*;[x]?|Left over"),
              (Types{{"Two", {"[aA].*", "[aA]", "[[][xX]]?"}}}));
}

TEST(FileDialogRules, APathIsTakenOnlyInAFolderThatExists) {
    const testing::TestFolder folder;
    folder.write("file", "");
    const std::string sep(1, platform::PathSeparator());
    const std::pair<std::string, bool> rows[] = {
        {folder.path() + sep + "new.sce", true},
        {folder.path() + sep + "missing" + sep + "new.sce", false},
        {folder.path() + sep + "file" + sep + "new.sce", false},
        {sep + "new.sce", true},
        {"new.sce", true},
    };
    for (const auto& [path, accepted] : rows) {
        EXPECT_EQ(DialogAcceptsPath(path), accepted) << path;
    }
    EXPECT_EQ(FolderOfChosenPath(sep + "x"), sep);
}

} // namespace
} // namespace forgeline
