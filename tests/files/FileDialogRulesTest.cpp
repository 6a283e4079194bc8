#include "files/FileDialogRules.h"

#include "TestFolder.h"
#include "platform/Platform.h"

#include <gtest/gtest.h>

namespace forgeline {
namespace {

using Types = std::vector<std::pair<std::string, std::vector<std::string>>>;

Types typesOf(std::string_view filter) {
    Types types;
    for (const DialogFileType& type : DialogFileTypes(filter)) {
        types.emplace_back(type.shown, type.patterns);
    }
    return types;
}

TEST(FileDialogRules, FileTypesListWhatWindowsLists) {
    EXPECT_EQ(
        typesOf("Scenario Files (*.sce)|*.sce|All File Types (*.*)|*.*"),
        (Types{{"Scenario Files (*.sce)", {"*.[sS][cC][eE]"}}, {"All File Types (*.*)", {"*"}}}));
    EXPECT_EQ(typesOf("Two|a.*;[x]?|Left over"), (Types{{"Two", {"[aA].*", "[aA]", "[[][xX]]?"}}}));
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
