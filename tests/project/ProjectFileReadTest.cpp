#include "CurveTestSupport.h"
#include "ProjectFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

namespace {

const Points kStraight { { 0, 0 }, { 5, 5 } };

// Read into a project whose parameters all differ from what the crafted files
// say, so a test sees which ones a file changed, and whose curves hold a
// point, so a test sees that reading starts from straight curves.
ProjectState Read(const std::string& text, int boxType = 1)
{
    ProjectState p;
    p.SetBoxType(boxType);
    p.startVoltage = 0.5;
    p.stopVoltage = 4.8;
    p.startDelayMin = 3;
    p.startDelaySec = 33;
    p.curveDelay = 460;
    p.crCurve = p.crCurve->Add(2.0, 1.0);
    p.turboCurve = p.turboCurve->Add(2.0, 1.0);
    ReadProjectText(text, p);
    return p;
}

// Each line is tested by its first character, and its numbers are taken from
// fixed columns; a column beyond the line's end holds no number.
TEST(ProjectFileRead, ParameterLinesByFirstLetterAndColumn)
{
    struct Case {
        std::string line;
        double startVoltage, stopVoltage;
        int minutes, seconds, curveDelay, boxType;
    };
    const Case cases[] = {
        { "Volt = 2.5", 2.5, 4.8, 3, 33, 460, 1 },
        { "Volt = 3.5\nV", 0.0, 4.8, 3, 33, 460, 1 }, // nothing stale from the line before
        { "Vxxxxxx   -1.25e0", -1.25, 4.8, 3, 33, 460, 1 }, // values as they stand
        { "Off = x", 0.5, 0.0, 3, 33, 460, 1 },
        { "Start Delay = 2 min 15 sec", 0.5, 4.8, 2, 15, 460, 1 },
        { "Start Delay = 2", 0.5, 4.8, 2, 0, 460, 1 },
        { "Curve Delay = 340 ", 0.5, 4.8, 3, 33, 340, 1 },
        { "Curve Delay = 99999999999999", 0.5, 4.8, 3, 33, 2147483647, 1 },
        { "CRD ", 0.5, 4.8, 3, 33, 0, 1 }, // not the marker: a curve delay line
        { "ADC = 1", 0.5, 4.8, 3, 33, 460, 0 },
        { "ADC =  2", 0.5, 4.8, 3, 33, 460, 0 }, // only column 6 counts
        { "ADC = 2\nTURBO", 0.5, 4.8, 3, 33, 460, 2 },
        { "Volt = nan\nOff = inf", 0.0, 0.0, 3, 33, 460, 1 },
        { "Volt = 0x1.8p1\nOff = 1e999", 0.0, 0.0, 3, 33, 460, 1 },
        { "Volt = 2.5" + std::string(190, ' ') + "TURBO", 2.5, 4.8, 3, 33, 460, 1 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const ProjectState p = Read(c.line);
        EXPECT_EQ(p.startVoltage, c.startVoltage);
        EXPECT_EQ(p.stopVoltage, c.stopVoltage);
        EXPECT_EQ(p.startDelayMin, c.minutes);
        EXPECT_EQ(p.startDelaySec, c.seconds);
        EXPECT_EQ(p.curveDelay, c.curveDelay);
        EXPECT_EQ(p.boxType, c.boxType);
        EXPECT_EQ(p.turboEnabled, c.boxType == 2);
    }
}

// Any line the tests above do not claim is a point: input at the start,
// output at column 9. The file's voltages 0.0 and 5.0 keep the trims away.
TEST(ProjectFileRead, PointLines)
{
    const std::pair<std::string, Points> cases[] = {
        { "2.000000 3.000000\n1.5", { { 0, 0 }, { 1.5, 0 }, { 2, 3 }, { 5, 5 } } },
        { "0.000000 1.000000\n5.000000 4.000000", { { 0, 1 }, { 5, 4 } } },
        { "2.000000 1.000000\n2.000000 3.000000", { { 0, 0 }, { 2, 3 }, { 5, 5 } } },
        { "\n\n3.000000 3.500000\n", { { 0, 0 }, { 3, 3.5 }, { 5, 5 } } },
        { "1.500000 2.000000" + std::string(183, ' '), { { 0, 0 }, { 1.5, 2 }, { 5, 5 } } },
        { "1.5" + std::string(197, '0'), { { 0, 0 }, { 1.5, 0 }, { 5, 5 } } },
        // The old 49-character reads split this into a point and a TURBO line.
        { std::string(49, 'x') + "TURBO", kStraight },
        { "nan      inf\n0x1p1    0x1p1", kStraight },
        { "1e400    2", { { 0, 2 }, { 5, 5 } } },
        { "adc = 2\nvolt = 2.0\nturbo\n3.000000 4.000000", { { 0, 0 }, { 3, 4 }, { 5, 5 } } },
    };
    for (const auto& [lines, cr] : cases) {
        SCOPED_TRACE(lines);
        const ProjectState p = Read("Volt = 0.0\nOff = 5.0\nCRD\n" + lines);
        EXPECT_EQ(PointsOf(p.crCurve), cr);
        EXPECT_EQ(PointsOf(p.turboCurve), kStraight);
        EXPECT_EQ(p.boxType, 1);
    }
}

TEST(ProjectFileRead, SectionsInAnyOrderAndTrimsAfterTheLastLine)
{
    const ProjectState p = Read("TURBO\n1.000000 0.500000\nCRD\n1.000000 2.000000\n"
                                "2.000000 2.500000\n4.900000 4.000000\nTURBO\n"
                                "4.900000 3.000000\nOff = 4.5\nVolt = 1.5\n");
    EXPECT_EQ(p.boxType, 2);
    EXPECT_EQ(p.titlePrefix, "Common Rail & Turbo Tuning - ");
    // The CR points below the start and above the stop voltage are gone; the
    // TURBO curve is never trimmed.
    EXPECT_EQ(PointsOf(p.crCurve), (Points { { 0, 0 }, { 2, 2.5 }, { 5, 5 } }));
    EXPECT_EQ(PointsOf(p.turboCurve), (Points { { 0, 0 }, { 1, 0.5 }, { 4.9, 3 }, { 5, 5 } }));
}

// Without an ADC or TURBO line the file has no TURBO curve; box type 2 would
// then name a TURBO curve that is neither saved nor drawn. A TURBO section
// alone gives box type 2 with the CR curve selected for editing.
TEST(ProjectFileRead, BoxTypeFromTheSections)
{
    const std::tuple<int, std::string, int> cases[] = { { 0, "CRD\n", 0 }, { 1, "CRD\n", 1 },
        { 2, "CRD\n", 0 }, { 2, "ADC = 2\r\nCRD\r\n", 1 }, { 0, "CRD\r\nTURBO\r\n", 2 } };
    for (const auto& [before, text, boxType] : cases) {
        SCOPED_TRACE(text);
        const ProjectState p = Read(text, before);
        EXPECT_EQ(p.boxType, boxType);
        EXPECT_EQ(p.turboEnabled, boxType == 2);
        EXPECT_EQ(p.oneInput, boxType == 1 ? 0 : 1);
        EXPECT_EQ(p.editCr, 1);
        EXPECT_EQ(p.titlePrefix,
            boxType == 2 ? "Common Rail & Turbo Tuning - " : "Common Rail Tuning - ");
    }
}

TEST(ProjectFileRead, LineEndsMixedOrMissingReadTheSame)
{
    ProjectState saved;
    saved.SetBoxType(2);
    saved.crCurve = saved.crCurve->Add(2.0, 2.75);
    saved.turboCurve = saved.turboCurve->Add(1.0, 0.25);
    const std::string crlf = WriteProjectText(saved);
    std::string lf, mixed;
    bool alternate = false;
    for (char c : crlf) {
        if (c == '\r')
            continue;
        lf += c;
        if (c == '\n' && (alternate = !alternate))
            mixed += '\r';
        mixed += c;
    }
    for (const std::string& text :
        { lf, mixed, crlf.substr(0, crlf.size() - 2), lf.substr(0, lf.size() - 1) }) {
        SCOPED_TRACE(text);
        EXPECT_EQ(WriteProjectText(Read(text)), crlf);
    }
}

// Whatever bytes a file holds, the reader ends with two sorted, finite curves
// and finite voltages, and never crashes (the fuzz target digs deeper).
TEST(ProjectFileRead, BinaryJunkGivesSortedFiniteCurves)
{
    std::mt19937 random(7);
    const std::string alphabet = std::string("ACDOSTV0123456789.-+eE x\r\n\t") + '\0' + "\xff";
    for (int round = 0; round < 300; ++round) {
        std::string junk(random() % 400, '\0');
        for (char& c : junk)
            c = round % 2 ? static_cast<char>(random()) : alphabet[random() % alphabet.size()];
        const ProjectState p = Read(junk);
        EXPECT_TRUE(std::isfinite(p.startVoltage) && std::isfinite(p.stopVoltage));
        for (const CPunt* curve : { p.crCurve, p.turboCurve }) {
            ASSERT_NE(curve, nullptr);
            EXPECT_EQ(curve->prev, nullptr);
            for (const CPunt* q = curve; q; q = q->next) {
                EXPECT_TRUE(std::isfinite(q->input) && std::isfinite(q->output));
                if (q->next) {
                    EXPECT_LT(q->input, q->next->input);
                    EXPECT_EQ(q->next->prev, q);
                }
            }
        }
    }
}

// The reader builds each curve in one pass; the result must be what adding
// the file's points one by one gives (repeats, and points outside 0 to 5).
TEST(ProjectFileRead, CurveEqualsAddingThePointsInFileOrder)
{
    std::mt19937 random(11);
    for (int round = 0; round < 50; ++round) {
        std::string text = "Volt = 0.0\nOff = 5.0\nCRD\n";
        CPunt* expected = MakeStraightCurve();
        for (int i = static_cast<int>(random() % 60); i > 0; --i) {
            const double x = static_cast<int>(random() % 16) * 0.5 - 1.0;
            const double y = static_cast<int>(random() % 21) * 0.25;
            expected = expected->Add(x, y);
            char line[40];
            std::snprintf(line, sizeof line, "%8.6f %f\n", x, y);
            text += line;
        }
        EXPECT_EQ(PointsOf(Read(text).crCurve), PointsOf(expected)) << text;
        delete expected;
    }
}

} // namespace
