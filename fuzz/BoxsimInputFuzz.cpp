// Feeds arbitrary bytes to the simulated box as the PC would send them. The
// first byte chooses how the rest is cut into pieces (1 to 16 bytes each), as
// a serial line delivers them. The box must answer exactly as when it gets
// everything at once: the same answers in the same order and the same cells
// in the end. A frame is answered with "OK" or four characters, at most one
// frame per ";" sent, and the cells keep what four characters can carry.
#include "FuzzChecks.h"

#include <BoxSimulator.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t piece = 1 + data[0] % 16;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

    CBoxSimulator whole;
    const BoxReply once = whole.Receive(bytes);
    const auto frames = static_cast<std::size_t>(whole.FramesAnswered());
    Require(frames <= static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), ';')));
    Require(once.answer.size() >= 2 * frames && once.answer.size() <= 4 * frames);
    Require(!once.hungUp);

    CBoxSimulator cut;
    std::string answers;
    for (std::size_t first = 0; first < bytes.size(); first += piece) {
        answers += cut.Receive(bytes.substr(first, piece)).answer;
    }
    Require(answers == once.answer);
    Require(cut.Cells() == whole.Cells());
    Require(cut.FramesAnswered() == whole.FramesAnswered());
    for (int value : whole.Cells())
        Require(value >= -999 && value <= 9999);
    return 0;
}
