#include "CliArguments.h"
#include "CliCommands.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

// ramvik-cli: Ramvik's project files, box transfers and printout for scripts
// and for machines without a display.

namespace {

using Command = int (*)(const CliRequest&);

struct CommandEntry {
    const char* name;
    Command run;
    bool paints; // needs fonts and painting: a QGuiApplication
};

const CommandEntry kCommands[] = {
    { "show", ShowCommand, false },
    { "check", CheckCommand, false },
    { "table", TableCommand, false },
    { "frames", FramesCommand, false },
    { "points", PointsCommand, false },
    { "set-points", SetPointsCommand, false },
    { "write", WriteCommand, false },
    { "read", ReadCommand, false },
    { "compare", CompareCommand, false },
    { "history", HistoryCommand, false },
    { "restore", RestoreCommand, false },
    { "pdf", PdfCommand, true },
    { "png", PngCommand, true },
    { "ports", PortsCommand, false },
    { "doctor", DoctorCommand, false },
};

// Standard error carries the tool's messages only: Qt's notes about the
// environment (such as a missing XDG_RUNTIME_DIR) would break scripts that
// read it. Qt's critical errors still come through.
void QuietQtNotes(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(text));
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const ParseResult parsed = ParseCommandLine(arguments);
    if (parsed.outcome == ParseOutcome::Help) {
        return PrintOutput(parsed.text) ? kExitDone : kExitFailed;
    }
    if (parsed.outcome == ParseOutcome::BadUsage) {
        PrintMessage("ramvik-cli: " + parsed.text + "\nTry 'ramvik-cli --help'.");
        return kExitBadUsage;
    }

    for (const CommandEntry& entry : kCommands) {
        if (parsed.request.command != entry.name)
            continue;
        qInstallMessageHandler(QuietQtNotes);
        // Pictures are drawn off screen: the tool runs without a display.
        std::unique_ptr<QCoreApplication> app;
        if (entry.paints) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            app = std::make_unique<QGuiApplication>(argc, argv);
        } else {
            app = std::make_unique<QCoreApplication>(argc, argv);
        }
        QCoreApplication::setApplicationName(QStringLiteral("Ramvik"));
        QCoreApplication::setOrganizationName(QStringLiteral("Ramvik"));
        // Numbers in pictures and sheets keep the point, whatever the
        // system's language; pdf --lang chooses another way.
        QLocale::setDefault(QLocale::c());
        return entry.run(parsed.request);
    }
    return kExitBadUsage; // the parser knows only the commands above
}
