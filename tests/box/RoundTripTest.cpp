#include "CurveTestSupport.h"
#include "TransferDoubles.h"

#include <BoxSimulator.h>
#include <DemoLink.h>

#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

namespace {

// A project the box can hold, on the box's grid: points in steps of 20 mV,
// voltages in steps of 0.1 V, CR points only between start and stop.
void Randomize(ProjectState& project, int boxType, std::mt19937& random)
{
    auto pick
        = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    project.SetBoxType(boxType);
    int start = pick(0, 50);
    int stop = pick(start, 50);
    project.startVoltage = start / 10.0;
    project.stopVoltage = stop / 10.0;
    project.curveDelay = 20 * pick(0, 25);
    int delay = pick(0, 240);
    project.startDelayMin = delay / 60;
    project.startDelaySec = delay % 60;
    project.ResetCrCurve();
    for (int i = pick(0, 58); i > 0; --i) {
        int input = pick(5 * start, 5 * stop);
        project.crCurve = project.crCurve->Add(input / 50.0, pick(0, 250) / 50.0);
    }
    project.ResetTurboCurve();
    for (int i = pick(0, 61); i > 0; --i)
        project.turboCurve = project.turboCurve->Add(pick(1, 250) / 50.0, pick(0, 250) / 50.0);
    // the read puts the start and stop points back on the line of slope 1
    project.crCurve->Add(project.startVoltage, project.startVoltage);
    project.crCurve->Add(project.stopVoltage, project.stopVoltage);
}

void WriteThenRead(const ProjectState& project, const std::string& what)
{
    SCOPED_TRACE(what);
    auto box = std::make_shared<BoxSimulator>(project.boxType == 2 ? 213 : 132);
    RecordingObserver writing;
    WriteTransfer write(project, std::make_unique<DemoLink>(box), writing, NoWait);
    ASSERT_EQ(write.Run(), TransferOutcome::Completed);

    ProjectState current; // a different project to read into
    current.SetBoxType(project.boxType == 0 ? 2 : 0);
    current.fileName = "mine.rmvp";
    current.rootPath = "/opt/ramvik/";
    current.ChooseDifferenceView();
    RecordingObserver reading;
    ReadTransfer read(current, std::make_unique<DemoLink>(box), reading, NoWait);
    ASSERT_EQ(read.Run(), TransferOutcome::Completed);
    std::unique_ptr<ProjectState> back = read.TakeProject();
    ASSERT_TRUE(back);
    EXPECT_FALSE(read.TakeProject()); // handed over once

    EXPECT_EQ(back->boxType, project.boxType);
    EXPECT_EQ(back->turboEnabled, project.turboEnabled);
    EXPECT_EQ(back->oneInput, project.oneInput);
    EXPECT_EQ(back->twoInputs, project.twoInputs);
    EXPECT_EQ(back->curveDelay, project.curveDelay);
    EXPECT_EQ(back->startVoltage, project.startVoltage);
    EXPECT_EQ(back->stopVoltage, project.stopVoltage);
    EXPECT_EQ(back->startDelayMin, project.startDelayMin);
    EXPECT_EQ(back->startDelaySec, project.startDelaySec);
    EXPECT_EQ(PointsOf(back->crCurve), PointsOf(project.crCurve));
    if (project.boxType == 2)
        EXPECT_EQ(PointsOf(back->turboCurve), PointsOf(project.turboCurve));
    else
        EXPECT_EQ(PointsOf(back->turboCurve), (Points { { 0, 0 }, { 5, 5 } }));
    // what a read does not set stays as the window had it
    EXPECT_EQ(back->fileName, "mine.rmvp");
    EXPECT_EQ(back->rootPath, "/opt/ramvik/");
    EXPECT_EQ(back->titlePrefix, current.titlePrefix);
    EXPECT_EQ(back->graphType, current.graphType);
    EXPECT_EQ(back->differenceView, current.differenceView);
    EXPECT_EQ(back->inputOutputView, current.inputOutputView);
}

} // namespace

TEST(RoundTrip, DefaultProjectOfEveryBoxType)
{
    for (int boxType : { 0, 1, 2 }) {
        ProjectState project;
        project.SetBoxType(boxType);
        WriteThenRead(project, "box type " + std::to_string(boxType));
    }
}

TEST(RoundTrip, RandomProjectsOfEveryBoxType)
{
    std::mt19937 random(20261206);
    for (int i = 0; i < 60; ++i) {
        ProjectState project;
        Randomize(project, i % 3, random);
        ASSERT_TRUE(BoxRefusals(project).empty()) << i;
        WriteThenRead(project, "random project " + std::to_string(i));
    }
}

TEST(RoundTrip, TheDemoBoxKeepsItsCellsBetweenTransfers)
{
    auto box = std::make_shared<BoxSimulator>(132);
    ProjectState project;
    project.curveDelay = 340;
    for (int pass = 0; pass < 2; ++pass) {
        RecordingObserver observer;
        WriteTransfer write(project, std::make_unique<DemoLink>(box), observer, NoWait);
        EXPECT_EQ(write.Run(), TransferOutcome::Completed);
    }
    EXPECT_EQ(box->Cell(252), 170);
}
