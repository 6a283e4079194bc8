#include "app/CommandLine.h"

#include "check/CheckFiles.h"
#include "platform/Platform.h"
#include "ui/Text.h"

#include <QCoreApplication>
#include <algorithm>
#include <iostream>

namespace forgeline {
namespace {

// As GNU programs end on a mistake in their arguments.
constexpr int MistakeStatus = 2;

// The options, each as the parser takes it, and the files, as the core names files: a Linux
// file name is bytes that need not be text at all, so a file is its argument's own bytes.
// Every argument after "--" names a file, and so does one that no option spells, such as
// "-dash.sce": read as a run of one-letter options it could only fail.
struct Arguments {
    QStringList options;
    std::vector<std::string> files;
};

Arguments sortArguments(const std::vector<std::string>& given, const QStringList& shortOptions) {
    Arguments sorted;
    bool filesOnly = false;
    for (const std::string& argument : given) {
        if (filesOnly || argument == StandardInputName || !argument.starts_with('-')) {
            sorted.files.push_back(argument);
        } else if (argument == "--") {
            filesOnly = true;
        } else if (argument.starts_with("--") || shortOptions.contains(FromCore(argument))) {
            sorted.options.push_back(FromCore(argument));
        } else {
            sorted.files.push_back(argument);
        }
    }
    return sorted;
}

} // namespace

CommandLine::CommandLine(const std::vector<std::string>& given) {
    parser_.setApplicationDescription(QStringLiteral(
        "A scenario workshop for Halvex. Opens FILE in the editor, or checks\n"
        "each FILE and prints one FILE:LINE: message line per problem. With --check, a FILE\n"
        "of - reads standard input. Write -- before a FILE whose name begins with --."));
    // Qt's own help option would also offer --help-all, for options this program has not.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays help on commandline options."));
    parser_.addOption(help);
    const QCommandLineOption version = parser_.addVersionOption();
    const QCommandLineOption check(
        QStringLiteral("check"),
        QStringLiteral("Check the files without opening a window. Exit status: 0 when all are "
                       "clean, 1 when any has a problem, 2 when one cannot be read."));
    parser_.addOption(check);
    parser_.addPositionalArgument(QStringLiteral("FILE"),
                                  QStringLiteral("A scenario source (.sce)."),
                                  QStringLiteral("[FILE...]"));

    Arguments arguments = sortArguments(given, {QStringLiteral("-h"), QStringLiteral("-v")});
    // The parser takes the program's name first, and skips it.
    arguments.options.prepend(QCoreApplication::applicationName());
    if (!parser_.parse(arguments.options)) {
        road_ = Road::Mistake;
        mistake_ = parser_.errorText();
        return;
    }
    files_ = std::move(arguments.files);
    const bool readsInput = std::ranges::find(files_, StandardInputName) != files_.end();
    if (parser_.isSet(help)) {
        road_ = Road::Help;
    } else if (parser_.isSet(version)) {
        road_ = Road::Version;
    } else if (parser_.isSet(check)) {
        road_ = files_.empty() ? Road::Mistake : Road::Check;
        mistake_ = QStringLiteral("--check needs at least one file.");
    } else if (files_.size() > 1) {
        road_ = Road::Mistake;
        mistake_ = QStringLiteral("the editor opens one file at a time.");
    } else if (readsInput) {
        road_ = Road::Mistake;
        mistake_ = QStringLiteral("only --check reads standard input.");
    } else if (!files_.empty()) {
        fileToOpen_ = files_.front();
    }
}

int CommandLine::runWithoutWindow() {
    switch (road_) {
    case Road::Check:
        return static_cast<int>(
            CheckFiles(files_, platform::ProgramFolder(), std::cout, std::cerr));
    case Road::Help:
        std::cout << ToCore(parser_.helpText());
        return 0;
    case Road::Version:
        std::cout << ToCore(QCoreApplication::applicationName()) << ' '
                  << ToCore(QCoreApplication::applicationVersion()) << '\n';
        return 0;
    case Road::Mistake:
    case Road::Window:
        break;
    }
    std::cerr << "forgeline: " << ToCore(mistake_) << '\n'
              << "Try 'forgeline --help' for more information.\n";
    return MistakeStatus;
}

} // namespace forgeline
