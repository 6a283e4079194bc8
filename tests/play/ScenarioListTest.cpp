#include "play/ScenarioList.h"

#include "TestFolder.h"
#include "platform/Platform.h"

#include <gtest/gtest.h>

namespace forgeline {
namespace {

using testing::TestFolder;

TEST(ScenarioList, PatternsBecomeWildcards) {
    struct Row {
        const char* given;
        const char* pattern;
    };
    const Row rows[] = {
        {"sco", "*.sco"},   {"", "*.*"},    {"   ", "*.*"},       {" sco ", "*.sco"},
        {"*.sco", "*.sco"}, {"*.*", "*.*"}, {"*sco", "*.*sco"},   {".sco", "*..sco"},
        {"s co", "*.s co"}, {"*", "*.*"},   {"  *.sce", "*.sce"}, {"SCO", "*.SCO"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ListingPattern(row.given), row.pattern) << '"' << row.given << '"';
    }
}

TEST(ScenarioList, FolderGetsOneTrailingSeparator) {
    const std::string sep(1, platform::PathSeparator());
    struct Row {
        std::string given;
        std::string folder;
    };
    const Row rows[] = {
        {"games" + sep + "forgeline", "games" + sep + "forgeline" + sep},
        {"games" + sep + "forgeline" + sep, "games" + sep + "forgeline" + sep},
        {sep, sep},
        {"relative", "relative" + sep},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ListingFolder(row.given), row.folder) << row.given;
    }
}

TEST(ScenarioList, ListsOrdinaryVisibleMatchingFilesByName) {
    TestFolder folder;
    for (const char* name : {"Beta.sco", "notes.txt", "Alpha.sco", ".h.sco", "Gamma.SCO",
                             "Alpha.sce", "sco", "Deep.Space.sco"}) {
        folder.write(name, "");
    }
    folder.makeFolder("x.sco");

    struct Row {
        std::string folder;
        const char* pattern;
        std::vector<std::string> names;
    };
    const std::vector<std::string> compiled{"Alpha.sco", "Beta.sco", "Deep.Space.sco", "Gamma.SCO"};
    const Row rows[] = {
        {folder.path(), "sco", compiled},
        {folder.path() + platform::PathSeparator(), "sco", compiled},
        {folder.path(),
         "",
         {"Alpha.sce", "Alpha.sco", "Beta.sco", "Deep.Space.sco", "Gamma.SCO", "notes.txt", "sco"}},
        {folder.path(), "txt", {"notes.txt"}},
        {folder.file("absent"), "sco", {}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ListScenarioFiles(row.folder, row.pattern), row.names)
            << row.folder << " '" << row.pattern << "'";
    }
}

TEST(ScenarioList, NamesAndLaunchParameters) {
    struct Row {
        const char* entry;
        const char* name;
        const char* parameters;
    };
    const Row rows[] = {
        {"Patrol.sco", "Patrol", " nobanner scenario Patrol.sco"},
        {"Deep.Space.sco", "Deep", " nobanner scenario Deep.Space.sco"},
        {"NoDot", "NoDot", " nobanner scenario NoDot"},
        {".sco", "", " nobanner scenario .sco"},
        {"Gamma.SCO", "Gamma", " nobanner scenario Gamma.SCO"},
        {"", "", " nobanner scenario "},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ScenarioName(row.entry), row.name) << row.entry;
        EXPECT_EQ(LaunchParameters(row.entry), row.parameters) << row.entry;
    }
}

} // namespace
} // namespace forgeline
