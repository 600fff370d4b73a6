#include "RamvikApp.h"

#include "Languages.h"
#include "RamvikDlg.h"

#include <QCommandLineParser>
#include <QIcon>

#include <cstdio>

namespace {
void DescribeOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription("Draws transfer curves for a common-rail tuning box and "
                                     "writes them into the box.");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({ "demo-box", "Talk to a simulated box instead of a real one." });
    parser.addOption({ "port", "Talk to the box through this serial device.", "PATH" });
    parser.addPositionalArgument("FILE", "The project file to open.", "[FILE]");
}
} // namespace

bool ParseStartOptions(const QStringList& arguments, StartOptions& options, QString& error)
{
    QCommandLineParser parser;
    DescribeOptions(parser);
    if (!parser.parse(arguments)) {
        error = parser.errorText();
        return false;
    }
    options.demoBox = parser.isSet("demo-box");
    options.port = parser.value("port");
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        error = "Only one project file can be opened.";
        return false;
    }
    options.file = files.value(0);
    return true;
}

CRamvikApp::CRamvikApp(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName("Ramvik");
    setOrganizationName("Ramvik");
    setApplicationVersion("2.0");
}

int CRamvikApp::Run()
{
    QCommandLineParser parser;
    DescribeOptions(parser);
    // Prints help or version and exits, or reports a bad option and exits.
    parser.process(arguments());

    StartOptions options;
    QString error;
    if (!ParseStartOptions(arguments(), options, error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 2;
    }
    // Before any text is made; View > Language changes it later.
    UseLanguage(CRamvikDlg::StartLanguage());
    CRamvikDlg window(options);
    setWindowIcon(window.windowIcon());
    window.show();
    if (!options.file.isEmpty())
        window.OpenPath(options.file);
    return exec();
}
