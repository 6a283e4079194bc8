#include "model/ShipCatalogue.h"

#include <algorithm>

namespace forgeline {

const std::vector<Nation>& Nations() {
    static const std::vector<Nation> nations{
        {"Federation", 0}, {"Klingon", 1}, {"Romulan", 2}, {"Orion", 3}};
    return nations;
}

const std::vector<std::string>& ClassesForNation(int nationCode) {
    static const std::vector<std::vector<std::string>> classes{
        {"Interceptor", "Destroyer", "HC", "Dreadnought", "Tug", "Tanker", "Starbase"},
        {"Escort", "Frigate", "BC", "Dreadnought", "Outpost"},
        {"WE", "BP", "Frigate"},
        {"Assassin", "Raider", "Saboteur", "Anarchist", "Grappler", "Armadillo"},
    };
    static const std::vector<std::string> none;
    if (nationCode < 0 || nationCode >= static_cast<int>(classes.size())) {
        return none;
    }
    return classes[static_cast<std::size_t>(nationCode)];
}

std::optional<int> NationCode(std::string_view name) {
    for (const Nation& nation : Nations()) {
        if (nation.name == name) {
            return nation.code;
        }
    }
    return std::nullopt;
}

bool IsClassOfNation(int nationCode, std::string_view shipClass) {
    const std::vector<std::string>& classes = ClassesForNation(nationCode);
    return std::find(classes.begin(), classes.end(), shipClass) != classes.end();
}

const std::vector<std::string>& ControllerMarkers() {
    static const std::vector<std::string> markers{PlayerMarker, InternalMarker};
    return markers;
}

} // namespace forgeline
