// What keeps a wrong cell from passing in silence: the refusal of a hidden
// TURBO curve, the ten-character frame guard, what a read builds and warns
// of, the comparison of a project with a box.
#include "BoxTestSupport.h"
#include "CurveTestSupport.h"

#include <BoxCompare.h>
#include <BoxSimulator.h>
#include <DemoLink.h>
#include <Frames.h>
#include <ProjectFile.h>
#include <Protocol.h>

#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;

// The cells a box holds after a write of the default project (CR box), with
// these cells changed.
ReadCells CellsWith(const std::vector<std::pair<int, int>>& changes)
{
    ReadCells cells = SentDataCells(ComputeBoxTable(ProjectState()));
    cells[kIdentificationCell] = kCrBoxId;
    for (const auto& [cell, value] : changes)
        cells[cell] = value;
    return cells;
}

struct OpenCountingLink : CDemoLink {
    using CDemoLink::CDemoLink;
    bool Open() override
    {
        ++opened;
        return CDemoLink::Open();
    }
    int opened = 0;
};

} // namespace

TEST(HiddenTurboCurve, IsRefusedBeforeTheLinkOpensAndNamedAsHidden)
{
    // A CR box still receives the TURBO output table in cells 512..766: a
    // point of 300 V would go out as eleven-character frames.
    ProjectState project;
    project.turboCurve.Add(2.0, 300.0);
    auto box = std::make_shared<CBoxSimulator>(kCrBoxId);
    auto link = std::make_unique<OpenCountingLink>(box);
    OpenCountingLink& watched = *link;
    RecordingObserver observer;
    CWriteTransfer transfer(project, std::move(link), observer, NoWait);
    EXPECT_EQ(RunWithDeadline(transfer), TransferOutcome::Refused);
    EXPECT_EQ(watched.opened, 0);
    EXPECT_EQ(observer.messages,
        Strings { "The box cannot hold this project:\nTURBO curve (not used by this box type): "
                  "TURBO point 2: output 300 V lies outside 0 V to 5 V." });
    EXPECT_EQ(box->FramesAnswered(), 0);
}

// The measured frame of a hidden TURBO point at 2.0 V -> 300 V: had the
// refusal let it through, the box would still not receive it.
TEST(Frames, OnlyTenCharacterFramesReachTheBox)
{
    auto box = std::make_shared<CBoxSimulator>(kCrBoxId);
    CDemoLink link(box);
    ASSERT_TRUE(link.Open());
    EXPECT_EQ(ExchangeFrame(link, "#057915300;", kWriteAnswerSize), FrameResult::WriteFailed);
    EXPECT_EQ(box->Cell(579), 0);
}

// The rules and words are the refusal's (BoxTable tests); these rows are what
// only a read meets.
TEST(ReadWarnings, NameEachImplausibleValueInTheWordsOfTheRefusal)
{
    struct Case {
        const char* what;
        std::vector<std::pair<int, int>> cells; // cell, value the box holds
        Strings warnings;
    } cases[] = {
        { "the default project", {}, {} },
        { "box-type digit 5", { { 252, 105 } }, { "Box type 5 is not 0, 1 or 2." } },
        { "start voltage 6.0 V before its clamp", { { 126, 60 } },
            { "Start voltage 6 V lies outside 0 V to 5 V.",
                "Start voltage 6 V lies above the stop voltage 4.5 V." } },
        { "TURBO output 6.0 V of a CR&TURBO box", { { 252, 102 }, { 128, 100 }, { 129, 300 } },
            { "TURBO point 2: output 6 V lies outside 0 V to 5 V." } },
        { "TURBO pairs of a CR box are not read", { { 128, 100 }, { 129, 300 } }, {} },
    };
    for (const Case& c : cases)
        EXPECT_EQ(English(ReadWarnings(CellsWith(c.cells))), c.warnings) << c.what;
}

// A CR box's TURBO pairs are not read: a box that holds them from another
// tool would otherwise give the project a hidden TURBO curve that the next
// write sends in cells 512 to 766.
TEST(ReadRebuild, TurboPairsOnlyForTheTurboBox)
{
    ReadCells cells = CellsWith({ { 128, 100 }, { 129, 150 } });
    ProjectState project;
    RebuildFromCells(cells, project);
    EXPECT_EQ(PointsOf(project.turboCurve), (Points { { 0, 0 }, { 5, 5 } }));
    cells[252] = 252;
    RebuildFromCells(cells, project);
    EXPECT_EQ(PointsOf(project.turboCurve), (Points { { 0, 0 }, { 2, 3 }, { 5, 5 } }));
}

// Each parameter in the user's units, whatever unit its cell holds: the
// box type by name, tenths, fiftieths and counts of a volt in volts,
// seconds as m:ss. A start voltage and the exit status are the tool's
// tests (tests/tools).
TEST(CompareWithBox, NamesParametersInTheUsersUnits)
{
    struct Case {
        const char* what;
        int cell;
        int boxValue;
        const char* difference;
    } cases[] = {
        { "box type by its name", 252, 102, "Box type: project 1 CR input, box CR&TURBO." },
        { "a box-type digit no box type has", 252, 105, "Box type: project 1 CR input, box 5." },
        { "curve delay in ms", 252, 90, "Curve delay: project 200 ms, box 180 ms." },
        { "stop voltage from tenths", 1, 44, "Stop voltage: project 4.5 V, box 4.4 V." },
        { "start delay as m:ss", 254, 45, "Start delay: project 1:00, box 0:45." },
        { "first CR input from fiftieths", 0, 10, "First CR input: project 0 V, box 0.2 V." },
        { "CR output from counts, to the hundredth", 127, 235,
            "CR output at the stop voltage: project 4.51 V, box 4.61 V." },
        { "counts one apart read apart", 253, 78,
            "CR output at the start voltage: project 1.51 V, box 1.53 V." },
    };
    const ProjectState project;
    for (const Case& c : cases) {
        EXPECT_EQ(English(CompareWithBox(project, CellsWith({ { c.cell, c.boxValue } }))),
            Strings { c.difference })
            << c.what;
    }
}

