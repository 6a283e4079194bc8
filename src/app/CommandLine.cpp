#include "app/CommandLine.h"

#include "check/CheckFiles.h"
#include "ui/Text.h"

#include <QCoreApplication>
#include <iostream>

namespace forgeline {
namespace {

// As GNU programs end on a mistake in their arguments.
constexpr int MistakeStatus = 2;

// The files named, as the core names files. A Linux file name is bytes that need not be text
// at all, and decoding loses them, so each file is taken from the argument it came from.
std::vector<std::string> filesNamed(const QStringList& positional,
                                    const std::vector<std::string>& given) {
    std::vector<std::string> files;
    std::size_t next = 0;
    for (const QString& file : positional) {
        while (next < given.size() && FromCore(given[next]) != file) {
            ++next;
        }
        files.push_back(next < given.size() ? given[next++] : ToCore(file));
    }
    return files;
}

} // namespace

CommandLine::CommandLine(const std::vector<std::string>& given) {
    parser_.setApplicationDescription(
        QStringLiteral("A scenario workshop for Halvex. Opens FILE in the editor, or checks\n"
                       "each FILE and prints one FILE:LINE: message line per problem."));
    const QCommandLineOption help = parser_.addHelpOption();
    const QCommandLineOption version = parser_.addVersionOption();
    const QCommandLineOption check(
        QStringLiteral("check"),
        QStringLiteral("Check the files without opening a window. Exit status: 0 when all are "
                       "clean, 1 when any has a problem, 2 when one cannot be read."));
    parser_.addOption(check);
    parser_.addPositionalArgument(QStringLiteral("FILE"),
                                  QStringLiteral("A scenario source (.sce)."),
                                  QStringLiteral("[FILE...]"));

    QStringList arguments = FromCore(given);
    // The parser takes the program's name first, and skips it.
    arguments.prepend(QCoreApplication::applicationName());
    if (!parser_.parse(arguments)) {
        road_ = Road::Mistake;
        mistake_ = parser_.errorText();
        return;
    }
    files_ = filesNamed(parser_.positionalArguments(), given);
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
    } else if (!files_.empty()) {
        fileToOpen_ = files_.front();
    }
}

int CommandLine::runWithoutWindow() {
    switch (road_) {
    case Road::Check:
        return static_cast<int>(CheckFiles(files_, std::cout, std::cerr));
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
