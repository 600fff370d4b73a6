#include "ProjectFile.h"
#include "ProjectFileTestSupport.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace {

TEST(ProjectFileWrite, DefaultProjectGivesTheTenLinesWithCrLf)
{
    ProjectState p;
    p.SetBoxType(0);
    p.New();
    EXPECT_EQ(WriteProjectText(p),
        "ADC = 1\r\n"
        "Start Delay = 1 min 0 sec\r\n"
        "Curve Delay = 200 \r\n"
        "Volt = 1.5\r\n"
        "Off = 4.5\r\n"
        "CRD\r\n"
        "0.000000 0.000000\r\n"
        "1.500000 1.500000\r\n"
        "4.500000 4.500000\r\n"
        "5.000000 5.000000\r\n");
}

TEST(ProjectFileWrite, BoxTypeDecidesTheAdcValueAndTheTurboSection)
{
    struct Case {
        int boxType;
        const char* adcLine;
        bool turboSection;
    };
    for (const Case& c : { Case { 0, "ADC = 1\r\n", false }, Case { 1, "ADC = 2\r\n", false },
             Case { 2, "ADC = 1\r\n", true } }) {
        SCOPED_TRACE(c.boxType);
        ProjectState p;
        p.SetBoxType(c.boxType);
        p.turboCurve = p.turboCurve->Add(2.5, 1.25);
        const std::string text = WriteProjectText(p);
        EXPECT_EQ(text.rfind(c.adcLine, 0), 0u);
        const auto turbo = text.find("TURBO\r\n");
        EXPECT_EQ(turbo != std::string::npos, c.turboSection);
        if (c.turboSection) {
            EXPECT_EQ(text.substr(turbo),
                "TURBO\r\n0.000000 0.000000\r\n2.500000 1.250000\r\n5.000000 5.000000\r\n");
        }
    }
}

// A start voltage stepped down twice from 1.5 V is 1.2999999999999998; it is
// stored as 1.3, and so is its CR point, so both still agree when read back.
TEST(ProjectFileWrite, DriftedStartVoltageComesBackAsItsPoint)
{
    ProjectState p;
    p.StepStartVoltage(false);
    p.StepStartVoltage(false);
    ASSERT_NE(p.startVoltage, 1.3);
    const std::string text = WriteProjectText(p);
    EXPECT_NE(text.find("Volt = 1.3\r\n"), std::string::npos);
    EXPECT_NE(text.find("1.300000 1.300000\r\n"), std::string::npos);

    ProjectState back;
    ReadProjectText(text, back);
    EXPECT_EQ(back.startVoltage, 1.3);
    EXPECT_EQ(PointsOf(back.crCurve), (Points { { 0, 0 }, { 1.3, 1.3 }, { 4.5, 4.5 }, { 5, 5 } }));
}

// Users with a comma locale still get points in the file.
TEST(ProjectFileWrite, IgnoresTheUsersLocale)
{
    const char* german = std::setlocale(LC_ALL, "de_DE.UTF-8");
    ProjectState p;
    const std::string text = WriteProjectText(p);
    ProjectState back;
    back.startVoltage = 0.0;
    ReadProjectText("Volt = 2.5\n", back);
    std::setlocale(LC_ALL, "C");
    if (!german)
        GTEST_SKIP() << "no German locale installed";
    EXPECT_NE(text.find("Volt = 1.5\r\n"), std::string::npos);
    EXPECT_EQ(back.startVoltage, 2.5);
}

