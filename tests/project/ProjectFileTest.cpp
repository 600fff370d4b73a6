#include "ProjectFile.h"
#include "CurveTestSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <tuple>

namespace {

const Points kStraight { { 0, 0 }, { 5, 5 } };

// Reads into a project unlike the crafted files, to see what a file changed.
ProjectState Read(const std::string& text, int boxType = 1)
{
    ProjectState p;
    p.SetBoxType(boxType);
    std::tie(p.startVoltage, p.stopVoltage, p.startDelayMin, p.startDelaySec, p.curveDelay)
        = std::make_tuple(0.5, 4.8, 3, 33, 460);
    p.crCurve = p.crCurve->Add(2.0, 1.0);
    p.turboCurve = p.turboCurve->Add(2.0, 1.0);
    ReadProjectText(text, p);
    return p;
}

// A line is told by its first letter, its numbers taken from fixed columns; a
// column beyond the line's end (nothing stale of the line before) or anything
// but a decimal number reads as 0. "CRD " is a curve delay line. The voltages
// land on the one decimal a save writes, else the curve was trimmed at 4.46 V
// and the reopened save at 4.5 V.
TEST(ProjectFileRead, ParameterLinesByFirstLetterAndColumn)
{
    using Values = std::tuple<double, double, int, int, int, int>;
    const std::pair<std::string, Values> cases[] = { { "Volt = 2.5", { 2.5, 4.8, 3, 33, 460, 1 } },
        { "Volt = 3.5\nV", { 0.0, 4.8, 3, 33, 460, 1 } },
        { "Vxxxxxx   -1.5e0", { -1.5, 4.8, 3, 33, 460, 1 } },
        { "Volt = 1.04\nOff = 4.46", { 1.0, 4.5, 3, 33, 460, 1 } },
        { "Volt = 1,5\nOff = 2E-1x", { 1.0, 0.2, 3, 33, 460, 1 } },
        { std::string("Volt = 1.5\0009", 12), { 1.5, 4.8, 3, 33, 460, 1 } },
        { "Start Delay = 2 min 15 sec", { 0.5, 4.8, 2, 15, 460, 1 } },
        { "Curve Delay = 3.9", { 0.5, 4.8, 3, 33, 3, 1 } },
        { "Curve Delay = -99999999999999", { 0.5, 4.8, 3, 33, INT_MIN, 1 } },
        { "CRD ", { 0.5, 4.8, 3, 33, 0, 1 } }, { "ADC = 1", { 0.5, 4.8, 3, 33, 460, 0 } },
        { "ADC =  2", { 0.5, 4.8, 3, 33, 460, 0 } },
        { "ADC = 2\nTURBO", { 0.5, 4.8, 3, 33, 460, 2 } },
        { "Volt = nan\nOff = inf", { 0.0, 0.0, 3, 33, 460, 1 } },
        { "Volt = 0x1.8p1\nOff = 1e999", { 0.0, 0.0, 3, 33, 460, 1 } },
        { "Volt = 2.5" + std::string(190, ' ') + "TURBO", { 2.5, 4.8, 3, 33, 460, 1 } } };
    for (const auto& [line, values] : cases) {
        const ProjectState p = Read(line);
        EXPECT_EQ(Values(p.startVoltage, p.stopVoltage, p.startDelayMin, p.startDelaySec,
                      p.curveDelay, p.boxType),
            values)
            << line;
    }
}

// Any other line is a point: input at the start, output at column 9, the last
// of equal inputs winning; a long line stays one line (49-character reads once
// split the fourth row into a point and a TURBO line); a point lands where a
// save puts it, on six decimals (else saving and reopening moved it, or merged
// it with a neighbour).
TEST(ProjectFileRead, PointLines)
{
    const std::pair<std::string, Points> cases[] = {
        { "2.000000 3.000000\n1.5", { { 0, 0 }, { 1.5, 0 }, { 2, 3 }, { 5, 5 } } },
        { "0.000000 1.000000\n5.000000 4.000000", { { 0, 1 }, { 5, 4 } } },
        { "2.000000 1.000000\n\n2.000000 3.000000", { { 0, 0 }, { 2, 3 }, { 5, 5 } } },
        { std::string(49, 'x') + "TURBO", kStraight },
        { "1.500000 2.000000" + std::string(183, ' '), { { 0, 0 }, { 1.5, 2 }, { 5, 5 } } },
        { "1.5" + std::string(197, '0'), { { 0, 0 }, { 1.5, 0 }, { 5, 5 } } },
        { "nan      inf\n0x1p1    0x1p1", kStraight }, { "1e400    2", { { 0, 2 }, { 5, 5 } } },
        { std::string("\xff\0\x01\x7f\t\r\0002.5\x80", 12), { { 0, 5 }, { 5, 5 } } },
        { "adc = 2\nvolt = 2.0\nturbo\n3.000000 4.000000", { { 0, 0 }, { 3, 4 }, { 5, 5 } } },
        { "0.0000004 1.000000\n1.5000006 2.0000004", { { 0, 1 }, { 1.500001, 2 }, { 5, 5 } } }
    };
    for (const auto& [lines, cr] : cases) {
        SCOPED_TRACE(lines);
        const ProjectState p = Read("Volt = 0.0\nOff = 5.0\nCRD\n" + lines);
        EXPECT_EQ(PointsOf(p.crCurve), cr);
        EXPECT_EQ(PointsOf(p.turboCurve), kStraight);
    }
}

// CR LF mixed with LF, no final line end; the CR curve, never the TURBO curve,
// is trimmed to the voltages after the last line.
TEST(ProjectFileRead, SectionsInAnyOrderAndTrimsAfterTheLastLine)
{
    const ProjectState p = Read("TURBO\r\n1.000000 0.500000\nCRD\r\n1.000000 2.000000\n"
                                "2.000000 2.500000\r\n4.900000 4.000000\nTURBO\n"
                                "4.900000 3.000000\r\nOff = 4.5\r\nVolt = 1.5");
    EXPECT_EQ(p.boxType, 2);
    EXPECT_EQ(PointsOf(p.crCurve), (Points { { 0, 0 }, { 2, 2.5 }, { 5, 5 } }));
    EXPECT_EQ(PointsOf(p.turboCurve), (Points { { 0, 0 }, { 1, 0.5 }, { 4.9, 3 }, { 5, 5 } }));
}

// Box type before, file, after. Without ADC or TURBO line box type 2 falls to 0
// (no TURBO curve to save or draw); a TURBO section alone gives 2, editing CR.
TEST(ProjectFileRead, BoxTypeFromTheSections)
{
    const std::tuple<int, std::string, int> cases[] = { { 0, "CRD\n", 0 }, { 1, "CRD\n", 1 },
        { 2, "CRD\n", 0 }, { 2, "ADC = 2\r\nCRD\r\n", 1 }, { 0, "CRD\r\nTURBO\r\n", 2 } };
    for (const auto& [before, text, boxType] : cases) {
        SCOPED_TRACE(text);
        const ProjectState p = Read(text, before);
        EXPECT_EQ(std::make_tuple(p.boxType, p.turboEnabled, p.oneInput, p.editCr),
            std::make_tuple(boxType, boxType == 2, boxType == 1 ? 0 : 1, 1));
        EXPECT_EQ(p.titlePrefix,
            boxType == 2 ? "Common Rail & Turbo Tuning - " : "Common Rail Tuning - ");
    }
}

// The reader's rows and the round trip show how the box type is written.
TEST(ProjectFileWrite, DefaultProjectGivesTheTenLinesWithCrLf)
{
    ProjectState p;
    p.StepStartVoltage(true);
    p.StepStartDelayMinutes(true);
    p.StepCurveDelay(true);
    p.crCurve->Add(2.0, 3.0);
    p.New();
    EXPECT_EQ(WriteProjectText(p),
        "ADC = 1\r\nStart Delay = 1 min 0 sec\r\nCurve Delay = 200 \r\nVolt = 1.5\r\nOff = 4.5\r\n"
        "CRD\r\n0.000000 0.000000\r\n1.500000 1.500000\r\n4.500000 4.500000\r\n"
        "5.000000 5.000000\r\n");
}

// 1.5 V stepped down twice is 1.2999999999999998: stored as 1.3 with its CR
// point, so both agree when read back, in a comma locale too (if installed).
TEST(ProjectFileWrite, DriftedStartVoltageComesBackAsItsPointInAnyLocale)
{
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    ProjectState p;
    p.StepStartVoltage(false);
    p.StepStartVoltage(false);
    ProjectState back;
    ReadProjectText(WriteProjectText(p), back);
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(back.startVoltage, 1.3);
    EXPECT_EQ(PointsOf(back.crCurve), (Points { { 0, 0 }, { 1.3, 1.3 }, { 4.5, 4.5 }, { 5, 5 } }));
}

// The file as read back: points whose inputs print alike merge, the last wins.
std::string Merged(const std::string& text)
{
    std::string merged;
    for (std::size_t at = 0, end; at < text.size(); at = end) {
        end = text.find('\n', at) + 1;
        if (text.compare(at, 9, text, end, 9) != 0)
            merged += text.substr(at, end - at);
    }
    return merged;
}

// Random projects (drifting spin steps, points anywhere), read into another box
// type, write the same file: equal up to rounding (4.999999999999998 is 5.0).
TEST(ProjectFileRoundTrip, RandomProjectsOfEveryBoxType)
{
    std::mt19937 random(20261206);
    std::uniform_real_distribution<double> uniform(0.001, 4.999);
    for (int round = 0; round < 60; ++round) {
        ProjectState p;
        p.SetBoxType(round % 3);
        for (int i = static_cast<int>(random() % 20); i > 0; --i) {
            p.StepStopVoltage(random() % 2 == 0);
            p.StepStartVoltage(random() % 2 == 0);
            p.StepStartDelaySeconds(true);
            p.StepCurveDelay(random() % 2 == 0);
            const double x = uniform(random);
            if (x > p.startVoltage && x < p.stopVoltage)
                p.crCurve = p.crCurve->Add(x, uniform(random));
            p.turboCurve = p.turboCurve->Add(uniform(random), uniform(random));
        }
        const std::string text = WriteProjectText(p);
        ProjectState back;
        back.SetBoxType((round + 1) % 3);
        ReadProjectText(text, back);
        EXPECT_EQ(back.boxType, p.boxType);
        EXPECT_EQ(WriteProjectText(back), Merged(text));
    }
}

} // namespace
