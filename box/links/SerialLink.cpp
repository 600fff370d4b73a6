#include "SerialLink.h"

#include "PassiveEventDispatcher.h"
#include "PortFinder.h"

#include <QDeadlineTimer>
#include <QSerialPort>

#include <algorithm>

SerialLink::SerialLink(QString path_)
    : path(std::move(path_))
{
}

SerialLink::~SerialLink()
{
    Close();
}

bool SerialLink::Open()
{
    Close();
    openedPath = path.isEmpty() ? FindPortByProduct(QString::fromLatin1(kConverterProduct)) : path;
    if (openedPath.isEmpty())
        return false;
    PassiveEventDispatcher::EnsureForCurrentThread();
    port = std::make_unique<QSerialPort>();
    port->setPortName(openedPath);
    // Qt Serial Port locks the device for this process: no sharing.
    if (!port->open(QIODevice::ReadWrite)) {
        port.reset();
        return false;
    }
    modemLines = HasModemLines(port->handle());
    lowLatency = latency.Enable(port->handle());
    return true;
}

bool SerialLink::Usable() const
{
    return port && port->isOpen() && port->error() != QSerialPort::ResourceError;
}

bool SerialLink::SetLine(const LineSettings& line)
{
    if (!Usable())
        return false;
    const QSerialPort::Parity parity = line.parity == Parity::Odd ? QSerialPort::OddParity
        : line.parity == Parity::Even                             ? QSerialPort::EvenParity
                                                                  : QSerialPort::NoParity;
    return port->setBaudRate(line.baud)
        && port->setDataBits(static_cast<QSerialPort::DataBits>(line.dataBits))
        && port->setParity(parity)
        && port->setStopBits(line.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
}

bool SerialLink::SetTimeouts(const Timeouts& t)
{
    timeouts = t;
    return Usable();
}

bool SerialLink::SetDtr(bool raised)
{
    if (!Usable())
        return false;
    if (!modemLines)
        return true; // a pseudo-terminal: no line to raise or drop
    return port->setDataTerminalReady(raised);
}

bool SerialLink::Purge()
{
    return Usable() && port->clear(QSerialPort::AllDirections);
}

bool SerialLink::SetFlowControlOff()
{
    return Usable() && port->setFlowControl(QSerialPort::NoFlowControl);
}

IoResult SerialLink::Write(const char* data, std::size_t size)
{
    if (!Usable())
        return { false, 0 };
    const QDeadlineTimer deadline(
        timeouts.writeConstantMs + timeouts.writePerByteMs * static_cast<qint64>(size));
    const qint64 queued = port->write(data, static_cast<qint64>(size));
    if (queued < 0)
        return { false, 0 };
    while (port->bytesToWrite() > 0) {
        if (!port->waitForBytesWritten(static_cast<int>(deadline.remainingTime())))
            break;
    }
    if (port->error() == QSerialPort::ResourceError)
        return { false, 0 };
    const qint64 left = port->bytesToWrite();
    return { true, static_cast<std::size_t>(std::max<qint64>(0, queued - left)) };
}

IoResult SerialLink::Read(char* buffer, std::size_t size)
{
    if (!Usable())
        return { false, 0 };
    const qint64 wanted = static_cast<qint64>(size);
    const QDeadlineTimer deadline(timeouts.readConstantMs + timeouts.readPerByteMs * wanted);
    while (port->bytesAvailable() < wanted && !deadline.hasExpired()) {
        if (!port->waitForReadyRead(static_cast<int>(deadline.remainingTime())))
            break;
    }
    // The box went away (the device node vanished or the other side hung up).
    if (port->error() == QSerialPort::ResourceError)
        return { false, 0 };
    const qint64 got = port->read(buffer, std::min(wanted, port->bytesAvailable()));
    return { true, static_cast<std::size_t>(std::max<qint64>(0, got)) };
}

void SerialLink::Close()
{
    if (!port)
        return;
    latency.Restore();
    lowLatency = false;
    port->close();
    port.reset();
}
