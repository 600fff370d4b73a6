#pragma once

#include "Link.h"

#include <chrono>
#include <functional>
#include <string>

// The pieces both transfers are made of: opening the link, one frame with
// its answer, the identification handshake, and the link shutdown.

extern const char* const kNoDeviceMessage;
extern const char* const kWriteFailedMessage;
extern const char* const kCheckConnectionMessage;
extern const char* const kForeignBoxMessage;
extern const char* const kCrBoxOnlyMessage;
extern const char* const kTurboBoxOnlyMessage;
extern const char* const kPurgeFailedMessage;
extern const char* const kDtrFailedMessage;

constexpr int kTurboBoxId = 213; // 0xD5, a CR&TURBO box
constexpr int kCrBoxId = 132; // 0x84, a CR box

// Opens the link and prepares the line: 19200 baud 8N1, the box's time-outs,
// DTR raised, buffers purged, no flow control, a 100 ms settle wait (through
// the given function) and the frame-sync characters "#" and ";". False when
// a step fails; the link may then still be open.
bool OpenLink(CLink& link, const std::function<void(std::chrono::milliseconds)>& settle);

enum class FrameResult {
    Answered,
    WriteFailed, // the write call failed, did not send the whole frame, or the
                 // frame is not ten characters long and was not sent
    NoAnswer, // fewer characters than expected, or the read call failed
    Garbled, // a read answer that is not a decimal number
};

// Sends one frame and waits for its answer of answerSize characters. A write
// frame's answer is not examined.
FrameResult ExchangeFrame(
    CLink& link, const std::string& frame, std::size_t answerSize, std::string* answer = nullptr);

// Sends the read-cell frame for the cell; on Answered value holds the box's
// value.
FrameResult ReadCell(CLink& link, int cell, int& value);

// After the last answer of a read: true when nothing more arrives within one
// more read time-out. A byte still on the line means the answers were out of
// step with their frames (a stray byte shifts every later answer), so the
// values read cannot be trusted.
bool LineIsQuiet(CLink& link);

// The message for a frame that failed.
const char* FrameFailureMessage(FrameResult result);

// The three handshake exchanges. On success identification holds the value
// of cell 255; otherwise the result tells which frame failed.
FrameResult IdentifyBox(CLink& link, int& identification);

// Purge, drop DTR, close, ignoring the results (after a failure).
void ShutLinkQuietly(CLink& link);

// Purge, drop DTR, close at the normal end of a transfer. Returns null when
// all went well, else the message to show (the link is closed either way).
const char* ShutLinkChecked(CLink& link);
