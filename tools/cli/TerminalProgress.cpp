#include "TerminalProgress.h"

#include <algorithm>
#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

namespace {
constexpr int kBarWidth = 30;
}

CTerminalProgress::CTerminalProgress(int totalCells, std::FILE* stream_)
    : total(std::max(totalCells, 1))
    , stream(stream_)
    , terminal(isatty(fileno(stream_)) != 0)
{
}

CTerminalProgress::~CTerminalProgress()
{
    BreakLine();
}

std::string CTerminalProgress::Line(int cellsDone, int totalCells, double secondsLeft)
{
    const int done = std::clamp(cellsDone, 0, totalCells);
    const int filled = totalCells > 0 ? done * kBarWidth / totalCells : kBarWidth;
    std::string text = "[" + std::string(filled, '#') + std::string(kBarWidth - filled, '.') + "] "
        + std::to_string(done) + "/" + std::to_string(totalCells) + " cells";
    if (secondsLeft >= 0) {
        const int seconds = static_cast<int>(secondsLeft + 0.5);
        char left[32];
        std::snprintf(left, sizeof left, ", %d:%02d left", seconds / 60, seconds % 60);
        text += left;
    }
    return text;
}

void CTerminalProgress::Show(int cellsDone)
{
    if (!terminal)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (!started) {
        // The time left is measured from the first cell: opening the link
        // and the handshake take their own time.
        started = true;
        start = now;
        firstDone = cellsDone;
    }
    double secondsLeft = -1;
    const int sinceStart = cellsDone - firstDone;
    if (sinceStart > 0) {
        const double elapsed = std::chrono::duration<double>(now - start).count();
        secondsLeft = elapsed / sinceStart * std::max(total - cellsDone, 0);
    }
    // Blanks after the text wipe what a longer line left.
    const std::string prefix = phase.empty() ? std::string() : phase + " ";
    std::fprintf(stream, "\r%s%s   ", prefix.c_str(), Line(cellsDone, total, secondsLeft).c_str());
    std::fflush(stream);
    lineOpen = true;
}

void CTerminalProgress::SetPhase(const std::string& name)
{
    phase = name;
    started = false;
}

void CTerminalProgress::BreakLine()
{
    if (!lineOpen)
        return;
    std::fputc('\n', stream);
    std::fflush(stream);
    lineOpen = false;
}
