// Feeds arbitrary bytes to the project file reader. Besides the sanitizers'
// findings, it stops on a broken promise of the reader: two sorted, linked,
// finite curves and finite voltages, whatever the file holds.
#include "ProjectFile.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

void CheckCurve(const CPunt* head)
{
    Require(head != nullptr && head->prev == nullptr);
    for (const CPunt* p = head; p; p = p->next) {
        Require(std::isfinite(p->input) && std::isfinite(p->output));
        if (p->next) {
            Require(p->input < p->next->input);
            Require(p->next->prev == p);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ProjectState project;
    ReadProjectText(std::string_view(reinterpret_cast<const char*>(data), size), project);
    CheckCurve(project.crCurve);
    CheckCurve(project.turboCurve);
    Require(std::isfinite(project.startVoltage) && std::isfinite(project.stopVoltage));
    Require(project.boxType >= 0 && project.boxType <= 2);
    // Whatever was read can be written again.
    Require(!WriteProjectText(project).empty());
    return 0;
}
