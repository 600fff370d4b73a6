// ramvik-cli drawing the project sheet into a PDF and the graph into a PNG.

#include "CliTestSupport.h"

#include <QColor>
#include <QImage>

#include <vector>

using namespace clitest;

namespace {

class CliPicture : public ::testing::Test {
protected:
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QString TurboProject()
    {
        WriteFile(Path("turbo.rmvp"),
            ProjectText({ "ADC = 1", "Volt = 1.5", "Off = 4.5", "CRD", "0.000000 0.000000",
                "1.500000 1.500000", "3.000000 2.200000", "4.500000 4.500000", "5.000000 5.000000",
                "TURBO", "0.000000 0.000000", "2.500000 3.500000", "5.000000 4.000000" }));
        return Path("turbo.rmvp");
    }

    QTemporaryDir dir;
};

int CountPixels(const QImage& image, QColor colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == colour;
    }
    return count;
}

} // namespace

TEST_F(CliPicture, PngOfTheGraphInEitherViewAndSize)
{
    struct Case {
        QStringList options;
        QSize size;
    };
    const std::vector<Case> cases {
        { {}, QSize(800, 600) },
        { { "--view", "io", "--size", "640x480" }, QSize(640, 480) },
        { { "--view=diff", "--size=1024x300" }, QSize(1024, 300) },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options.join(' ').toStdString());
        const QString out = Path("graph.png");
        QFile::remove(out);
        CliRun run = RunCli(QStringList { "png", TurboProject(), "-o", out } + c.options);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.err, "");
        QImage image(out);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), c.size);
        // Both curves are drawn: the CR curve blue, the TURBO curve red.
        EXPECT_GT(CountPixels(image, QColor(0, 0, 255)), 100);
        EXPECT_GT(CountPixels(image, QColor(255, 0, 0)), 100);
    }
}

TEST_F(CliPicture, PdfOfTheProjectSheet)
{
    CliRun run = RunCli({ "pdf", TurboProject(), "-o", Path("sheet.pdf") });
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::string pdf = ReadFile(Path("sheet.pdf"));
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
    EXPECT_NE(pdf.find("/Count 1"), std::string::npos) << "one page";
    EXPECT_NE(pdf.find("%%EOF"), std::string::npos);
}

// An output that cannot be written is reported, and nothing is left behind.
TEST_F(CliPicture, OutputThatCannotBeWritten)
{
    for (const char* command : { "png", "pdf" }) {
        CliRun run = RunCli({ command, TurboProject(), "-o", Path("no-such-folder/out") });
        EXPECT_EQ(run.exitCode, 1) << command;
        EXPECT_EQ(run.err.rfind("Can't write ", 0), 0u) << run.err;
    }
    EXPECT_FALSE(QDir(Path("no-such-folder")).exists());
}
