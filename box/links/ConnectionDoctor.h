#pragma once

#include <PortAdvice.h>
#include <SerialPorts.h>
#include <UserText.h>

#include <QString>

#include <functional>
#include <string>
#include <vector>

// The connection doctor: checks one thing after another on the way from
// Ramvik to the box's converter and says for each whether it is fine or what
// is wrong and how to mend it. `ramvik-cli doctor` prints the lines with the
// administrator's commands; the window's "Connection help" shows the same
// checks with the remedies in the workshop's words.

// How a check came out: fine, fine but worth knowing, or wrong. The summary
// at the end carries no verdict.
enum class DoctorVerdict { Ok, Note, Problem, Summary };

// The verdict as the report writes it ("OK", "NOTE", "PROBLEM"); empty for
// the summary.
UserText VerdictWord(DoctorVerdict verdict);

// One check's result: its verdict and what it found, which may run over
// several lines. The administrator's lines fit 80 columns; the workshop's
// break only between sentences (what was found, what to do), for a window
// that wraps them.
struct DoctorCheck {
    DoctorVerdict verdict = DoctorVerdict::Summary;
    UserText text;
};

struct DoctorReport {
    std::vector<DoctorCheck> checks;
    // Whether a transfer can start: some link reaches a converter the user
    // may open and no other program holds.
    bool transferCanStart = false;

    // Gives the words of a text: English() for the tool, the window's
    // translation for the window (UTF-8).
    using Words = std::function<std::string(const UserText&)>;
    // The report as printed, one entry a line: each check's verdict ("OK",
    // "NOTE", "PROBLEM") in a column of its own, then its text, the text's
    // further lines indented under the first; the summary as it is.
    std::vector<std::string> Lines(const Words& words) const;
    // The lines joined with "\n".
    std::string Text(const Words& words) const;
    // The English text, as ramvik-cli prints it.
    std::string Text() const;
};

struct DoctorRequest {
    SystemRoots roots; // SystemRootsFromEnvironment() in production
    std::string port; // a device the user named; empty: find the box's converter
    std::string remembered; // the window's remembered choice (RememberedPortKey)
    QString vendorLibraryFile; // CD2xxLibrary::DefaultFileName() in production
    Audience audience = Audience::Administrator; // in whose words the remedies are
};

DoctorReport RunConnectionDoctor(const DoctorRequest& request);
