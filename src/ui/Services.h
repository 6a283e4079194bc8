#pragma once

#include <string>

class QSettings;

namespace forgeline {

class Dialogs;
class GameToolchain;

// What the windows need from outside: where the program lives, the game's programs and the
// dialogs. Tests hand in a temporary folder, fake programs and scripted dialogs.
struct Services {
    std::string programFolder;
    GameToolchain* toolchain = nullptr;
    Dialogs* dialogs = nullptr;
    // Where the editor keeps its copy of unsaved work, in the user's data folder; empty keeps
    // none.
    std::string unsavedFolder;
    // The user's settings, where the recent files are kept; none keeps them for this run only.
    QSettings* settings = nullptr;
};

} // namespace forgeline
