#include "TransferProgress.h"

#include <BoxTable.h>
#include <Transfer.h>

#include <algorithm>

int WrittenCells(int position)
{
    if (position >= kVerifyProgressStart)
        return kLastWrittenCell + position - kVerifyProgressStart + 1;
    return position < kIdentificationCell ? position + 1 : std::min(position, kLastWrittenCell);
}

int ReadCellsDone(int position)
{
    return std::min(position + 1, static_cast<int>(ReadCells().size()));
}

CTimeLeft::CTimeLeft(int totalCells)
    : total(totalCells)
{
}

double CTimeLeft::Update(int cellsDone, Clock::time_point now)
{
    if (!started) {
        started = true;
        start = now;
        firstDone = cellsDone;
    }
    const int sinceStart = cellsDone - firstDone;
    if (sinceStart <= 0)
        return -1;
    const double elapsed = std::chrono::duration<double>(now - start).count();
    return elapsed / sinceStart * std::max(total - cellsDone, 0);
}

int WholeSeconds(double seconds)
{
    return static_cast<int>(seconds + 0.5);
}
