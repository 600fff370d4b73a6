#pragma once

#include <SerialPorts.h>

#include <QString>

#include <string>
#include <vector>

// The connection doctor: checks one thing after another on the way from
// Ramvik to the box's converter and says for each whether it is fine or what
// is wrong and how to mend it. `ramvik-cli doctor` prints the lines; the
// window's "Connection help" shows the same text.
struct DoctorReport {
    // Each line is printed as it is. A check starts with "OK", "NOTE" (fine,
    // but worth knowing) or "PROBLEM" and may go on in indented lines.
    std::vector<std::string> lines;
    // Whether a transfer can start: some link reaches a converter the user
    // may open and no other program holds.
    bool transferCanStart = false;

    std::string Text() const; // the lines joined with "\n"
};

struct DoctorRequest {
    SystemRoots roots; // SystemRootsFromEnvironment() in production
    std::string port; // a device the user named; empty: find the box's converter
    std::string remembered; // the window's remembered choice (RememberedPortKey)
    QString vendorLibraryFile; // CD2xxLibrary::DefaultFileName() in production
};

DoctorReport RunConnectionDoctor(const DoctorRequest& request);
