#pragma once

#include "base/Result.h"

#include <optional>

namespace forgeline::platform {

// The failure every delete meets while a test has asked for one (FailDeletesWith).
std::optional<Failure> ForcedDeleteFailure();

// The failure every write meets while a test has asked for one (FailWritesWith).
std::optional<Failure> ForcedWriteFailure();

} // namespace forgeline::platform
