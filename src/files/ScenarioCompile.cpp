#include "files/ScenarioCompile.h"

#include "platform/Platform.h"

namespace forgeline {

Result<CompileOutcome> WriteAndCompile(const std::string& folder, const ScenarioSource& source,
                                       GameToolchain& toolchain) {
    const std::string& stem = source.Title;
    if (Status written = WriteScenarioSource(platform::JoinPath(folder, stem + ".sce"), source);
        !written) {
        return written.failure();
    }
    const std::string compiled = platform::JoinPath(folder, stem + ".sco");
    if (platform::FileExists(compiled)) {
        if (Status deleted = platform::DeleteFile(compiled); !deleted) {
            return deleted.failure();
        }
    }
    return toolchain.RunSceneCompiler(stem);
}

} // namespace forgeline
