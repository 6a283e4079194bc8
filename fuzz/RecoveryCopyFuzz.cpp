// Any bytes as a copy of unsaved work: reading never faults, and a copy it accepts is within a
// scenario's limits and writes back to the very same bytes.
#include "FuzzCheck.h"
#include "editor/RecoveryCopy.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const auto source = forgeline::ScenarioFromRecoveryBytes(bytes)) {
        forgeline::fuzz::check(source->Forces.size() <= forgeline::ScenarioForceLineLimit);
        forgeline::fuzz::check(forgeline::RecoveryBytes(*source) == bytes);
    }
    return 0;
}
