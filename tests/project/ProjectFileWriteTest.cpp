#include "CurveTestSupport.h"
#include "ProjectFile.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace {

TEST(ProjectFileWrite, DefaultProjectGivesTheTenLinesWithCrLf)
{
    ProjectState p;
    p.New();
    EXPECT_EQ(WriteProjectText(p),
        "ADC = 1\r\nStart Delay = 1 min 0 sec\r\nCurve Delay = 200 \r\nVolt = 1.5\r\nOff = 4.5\r\n"
        "CRD\r\n0.000000 0.000000\r\n1.500000 1.500000\r\n4.500000 4.500000\r\n"
        "5.000000 5.000000\r\n");
}

TEST(ProjectFileWrite, BoxTypeDecidesTheAdcValueAndTheTurboSection)
{
    for (int boxType = 0; boxType < 3; ++boxType) {
        ProjectState p;
        p.SetBoxType(boxType);
        p.turboCurve = p.turboCurve->Add(2.5, 1.25);
        const std::string text = WriteProjectText(p);
        EXPECT_EQ(text.substr(0, 9), boxType == 1 ? "ADC = 2\r\n" : "ADC = 1\r\n");
        const auto turbo = text.find("TURBO");
        EXPECT_EQ(turbo == std::string::npos ? "" : text.substr(turbo),
            boxType == 2
                ? "TURBO\r\n0.000000 0.000000\r\n2.500000 1.250000\r\n5.000000 5.000000\r\n"
                : "");
    }
}

// A start voltage stepped down twice from 1.5 V is 1.2999999999999998; it is
// stored as 1.3, and so is its CR point, so both still agree when read back.
// Users with a comma locale still get points in the file.
TEST(ProjectFileWrite, DriftedStartVoltageComesBackAsItsPointInAnyLocale)
{
    const bool german = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    ProjectState p;
    p.StepStartVoltage(false);
    p.StepStartVoltage(false);
    const std::string text = WriteProjectText(p);
    ProjectState back;
    ReadProjectText(text, back);
    std::setlocale(LC_ALL, "C");
    EXPECT_NE(text.find("Volt = 1.3\r\n"), std::string::npos);
    EXPECT_NE(text.find("1.300000 1.300000\r\n"), std::string::npos);
    EXPECT_EQ(back.startVoltage, 1.3);
    EXPECT_EQ(PointsOf(back.crCurve), (Points { { 0, 0 }, { 1.3, 1.3 }, { 4.5, 4.5 }, { 5, 5 } }));
    if (!german)
        GTEST_SKIP() << "no German locale installed";
}

// Random projects as a user makes them (spin steps with their drift, points
// dragged anywhere between the voltages) come back up to the file's rounding.
TEST(ProjectFileRoundTrip, RandomProjectsOfEveryBoxType)
{
    std::mt19937 random(20261206);
    auto uniform = [&](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(random);
    };
    auto rounded = [](double v, int decimals) {
        const double scale = std::pow(10.0, decimals);
        return std::round(v * scale) / scale;
    };
    // Inputs that round to the same six decimals become one point.
    auto roundedPoints = [&](const CPunt* curve) {
        CPunt* want = MakeStraightCurve();
        for (const auto& [x, y] : PointsOf(curve))
            want = want->Add(rounded(x, 6), rounded(y, 6));
        const Points points = PointsOf(want);
        delete want;
        return points;
    };
    for (int round = 0; round < 60; ++round) {
        SCOPED_TRACE(round);
        ProjectState p;
        p.SetBoxType(round % 3);
        for (int i = static_cast<int>(random() % 20); i > 0; --i) {
            p.StepStopVoltage(random() % 2 == 0);
            p.StepStartVoltage(random() % 2 == 0);
            p.StepStartDelaySeconds(true);
            p.StepCurveDelay(random() % 2 == 0);
            if (p.stopVoltage - p.startVoltage > 0.01)
                p.crCurve = p.crCurve->Add(
                    uniform(p.startVoltage + 0.001, p.stopVoltage - 0.001), uniform(0, 5));
            p.turboCurve = p.turboCurve->Add(uniform(0.001, 4.999), uniform(0, 5));
        }
        ProjectState back;
        back.SetBoxType((round + 1) % 3);
        ReadProjectText(WriteProjectText(p), back);
        EXPECT_EQ(back.boxType, p.boxType);
        EXPECT_EQ(back.oneInput, p.oneInput);
        EXPECT_EQ(back.Caption(), p.Caption());
        EXPECT_EQ(back.startDelayMin, p.startDelayMin);
        EXPECT_EQ(back.startDelaySec, p.startDelaySec);
        EXPECT_EQ(back.curveDelay, p.curveDelay);
        EXPECT_EQ(back.startVoltage, rounded(p.startVoltage, 1));
        EXPECT_EQ(back.stopVoltage, rounded(p.stopVoltage, 1));
        EXPECT_EQ(PointsOf(back.crCurve), roundedPoints(p.crCurve));
        EXPECT_EQ(
            PointsOf(back.turboCurve), roundedPoints(p.boxType == 2 ? p.turboCurve : nullptr));
        // What was read once comes back byte for byte.
        ProjectState again;
        ReadProjectText(WriteProjectText(back), again);
        EXPECT_EQ(WriteProjectText(again), WriteProjectText(back));
    }
}

// The file wrappers of the command-line tool (which tests failing opens).
TEST(ProjectFileOnDisk, SaveReplacesWholeAndOpenSetsTheName)
{
    const auto folder = std::filesystem::temp_directory_path()
        / ("ramvik-files-" + std::to_string(std::random_device {}()));
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "car.rmvp").string();
    std::ofstream(path, std::ios::binary) << std::string(5000, 'x');
    ProjectState p;
    p.SetBoxType(2);
    std::string error;
    ASSERT_TRUE(SaveProjectFile(path, p, error)) << error;
    std::stringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    EXPECT_EQ(bytes.str(), WriteProjectText(p));
    ProjectState back;
    ASSERT_TRUE(OpenProjectFile(path, back));
    EXPECT_EQ(back.Caption(), "Common Rail & Turbo Tuning - car.rmvp");
    // A failed save says why and leaves no stray temporary file.
    EXPECT_FALSE(SaveProjectFile((folder / "no" / "such.rmvp").string(), p, error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                  std::filesystem::directory_iterator()),
        1);
    std::filesystem::remove_all(folder);
}

} // namespace
