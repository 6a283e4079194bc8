#include "ExpectedFailures.h"
#include "TestFolder.h"
#include "editor/OpenedScenario.h"
#include "files/LineReader.h"
#include "files/ScenarioSource.h"
#include "platform/Platform.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

namespace forgeline {
namespace {

namespace fs = std::filesystem;

constexpr std::uintmax_t MiB = 1 << 20;

const Failure OverByteLimit{7, "The file is too large to be a scenario (over 64 MiB)."};
const Failure OverLineLimit{7,
                            "The file is too large to be a scenario (over 1048576 force lines)."};
const Failure EndOfFile{62, "Input past end of file"};

const std::string Header = "Name: Big\r\nSummary: \r\nDescription: \r\nObjective: \r\n"
                           "Code: <internal>\r\nForces: \r\n";

// A file read in pieces of at most `piece` bytes.
class TextFile final : public platform::InputFile {
  public:
    TextFile(std::string text, std::size_t piece) : text_(std::move(text)), piece_(piece) {}

    Result<std::size_t> read(char* buffer, std::size_t size) override {
        const std::size_t count = std::min({size, piece_, text_.size() - at_});
        std::copy_n(text_.data() + at_, count, buffer);
        at_ += count;
        return count;
    }

  private:
    std::string text_;
    std::size_t piece_;
    std::size_t at_ = 0;
};

TEST(HugeFiles, LineReaderReadsUpToItsByteLimitAndRefusesBeyond) {
    const Failure tooLarge{7, "too large"};
    struct Row {
        std::string text;
        std::uint64_t limit;
        std::vector<std::string> lines;
        bool refused;
    };
    const Row rows[] = {{"", 0, {}, false},
                        {"a", 0, {}, true},
                        {"abc", 3, {"abc"}, false},
                        {"abc", 2, {}, true},
                        {"ab\r\ncd\n", 7, {"ab", "cd"}, false},
                        {"ab\r\ncd\nx", 7, {"ab", "cd"}, true},
                        {"ab\r\ncd\n", 6, {"ab"}, true},
                        {"\n\n\n", 3, {"", "", ""}, false},
                        {"\n\n\n\n", 3, {"", "", ""}, true},
                        {std::string(200'000, 'z'), 200'000, {std::string(200'000, 'z')}, false},
                        {std::string(200'000, 'z') + "\n", 200'000, {}, true}};
    for (const Row& row : rows) {
        // However the file comes in, the same lines are read up to the limit.
        for (const std::size_t piece : {std::size_t{1}, std::size_t{3}, std::size_t{1} << 20}) {
            SCOPED_TRACE(std::to_string(row.text.size()) + " bytes, limit " +
                         std::to_string(row.limit) + ", pieces of " + std::to_string(piece));
            TextFile file(row.text, piece);
            LineReader reader(file, row.limit, tooLarge);
            std::vector<std::string> lines;
            std::optional<Failure> failure;
            while (true) {
                auto line = reader.next();
                if (!line) {
                    failure = line.failure();
                    break;
                }
                if (!*line) {
                    break;
                }
                lines.push_back(std::move(**line));
            }
            EXPECT_EQ(lines, row.lines);
            EXPECT_EQ(failure, row.refused ? std::optional(tooLarge) : std::nullopt);
            if (row.refused) {
                auto again = reader.next();
                EXPECT_FALSE(again.ok());
            }
        }
    }
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

void resize(const std::string& path, std::uintmax_t size) {
    std::ofstream(path, std::ios::binary | std::ios::app).close();
    fs::resize_file(path, size);
}

void writeAt(const std::string& path, std::uintmax_t offset, const std::string& bytes) {
    std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
    file.seekp(static_cast<std::streamoff>(offset));
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The header, then NUL-filled force lines ending every MiB: exactly 64 MiB holding 64 force
// lines, and as many more bytes of NULs as asked for.
void makeNulFleet(const std::string& path, std::uintmax_t extra) {
    resize(path, 64 * MiB + extra);
    writeAt(path, 0, Header);
    for (std::uintmax_t end = MiB; end <= 64 * MiB; end += MiB) {
        writeAt(path, end - 1, "\n");
    }
}

std::string emptyLines(std::size_t count) {
    std::string lines;
    lines.reserve(count * 2);
    for (std::size_t i = 0; i < count; ++i) {
        lines += "\r\n";
    }
    return lines;
}

TEST(HugeFiles, OddFilesLoadOrAreRefused) {
    const std::string longLine(10'000'000, 'L');
    const std::string longLines = "Name: " + longLine +
                                  "\r\nSummary: \r\nDescription: \r\nObjective: \r\n"
                                  "Code: <internal>\r\nForces: \r\n" +
                                  longLine + "\r\n" + longLine;

    struct Row {
        const char* what;
        std::function<void(const std::string& path)> make;
        std::optional<Failure> failure;
        int headerValuesRead;
        std::size_t forceLines;
        std::optional<std::string> title;
        // Compared whole where given.
        std::optional<std::vector<std::string>> forces;
    };
    const Row rows[] = {
        {"a sparse file of 1 GiB", [](const std::string& path) { resize(path, 1024 * MiB); },
         OverByteLimit, 0, 0, std::nullopt, std::nullopt},
        {"64 MiB exactly", [](const std::string& path) { makeNulFleet(path, 0); }, std::nullopt, 4,
         64, "Big", std::nullopt},
        {"one byte over 64 MiB", [](const std::string& path) { makeNulFleet(path, 1); },
         OverByteLimit, 4, 64, "Big", std::nullopt},
        {"4 MiB of NUL bytes", [](const std::string& path) { resize(path, 4 * MiB); }, EndOfFile, 1,
         0, std::string(4 * MiB, '\0'), std::nullopt},
        {"lines of 10 MB", [&](const std::string& path) { writeFile(path, longLines); },
         std::nullopt, 4, 2, longLine, std::vector<std::string>{longLine, longLine}},
        {"1048576 empty force lines",
         [](const std::string& path) { writeFile(path, Header + emptyLines(1 << 20)); },
         std::nullopt, 4, 1 << 20, "Big", std::nullopt},
        {"1048577 empty force lines",
         [](const std::string& path) { writeFile(path, Header + emptyLines((1 << 20) + 1)); },
         OverLineLimit, 4, 1 << 20, "Big", std::nullopt}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        testing::TestFolder folder;
        const std::string path = folder.file("odd.sce");
        row.make(path);

        const ScenarioRead read = ReadScenarioSource(path);

        EXPECT_EQ(read.failure, row.failure);
        EXPECT_EQ(read.headerValuesRead, row.headerValuesRead);
        EXPECT_EQ(read.source.Forces.size(), row.forceLines);
        // Not EXPECT_EQ: a failure would print megabytes.
        EXPECT_TRUE(!row.title || read.source.Title == *row.title);
        EXPECT_TRUE(!row.forces || read.source.Forces == *row.forces);
        // Open shows what a short file holds, never a part of one refused as too large.
        const bool refused = row.failure && row.failure->code == OverByteLimit.code;
        EXPECT_EQ(OpenScenarioFile(path).shown.has_value(), !refused);
    }
}

#ifndef _WIN32
TEST(HugeFiles, AnEndlessDeviceIsRefusedBeforeAnythingIsRead) {
    const ScenarioRead read = ReadScenarioSource("/dev/zero");
    EXPECT_EQ(read.failure, platform::NotARegularFileFailure());
    EXPECT_EQ(read.headerValuesRead, 0);
}
#endif

} // namespace
} // namespace forgeline
