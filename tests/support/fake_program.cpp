// Stands in for the game's compiler and executable. It records its working folder and
// arguments in "<own name>.record" beside itself in the working folder. Named "scene..." it
// also compiles: for each ".sce" argument it leaves the ".sco" after the delay (milliseconds)
// held in "fake-scene.delay", unless "fake-scene.fail" exists.
#include "platform/Platform.h"

#include <cctype>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

int main(int argc, char* argv[]) {
    const std::string self = fs::path(argv[0]).filename().string();
    const fs::path folder = fs::current_path();
    // As the program reads them, so a name outside the ANSI code page arrives whole on Windows.
    const std::vector<std::string> arguments = forgeline::platform::ProgramArguments(argc, argv);

    const fs::path record = folder / (self + ".record");
    const fs::path partial = folder / (self + ".record.partial");
    {
        std::ofstream out(partial, std::ios::binary);
        const std::u8string cwd = folder.u8string();
        out << "cwd=" << std::string(cwd.begin(), cwd.end()) << '\n';
        for (const std::string& argument : arguments) {
            out << "arg=" << argument << '\n';
        }
    }
    fs::rename(partial, record);

    std::string lower = self;
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (lower.rfind("scene", 0) != 0 || fs::exists(folder / "fake-scene.fail")) {
        return 0;
    }
    int delay = 0;
    std::ifstream(folder / "fake-scene.delay") >> delay;
    std::this_thread::sleep_for(std::chrono::milliseconds(delay));
    for (const std::string& argument : arguments) {
        const fs::path source(std::u8string(argument.begin(), argument.end()));
        if (source.extension() == ".sce") {
            std::ofstream(folder / fs::path(source).replace_extension(".sco"), std::ios::binary)
                << "compiled\n";
        }
    }
    return 0;
}
