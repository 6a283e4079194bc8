#include "app/CommandLine.h"

#include "check/CheckFiles.h"
#include "ui/Text.h"

#include <QCoreApplication>
#include <iostream>

namespace forgeline {
namespace {

// As GNU programs end on a mistake in their arguments.
constexpr int MistakeStatus = 2;

QStringList decoded(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

// The files named, as the core names files. A Linux file name is bytes that need not be text
// at all, and decoding loses them, so each file is taken from the argument it came from.
std::vector<std::string> filesNamed(const QStringList& positional, int argc, char* argv[]) {
    std::vector<std::string> files;
#ifdef Q_OS_WIN
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    for (const QString& file : positional) {
        files.push_back(ToCore(file));
    }
#else
    int next = 1;
    for (const QString& file : positional) {
        while (next < argc && QString::fromLocal8Bit(argv[next]) != file) {
            ++next;
        }
        files.push_back(next < argc ? std::string(argv[next++]) : ToCore(file));
    }
#endif
    return files;
}

} // namespace

CommandLine::CommandLine(int argc, char* argv[]) {
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

    if (!parser_.parse(decoded(argc, argv))) {
        road_ = Road::Mistake;
        mistake_ = parser_.errorText();
        return;
    }
    files_ = filesNamed(parser_.positionalArguments(), argc, argv);
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
