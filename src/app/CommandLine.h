#pragma once

#include <QCommandLineParser>
#include <optional>
#include <string>
#include <vector>

namespace forgeline {

// What the program was asked to do: open its window, perhaps on one file, or check files,
// show its help or version, or tell a mistake in its arguments.
class CommandLine {
  public:
    // Reads the arguments given after the program's name, as platform::ProgramArguments gives
    // them; needs no application object, so the road can be chosen before one is made.
    explicit CommandLine(const std::vector<std::string>& given);
    CommandLine(const CommandLine&) = delete;
    CommandLine& operator=(const CommandLine&) = delete;

    bool wantsWindow() const { return road_ == Road::Window; }
    // The file to open in the window, as the core names files.
    const std::optional<std::string>& fileToOpen() const { return fileToOpen_; }

    // Checks, helps, or tells the mistake, and gives the exit status. Needs a
    // QCoreApplication, and never a display.
    int runWithoutWindow();

  private:
    enum class Road { Window, Check, Help, Version, Mistake };

    QCommandLineParser parser_;
    Road road_ = Road::Window;
    std::vector<std::string> files_;
    std::optional<std::string> fileToOpen_;
    QString mistake_;
};

} // namespace forgeline
