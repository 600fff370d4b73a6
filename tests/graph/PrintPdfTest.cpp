#include "Messages.h"
#include "Print.h"
#include "PrintTestProjects.h"
#include "RamvikDlg.h"

#include <QFile>
#include <QFontMetricsF>
#include <QLineF>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace print_test;

namespace {

// The PDF checks read the files back with poppler's command-line tools.
bool HavePoppler()
{
    return !QStandardPaths::findExecutable("pdftotext").isEmpty()
        && !QStandardPaths::findExecutable("pdfinfo").isEmpty();
}

QString Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The value of a "Name: value" line of pdfinfo.
QString PdfInfo(const QString& file, const QString& name)
{
    const QRegularExpression line("^" + name + ":\\s*(.*)$", QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = line.match(Run("pdfinfo", { file }));
    return match.hasMatch() ? match.captured(1).trimmed() : QString();
}

struct Word {
    QString text;
    QRectF box; // points, from the page's top-left corner
};

std::vector<Word> PdfWords(const QString& file)
{
    const QString html = Run("pdftotext", { "-bbox", file, "-" });
    const QRegularExpression pattern("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" "
                                     "xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>");
    std::vector<Word> words;
    for (auto it = pattern.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
        words.push_back({ m.captured(5), QRectF(topLeft, bottomRight) });
    }
    return words;
}

const Word* FindWord(const std::vector<Word>& words, const QString& text)
{
    for (const Word& word : words) {
        if (word.text == text)
            return &word;
    }
    return nullptr;
}

// Of the words with this text, the one whose top-left corner is nearest the point.
const Word* NearestWord(const std::vector<Word>& words, const QString& text, QPointF point)
{
    const Word* nearest = nullptr;
    for (const Word& word : words) {
        if (word.text == text
            && (!nearest
                || QLineF(word.box.topLeft(), point).length()
                    < QLineF(nearest->box.topLeft(), point).length()))
            nearest = &word;
    }
    return nearest;
}

constexpr double kPointsPerUnit = 72.0 / 600.0;

// A PDF writer at its own resolution (1200 dpi) still gets the sheet in
// 1/600 inch: the words stand where the layout puts them, in points.
TEST(PrintPdf, WordsStandAtTheLayoutPositions)
{
    if (!HavePoppler())
        GTEST_SKIP() << "pdftotext and pdfinfo are needed";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath("sheet.pdf");
    ProjectState project;
    project.ReplaceCrCurve(MakeCurve({ { 0, 0 }, { 2.0, 1.5 }, { 5, 5 } }));
    project.startDelayMin = 2;
    project.startDelaySec = 5;
    {
        QPdfWriter writer(file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        ASSERT_TRUE(PrintProject(writer, project));
    }
    EXPECT_EQ(PdfInfo(file, "Pages").toStdString(), "1");

    const std::vector<Word> words = PdfWords(file);
    struct Expected {
        const char* text;
        double left; // sheet units
        double top;
    };
    const std::vector<Expected> expected = {
        { "Common", 150, 200 },
        { "CR-curve", 235, 4585 },
        { "Vdif", 525, 4735 },
        { "2.00", 175, 4985 },
        { "-0.50", 525, 4985 },
        { "1", 975 - 20, 3355 }, // centred: about half a digit to the left
        { "Start", 175, 4035 },
        { "Start", 175, 4185 },
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.text);
        const QPointF at(e.left * kPointsPerUnit, e.top * kPointsPerUnit);
        const Word* word = NearestWord(words, e.text, at);
        ASSERT_TRUE(word);
        EXPECT_NEAR(word->box.left(), at.x(), 2.5);
        EXPECT_NEAR(word->box.top(), at.y(), 2.0);
    }
    // The delay follows its label on the same line.
    const QFontMetricsF medium(PrintFontFor(PrintFont::Medium, QFont()));
    const double delayLeft = 175 + medium.horizontalAdvance("Start Delay [mm:ss] :   ");
    const Word* delay = NearestWord(words, "2:5", QPointF(delayLeft, 4185) * kPointsPerUnit);
    ASSERT_TRUE(delay);
    EXPECT_NEAR(delay->box.left(), delayLeft * kPointsPerUnit, 2.5);
    EXPECT_NEAR(delay->box.top(), 4185 * kPointsPerUnit, 2.0);
    // The vertical digits end at x 175.
    const Word* five = NearestWord(words, "5", QPointF(0, 585 * kPointsPerUnit));
    ASSERT_TRUE(five);
    EXPECT_NEAR(five->box.right(), 175 * kPointsPerUnit, 1.0);
}

// "Print Project" on a main window whose print dialog is replaced by a PDF
// printer, or by a cancel.
class PrintProjectButton : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(configDir.isValid());
        const QString path = configDir.path();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, path);
        qputenv("XDG_CONFIG_HOME", path.toLocal8Bit());
        {
            QSettings settings("Ramvik", "Ramvik");
            settings.setValue("RootPath", path + "/");
            settings.setValue("USB", "10");
        }
        window = std::make_unique<CRamvikDlg>();
        pdf = configDir.filePath("printed.pdf");
    }

    void ClickPrint()
    {
        auto* button = window->findChild<QPushButton*>("printButton");
        ASSERT_TRUE(button);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    QTemporaryDir configDir;
    QString pdf;
    std::vector<QString> messages;
    ScopedMessageHook hook { [this](const QString& text, QMessageBox::Icon,
                                 QMessageBox::StandardButtons) {
        messages.push_back(text);
        return QMessageBox::Ok;
    } };
    std::unique_ptr<CRamvikDlg> window;
};

TEST_F(PrintProjectButton, PrintsOnePageNamedAfterTheCaption)
{
    if (!HavePoppler())
        GTEST_SKIP() << "pdftotext and pdfinfo are needed";
    window->project.fileName = "pump.rmvp";
    window->choosePrinter = [this](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    messages.clear();
    ClickPrint();
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(PdfInfo(pdf, "Pages").toStdString(), "1");
    EXPECT_EQ(PdfInfo(pdf, "Title").toStdString(), "Common Rail Tuning - pump.rmvp");
    EXPECT_TRUE(FindWord(PdfWords(pdf), "CR-curve"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(PrintProjectButton, CancelledOrFailedJobsLeaveNoTraceAndNoMessage)
{
    bool asked = false;
    window->choosePrinter = [&](QPrinter& printer) {
        asked = true;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return false;
    };
    messages.clear();
    ClickPrint();
    EXPECT_TRUE(asked);
    EXPECT_FALSE(QFile::exists(pdf));

    // A job that cannot start: the PDF cannot be created in a missing folder.
    window->choosePrinter = [this](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(configDir.filePath("missing/printed.pdf"));
        return true;
    };
    ClickPrint();
    EXPECT_FALSE(QFile::exists(configDir.filePath("missing/printed.pdf")));
    EXPECT_TRUE(messages.empty());
}

} // namespace
