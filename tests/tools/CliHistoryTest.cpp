// The write history as the workshop's job log through ramvik-cli: a restore
// brings back what an independent box held, many computers write into one
// folder at once, and the listing searches, speaks JSON and refuses a folder
// it cannot read (the entries' facts and the half-written ones: tests/session
// HistoryFolder).

#include "CliTestSupport.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

#include <set>

namespace {

class CliHistory : public CliTest {
protected:
    std::vector<QJsonObject> Json(const CliRun& run) const
    {
        std::vector<QJsonObject> entries;
        for (const QString& line :
            QString::fromStdString(run.out).split('\n', Qt::SkipEmptyParts)) {
            QJsonParseError error;
            entries.push_back(QJsonDocument::fromJson(line.toUtf8(), &error).object());
            EXPECT_EQ(error.error, QJsonParseError::NoError) << line.toStdString();
        }
        return entries;
    }
};

// The box first holds a project of its own; a write puts another in, and the
// restore brings back the first, cell for cell, as a box that was never
// written again holds it.
TEST_F(CliHistory, RestoreBringsBackWhatTheBoxHeld)
{
    const QString first = Project("ADC = 1\r\nStart Delay = 2 min 5 sec\r\nCurve Delay = 140 \r\n"
                                  "Volt = 1.2\r\nOff = 4.3\r\nCRD\r\n0.000000 0.000000\r\n"
                                  "1.200000 1.200000\r\n2.000000 2.400000\r\n3.100000 3.500000\r\n"
                                  "4.300000 4.300000\r\n5.000000 5.000000\r\n",
        "first.rmvp");
    const QString second = Project(defaultText, "second.rmvp");
    {
        CBoxsimProcess box({ "--id", "132", "--save", Path("held.cells") });
        ASSERT_EQ(RunCli({ "write", first, "--port", box.port, "--no-backup" },
                      WithDataFolder("elsewhere"))
                      .exitCode,
            0);
    }
    {
        CBoxsimProcess box({ "--load", Path("held.cells"), "--save", Path("restored.cells") });
        ASSERT_EQ(RunCli({ "write", second, "--port", box.port }).exitCode, 0);
        const CliRun restore = RunCli({ "restore", "--port", box.port });
        EXPECT_EQ(restore.exitCode, 0) << restore.err;
    }
    EXPECT_EQ(ReadFile(Path("restored.cells")), ReadFile(Path("held.cells")));

    // The restore is an entry of its own, naming the write it undid, with
    // its own "before": the second project.
    const std::vector<QJsonObject> history = Json(RunCli({ "history", "--json" }));
    ASSERT_EQ(history.size(), 2u);
    EXPECT_EQ(history[0]["restores"].toString(), history[1]["entry"].toString());
    EXPECT_EQ(ReadFile(history[0]["before"].toString()), defaultText);

    // A named entry, by its name or the path of one of its files.
    const QString named = history[1]["entry"].toString();
    for (const QString& entry : { named, history[1]["copy"].toString() }) {
        EXPECT_EQ(RunCli({ "restore", entry, "--demo-box" }).exitCode, 0);
        EXPECT_EQ(Json(RunCli({ "history", "--json" }))[0]["restores"].toString(), named);
    }
    const CliRun unknown = RunCli({ "restore", "no-such-entry", "--demo-box" });
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_TRUE(StartsWith(unknown.err, "No history entry no-such-entry")) << unknown.err;
}

// Twenty writes at once into one history folder leave twenty entries under
// twenty names, each whole.
TEST_F(CliHistory, TwentyWritersShareOneFolder)
{
    const QString project = Project(defaultText);
    std::vector<std::unique_ptr<QProcess>> writers;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", Path("data"));
    for (int i = 0; i < 20; ++i) {
        writers.push_back(std::make_unique<QProcess>());
        writers.back()->setProcessEnvironment(environment);
        writers.back()->start(RAMVIK_CLI,
            { "write", project, "--demo-box", "--customer", QString("customer %1").arg(i) });
    }
    for (const auto& writer : writers) {
        ASSERT_TRUE(writer->waitForFinished(kDeadlineMs));
        EXPECT_EQ(writer->exitCode(), 0) << writer->readAllStandardError().toStdString();
    }
    const CliRun listed = RunCli({ "history", "--json" });
    EXPECT_EQ(listed.err, "") << "nothing left out";
    const std::vector<QJsonObject> history = Json(listed);
    ASSERT_EQ(history.size(), 20u);
    std::set<QString> names, customers;
    for (const QJsonObject& entry : history) {
        names.insert(entry["entry"].toString());
        customers.insert(entry["customer"].toString());
        EXPECT_EQ(entry["outcome"].toString(), "verified");
        EXPECT_EQ(ReadFile(entry["copy"].toString()), defaultText);
        EXPECT_FALSE(ReadFile(entry["before"].toString()).empty());
    }
    EXPECT_EQ(names.size(), 20u);
    EXPECT_EQ(customers.size(), 20u);
}

// --search and --box reach the listing, --json gives each field back
// exactly; a half-written entry is left out and counted, and a folder that
// cannot be read is an error.
TEST_F(CliHistory, ListsSearchesAndRefusesAnUnreadableFolder)
{
    const QString project = Project(defaultText, "golf.rmvp");
    const QString note = "injector 3 \"new\"\nC:\\parts\\list";
    ASSERT_EQ(RunCli({ "write", project, "--demo-box", "--customer", "Müller GmbH", "--plate",
                         "B-MW 1234", "--note", note })
                  .exitCode,
        0);
    ASSERT_EQ(
        RunCli({ "write", project, "--demo-box", "--no-verify", "--vehicle", "Passat" }).exitCode,
        0);
    // Which entries a search or a box keeps: tests/session HistoryFolder.
    EXPECT_EQ(Json(RunCli({ "history", "--json", "--search", "not verified" })).size(), 1u);
    EXPECT_TRUE(Json(RunCli({ "history", "--json", "--box", "213" })).empty());
    const std::vector<QJsonObject> all = Json(RunCli({ "history", "--json" }));
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[1]["note"].toString(), note);
    EXPECT_EQ(all[1]["project"].toString(), "golf.rmvp");
    EXPECT_EQ(all[1]["projectPath"].toString(), QFileInfo(project).absoluteFilePath());
    EXPECT_EQ(all[0]["outcome"].toString(), "not verified");

    // The plain listing: one block an entry, the newest first.
    const CliRun plain = RunCli({ "history" });
    EXPECT_TRUE(StartsWith(plain.out.substr(plain.out.find("\n2") + 1),
        all[1]["time"].toString().toStdString() + "  box 132  verified: parameters and points"))
        << plain.out;

    // Another computer's copy whose facts are not written yet.
    const QString history = Path("data/Ramvik/History/");
    QFile::copy(all[0]["copy"].toString(), history + "2099-01-01_00-00-00.000_OTHER_00000000.rmvp");
    const CliRun half = RunCli({ "history" });
    EXPECT_EQ(half.exitCode, 0);
    EXPECT_EQ(half.out, plain.out);
    EXPECT_EQ(half.err,
        "Left out 1 history entry that is only half there (another computer may be writing "
        "it).\n");

    QDir().mkpath(Path("blocked/Ramvik"));
    Project("a file where the folder should be", "blocked/Ramvik/History");
    const CliRun unreadable = RunCli({ "history" }, WithDataFolder("blocked"));
    EXPECT_EQ(unreadable.exitCode, 1);
    EXPECT_TRUE(StartsWith(unreadable.err, "Can't read the write history:\n\n")) << unreadable.err;
}

} // namespace
