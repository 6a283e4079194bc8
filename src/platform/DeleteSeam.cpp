#include "platform/DeleteSeam.h"

#include "platform/Platform.h"

namespace forgeline::platform {
namespace {

std::optional<Failure>& forced() {
    static std::optional<Failure> failure;
    return failure;
}

} // namespace

void FailDeletesWith(std::optional<Failure> failure) {
    forced() = std::move(failure);
}

std::optional<Failure> ForcedDeleteFailure() {
    return forced();
}

} // namespace forgeline::platform
