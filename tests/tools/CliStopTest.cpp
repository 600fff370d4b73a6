// ramvik-cli stopped or killed in the middle of a transfer, against
// ramvik-boxsim on a pseudo-terminal: the box sends the signal when the frame
// of the chosen cell arrives, before it answers, so the place is exact and no
// test waits on a clock. Each case ends with its message, its exit status
// and its outcome in the history (each outcome in the journal itself:
// tests/session WriteJournal).

#include "CliTestSupport.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

const std::string kStoppedBefore
    = "The write was stopped before the first cell: the box holds what it held before.\n";
const std::string kCheckStopped
    = "The check was stopped: every cell was written, but not all of "
      "cells 0\u2013254 were read back, so the write is not verified.\n";
const std::string kVerified = "Written into box 132; verified: parameters and points (cells "
                              "0\u2013254); the box's table cells cannot be read back.\n";

std::string StoppedAfter(int cell)
{
    return "The write stopped after cell " + std::to_string(cell)
        + " of 766: the box now holds parts of two projects. Write the project again before the "
          "engine runs.\n";
}

// The places of a write with its backup, as the box counts the frames of a
// cell: the handshake reads cell 255 first; cell 0 has two handshake frames
// and a backup read before its data frame; cell 100 is read back third.
struct Place {
    const char* what;
    const char* cell;
    std::string stopMessage;
    const char* outcome; // in the history
    int cell600; // what the box holds in cell 600 afterwards (new: 88, old: 0)
};
const Place kPlaces[] = {
    { "the handshake", "255", kStoppedBefore, "stopped", 0 },
    { "the first cell", "0/4", StoppedAfter(0), "stopped", 0 },
    { "a middle cell", "600", StoppedAfter(600), "stopped", 88 },
    { "the last cell", "766", kCheckStopped, "check cut off", 88 },
    { "the check", "100/3", kCheckStopped, "check cut off", 88 },
};

struct Signal {
    const char* name;
    int exitCode;
};
const Signal kSignals[] = { { "int", 130 }, { "term", 143 }, { "hup", 129 } };

class CliStop : public CliTest {
protected:
    // The history of the data folder as JSON objects, newest first.
    std::vector<QJsonObject> History(const RunOptions& options) const
    {
        std::vector<QJsonObject> entries;
        const CliRun run = RunCli({ "history", "--json" }, options);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        for (const QString& line : QString::fromStdString(run.out).split('\n', Qt::SkipEmptyParts))
            entries.push_back(QJsonDocument::fromJson(line.toUtf8()).object());
        return entries;
    }
    // What the box saved in cell, from its --save file.
    std::string SavedCell(const QString& file, int cell) const
    {
        const std::string cells = ReadFile(file);
        const std::string start = "\n" + std::to_string(cell) + " ";
        const std::size_t at = cells.find(start);
        return at == std::string::npos
            ? std::string()
            : cells.substr(at + start.size(), cells.find('\n', at + 1) - at - start.size());
    }
};

// SIGINT, SIGTERM and SIGHUP end the frame in flight and stop: the write
// says what the box now holds, keeps its outcome and exits 128 + the signal.
// The box holds the new project up to the cell the message names.
TEST_F(CliStop, EachSignalAtEachPlaceEndsWithItsOutcome)
{
    const QString project = Project(defaultText);
    for (const Signal& signal : kSignals) {
        for (const Place& place : kPlaces) {
            const QString name
                = QString("%1-%2").arg(signal.name).arg(place.cell).replace('/', '_');
            SCOPED_TRACE(name.toStdString());
            RunOptions options;
            options.data = "data-" + name;
            CliRun write;
            {
                CBoxsimProcess box({ "--id", "132", "--save", Path("cells"), "--signal",
                    QString("%1@%2").arg(signal.name, place.cell), "--pid-file", Path("pid") });
                write = RunCliWithPidFile(
                    Path("pid"), { "write", project, "--port", box.port }, options);
            }
            EXPECT_EQ(write.exitCode, signal.exitCode);
            EXPECT_EQ(write.err, place.stopMessage);
            EXPECT_EQ(SavedCell(Path("cells"), 600), std::to_string(place.cell600));
            const std::vector<QJsonObject> history = History(options);
            ASSERT_EQ(history.size(), 1u);
            EXPECT_EQ(history[0]["outcome"].toString(), place.outcome);
        }
    }
}

