#include "CliCommands.h"

#include <BoxTable.h>
#include <DemoBox.h>
#include <ProjectFile.h>
#include <ProjectState.h>

#include <charconv>

namespace {

// A cell value with 17 significant digits, as "%.17g" prints it but in
// every locale the same: enough to read back the same double.
std::string ExactNumber(double value)
{
    char text[40];
    auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 17);
    return std::string(text, end.ptr);
}

void PrintMessages(const std::vector<UserText>& messages)
{
    for (const UserText& message : messages)
        PrintMessage(message.English());
}

// A write into a simulated box that fits the project; false, with the write's
// own messages on standard error, when the box cannot hold the project.
bool DryRunOrSayWhy(const ProjectState& project, DryRun& run)
{
    run = DryRunWrite(project);
    if (run.outcome == TransferOutcome::Completed)
        return true;
    PrintMessages(run.messages);
    return false;
}

} // namespace

int ShowCommand(const CliRequest& request)
{
    ProjectState project; // the default project, box type 0
    if (!LoadProject(request.file, project))
        return kExitFailed;
    return PrintOutput(WriteProjectText(project)) ? kExitDone : kExitFailed;
}

int CheckCommand(const CliRequest& request)
{
    ProjectState project;
    if (!LoadProject(request.file, project))
        return kExitFailed;
    DryRun run;
    if (!DryRunOrSayWhy(project, run))
        return kExitFailed;
    return PrintOutput("The box can hold this project.\n") ? kExitDone : kExitFailed;
}

int TableCommand(const CliRequest& request)
{
    ProjectState project;
    if (!LoadProject(request.file, project))
        return kExitFailed;
    const BoxTable table = ComputeBoxTable(project);
    std::string text;
    for (int cell = 0; cell < kBoxCells; ++cell) {
        text += std::to_string(cell) + " ";
        text += cell == kIdentificationCell ? "unset" : ExactNumber(table[cell]);
        text += "\n";
    }
    return PrintOutput(text) ? kExitDone : kExitFailed;
}

int FramesCommand(const CliRequest& request)
{
    ProjectState project;
    if (!LoadProject(request.file, project))
        return kExitFailed;
    DryRun run;
    if (!DryRunOrSayWhy(project, run))
        return kExitFailed;
    std::string text;
    for (const std::string& frame : run.frames)
        text += frame + "\n";
    return PrintOutput(text) ? kExitDone : kExitFailed;
}
