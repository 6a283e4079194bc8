#include "editor/ShipEditing.h"

#include <gtest/gtest.h>

namespace forgeline {
namespace {

const std::string Hornet = "Federation Destroyer Hornet 0 0 90 2 <player> ()";
const std::string Korg = "Klingon BC Korg 1500 -200 270 3 <internal> ()";

ShipEntry entryNamed(const std::string& name, int nation = 1, int shipClass = 2, int marker = 1) {
    return {nation, shipClass, marker, {"Klingon", "BC", name, "1", "-", "2E3", "0", "<internal>"}};
}

std::string lineNamed(const std::string& name) {
    return "Klingon BC " + name + " 1 - 2E3 0 <internal> ()";
}

TEST(ShipEditing, AddShipRefusesATakenNameFirstThenAnIncompleteEntry) {
    struct Row {
        const char* what;
        std::vector<std::string> lines;
        ShipEntry entry;
        std::optional<std::string> message;
        std::optional<std::string> newLine;
        bool refreshCount;
    };
    const Row rows[] = {
        {"first ship", {}, entryNamed("Kahless"), {}, lineNamed("Kahless"), true},
        {"placeholder name", {}, entryNamed("Name"), {}, lineNamed("Name"), true},
        {"placeholder taken", {lineNamed("Name")}, entryNamed("Name"), NameTakenMessage, {}, false},
        {"taken and incomplete",
         {Hornet, Korg},
         entryNamed("Korg", NoSelection),
         NameTakenMessage,
         {},
         false},
        {"other letter case", {Korg}, entryNamed("korg"), {}, lineNamed("korg"), true},
        {"no nation", {Korg}, entryNamed("Kor", NoSelection), IncompleteEntryMessage, {}, true},
        {"no class", {}, entryNamed("Kor", 1, NoSelection), IncompleteEntryMessage, {}, true},
        {"no marker", {}, entryNamed("Kor", 1, 2, NoSelection), IncompleteEntryMessage, {}, true},
        {"no name", {}, entryNamed(""), IncompleteEntryMessage, {}, true},
        // A hand-edited line too short for a name clashes with no name, not even an empty one.
        {"no name beside a short line",
         {"Klingon BC"},
         entryNamed(""),
         IncompleteEntryMessage,
         {},
         true},
    };
    for (const Row& row : rows) {
        const AddShipDecision decision = DecideAddShip(row.lines, row.entry);
        EXPECT_EQ(decision.message, row.message) << row.what;
        EXPECT_EQ(decision.newLine, row.newLine) << row.what;
        EXPECT_EQ(decision.refreshCount, row.refreshCount) << row.what;
    }
}

TEST(ShipEditing, EditIndexMustNameALineOfTheList) {
    struct Row {
        const char* tag;
        std::size_t lineCount;
        std::optional<int> index;
    };
    const Row rows[] = {
        {"0", 1, 0},   {"2", 3, 2},   {"1", 1, {}},   {"0", 0, {}},
        {"", 3, {}},   {"-1", 3, {}}, {"+1", 3, {}},  {" 1", 3, {}},
        {"1 ", 3, {}}, {"1x", 3, {}}, {"abc", 3, {}}, {"99999999999", 3, {}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(EditIndexFromTag(row.tag, row.lineCount), row.index)
            << '"' << row.tag << "\" of " << row.lineCount;
    }
}

TEST(ShipEditing, EditShipReplacesTheIndexedLineUnlessRefused) {
    const std::vector<std::string> three = {Hornet, Korg, lineNamed("Kang")};
    struct Row {
        const char* what;
        std::vector<std::string> lines;
        const char* tag;
        ShipEntry entry;
        std::optional<std::string> message;
        std::optional<std::string> newLine;
    };
    const Row rows[] = {
        {"keeps its own name", three, "1", entryNamed("Korg"), {}, lineNamed("Korg")},
        {"new name", three, "2", entryNamed("Kor"), {}, lineNamed("Kor")},
        {"name of another line", three, "2", entryNamed("Korg"), NameTakenMessage, {}},
        {"other letter case", three, "2", entryNamed("KORG"), {}, lineNamed("KORG")},
        {"incomplete", three, "1", entryNamed("Korg", 1, NoSelection), IncompleteEntryMessage, {}},
        {"incomplete after the list was emptied",
         {},
         "1",
         entryNamed("Korg", 1, NoSelection),
         IncompleteEntryMessage,
         {}},
        {"list emptied", {}, "0", entryNamed("Korg"), {}, {}},
        {"list shortened", three, "3", entryNamed("Korg"), {}, {}},
        {"never selected", three, "", entryNamed("Korg"), {}, {}},
    };
    for (const Row& row : rows) {
        const EditShipDecision decision = DecideEditShip(row.lines, row.tag, row.entry);
        EXPECT_EQ(decision.message, row.message) << row.what;
        EXPECT_EQ(decision.newLine, row.newLine) << row.what;
    }
    EXPECT_EQ(DecideEditShip(three, "2", entryNamed("Kor")).index, 2);
}

} // namespace
} // namespace forgeline
