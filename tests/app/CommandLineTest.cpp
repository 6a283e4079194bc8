#include "app/CommandLine.h"

#include "ExpectedFailures.h"
#include "TestFolder.h"

#include <QtTest>

using namespace forgeline::testing;

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

// The built program in the folder, with no display at hand: the check must not need one.
Run runProgram(const QString& folder, const QStringList& arguments, const QByteArray& input = {}) {
    QProcess program;
    program.setProgram(QStringLiteral(FORGELINE_PROGRAM));
    program.setArguments(arguments);
    program.setWorkingDirectory(folder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QLatin1String(name));
    }
    program.setProcessEnvironment(environment);
    program.start();
    program.write(input);
    program.closeWriteChannel();
    if (!program.waitForFinished(30000) || program.exitStatus() != QProcess::NormalExit) {
        return {};
    }
    return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

// The text as the console gets it: Windows ends its lines with CR LF.
QString consoleLines(QString text) {
#ifdef _WIN32
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
#endif
    return text;
}

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

  private slots:
    void exitStatusAndOutputOfEachRoad();
    void theFileToOpenIsTakenAsGiven();
};

void CommandLineTest::exitStatusAndOutputOfEachRoad() {
    TestFolder folder;
    const std::string header = "Name: Patrol\r\nSummary: \r\nDescription: \r\nObjective: \r\n"
                               "Code: <internal>\r\nForces: \r\n";
    folder.write("clean.sce", header + "Federation Destroyer Hornet 0 0 90 2 <player> ()\r\n");
    folder.write("bad.sce", header + "Federation Destroyer Hornet 0 0 90 - <player> ()\r\n" +
                                "Klingon BC Hornet 1 2 3 4 <internal>\r\n");
    folder.write("empty.sce", "");
    folder.write("four.sce", "Name: Four\r\nSummary: \r\nDescription: \r\nObjective: \r\n");
    const QString badLines = "bad.sce:7: The warp \"-\" is not a number.\n"
                             "bad.sce:8: The line has 8 fields; a force line has nine.\n"
                             "bad.sce:8: The line does not end in \" ()\".\n"
                             "bad.sce:8: The name \"Hornet\" is already used on line 7.\n";
    const QString missing = QString::fromStdString(PlatformFailures().missingFile.description);
    const QString tryHelp = "Try 'forgeline --help' for more information.\n";

    const struct {
        QStringList arguments;
        QByteArray input;
        int status;
        QString out;
        QString err;
    } rows[] = {
        {{"--check", "clean.sce"}, {}, 0, "", ""},
        {{"clean.sce", "--check", "bad.sce"}, {}, 1, badLines, ""},
        {{"--check", "missing.sce", "empty.sce", "four.sce", "bad.sce"},
         {},
         2,
         badLines,
         "forgeline: missing.sce: " + missing +
             "\nempty.sce:1: Input past end of file\nfour.sce:5: Input past end of file\n"},
        {{"--check", "-"},
         QByteArray::fromStdString(header) + "Klingon BC Korg 1 2 3 - <player> ()\r\n",
         1,
         "<stdin>:7: The warp \"-\" is not a number.\n",
         ""},
        {{"--version"}, {}, 0, "forgeline 1.1\n", ""},
        {{"--check"}, {}, 2, "", "forgeline: --check needs at least one file.\n" + tryHelp},
        {{"a.sce", "b.sce"},
         {},
         2,
         "",
         "forgeline: the editor opens one file at a time.\n" + tryHelp},
        {{"-"}, {}, 2, "", "forgeline: only --check reads standard input.\n" + tryHelp},
        {{"--frobnicate"}, {}, 2, "", "forgeline: Unknown option 'frobnicate'.\n" + tryHelp},
        {{"--help-all"}, {}, 2, "", "forgeline: Unknown option 'help-all'.\n" + tryHelp},
    };
    for (const auto& row : rows) {
        const Run run = runProgram(QString::fromStdString(folder.path()), row.arguments, row.input);
        QCOMPARE(run.err, consoleLines(row.err));
        QCOMPARE(run.out, consoleLines(row.out));
        QCOMPARE(run.status, row.status);
    }

    const Run help = runProgram(QString::fromStdString(folder.path()), {"--help"});
    QCOMPARE(help.status, 0);
    QVERIFY(help.out.startsWith("Usage: ") && help.out.contains("--check"));
    QVERIFY(!help.out.contains("--help-all"));
}

void CommandLineTest::theFileToOpenIsTakenAsGiven() {
    const struct {
        std::vector<std::string> arguments;
        bool window;
        std::optional<std::string> toOpen;
    } rows[] = {
        {{}, true, std::nullopt},
        {{"Patrol.sce"}, true, "Patrol.sce"},
        {{"--", "-dash.sce"}, true, "-dash.sce"},
        {{"-dash.sce"}, true, "-dash.sce"},
        {{"--", "--check"}, true, "--check"},
        // Bytes that are not UTF-8 name the file they named, not what decoding made of them.
        {{"Caf\xe9.sce"}, true, "Caf\xe9.sce"},
        {{"--check", "Caf\xe9.sce"}, false, std::nullopt},
        {{"Patrol.sce", "Patrol.sce"}, false, std::nullopt},
    };
    for (const auto& row : rows) {
        const forgeline::CommandLine commandLine(row.arguments);
        QCOMPARE(commandLine.wantsWindow(), row.window);
        QCOMPARE(commandLine.fileToOpen(), row.toOpen);
    }
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
