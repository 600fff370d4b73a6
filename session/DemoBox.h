#pragma once

#include <BoxSimulator.h>
#include <Transfer.h>

#include <memory>
#include <string>
#include <vector>

struct ProjectState;

// The simulated box of --demo-box (window and tool alike), and a write into
// one that shows what a write of a project does without any hardware.

// The identification of a box that can hold the project: a CR&TURBO box
// (213) for box type 2, a CR box (132) for the others.
int DemoBoxIdentification(const ProjectState& project);

// A box as it comes from the workshop: it holds the default project, written
// by a real write, so a first read gives something sensible.
std::shared_ptr<CBoxSimulator> MakeDemoBox();

// Makes the box one that can hold the project, keeping its cells, so that
// the demo box takes a write of any box type.
void FitDemoBox(CBoxSimulator& box, const ProjectState& project);

// A whole write of the project into a fresh box that fits it, in this
// process and without waits.
struct DryRun {
    TransferOutcome outcome = TransferOutcome::NotOpened;
    std::vector<std::string> frames; // every frame sent, in order
    std::vector<UserText> messages; // what the write said
};
DryRun DryRunWrite(const ProjectState& project);
