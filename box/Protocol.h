#pragma once

#include "Link.h"

#include <UserText.h>

#include <chrono>
#include <functional>
#include <string>

// The pieces both transfers are made of: opening the link, one frame with
// its answer, the identification handshake, and the link shutdown.

// The box's fixed messages: "No USB Device Connected!", "...Error code:
// WR0001", "Please check the connection...", the foreign and the unsuitable
// box, "...PU0001" and "...CL0001".
extern const UserText kNoDeviceMessage;
extern const UserText kWriteFailedMessage;
extern const UserText kCheckConnectionMessage;
extern const UserText kForeignBoxMessage;
extern const UserText kCrBoxOnlyMessage;
extern const UserText kTurboBoxOnlyMessage;
extern const UserText kPurgeFailedMessage;
extern const UserText kDtrFailedMessage;

// "No USB Device Connected!", and after a blank line the link's reason and
// its remedy when it knows them.
UserText NoDeviceMessage(const UserText& reason);
// Whether a message says that no device could be opened (the window then
// offers its connection help). It looks at the text's source, so it holds in
// whatever language the text is shown.
bool IsNoDeviceMessage(const UserText& text);

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
const UserText& FrameFailureMessage(FrameResult result);

// The three handshake exchanges. On success identification holds the value
// of cell 255; otherwise the result tells which frame failed.
FrameResult IdentifyBox(CLink& link, int& identification);

// Purge, drop DTR, close, ignoring the results (after a failure).
void ShutLinkQuietly(CLink& link);

// Purge, drop DTR, close at the normal end of a transfer. Returns null when
// all went well, else the message to show (the link is closed either way).
const UserText* ShutLinkChecked(CLink& link);
