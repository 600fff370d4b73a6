#pragma once

#include <QString>

// How the program was started: the command-line options that choose the link
// to the box.
struct StartOptions {
    bool demoBox = false; // talk to the simulated box in the program itself
    QString port; // serial device path given with --port; empty: find it
};
