#include "CliCommands.h"

#include <Session.h>

#include <cstdio>
#include <filesystem>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

void PrintMessage(const std::string& text)
{
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
}

bool PrintOutput(const std::string& bytes)
{
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
    if (std::fflush(stdout) == 0 && written)
        return true;
    PrintMessage("Can't write standard output");
    return false;
}

bool ShowFailure(const SessionResult& result)
{
    if (!result.ok)
        PrintMessage(result.message.English());
    return result.ok;
}

bool LoadProject(const std::string& path, ProjectState& project)
{
    return ShowFailure(OpenProject(path, project));
}
