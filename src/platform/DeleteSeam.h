#pragma once

#include "base/Result.h"

#include <optional>

namespace forgeline::platform {

// The failure every delete meets while a test has asked for one (FailDeletesWith).
std::optional<Failure> ForcedDeleteFailure();

} // namespace forgeline::platform
