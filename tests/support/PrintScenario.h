#pragma once

#include "files/ScenarioSource.h"

#include <ostream>

namespace forgeline {

// Readable failures in tests that compare whole scenarios.
inline void PrintTo(const ScenarioSource& source, std::ostream* out) {
    *out << "{Title \"" << source.Title << "\", Summary \"" << source.Summary
         << "\", Description \"" << source.Description << "\", Objective \"" << source.Objective
         << "\", Forces";
    for (const std::string& line : source.Forces) {
        *out << " \"" << line << '"';
    }
    *out << '}';
}

} // namespace forgeline
