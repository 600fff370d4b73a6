// What keeps a wrong cell from passing in silence: the refusal of a hidden
// TURBO curve, the warnings for implausible values read, the comparison of a
// project with a box, the names of the cells, the ten-character frame guard.
#include "BoxTestSupport.h"

#include <BoxCompare.h>
#include <BoxSimulator.h>
#include <DemoLink.h>
#include <Frames.h>
#include <Protocol.h>

#include <gtest/gtest.h>

#include <cmath>

namespace {

using Strings = std::vector<std::string>;

// The cells a box holds after a write of the default project (CR box).
ReadCells DefaultCells()
{
    ReadCells cells = SentDataCells(ComputeBoxTable(ProjectState()));
    cells[kIdentificationCell] = kCrBoxId;
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
    project.turboCurve = project.turboCurve->Add(2.0, 300.0);
    ASSERT_EQ(project.boxType, 0);
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

TEST(Frames, OnlyTenCharacterFramesReachTheBox)
{
    auto box = std::make_shared<CBoxSimulator>(kCrBoxId);
    CDemoLink link(box);
    ASSERT_TRUE(link.Open());
    const std::string tooLong = TruncatedWriteFrame(579, 15300);
    ASSERT_EQ(tooLong, "#057915300;");
    EXPECT_EQ(ExchangeFrame(link, tooLong, kWriteAnswerSize), FrameResult::WriteFailed);
    EXPECT_EQ(box->Cell(579), 0);
    EXPECT_EQ(ExchangeFrame(link, TruncatedWriteFrame(579, 153), kWriteAnswerSize),
        FrameResult::Answered);
    EXPECT_EQ(box->Cell(579), 153);
}

TEST(ReadWarnings, NameEachImplausibleValueInTheWordsOfTheRefusal)
{
    struct Case {
        const char* what;
        std::vector<std::pair<int, int>> cells; // cell, value the box holds
        Strings warnings;
    } cases[] = {
        { "the default project", {}, {} },
        { "stop voltage 6.0 V", { { 1, 60 } }, { "Stop voltage 6 V lies outside 0 V to 5 V." } },
        { "box-type digit 5", { { 252, 105 } }, { "Box type 5 is not 0, 1 or 2." } },
        { "start voltage 6.0 V before its clamp", { { 126, 60 } },
            { "Start voltage 6 V lies outside 0 V to 5 V.",
                "Start voltage 6 V lies above the stop voltage 4.5 V." } },
        { "curve delay 520", { { 252, 260 } }, { "Curve delay 520 lies outside 0 to 500." } },
        { "start delay 5:00", { { 254, 300 } },
            { "Start delay 5 min 0 s (5:00) lies outside 0:00 to 4:00." } },
        { "CR output 6.0 V", { { 3, 300 } },
            { "CR point 2: output 6 V lies outside 0 V to 5 V." } },
        { "TURBO output 6.0 V of a CR&TURBO box", { { 252, 102 }, { 128, 100 }, { 129, 300 } },
            { "TURBO point 2: output 6 V lies outside 0 V to 5 V." } },
        { "TURBO pairs of a CR box are not read", { { 128, 100 }, { 129, 300 } }, {} },
    };
    for (const Case& c : cases) {
        ReadCells cells = DefaultCells();
        for (const auto& [cell, value] : c.cells)
            cells[cell] = value;
        EXPECT_EQ(ReadWarnings(cells), c.warnings) << c.what;
    }
}

TEST(CompareWithBox, ListsEachDifferenceByMeaning)
{
    struct Case {
        const char* what;
        std::vector<std::pair<int, int>> cells; // cell, value the box holds
        Strings differences;
    } cases[] = {
        { "what a write put there", {}, {} },
        { "stop voltage", { { 1, 44 } }, { "Stop voltage: project 4.5 V, box 4.4 V." } },
        { "start voltage", { { 126, 14 } }, { "Start voltage: project 1.5 V, box 1.4 V." } },
        { "start delay", { { 254, 45 } }, { "Start delay: project 1:00, box 0:45." } },
        { "box type", { { 252, 102 } }, { "Box type: project 0, box 2." } },
        { "curve delay", { { 252, 120 } }, { "Curve delay: project 200, box 240." } },
        { "CR output at the start voltage", { { 253, 78 } },
            { "CR output at the start voltage (1/51 V): project 77, box 78." } },
        { "a CR point with another output", { { 3, 80 } },
            { "CR point at 1.5 V: output 1.5 V in the project, 1.6 V in the box." } },
        { "a CR point only the box has", { { 8, 100 }, { 9, 120 } },
            { "CR point at 2 V: output 2.4 V in the box, none in the project." } },
        { "a CR point only the project has", { { 4, 251 }, { 5, 251 } },
            { "CR point at 4.5 V: output 4.5 V in the project, none in the box." } },
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
        ReadCells cells = DefaultCells();
        for (const auto& [cell, value] : c.cells)
            cells[cell] = value;
        EXPECT_EQ(CompareWithBox(project, cells), c.differences) << c.what;
        EXPECT_EQ(BoxHoldsProject(project, cells), c.differences.empty()) << c.what;
    }
}

TEST(CompareWithBox, ABoxWrittenFromTheProjectHoldsItWhateverItsTablesHold)
{
    std::mt19937 random(11);
    for (int boxType : { 0, 1, 2 }) {
        ProjectState project;
        RandomBoxProject(project, boxType, random);
        auto box = std::make_shared<CBoxSimulator>(boxType == 2 ? kTurboBoxId : kCrBoxId);
        box->SetCell(700, 5);
        RecordingObserver observer;
        ASSERT_EQ(RunTransfer(false, project, std::make_unique<CDemoLink>(box), observer).first,
            TransferOutcome::Completed);
        box->SetCell(300, -7); // the tables are not compared
        ReadCells cells {};
        for (int cell = 0; cell < 256; ++cell)
            cells[cell] = box->Cell(cell);
        EXPECT_TRUE(BoxHoldsProject(project, cells)) << boxType;
        EXPECT_EQ(CompareWithBox(project, cells), Strings {}) << boxType;
    }
}

TEST(CellMeaning, NamesCurveCellsByTheirInputVoltage)
{
    struct Case {
        int cell;
        const char* meaning;
    } cases[] = {
        { 0, "first CR input" },
        { 1, "stop voltage" },
        { 3, "CR point at 1.5 V, output" },
        { 4, "CR point at 4.5 V, input" },
        { 9, "empty CR pair 4, output" },
        { 125, "empty CR pair 62, output" },
        { 126, "start voltage" },
        { 127, "CR output at the stop voltage" },
        { 128, "TURBO point at 5 V, input" },
        { 131, "empty TURBO pair 2, output" },
        { 252, "box type and curve delay" },
        { 253, "CR output at the start voltage" },
        { 254, "start delay" },
        { 255, "box identification" },
        { 300, "CR difference table at 0.86 V" },
        { 766, "TURBO table at 4.98 V" },
    };
    ProjectState project;
    project.SetBoxType(2);
    const BoxTable table = ComputeBoxTable(project);
    for (const Case& c : cases)
        EXPECT_EQ(CellMeaning(c.cell, table), c.meaning) << c.cell;
}
