#include "BoxSimulator.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <iterator>
#include <utility>

namespace {

constexpr std::size_t kLongestFrame = 32; // more without ";" is noise

bool ParseDigits(std::string_view text, int& value)
{
    if (text.empty() || text.size() > 6)
        return false;
    value = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

bool ParseValue(std::string_view text, int& value)
{
    bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    if (!ParseDigits(text, value))
        return false;
    if (negative)
        value = -value;
    return true;
}

} // namespace

CBoxSimulator::CBoxSimulator(int identification)
{
    cells[255] = identification;
}

BoxReply CBoxSimulator::Receive(std::string_view bytes)
{
    std::lock_guard<std::mutex> lock(mutex);
    BoxReply reply;
    for (char c : bytes) {
        if (c == '#' || c == '%')
            pending.clear(); // a marker always starts a new frame
        pending += c;
        if (c == ';') {
            std::string frame;
            frame.swap(pending);
            announcedNow = false;
            reply.answer += HandleFrame(frame, reply.hungUp);
            reply.announced |= announcedNow;
            if (reply.hungUp)
                return reply;
        } else if (pending.size() > kLongestFrame) {
            pending.clear();
        }
    }
    return reply;
}

std::string CBoxSimulator::HandleFrame(const std::string& frame, bool& hungUp)
{
    // marker, four digits of cell, a value field, ";"
    if (frame.size() < 7)
        return {};
    char marker = frame[0];
    if (marker != '#' && marker != '%')
        return {};
    int cell = 0;
    int value = 0;
    std::string_view text(frame);
    if (!ParseDigits(text.substr(1, 4), cell) || cell >= kCells
        || !ParseValue(text.substr(5, text.size() - 6), value))
        return {};

    const bool write = marker == '#';
    ++framesAt[cell];
    if (write)
        ++writesAt[cell];
    BoxFaultKind fault;
    bool faulty = TakeFault(cell, write, fault);
    if (faulty && fault == BoxFaultKind::HangUp) {
        hungUp = true;
        return {};
    }
    std::string answer;
    if (write) {
        if (!(faulty && fault == BoxFaultKind::Forget))
            cells[cell] = value < -999 ? -999 : value > 9999 ? 9999 : value;
        answer = "OK";
    } else {
        char text4[16];
        std::snprintf(text4, sizeof text4, "%04d", cells[cell]);
        answer = text4;
    }
    announcedNow = faulty && fault == BoxFaultKind::Announce;
    if (faulty && fault == BoxFaultKind::Silent)
        return {};
    if (faulty && fault == BoxFaultKind::Short)
        return answer.substr(0, 1);
    if (faulty && fault == BoxFaultKind::Noise)
        answer.assign(answer.size(), '?');
    if (faulty && fault == BoxFaultKind::Stray)
        answer += '0';
    ++framesAnswered;
    return answer;
}

bool CBoxSimulator::TakeFault(int cell, bool write, BoxFaultKind& kind)
{
    for (auto it = faults.begin(); it != faults.end(); ++it) {
        const bool forget = it->kind == BoxFaultKind::Forget;
        const int seen = forget ? writesAt[cell] : framesAt[cell];
        if (it->cell == cell && (write || !forget) && seen >= it->nth) {
            kind = it->kind;
            faults.erase(it);
            return true;
        }
    }
    return false;
}

void CBoxSimulator::ResetFraming()
{
    std::lock_guard<std::mutex> lock(mutex);
    pending.clear();
}

int CBoxSimulator::Cell(int cell) const
{
    std::lock_guard<std::mutex> lock(mutex);
    return cell >= 0 && cell < kCells ? cells[cell] : 0;
}

void CBoxSimulator::SetCell(int cell, int value)
{
    std::lock_guard<std::mutex> lock(mutex);
    if (cell >= 0 && cell < kCells)
        cells[cell] = value < -999 ? -999 : value > 9999 ? 9999 : value;
}

std::array<int, CBoxSimulator::kCells> CBoxSimulator::Cells() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return cells;
}

void CBoxSimulator::AddFault(BoxFault fault)
{
    std::lock_guard<std::mutex> lock(mutex);
    faults.push_back(fault);
}

int CBoxSimulator::FramesAnswered() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return framesAnswered;
}

void CBoxSimulator::SetWireModel(bool on)
{
    std::lock_guard<std::mutex> lock(mutex);
    wire = on;
}

bool CBoxSimulator::WireModel() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return wire;
}

std::chrono::microseconds CBoxSimulator::WireTime(std::size_t characters)
{
    // 10 bits per character (start, 8 data, stop) at 19200 bit/s.
    return std::chrono::microseconds(characters * 10 * 1000000 / 19200);
}

bool ParseBoxFault(std::string_view text, BoxFault& fault)
{
    std::size_t at = text.find('@');
    if (at == std::string_view::npos)
        return false;
    static const std::pair<std::string_view, BoxFaultKind> kinds[] = {
        { "short", BoxFaultKind::Short },
        { "silent", BoxFaultKind::Silent },
        { "hangup", BoxFaultKind::HangUp },
        { "stray", BoxFaultKind::Stray },
        { "noise", BoxFaultKind::Noise },
        { "forget", BoxFaultKind::Forget },
        { "announce", BoxFaultKind::Announce },
    };
    auto named = std::find_if(std::begin(kinds), std::end(kinds),
        [kind = text.substr(0, at)](const auto& entry) { return entry.first == kind; });
    if (named == std::end(kinds))
        return false;
    fault.kind = named->second;
    std::string_view where = text.substr(at + 1);
    fault.nth = 1;
    const std::size_t slash = where.find('/');
    if (slash != std::string_view::npos) {
        if (!ParseDigits(where.substr(slash + 1), fault.nth) || fault.nth < 1)
            return false;
        where = where.substr(0, slash);
    }
    return ParseDigits(where, fault.cell) && fault.cell < CBoxSimulator::kCells;
}