// A kill leaves the entry started. The next compare says why it cannot vouch
// for the box and exits 1, even where cells 0 to 254 match; the next write
// says the same first, and writing the project again ends it.
TEST_F(CliStop, AKillLeavesTheWriteUnfinishedUntilWrittenAgain)
{
    const QString project = Project(defaultText);
    const std::string note = "The box's table cells (256\u2013766) cannot be read back, and the "
                             "last write into box 132 (";
    for (const Place& place : kPlaces) {
        SCOPED_TRACE(place.what);
        RunOptions options;
        options.data = QString("data-kill-%1").arg(place.cell).replace('/', '_');
        CBoxsimProcess box({ "--id", "132", "--signal", QString("kill@%1").arg(place.cell),
            "--pid-file", Path("pid") });
        const CliRun killed
            = RunCliWithPidFile(Path("pid"), { "write", project, "--port", box.port }, options);
        EXPECT_EQ(killed.exitCode, -1) << "killed";
        // Before its first data frame the write has changed nothing and
        // recorded nothing.
        const bool started = std::string(place.cell) != "255";
        const bool cellsMatch = place.cell600 != 0;

        const CliRun compare = RunCli({ "compare", project, "--port", box.port }, options);
        EXPECT_EQ(compare.exitCode, 1);
        EXPECT_EQ(compare.out.find(note) != std::string::npos, started) << compare.out;
        if (cellsMatch) {
            EXPECT_TRUE(StartsWith(compare.out, note)) << "no difference in cells 0 to 254";
        }
        EXPECT_EQ(StartsWith(compare.err, "The last write into box 132 ("), started);

        const CliRun write = RunCli({ "write", project, "--port", box.port }, options);
        EXPECT_EQ(write.exitCode, 0);
        EXPECT_TRUE(write.err.size() >= kVerified.size()
            && write.err.compare(write.err.size() - kVerified.size(), std::string::npos, kVerified)
                == 0)
            << write.err;
        EXPECT_EQ(write.err != kVerified, started) << "the warning before the write";
        const std::vector<QJsonObject> history = History(options);
        ASSERT_EQ(history.size(), started ? 2u : 1u);
        EXPECT_EQ(history[0]["outcome"].toString(), "verified");
        if (started) {
            EXPECT_EQ(history[1]["outcome"].toString(), "started");
        }
        EXPECT_EQ(RunCli({ "compare", project, "--port", box.port }, options).exitCode, 0)
            << "written again, the box is the project's";
    }
}

// A read or compare that is stopped saves nothing and says so.
TEST_F(CliStop, AStoppedReadOrCompareSavesNothing)
{
    const QString project = Project(defaultText);
    const std::string stopped = "The read was stopped before every cell had arrived: nothing was "
                                "saved.\n";
    for (const char* command : { "read", "compare" }) {
        SCOPED_TRACE(command);
        CBoxsimProcess box({ "--id", "132", "--signal", "term@100", "--pid-file", Path("pid") });
        const QString file = std::string(command) == "read" ? Path("read.rmvp") : project;
        const CliRun run = RunCliWithPidFile(Path("pid"), { command, file, "--port", box.port });
        EXPECT_EQ(run.exitCode, 143);
        EXPECT_EQ(run.err, stopped);
        EXPECT_EQ(run.out, "");
    }
    EXPECT_FALSE(QFile::exists(Path("read.rmvp")));
}

} // namespace
