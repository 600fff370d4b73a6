// ramvik-cli pdf --lang: the printed sheet in a language the window speaks,
// and otherwise English with the point, whatever the system's language.
#include "CliTestSupport.h"

#include <QStandardPaths>

namespace {

class CliSheetLanguage : public CliTest {
protected:
    // The words of the sheet pdf makes with these options, or what went wrong.
    std::string SheetWords(const QStringList& options, const RunOptions& run = {})
    {
        const QString pdf = Path("sheet.pdf");
        QFile::remove(pdf);
        const CliRun made
            = RunCli(QStringList { "pdf", Project(defaultText), "-o", pdf } + options, run);
        if (made.exitCode != 0)
            return "exit " + std::to_string(made.exitCode) + ": " + made.err;
        QProcess pdftotext;
        pdftotext.start("pdftotext", { pdf, "-" });
        if (!pdftotext.waitForFinished(kDeadlineMs))
            return "pdftotext did not finish";
        return pdftotext.readAllStandardOutput().toStdString();
    }
};

TEST_F(CliSheetLanguage, TheSheetSpeaksTheLanguageAskedForAndNoOther)
{
    ASSERT_FALSE(QStandardPaths::findExecutable("pdftotext").isEmpty())
        << "pdftotext is needed: scripts/ensure-deps installs poppler-utils";
    const struct {
        const char* what;
        QStringList options;
        QString system;
        const char* startVoltage; // as the sheet writes the default 1.5 V (pdftotext: one blank)
    } rows[] = {
        { "no --lang", {}, "", "1.5" },
        { "no --lang on a German system", {}, "de_DE.UTF-8", "1.5" },
        { "--lang de", { "--lang", "de" }, "", "1,5" },
        { "--lang pt_BR", { "--lang=pt_BR" }, "", "1,5" },
        { "--lang en on a German system", { "--lang", "en" }, "de_DE.UTF-8", "1.5" },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        RunOptions run;
        run.language = row.system;
        const std::string words = SheetWords(row.options, run);
        EXPECT_NE(words.find(std::string(": ") + row.startVoltage + "\n"), std::string::npos)
            << words;
    }
}

// A language the tool does not know is refused with the ones it knows.
TEST_F(CliSheetLanguage, AnUnknownLanguageIsRefusedWithTheKnownOnes)
{
    const CliRun run
        = RunCli({ "pdf", Project(defaultText), "-o", Path("sheet.pdf"), "--lang", "nl" });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err,
        "ramvik-cli: the sheet can be printed in en, de, fr, es, it, pl, pt_BR; not in 'nl'.\n");
    EXPECT_FALSE(QFile::exists(Path("sheet.pdf")));
}

} // namespace
