#pragma once

// What every project must keep, whatever bytes it was made from: two sorted,
// linked, finite curves, finite voltages and a known box type. A broken
// promise stops the fuzzer, which then keeps the input that broke it.

#include <ProjectState.h>
#include <Punt.h>

#include <cmath>
#include <cstdlib>

inline void Require(bool condition)
{
    if (!condition)
        std::abort();
}

inline void RequireSortedCurve(const CPunt* head)
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

inline void RequireSoundProject(const ProjectState& project)
{
    RequireSortedCurve(project.crCurve.Head());
    RequireSortedCurve(project.turboCurve.Head());
    Require(std::isfinite(project.startVoltage) && std::isfinite(project.stopVoltage));
    Require(project.boxType >= 0 && project.boxType <= 2);
}