// One row per kind of difference besides the parameters; a point only one
// side has is also the tool's test (tests/tools).
TEST(CompareWithBox, ListsEachDifferenceByMeaning)
{
    struct Case {
        const char* what;
        std::vector<std::pair<int, int>> cells; // cell, value the box holds
        Strings differences;
    } cases[] = {
        { "a CR point with another output", { { 3, 80 } },
            { "CR point at 1.5 V: output 1.5 V in the project, 1.6 V in the box." } },
        { "a TURBO point in a CR box", { { 128, 50 }, { 129, 60 } },
            { "TURBO point at 1 V: output 1.2 V in the box, none in the project." } },
        { "the same points in other pairs", { { 2, 225 }, { 3, 225 }, { 4, 75 }, { 5, 75 } },
            { "Cell 2 (CR point at 1.5 V, input): project 75, box 225.",
                "Cell 3 (CR point at 1.5 V, output): project 75, box 225.",
                "Cell 4 (CR point at 4.5 V, input): project 225, box 75.",
                "Cell 5 (CR point at 4.5 V, output): project 225, box 75." } },
        { "an empty pair's output", { { 9, 7 } },
            { "Cell 9 (empty CR pair 4, output): project 251, box 7." } },
    };
    const ProjectState project;
    for (const Case& c : cases) {
        const ReadCells cells = CellsWith(c.cells);
        EXPECT_EQ(English(CompareWithBox(project, cells)), c.differences) << c.what;
        EXPECT_FALSE(BoxHoldsProject(project, cells)) << c.what;
    }
}

// Random projects of every box type: after a write, a compare finds no
// difference whatever the tables hold, and a read gives the project back.
TEST(BoxRoundTrip, WrittenProjectsCompareEqualAndReadBack)
{
    std::mt19937 random(11);
    for (int round = 0; round < 9; ++round) {
        const int boxType = round % 3;
        ProjectState project;
        RandomBoxProject(project, boxType, random);
        const std::string written = WriteProjectText(project);
        SCOPED_TRACE(written);
        auto box = std::make_shared<CBoxSimulator>(boxType == 2 ? kTurboBoxId : kCrBoxId);
        RecordingObserver observer;
        ASSERT_EQ(RunTransfer(false, project, std::make_unique<CDemoLink>(box), observer).first,
            TransferOutcome::Completed);
        box->SetCell(300, -7); // the tables are not compared
        ReadCells cells {};
        for (int cell = 0; cell < 256; ++cell)
            cells[cell] = box->Cell(cell);
        EXPECT_TRUE(CompareWithBox(project, cells).empty());
        EXPECT_TRUE(BoxHoldsProject(project, cells));
        ProjectState current; // what a read does not set stays as the window had it
        current.fileName = "mine.rmvp";
        auto [outcome, back]
            = RunTransfer(true, current, std::make_unique<CDemoLink>(box), observer);
        ASSERT_TRUE(back);
        EXPECT_EQ(WriteProjectText(*back), written);
        EXPECT_EQ(back->fileName, "mine.rmvp");
    }
}

// Whatever a box holds, a read saved and opened again is the project read:
// the start delay of every value the cell can hold (up to 166 min 39 s, and
// below 0) and a point input the file prints wider than 0.0 to 5.0 come back
// as they were, so a write of the opened file sends the cell the box held.
TEST(BoxRoundTrip, WhatABoxHoldsSurvivesSaveAndOpen)
{
    const struct {
        const char* what;
        int cell;
        int value;
    } rows[] = {
        { "no start delay", kStartDelayCell, 0 },
        { "59 s", kStartDelayCell, 59 },
        { "1 min", kStartDelayCell, 60 },
        { "9 min 59 s", kStartDelayCell, 599 },
        { "10 min", kStartDelayCell, 600 },
        { "99 min 59 s", kStartDelayCell, 5999 },
        { "100 min", kStartDelayCell, 6000 },
        { "the most the cell holds, 166 min 39 s", kStartDelayCell, 9999 },
        { "the least the cell holds", kStartDelayCell, -999 },
        { "a CR point input of -19.98 V", 2, -999 },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        ProjectState read;
        RebuildFromCells(CellsWith({ { row.cell, row.value } }), read);
        read.TrimBelowStart();
        read.TrimAboveStop();
        const std::string saved = WriteProjectText(read);
        ProjectState opened;
        ReadProjectText(saved, opened);
        EXPECT_EQ(WriteProjectText(opened), saved);
        if (row.cell == kStartDelayCell) {
            EXPECT_EQ(ComputeBoxTable(opened)[kStartDelayCell], row.value);
        }
    }
}
