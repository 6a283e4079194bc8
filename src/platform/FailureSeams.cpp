#include "platform/FailureSeams.h"

#include "platform/Platform.h"

namespace forgeline::platform {
namespace {

std::optional<Failure>& forcedDelete() {
    static std::optional<Failure> failure;
    return failure;
}

std::optional<Failure>& forcedWrite() {
    static std::optional<Failure> failure;
    return failure;
}

} // namespace

void FailDeletesWith(std::optional<Failure> failure) {
    forcedDelete() = std::move(failure);
}

std::optional<Failure> ForcedDeleteFailure() {
    return forcedDelete();
}

void FailWritesWith(std::optional<Failure> failure) {
    forcedWrite() = std::move(failure);
}

std::optional<Failure> ForcedWriteFailure() {
    return forcedWrite();
}

} // namespace forgeline::platform
