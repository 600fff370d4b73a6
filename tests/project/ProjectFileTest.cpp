#include "ProjectFile.h"
#include "CurveTestSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
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
    p.crCurve.Add(2.0, 1.0);
    p.turboCurve.Add(2.0, 1.0);
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
    const std::pair<std::string, Values> cases[]
        = { { "Volt = 3.5\nV", { 0.0, 4.8, 3, 33, 460, 1 } },
              { "Vxxxxxx   -1.5e0", { -1.5, 4.8, 3, 33, 460, 1 } },
              { "Volt = 1.04\nOff = 4.46", { 1.0, 4.5, 3, 33, 460, 1 } },
              { "Volt = 1,5\nOff = 2E-1x", { 1.0, 0.2, 3, 33, 460, 1 } },

              { "Curve Delay = -99999999999999", { 0.5, 4.8, 3, 33, INT_MIN, 1 } },
              { "CRD ", { 0.5, 4.8, 3, 33, 0, 1 } }, { "ADC =  2", { 0.5, 4.8, 3, 33, 460, 0 } },
              { "Volt = nan\nOff = 1e999", { 0.0, 0.0, 3, 33, 460, 1 } } };
    for (const auto& [line, values] : cases) {
        const ProjectState p = Read(line);
        const Values read(p.startVoltage, p.stopVoltage, p.startDelayMin, p.startDelaySec,
            p.curveDelay, p.boxType);
        EXPECT_EQ(read, values) << line;
    }
}

// Any other line is a point: input at the start, output at column 9, the last
// of equal inputs winning; a long line stays one line (49-character reads once
// split "x...TURBO" into a point and a TURBO line); a point lands on the six
// decimals a save writes (else reopening moved it, or merged it with another).
TEST(ProjectFileRead, PointLines)
{
    const std::pair<std::string, Points> cases[] = {
        { "2.000000 3.000000\n1.5", { { 0, 0 }, { 1.5, 0 }, { 2, 3 }, { 5, 5 } } },
        { "2.000000 1.000000\n\n2.000000 3.000000", { { 0, 0 }, { 2, 3 }, { 5, 5 } } },
        { std::string(49, 'x') + "TURBO", kStraight },
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

// Without ADC or TURBO line box type 2 falls to 0 (no TURBO curve to save or
// draw). A TURBO section gives 2: SectionsInAnyOrderAndTrimsAfterTheLastLine.
TEST(ProjectFileRead, BoxTypeFromTheSections)
{
    struct Row {
        const char* what;
        int before;
        std::string text;
        int boxType;
    };
    const Row rows[] = {
        { "no ADC or TURBO line turns box type 2 into 0", 2, "CRD\n", 0 },
        { "ADC = 2 gives box type 1", 2, "ADC = 2\r\nCRD\r\n", 1 },
    };
    for (const auto& [what, before, text, boxType] : rows) {
        SCOPED_TRACE(what);
        const ProjectState p = Read(text, before);
        EXPECT_EQ(std::make_tuple(p.boxType, p.turboEnabled, p.oneInput, p.editCr),
            std::make_tuple(boxType, boxType == 2, boxType == 1 ? 0 : 1, 1));
    }
}

// 1.5 V stepped down twice is 1.2999999999999998: stored as 1.3 with its CR
// point, so both agree when read back, in a comma locale too (if installed).
TEST(ProjectFileWrite, TenLinesWithCrLfAndADriftedVoltageAsShown)
{
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    ProjectState p;
    p.StepStartVoltage(false);
    p.StepStartVoltage(false);
    const std::string text = WriteProjectText(p);
    ProjectState back;
    ReadProjectText(text, back);
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(text,
        "ADC = 1\r\nStart Delay = 1 min 0 sec\r\nCurve Delay = 200 \r\nVolt = 1.3\r\nOff = 4.5\r\n"
        "CRD\r\n0.000000 0.000000\r\n1.300000 1.300000\r\n4.500000 4.500000\r\n"
        "5.000000 5.000000\r\n");
    EXPECT_EQ(back.startVoltage, 1.3);
    EXPECT_EQ(PointsOf(back.crCurve), (Points { { 0, 0 }, { 1.3, 1.3 }, { 4.5, 4.5 }, { 5, 5 } }));
}

} // namespace