// Random projects as a user makes them (spin steps with their drift, points
// dragged anywhere between the voltages) come back up to the file's rounding.
TEST(ProjectFileRoundTrip, RandomProjectsOfEveryBoxType)
{
    std::mt19937 random(20261206);
    auto uniform = [&random](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(random);
    };
    auto rounded = [](double v, int decimals) {
        const double scale = std::pow(10.0, decimals);
        return std::round(v * scale) / scale;
    };
    for (int round = 0; round < 60; ++round) {
        const int boxType = round % 3;
        SCOPED_TRACE(round);
        ProjectState p;
        p.SetBoxType(boxType);
        for (int i = static_cast<int>(random() % 20); i > 0; --i)
            p.StepStopVoltage(random() % 2 == 0);
        for (int i = static_cast<int>(random() % 20); i > 0; --i)
            p.StepStartVoltage(random() % 2 == 0);
        for (int i = static_cast<int>(random() % 90); i > 0; --i)
            p.StepStartDelaySeconds(true);
        for (int i = static_cast<int>(random() % 30); i > 0; --i)
            p.StepCurveDelay(random() % 2 == 0);
        for (int i = static_cast<int>(random() % 40); i > 0; --i) {
            if (p.stopVoltage - p.startVoltage > 0.01)
                p.crCurve = p.crCurve->Add(
                    uniform(p.startVoltage + 0.001, p.stopVoltage - 0.001), uniform(0, 5));
            p.turboCurve = p.turboCurve->Add(uniform(0.001, 4.999), uniform(0, 5));
        }
        p.fileName = "kept.rmvp";

        ProjectState back;
        back.SetBoxType((boxType + 1) % 3);
        back.fileName = "kept.rmvp";
        ReadProjectText(WriteProjectText(p), back);

        EXPECT_EQ(back.boxType, p.boxType);
        EXPECT_EQ(back.turboEnabled, p.turboEnabled);
        EXPECT_EQ(back.oneInput, p.oneInput);
        EXPECT_EQ(back.twoInputs, p.twoInputs);
        EXPECT_EQ(back.Caption(), p.Caption());
        EXPECT_EQ(back.startDelayMin, p.startDelayMin);
        EXPECT_EQ(back.startDelaySec, p.startDelaySec);
        EXPECT_EQ(back.curveDelay, p.curveDelay);
        EXPECT_EQ(back.startVoltage, rounded(p.startVoltage, 1));
        EXPECT_EQ(back.stopVoltage, rounded(p.stopVoltage, 1));
        // Inputs that round to the same six decimals become one point.
        auto expectRounded = [&](const CPunt* original, const CPunt* read) {
            CPunt* want = nullptr;
            for (const auto& [x, y] : PointsOf(original))
                want = want ? want->Add(rounded(x, 6), rounded(y, 6))
                            : new CPunt(rounded(x, 6), rounded(y, 6));
            EXPECT_EQ(PointsOf(read), PointsOf(want));
            delete want;
        };
        expectRounded(p.crCurve, back.crCurve);
        if (boxType == 2) {
            expectRounded(p.turboCurve, back.turboCurve);
        } else {
            EXPECT_EQ(PointsOf(back.turboCurve), (Points { { 0, 0 }, { 5, 5 } }));
        }
        // What was read once comes back byte for byte.
        ProjectState again;
        ReadProjectText(WriteProjectText(back), again);
        EXPECT_EQ(WriteProjectText(again), WriteProjectText(back));
    }
}

} // namespace

namespace {

// The file wrappers the command-line tool uses.
TEST(ProjectFileOnDisk, SaveReplacesWholeAndOpenSetsTheName)
{
    const auto folder = std::filesystem::temp_directory_path()
        / ("ramvik-files-" + std::to_string(std::random_device {}()));
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "car.rmvp").string();
    {
        std::ofstream old(path, std::ios::binary);
        old << std::string(5000, 'x');
    }
    ProjectState p;
    p.SetBoxType(2);
    std::string error;
    ASSERT_TRUE(SaveProjectFile(path, p, error)) << error;
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes, WriteProjectText(p));

    ProjectState back;
    ASSERT_TRUE(OpenProjectFile(path, back));
    EXPECT_EQ(back.fileName, "car.rmvp");
    EXPECT_EQ(back.Caption(), "Common Rail & Turbo Tuning - car.rmvp");

    // Failures leave the project, and no stray temporary file.
    back.fileName = "kept.rmvp";
    EXPECT_FALSE(OpenProjectFile((folder / "missing.rmvp").string(), back));
    EXPECT_FALSE(OpenProjectFile(folder.string(), back));
    EXPECT_EQ(back.fileName, "kept.rmvp");
    EXPECT_EQ(back.boxType, 2);
    EXPECT_FALSE(SaveProjectFile((folder / "no" / "such.rmvp").string(), p, error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                  std::filesystem::directory_iterator()),
        1);
    std::filesystem::remove_all(folder);
}

} // namespace
