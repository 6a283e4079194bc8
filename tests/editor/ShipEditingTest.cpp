#include "editor/ShipEditing.h"

#include <gtest/gtest.h>

namespace forgeline {
namespace {

const std::string Hornet = "Federation Destroyer Hornet 0 0 90 2 <player> ()";
const std::string Korg = "Klingon BC Korg 1500 -200 270 3 <internal> ()";
const std::string Taken = "Ship name already taken.";
const std::string Incomplete = "Complete the ship information please.";

ShipEntry entry(const std::string& name, int nation = 1, int shipClass = 2, int marker = 1) {
    return {nation, shipClass, marker, {"Klingon", "BC", name, "1", "-", "2E3", "0", "<internal>"}};
}

std::string line(const std::string& name) {
    return "Klingon BC " + name + " 1 - 2E3 0 <internal> ()";
}

TEST(ShipEditing, AddShipRefusesATakenNameFirstThenAnIncompleteEntry) {
    struct Row {
        std::vector<std::string> lines;
        ShipEntry entry;
        std::optional<std::string> message;
        std::optional<std::string> newLine;
        bool refreshCount;
    };
    const Row rows[] = {{{Korg}, entry("korg"), {}, line("korg"), true},
                        {{Hornet, Korg}, entry("Korg", NoSelection), Taken, {}, false},
                        {{Korg}, entry("Kor", NoSelection), Incomplete, {}, true},
                        {{}, entry("Kor", 1, 2, NoSelection), Incomplete, {}, true},
                        // A line too short for a name clashes with no name, not even an empty one.
                        {{"Klingon BC"}, entry(""), Incomplete, {}, true}};
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const AddShipDecision decision = DecideAddShip(rows[i].lines, rows[i].entry);
        EXPECT_EQ(decision.message, rows[i].message) << i;
        EXPECT_EQ(decision.newLine, rows[i].newLine) << i;
        EXPECT_EQ(decision.refreshCount, rows[i].refreshCount) << i;
    }
}

TEST(ShipEditing, EditShipReplacesTheLineTheTagNamesUnlessRefused) {
    const std::vector<std::string> three = {Hornet, Korg, line("Kang")};
    struct Row {
        std::vector<std::string> lines;
        const char* tag;
        ShipEntry entry;
        std::optional<std::string> message;
        std::optional<std::string> newLine;
        int index;
    };
    const Row rows[] = {{three, "1", entry("Korg"), {}, line("Korg"), 1},
                        {three, "2", entry("Korg"), Taken, {}, 2},
                        {{}, "1", entry("Korg", 1, NoSelection), Incomplete, {}, NoSelection},
                        {{}, "0", entry("Korg"), {}, {}, NoSelection},
                        {three, "", entry("Korg"), {}, {}, NoSelection},
                        {three, "-1", entry("Korg"), {}, {}, NoSelection},
                        {three, "+1", entry("Korg"), {}, {}, NoSelection},
                        {three, " 1", entry("Korg"), {}, {}, NoSelection},
                        {three, "1 ", entry("Korg"), {}, {}, NoSelection},
                        {three, "99999999999", entry("Korg"), {}, {}, NoSelection}};
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const EditShipDecision decision = DecideEditShip(rows[i].lines, rows[i].tag, rows[i].entry);
        EXPECT_EQ(decision.message, rows[i].message) << i;
        EXPECT_EQ(decision.newLine, rows[i].newLine) << i;
        EXPECT_EQ(decision.index, rows[i].index) << i;
    }
}

} // namespace
} // namespace forgeline
