#include "model/ForceLine.h"

#include "model/ForceChecks.h"
#include "model/ShipCatalogue.h"

#include <gtest/gtest.h>

namespace forgeline {
namespace {

const ForceEntry Korg{"Klingon", "BC", "Korg", "1500", "-200", "270", "3", "<internal>"};

TEST(ForceLine, FormatsFieldsJoinedBySpacesWithTail) {
    EXPECT_EQ(FormatForceLine(Korg), "Klingon BC Korg 1500 -200 270 3 <internal> ()");
    // Text is carried as typed: leading zeros, a lone minus, empty fields.
    EXPECT_EQ(FormatForceLine({"Orion", "Raider", "", "007", "-", "1.5", "2E3", "<player>"}),
              "Orion Raider  007 - 1.5 2E3 <player> ()");
}

TEST(ForceLine, SplitOfAFormattedLineGivesTheEntryBack) {
    const auto pieces = SplitForceLine(FormatForceLine(Korg));
    ASSERT_EQ(pieces.size(), 9u);
    EXPECT_EQ(pieces[0], "Klingon");
    EXPECT_EQ(pieces[2], "Korg");
    EXPECT_EQ(pieces[7], "<internal>");
    EXPECT_EQ(pieces[8], "()");
}

TEST(ForceLine, SplitKeepsEmptyPiecesInPlace) {
    struct Row {
        const char* line;
        std::vector<std::string> pieces;
    };
    const Row rows[] = {{"", {""}},
                        {" ", {"", ""}},
                        {"a  b", {"a", "", "b"}},
                        {"a b ", {"a", "b", ""}},
                        {"Klingon  BC", {"Klingon", "", "BC"}}};
    for (const Row& row : rows) {
        EXPECT_EQ(SplitForceLine(row.line), row.pieces) << '"' << row.line << '"';
    }
}

TEST(ForceLine, MissingPiecesReadAsEmpty) {
    struct Row {
        const char* line;
        ForceField field;
        const char* piece;
    };
    const Row rows[] = {{"Klingon BC Korg", ForceField::Name, "Korg"},
                        {"Klingon BC Korg", ForceField::X, ""},
                        {"Klingon", ForceField::Marker, ""},
                        {"", ForceField::Nation, ""},
                        {"Unknown Forces", ForceField::Class, "Forces"},
                        // Two spaces shift every later field: the name piece is then the class.
                        {"Klingon  BC Korg", ForceField::Name, "BC"}};
    for (const Row& row : rows) {
        EXPECT_EQ(ForcePiece(row.line, row.field), row.piece) << row.line;
        EXPECT_EQ(ForcePiece(SplitForceLine(row.line), row.field), row.piece) << row.line;
    }
    const ForceEntry shortEntry = ForceEntryFromLine("Romulan WE");
    EXPECT_EQ(shortEntry.shipClass, "WE");
    EXPECT_EQ(shortEntry.name, "");
    EXPECT_EQ(shortEntry.marker, "");
}

TEST(ShipCatalogue, NationsAndClassesInCatalogueOrder) {
    std::string catalogue;
    for (const Nation& nation : Nations()) {
        catalogue += std::to_string(nation.code) + ' ' + nation.name + ':';
        for (const std::string& shipClass : ClassesForNation(nation.code)) {
            catalogue += ' ' + shipClass;
        }
        catalogue += '\n';
    }
    EXPECT_EQ(catalogue, "0 Federation: Interceptor Destroyer HC Dreadnought Tug Tanker Starbase\n"
                         "1 Klingon: Escort Frigate BC Dreadnought Outpost\n"
                         "2 Romulan: WE BP Frigate\n"
                         "3 Orion: Assassin Raider Saboteur Anarchist Grappler Armadillo\n");
    EXPECT_TRUE(ClassesForNation(4).empty() && ClassesForNation(-1).empty());
    EXPECT_EQ(ControllerMarkers(), (std::vector<std::string>{"<player>", "<internal>"}));
}

TEST(ForceChecks, EntryIsCompleteWithThreeSelectionsAndAName) {
    struct Row {
        int nation, shipClass, marker;
        const char* name;
        bool complete;
    };
    const Row rows[] = {{0, 0, 0, "Name", true}, // the placeholder is a name like any other
                        {3, 5, 1, "x", true},      {-1, 0, 0, "Name", false},
                        {0, -1, 0, "Name", false}, {0, 0, -1, "Name", false},
                        {0, 0, 0, "", false}};
    for (const Row& row : rows) {
        EXPECT_EQ(IsEntryComplete(row.nation, row.shipClass, row.marker, row.name), row.complete)
            << row.nation << ' ' << row.shipClass << ' ' << row.marker << ' ' << row.name;
    }
}

TEST(ForceChecks, NameClashIsExactAndCaseSensitive) {
    const std::vector<std::string> lines{
        "Federation Destroyer Hornet 0 0 90 2 <player> ()",
        "Klingon BC Korg 1500 -200 270 3 <internal> ()",
        "Orion", // a hand-edited line too short to carry a name
    };
    struct Row {
        const char* name;
        bool taken;
    };
    const Row rows[] = {{"Korg", true}, {"Hornet", true}, {"korg", false}, {"Korg ", false},
                        {"BC", false},  {"", false},      {"Orion", false}};
    for (const Row& row : rows) {
        EXPECT_EQ(IsNameTaken(lines, row.name), row.taken) << '"' << row.name << '"';
    }
    EXPECT_FALSE(IsNameTaken({}, "Name"));
}

TEST(ForceChecks, ShipCountIsPlainDecimal) {
    EXPECT_EQ(ShipCountText(0), "0");
    EXPECT_EQ(ShipCountText(30), "30");
    EXPECT_EQ(ShipCountText(100000), "100000");
}

} // namespace
} // namespace forgeline
