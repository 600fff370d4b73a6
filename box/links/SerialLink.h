#pragma once

#include "Link.h"
#include "SerialLineTweaks.h"

#include <PortAdvice.h>

#include <QString>

#include <memory>
#include <string>

class QSerialPort;

// The box's converter through the operating system's serial driver, with Qt
// Serial Port used blocking. The device is either given as a path (a serial
// device or a pseudo-terminal) or found among the machine's serial ports by
// its USB ids or product string when the link opens.
//
// Threads: the QSerialPort is created in Open and destroyed in Close, on the
// thread that runs the transfer; the link must not be used from another.
class CSerialLink : public CLink {
public:
    // An empty path: find the box's converter when opening. A failed opening
    // is explained in the audience's words.
    explicit CSerialLink(QString path = QString(), Audience audience = Audience::Administrator);
    ~CSerialLink() override;

    bool Open() override;
    UserText OpenFailure() const override { return failure; }
    bool SetLine(const LineSettings& line) override;
    bool SetTimeouts(const Timeouts& timeouts) override;
    bool SetDtr(bool raised) override;
    bool Purge() override;
    bool SetFlowControlOff() override;
    IoResult Write(const char* data, std::size_t size) override;
    IoResult Read(char* buffer, std::size_t size) override;
    void Close() override;

    // The device the link opened (or last tried to open).
    QString Path() const { return openedPath; }
    // Whether the driver now passes received bytes on without delay.
    bool LowLatency() const { return lowLatency; }

private:
    bool Usable() const;

    QString path;
    Audience audience;
    QString openedPath;
    UserText failure;
    std::unique_ptr<QSerialPort> port;
    Timeouts timeouts;
    bool modemLines = false;
    bool lowLatency = false;
    CLowLatencyGuard latency;
};
