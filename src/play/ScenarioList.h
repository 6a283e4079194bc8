#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace forgeline {

// The folder as the listing is asked for it: with one trailing separator.
std::string ListingFolder(std::string_view folder);

// The wildcard pattern for an extension: blanks around it dropped, "*.*" for none, and "*."
// put before anything that does not already start with it ("sco" lists *.sco).
std::string ListingPattern(std::string_view pattern);

// The ordinary, visible files of the folder that match the pattern, by name.
std::vector<std::string> ListScenarioFiles(const std::string& folder, const std::string& pattern);

// The scenario a listed file belongs to: its name up to the first "." (Deep.Space.sco is Deep).
std::string ScenarioName(std::string_view entry);

// What the game is started with to play the listed file; an empty entry is passed as it is.
std::string LaunchParameters(std::string_view entry);

} // namespace forgeline
