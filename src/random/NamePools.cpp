#include "random/Generation.h"

namespace forgeline {

const std::vector<std::string>& NamePool(int nationCode) {
    static const std::vector<std::vector<std::string>> pools{
        {"Wendrel",  "Solvane",      "Trevant",   "Marathon", "Mercury",      "Venus",
         "Terra",    "Mars",         "Jupiter",   "Saturn",   "Neptune",      "Uranus",
         "Pluto",    "Rigil",        "Altair",    "Sirius",   "Polaris",      "Agena",
         "Procyon",  "Caspan",       "Centauri",  "Ketoi",    "Horok",        "Enterprise",
         "Hornet",   "Trenton",      "Lexington", "Defiant",  "Independence", "Republic",
         "Yorktown", "Constitution", "Cochrane",  "Nimitz",   "Armstrong",    "Washington",
         "Nelson",   "Marrowby",     "Gagarin",   "Eskarth",  "Tessaline"},
        {"Asteroid", "Comet",   "Quasar",   "Pulsar",  "Nova",   "Meteor",   "Nebula", "Galaxy",
         "Star",     "Cobra",   "Viper",    "Asp",     "Python", "Krait",    "Adder",  "Rattler",
         "Boa",      "Mamba",   "Mulicron", "Bismark", "Zantha", "Cromoer",  "Yazark", "Freen",
         "Votek",    "Tebor",   "Derango",  "Dragon",  "Hydra",  "Minotaur", "Medusa", "Demon",
         "Phantom",  "Banshee", "Gargoyle", "Wraith"},
        {"Omicron",   "Quinron",  "Proxima",  "Korg",       "Krager",     "Ganther",   "Ackter",
         "Romulus",   "Vandar",   "Hawk",     "Eagle",      "Falcon",     "Owl",       "Condor",
         "Talon",     "Osprey",   "Vulture",  "Kingfisher", "Typhoon",    "Hurricane", "Dustdevil",
         "Whirlwind", "Monsoon",  "Scirocco", "Sandstorm",  "Waterspout", "Windstorm", "Ghoul",
         "Stalker",   "Valkyrie", "Crow"},
        {"Dagger",     "Knife",     "Garotte",   "Pistol",     "Grenade", "Cyanide",
         "Rifle",      "Blade",     "Detonator", "Blackbeard", "Skull",   "Doubloon",
         "Kidd",       "Flagon",    "Silver",    "Bounty",     "Drake",   "Cutlass",
         "Shark",      "Barracuda", "Stingray",  "Mantaray",   "Orca",    "Pirahna",
         "Hammerhead", "Moray",     "Bluefin",   "Henchman",   "Madman",  "Rogue",
         "Traitor",    "Mugger",    "Hoodlum",   "Bagman",     "Burglar", "Outlaw"},
    };
    static const std::vector<std::string> none;
    if (nationCode < 0 || nationCode >= static_cast<int>(pools.size())) {
        return none;
    }
    return pools[static_cast<std::size_t>(nationCode)];
}

} // namespace forgeline
