#include "TerminalProgress.h"

#include <BoxText.h>

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
    , timeLeft(total)
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
        text += ", " + MinutesSecondsText(WholeSeconds(secondsLeft)) + " left";
    }
    return text;
}

void CTerminalProgress::Show(int cellsDone)
{
    if (!terminal)
        return;
    const double secondsLeft = timeLeft.Update(cellsDone, CTimeLeft::Clock::now());
    // Blanks after the text wipe what a longer line left.
    const std::string prefix = phase.empty() ? std::string() : phase + " ";
    std::fprintf(stream, "\r%s%s   ", prefix.c_str(), Line(cellsDone, total, secondsLeft).c_str());
    std::fflush(stream);
    lineOpen = true;
}

void CTerminalProgress::SetPhase(const std::string& name)
{
    phase = name;
    timeLeft.Restart();
}

void CTerminalProgress::BreakLine()
{
    if (!lineOpen)
        return;
    std::fputc('\n', stream);
    std::fflush(stream);
    lineOpen = false;
}
