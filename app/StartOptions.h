#pragma once

#include <QString>

// How the program was started: the command-line options that choose the link
// to the box, and the project file to open.
struct StartOptions {
    bool demoBox = false; // talk to the simulated box in the program itself
    QString port; // serial device path given with --port; empty: find it
    QString file; // project file to open at start; empty: a new project
};
