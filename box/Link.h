#pragma once

#include <UserText.h>

#include <cstddef>

// The product string in the USB descriptor of the box's serial converter:
// the vendor library opens the converter by it, and the serial port is found
// by it.
constexpr const char* kConverterProduct = "USB <-> Serial";

// The serial line settings the box needs: 19200 baud, 8 data bits, no
// parity, one stop bit. Other settings of the device stay as they were.
enum class Parity { None, Odd, Even };

struct LineSettings {
    int baud = 19200;
    int dataBits = 8;
    Parity parity = Parity::None;
    int stopBits = 1;
};

// Time-outs in milliseconds, in the D2XX / Win32 sense. A read of n bytes
// gives up after readConstantMs + n * readPerByteMs; a write of n bytes after
// writeConstantMs + n * writePerByteMs. readIntervalMs 0 means no limit on
// the gap between two bytes.
struct Timeouts {
    int readIntervalMs = 0;
    int readPerByteMs = 8;
    int readConstantMs = 100;
    int writePerByteMs = 4;
    int writeConstantMs = 200;
};

// What a blocking write or read did: ok false means the call itself failed
// (the device is gone or was never open); count is the number of bytes moved
// before the call returned.
struct IoResult {
    bool ok = false;
    std::size_t count = 0;
};

// The connection to the box's USB serial converter. Every call blocks until
// done and reports its result as a value; nothing throws.
//
// Threads: a link is created on one thread and then used, from Open to Close,
// by one thread only (the transfer's worker). An implementation therefore
// creates its thread-bound resources in Open, not in its constructor.
//
// A device without modem-control lines (a pseudo-terminal) accepts SetDtr
// with true: there is nothing to raise or drop.
class CLink {
public:
    virtual ~CLink() = default;

    // Opens the device for reading and writing, not shared. False: not open.
    // A link may lower its converter's latency while it is open and puts it
    // back in Close.
    virtual bool Open() = 0;

    // Why the last Open failed and what the user can do about it, shown
    // after "No USB Device Connected!"; empty when the link cannot tell.
    virtual UserText OpenFailure() const { return {}; }

    // Applies baud rate, data bits, parity and stop bits; false on failure.
    virtual bool SetLine(const LineSettings& line) = 0;

    // Sets the time-outs that bound every later Read and Write.
    virtual bool SetTimeouts(const Timeouts& timeouts) = 0;

    // Raises (true) or drops (false) the DTR line; false on failure.
    virtual bool SetDtr(bool raised) = 0;

    // Discards everything in the receive and the transmit buffers.
    virtual bool Purge() = 0;

    // Switches hardware and software flow control off.
    virtual bool SetFlowControlOff() = 0;

    // Sends size bytes. Returns when all went out or the write time-out ran
    // out; a count below size with ok true means the time-out ran out.
    virtual IoResult Write(const char* data, std::size_t size) = 0;

    // Waits for size bytes. Returns when all arrived or the read time-out ran
    // out; a count below size with ok true means the time-out ran out (the
    // box did not answer in full).
    virtual IoResult Read(char* buffer, std::size_t size) = 0;

    // Closes the device. Closing a link that is not open is harmless.
    virtual void Close() = 0;
};
