// Feeds arbitrary bytes to the project file reader, into a project of each
// box type. Besides the sanitizers' findings it stops when the project read
// breaks a promise of the reader (FuzzChecks.h), and when a project the box
// can hold does not survive being saved and opened again: the second read
// must give the same file bytes as the first write.
#include "FuzzChecks.h"

#include <BoxTable.h>
#include <ProjectFile.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (int boxType = 0; boxType <= 2; ++boxType) {
        ProjectState project;
        project.SetBoxType(boxType);
        ReadProjectText(text, project);
        RequireSoundProject(project);
        const std::string written = WriteProjectText(project);
        Require(!written.empty());
        if (!BoxRefusals(project).empty())
            continue;
        ProjectState reopened;
        reopened.SetBoxType(boxType);
        ReadProjectText(written, reopened);
        RequireSoundProject(reopened);
        Require(WriteProjectText(reopened) == written);
    }
    return 0;
}
