#include "Protocol.h"

#include "Frames.h"

#include <cstring>

const UserText kNoDeviceMessage = RAMVIK_TR("Protocol", "No USB Device Connected!");
const UserText kWriteFailedMessage = RAMVIK_TR(
    "Protocol", "An error occured,\nplease replug\nthe USB-interface.\n\nError code: WR0001");
const UserText kCheckConnectionMessage
    = RAMVIK_TR("Protocol", "Please check the connection\nof the USB-interface\nand try again.");
const UserText kForeignBoxMessage = RAMVIK_TR("Protocol",
    "This box is not designed for this software. \nUse the proper software, Dolvar,\nor contact "
    "your dealer to update this box.");
const UserText kCrBoxOnlyMessage
    = RAMVIK_TR("Protocol", "This box is for CR-Tuning only!\nplease adjust your project.");
const UserText kTurboBoxOnlyMessage
    = RAMVIK_TR("Protocol", "This box is for CR-TURBO-Tuning only!\nplease adjust your project.");
const UserText kPurgeFailedMessage = RAMVIK_TR("Protocol", "USB-error\n\nError code: PU0001");
const UserText kDtrFailedMessage = RAMVIK_TR("Protocol", "USB-error\n\nError code: CL0001");

namespace {

bool SentWhole(IoResult sent, std::size_t size)
{
    return sent.ok && sent.count == size;
}

bool SameSource(const UserText& text, const char* source)
{
    return !text.Empty() && std::strcmp(text.Source(), source) == 0;
}

UserText NoDeviceWithReason()
{
    return RAMVIK_TR("Protocol", "No USB Device Connected!\n\n%1");
}

} // namespace

UserText NoDeviceMessage(const UserText& reason)
{
    if (reason.Empty())
        return kNoDeviceMessage;
    return NoDeviceWithReason().Arg(reason);
}

bool IsNoDeviceMessage(const UserText& text)
{
    return SameSource(text, kNoDeviceMessage.Source())
        || SameSource(text, NoDeviceWithReason().Source());
}

bool OpenLink(CLink& link, const std::function<void(std::chrono::milliseconds)>& settle)
{
    if (!link.Open())
        return false;
    if (!link.SetLine(LineSettings {}))
        return false;
    if (!link.SetTimeouts(Timeouts {}))
        return false;
    if (!link.SetDtr(true) || !link.Purge() || !link.SetFlowControlOff())
        return false;
    settle(std::chrono::milliseconds(100));
    // The two characters end whatever half frame the box may still hold; one
    // that did not go out leaves the box out of step with every frame.
    if (!SentWhole(link.Write("#", 1), 1) || !SentWhole(link.Write(";", 1), 1))
        return false;
    link.Purge();
    return true;
}

FrameResult ExchangeFrame(
    CLink& link, const std::string& frame, std::size_t answerSize, std::string* answer)
{
    if (frame.size() != kFrameSize)
        return FrameResult::WriteFailed;
    if (!SentWhole(link.Write(frame.data(), frame.size()), frame.size()))
        return FrameResult::WriteFailed;
    char buffer[8] = {};
    if (answerSize > sizeof buffer)
        answerSize = sizeof buffer;
    // A read call that fails outright is a lost connection, like a short
    // answer: going on would act on a cell the box never confirmed.
    IoResult got = link.Read(buffer, answerSize);
    if (!got.ok || got.count < answerSize)
        return FrameResult::NoAnswer;
    if (answer)
        answer->assign(buffer, answerSize);
    return FrameResult::Answered;
}

FrameResult ReadCell(CLink& link, int cell, int& value)
{
    std::string answer;
    FrameResult result = ExchangeFrame(link, ReadFrame(cell), kReadAnswerSize, &answer);
    if (result == FrameResult::Answered && !ParseAnswer(answer, value))
        return FrameResult::Garbled;
    return result;
}

bool LineIsQuiet(CLink& link)
{
    char extra = 0;
    IoResult got = link.Read(&extra, 1);
    return got.ok && got.count == 0;
}

const UserText& FrameFailureMessage(FrameResult result)
{
    return result == FrameResult::WriteFailed ? kWriteFailedMessage : kCheckConnectionMessage;
}

FrameResult IdentifyBox(CLink& link, int& identification)
{
    FrameResult result = ExchangeFrame(link, TruncatedWriteFrame(0, 213), kWriteAnswerSize);
    if (result != FrameResult::Answered)
        return result;
    result = ExchangeFrame(link, TruncatedWriteFrame(0, 0), kWriteAnswerSize);
    if (result != FrameResult::Answered)
        return result;
    return ReadCell(link, 255, identification);
}

void ShutLinkQuietly(CLink& link)
{
    link.Purge();
    link.SetDtr(false);
    link.Close();
}

const UserText* ShutLinkChecked(CLink& link)
{
    const UserText* message = nullptr;
    if (!link.Purge())
        message = &kPurgeFailedMessage;
    else if (!link.SetDtr(false))
        message = &kDtrFailedMessage;
    link.Close();
    return message;
}
