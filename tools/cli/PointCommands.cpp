#include "CliCommands.h"

#include <PointRange.h>
#include <PointText.h>
#include <ProjectFile.h>
#include <ProjectState.h>

#include <cstdio>
#include <fstream>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

// The most text set-points reads: far beyond the 63 lines of a curve, and
// little enough to hold in memory whatever is named.
constexpr std::size_t kMaxPointsText = 1024 * 1024;

// The project of FILE with the curve the command line names as the edited
// one; false, with the reason, when there is none.
bool LoadCurve(const CliRequest& request, ProjectState& project)
{
    if (!LoadProject(request.file, project))
        return false;
    if (request.turboCurve && !project.turboEnabled) {
        PrintMessage(FileNameOf(request.file) + " has no TURBO curve (its box type is not "
            + BoxTypeName(2).English() + ").");
        return false;
    }
    if (request.turboCurve)
        project.SelectTurboForEdit();
    else
        project.SelectCrForEdit();
    return true;
}

// Up to one byte more than the limit, so a longer text shows as such.
bool ReadBounded(std::FILE* file, std::string& text)
{
    text.resize(kMaxPointsText + 1);
    const std::size_t read = std::fread(text.data(), 1, text.size(), file);
    text.resize(read);
    return !std::ferror(file);
}

// The text --from names; false, with the reason, when it cannot be read or
// is too long.
bool ReadPointsSource(const std::string& from, std::string& text)
{
    bool read = false;
    if (from == "-") {
#ifdef _WIN32
        _setmode(_fileno(stdin), _O_BINARY);
#endif
        read = ReadBounded(stdin, text);
    } else if (std::FILE* file = std::fopen(from.c_str(), "rb")) {
        read = ReadBounded(file, text);
        std::fclose(file);
    }
    if (!read) {
        PrintMessage("Can't read " + (from == "-" ? std::string("standard input") : from));
        return false;
    }
    if (text.size() > kMaxPointsText) {
        PrintMessage((from == "-" ? std::string("Standard input") : from)
            + " holds more than 1 MiB; a text of points is far shorter.");
        return false;
    }
    return true;
}

} // namespace

int PointsCommand(const CliRequest& request)
{
    ProjectState project;
    if (!LoadCurve(request, project))
        return kExitFailed;
    return PrintOutput(WritePointsText(project.EditedCurve())) ? kExitDone : kExitFailed;
}

int SetPointsCommand(const CliRequest& request)
{
    ProjectState project;
    std::string text;
    if (!LoadCurve(request, project) || !ReadPointsSource(request.from, text))
        return kExitFailed;
    const RangeEditResult result = SetPointsFromText(project, ReadPointsText(text));
    if (!result.refusal.Empty()) {
        PrintMessage(result.refusal.English() + "\nNothing was written.");
        return kExitFailed;
    }
    // A script wants the points as it gave them, or nothing at all.
    if (result.fixed > 0) {
        PrintMessage(result.heldBack.English() + "\nNothing was written.");
        return kExitFailed;
    }
    const std::string& path = request.output.empty() ? request.file : request.output;
    std::string error;
    if ((result.changed || path != request.file) && !SaveProjectFile(path, project, error)) {
        PrintMessage("Can't save file!\n\n" + path + "\n\n" + error);
        return kExitFailed;
    }
    PrintMessage(result.status.English());
    return kExitDone;
}
