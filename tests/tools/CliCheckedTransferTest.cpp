// ramvik-cli's checked transfers: compare with its cmp-like exit status, the
// read-back of a write, the write history and the warnings of a read.

#include "CliTestSupport.h"

#include <BoxTable.h>

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {

const std::string kLost = "Please check the connection\nof the USB-interface\nand try again.\n";

class CliChecked : public CliTest {
protected:
    QString DataHome() const { return Path("data"); }
    QString HistoryFolder() const { return DataHome() + "/Ramvik/History"; }
    CliRun Tool(const QStringList& arguments) const
    {
        return RunCli(arguments, QString(), DataHome());
    }
    QStringList HistoryLines() const
    {
        return QString::fromStdString(Tool({ "history" }).out).split('\n', Qt::SkipEmptyParts);
    }
    // The box table of a project as ramvik-boxsim --load takes it: the data
    // cells with whole values, one changed.
    QString CellsFile(const std::string& projectText, int cell, int value)
    {
        const QStringList lines
            = QString::fromStdString(RunCli({ "table", Project(projectText, "cells.rmvp") }).out)
                  .split('\n', Qt::SkipEmptyParts);
        QFile file(Path("box.cells"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        QTextStream out(&file);
        for (const QString& line : lines) {
            const QStringList words = line.split(' ');
            const int number = words.at(0).toInt();
            if (number >= kIdentificationCell)
                continue;
            const int held = number == cell ? value : static_cast<int>(words.at(1).toDouble());
            out << number << ' ' << held << '\n';
        }
        return file.fileName();
    }
};

std::string EditedText(const std::string& text, const char* from, const char* to)
{
    std::string edited = text;
    edited.replace(edited.find(from), std::string(from).size(), to);
    return edited;
}

// Exit status like cmp: 0 same, 1 different (with the lines), 2 no comparison.
TEST_F(CliChecked, CompareExitsLikeCmp)
{
    const QString same = Project(defaultText, "same.rmvp");
    const QString edited
        = Project(EditedText(defaultText, "Volt = 1.5", "Volt = 2.0"), "edit.rmvp");
    struct Row {
        const char* what;
        QStringList arguments;
        int exitCode;
        std::string out;
        std::string errStart;
    };
    const Row rows[] = {
        { "the box holds the project", { "compare", same, "--demo-box" }, 0, "", "" },
        { "an edited start voltage", { "compare", edited, "--demo-box" }, 1,
            "Start voltage: project 2 V, box 1.5 V.\n"
            "CR output at the start voltage (1/51 V): project 102, box 77.\n"
            "CR point at 1.5 V: output 1.5 V in the box, none in the project.\n",
            "" },
        { "an unreadable file", { "compare", Path("missing.rmvp"), "--demo-box" }, 2, "",
            "Can't open file!\n" },
        { "no box at the port", { "compare", same, "--port", "/nonexistent" }, 2, "",
            "No USB Device Connected!" },
        { "no file named", { "compare", "--demo-box" }, 2, "", "ramvik-cli: 'compare' needs" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const CliRun run = Tool(row.arguments);
        EXPECT_EQ(run.exitCode, row.exitCode);
        EXPECT_EQ(run.out, row.out);
        EXPECT_EQ(run.err.substr(0, row.errStart.size()), row.errStart) << run.err;
    }
}

// A compare cut short by the box never compares: its message, nothing on
// standard output, no file and exit status 2, whatever the fault and cell.
TEST_F(CliChecked, CompareFaultsEndWithTheirMessageAndExitTwo)
{
    const QString file = Project(defaultText);
    for (const char* kind : { "short", "silent", "hangup", "stray", "noise" }) {
        // Cell 1, not 0: ramvik-boxsim gives a fault for cell 0 to the
        // handshake's frame for that cell, whose answer is not examined.
        for (const char* cell : { "255", "1", "128", "254" }) {
            const std::string fault = std::string(kind) + "@" + cell;
            SCOPED_TRACE(fault);
            CBoxsimProcess box({ "--fault", QString::fromStdString(fault) });
            const CliRun run = Tool({ "compare", file, "--port", box.port });
            EXPECT_EQ(run.exitCode, 2);
            EXPECT_EQ(run.err, kLost);
            EXPECT_EQ(run.out, "");
            EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList { "project.rmvp" });
        }
    }
}

// The read-back catches a cell the box forgot; --no-verify does not look.
// Every write that sent its cells is kept, with what the read-back found.
TEST_F(CliChecked, VerifyCatchesAForgottenCellAndHistoryKeepsTheResult)
{
    const QString file = Project(defaultText);
    struct Row {
        const char* what;
        bool verify;
        int exitCode;
        std::string err;
        const char* historyWord;
    };
    const Row rows[] = {
        { "verified", true, 1,
            "The box holds other values than were written: cell 100 (empty CR pair 50, input): "
            "box 0, written 251.\n",
            "verified no" },
        { "not verified", false, 0, "", "verified off" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        CBoxsimProcess box({ "--id", "132", "--fault", "forget@100" });
        QStringList arguments { "write", file, "--port", box.port };
        if (!row.verify)
            arguments << "--no-verify";
        const CliRun run = Tool(arguments);
        EXPECT_EQ(run.exitCode, row.exitCode);
        EXPECT_EQ(run.err, row.err);
        const QStringList history = HistoryLines();
        ASSERT_FALSE(history.isEmpty());
        EXPECT_TRUE(history.first().contains(row.historyWord)) << history.first().toStdString();
    }
    EXPECT_FALSE(HistoryLines().join('\n').contains("verified yes"));
}

// Newest first; each entry opens and prints like any project, and its sheet
// says when and how it was written.
TEST_F(CliChecked, HistoryListsNewestFirstAndEntriesPrint)
{
    const QString first = Project(defaultText, "first.rmvp");
    const QString second
        = Project(EditedText(defaultText, "Curve Delay = 200", "Curve Delay = 340"), "second.rmvp");
    EXPECT_EQ(Tool({ "write", first, "--demo-box" }).exitCode, 0);
    EXPECT_EQ(Tool({ "write", second, "--demo-box", "--no-verify" }).exitCode, 0);
    const QStringList lines = HistoryLines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].contains("  box 132  verified off  ")) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].contains("  box 132  verified yes  ")) << lines[1].toStdString();
    const QString newest = lines[0].mid(lines[0].lastIndexOf("  ") + 2);
    EXPECT_TRUE(newest.startsWith(HistoryFolder()));
    EXPECT_EQ(ReadFile(newest), ReadFile(second)) << "the project file as written, unchanged";
    EXPECT_EQ(Tool({ "show", newest }).out, ReadFile(second));
    EXPECT_EQ(Tool({ "pdf", newest, "-o", Path("sheet.pdf") }).exitCode, 0);
    EXPECT_GT(QFileInfo(Path("sheet.pdf")).size(), 0);
}

// A box holding a value no project can hold: the project is saved as the box
// holds it, the warning goes to standard error, and the read succeeds.
TEST_F(CliChecked, ReadWarnsOfImplausibleValuesAndSucceeds)
{
    CBoxsimProcess box({ "--load", CellsFile(defaultText, 1, 60) });
    const CliRun run = Tool({ "read", Path("back.rmvp"), "--port", box.port });
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "Stop voltage 6 V lies outside 0 V to 5 V.\n");
    EXPECT_NE(ReadFile(Path("back.rmvp")).find("Off = 6.0"), std::string::npos);
}

} // namespace
