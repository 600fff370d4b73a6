// Feeds arbitrary bytes to a read as the box's answers: four characters per
// cell, as many cells as the bytes fill (the rest read 0), into a project of
// each box type. An answer taken must be four characters holding a digit,
// and its value what four characters can carry, and the project rebuilt from the cells must keep
// the promises of every project (FuzzChecks.h) and be writable as a file.
#include "FuzzChecks.h"

#include <BoxTable.h>
#include <Frames.h>
#include <ProjectFile.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ReadCells cells {};
    for (std::size_t cell = 0; cell < cells.size(); ++cell) {
        const std::size_t first = cell * kReadAnswerSize;
        if (first >= bytes.size())
            break;
        const std::string_view answer = bytes.substr(first, kReadAnswerSize);
        int value = 0;
        // A refused answer ends a real read; here the cell just stays 0.
        if (!ParseAnswer(answer, value))
            continue;
        Require(answer.size() == kReadAnswerSize && value >= -999 && value <= 9999);
        Require(
            std::any_of(answer.begin(), answer.end(), [](char c) { return c >= '0' && c <= '9'; }));
        cells[cell] = value;
    }
    for (int boxType = 0; boxType <= 2; ++boxType) {
        ProjectState project;
        project.SetBoxType(boxType);
        RebuildFromCells(cells, project);
        RequireSoundProject(project);
        Require(!WriteProjectText(project).empty());
    }
    return 0;
}
