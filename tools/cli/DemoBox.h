#pragma once

#include <BoxSimulator.h>
#include <Transfer.h>

#include <memory>
#include <string>
#include <vector>

struct ProjectState;

// The simulated boxes of --demo-box, and a write into one that shows what a
// write of a project does without any hardware.

// A box that fits the project: a CR&TURBO box (213) for box type 2, a CR box
// (132) for the others.
std::shared_ptr<BoxSimulator> DemoBoxFor(const ProjectState& project);

// The box the window's --demo-box starts with: a CR box (132) holding the
// default project of box type 0, as a box fresh from the workshop would.
std::shared_ptr<BoxSimulator> DemoBoxForRead();

// A whole write of the project into a box that fits it, in this process and
// without waits.
struct DryRun {
    TransferOutcome outcome = TransferOutcome::NotOpened;
    std::vector<std::string> frames; // every frame sent, in order
    std::vector<std::string> messages; // what the write said
};
DryRun DryRunWrite(const ProjectState& project);
