#include "files/FolderToolchain.h"

#include "platform/Platform.h"

namespace forgeline {
namespace {

constexpr const char* CompilerNames[] = {"scene", "scene.exe"};
constexpr const char* GameName = "Halvex.exe";

Failure notFound(const std::string& folder, const std::string& name) {
    return {2, "Cannot find '" + name + "' in " + folder + "."};
}

} // namespace

FolderToolchain::FolderToolchain(std::string folder, std::chrono::milliseconds wait,
                                 platform::StartWaiting starting)
    : folder_(std::move(folder)), wait_(wait), starting_(std::move(starting)) {}

CompileOutcome FolderToolchain::RunSceneCompiler(const std::string& stem) {
    CompileOutcome outcome;
    std::optional<std::string> compiler;
    for (const char* name : CompilerNames) {
        compiler = platform::FindFileIgnoringCase(folder_, name);
        if (compiler) {
            break;
        }
    }
    if (!compiler) {
        outcome.startFailure = notFound(folder_, "scene");
    } else if (Status started = platform::StartProgram(platform::JoinPath(folder_, *compiler),
                                                       " " + stem + ".sce", folder_, starting_);
               !started) {
        outcome.startFailure = started.failure();
    } else {
        platform::SleepMilliseconds(static_cast<int>(wait_.count()));
    }
    outcome.compiled = platform::FileExists(platform::JoinPath(folder_, stem + ".sco"));
    return outcome;
}

bool FolderToolchain::GameExists() {
    return platform::FindFileIgnoringCase(folder_, GameName).has_value();
}

Status FolderToolchain::LaunchGame(const std::string& parameters) {
    const auto game = platform::FindFileIgnoringCase(folder_, GameName);
    if (!game) {
        return notFound(folder_, GameName);
    }
    return platform::StartProgram(platform::JoinPath(folder_, *game), parameters, folder_,
                                  starting_);
}

} // namespace forgeline
