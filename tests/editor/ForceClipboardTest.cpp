#include "editor/ForceClipboard.h"

#include <gtest/gtest.h>

namespace forgeline {
namespace {

const std::string Korg = "Klingon BC Korg 1500 -200 270 3 <internal> ()";
const std::string Hornet = "Federation Destroyer Hornet 0 0 90 2 <player> ()";

TEST(ForceClipboard, WritesLinesAsAFileHoldsThemAndReadsThemBack) {
    EXPECT_EQ(ClipboardText({Korg, Hornet}), Korg + "\r\n" + Hornet + "\r\n");
    const std::pair<std::string, std::string> texts[] = {
        {Korg + "\r\n" + Hornet + "\r\n", ""},
        {Korg + "\n" + Hornet, ""},
        {Korg + "\r\nKorg 1 2\r\n", "line 2 of the clipboard is no force line (it has 3 fields; a "
                                    "force line has nine)."},
        {Korg + "\r\n\r\n" + Hornet, "line 2 of the clipboard is no force line (it has 1 field; "
                                     "a force line has nine)."},
        {"Klingon BC Korg 1500 -200 270 3 <internal> []", "line 1 of the clipboard is no force "
                                                          "line (it does not end in \" ()\")."},
        {"Klingon BC  1500 -200 270 3 <internal> ()", "line 1 of the clipboard is no force line "
                                                      "(it has no name)."},
        {"", "the clipboard holds no force lines."},
    };
    for (const auto& [text, fault] : texts) {
        const Result<std::vector<std::string>> lines = ForceLinesFromClipboard(text);
        if (fault.empty()) {
            ASSERT_TRUE(lines.ok()) << text;
            EXPECT_EQ(*lines, (std::vector<std::string>{Korg, Hornet}));
        } else {
            ASSERT_FALSE(lines.ok()) << text;
            EXPECT_EQ(lines.failure().description, "Nothing was pasted: " + fault);
        }
    }
}

TEST(ForceClipboard, NumbersNamesThatAreTaken) {
    const std::vector<std::string> existing = {Korg, "Klingon BC Korg3 0 0 0 3 <internal> ()",
                                               Hornet};
    const std::vector<std::string> named = WithFreeNames(
        existing, {Korg, Korg, "Klingon BC Kang 0 0 0 3 <internal> ()", Hornet,
                   "Klingon BC Korg3 0 0 0 3 <internal> ()", "Klingon BC 7 0 0 0 3 <internal> ()",
                   "Klingon BC 7 0 0 0 3 <internal> ()"});
    EXPECT_EQ(named, (std::vector<std::string>{"Klingon BC Korg2 1500 -200 270 3 <internal> ()",
                                               "Klingon BC Korg4 1500 -200 270 3 <internal> ()",
                                               "Klingon BC Kang 0 0 0 3 <internal> ()",
                                               "Federation Destroyer Hornet2 0 0 90 2 <player> ()",
                                               "Klingon BC Korg5 0 0 0 3 <internal> ()",
                                               "Klingon BC 7 0 0 0 3 <internal> ()",
                                               "Klingon BC 72 0 0 0 3 <internal> ()"}));
    // A pasted name that an earlier pasted line was just given is taken too.
    EXPECT_EQ(WithFreeNames({Korg}, {Korg, "Klingon BC Korg2 0 0 0 3 <internal> ()"}),
              (std::vector<std::string>{"Klingon BC Korg2 1500 -200 270 3 <internal> ()",
                                        "Klingon BC Korg3 0 0 0 3 <internal> ()"}));
}

TEST(ForceClipboard, NamesTakenInUtf16LinesAreTheNamesTheirUtf8Carries) {
    const std::u16string loneSurrogate =
        u"Klingon BC K" + std::u16string(1, char16_t(0xD800)) + u"g 0 0 0 3 <internal> ()";
    struct Row {
        std::u16string existing;
        std::string pasted;
        std::string named;
    };
    const Row rows[] = {
        {u"Klingon BC Zo\u00EB 0 0 0 3 <internal> ()",
         "Klingon BC Zo\xC3\xAB 0 0 0 3 <internal> ()",
         "Klingon BC Zo\xC3\xAB"
         "2 0 0 0 3 <internal> ()"},
        {u"Klingon BC R\U0001F680 0 0 0 3 <internal> ()",
         "Klingon BC R\xF0\x9F\x9A\x80 0 0 0 3 <internal> ()",
         "Klingon BC R\xF0\x9F\x9A\x80"
         "2 0 0 0 3 <internal> ()"},
        {loneSurrogate,
         "Klingon BC K\xEF\xBF\xBD"
         "g 0 0 0 3 <internal> ()",
         "Klingon BC K\xEF\xBF\xBD"
         "g2 0 0 0 3 <internal> ()"},
        // The name is the last piece; a line without one clashes with nothing.
        {u"Klingon BC Korg", "Klingon BC Korg 0 0 0 3 <internal> ()",
         "Klingon BC Korg2 0 0 0 3 <internal> ()"},
        {u"Klingon BC", "Klingon BC  0 0 0 3 <internal> ()", "Klingon BC  0 0 0 3 <internal> ()"},
        {u"Klingon BC Korg2 0 0 0 3 <internal> ()", "Klingon BC Korg 0 0 0 3 <internal> ()",
         "Klingon BC Korg 0 0 0 3 <internal> ()"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(WithFreeNames(std::vector<std::u16string_view>{row.existing}, {row.pasted}),
                  std::vector<std::string>{row.named})
            << row.pasted;
    }
    // Many names longer in UTF-8 than in UTF-16 are all still taken.
    std::vector<std::u16string> existing;
    for (int i = 1; i <= 300; ++i) {
        const std::string number = std::to_string(i);
        existing.push_back(u"Klingon BC Zo\u00EB" + std::u16string(number.begin(), number.end()) +
                           u" 0 0 0 3 <internal> ()");
    }
    EXPECT_EQ(WithFreeNames(std::vector<std::u16string_view>(existing.begin(), existing.end()),
                            {"Klingon BC Zo\xC3\xAB"
                             "1 0 0 0 3 <internal> ()"}),
              std::vector<std::string>{"Klingon BC Zo\xC3\xAB"
                                       "301 0 0 0 3 <internal> ()"});
}

} // namespace
} // namespace forgeline
