#include "SerialLink.h"

#include "PassiveEventDispatcher.h"
#include "PortFinder.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QSerialPort>

#include <algorithm>

namespace {

// The device a given name stands for: a relative path from the current
// folder, not from /dev, where Qt Serial Port would look for it.
QString DevicePath(const QString& name)
{
    if (name.isEmpty())
        return name;
    return QFile::decodeName(PortDevicePath(QFile::encodeName(name).toStdString()).c_str());
}

} // namespace

CSerialLink::CSerialLink(QString path_, Audience audience_)
    : path(DevicePath(path_))
    , audience(audience_)
{
}

CSerialLink::~CSerialLink()
{
    Close();
}

bool CSerialLink::Open()
{
    Close();
    failure = UserText();
    const SystemRoots roots = SystemRootsFromEnvironment();
    openedPath = path;
    if (openedPath.isEmpty()) {
        const PortLookup lookup = FindBoxPort(roots, std::string(), audience);
        failure = lookup.failure;
        openedPath = QString::fromStdString(lookup.path);
    }
    if (openedPath.isEmpty())
        return false;
    CPassiveEventDispatcher::EnsureForCurrentThread();
    port = std::make_unique<QSerialPort>();
    port->setPortName(openedPath);
    // Qt Serial Port locks the device for this process: no sharing.
    if (!port->open(QIODevice::ReadWrite)) {
        failure = ExplainOpenFailure(
            openedPath.toStdString(), port->errorString().toStdString(), roots, audience);
        port.reset();
        return false;
    }
    modemLines = HasModemLines(port->handle());
    lowLatency = latency.Enable(port->handle());
    return true;
}

bool CSerialLink::Usable() const
{
    return port && port->isOpen() && port->error() != QSerialPort::ResourceError;
}

bool CSerialLink::SetLine(const LineSettings& line)
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

bool CSerialLink::SetTimeouts(const Timeouts& t)
{
    timeouts = t;
    return Usable();
}

bool CSerialLink::SetDtr(bool raised)
{
    if (!Usable())
        return false;
    if (!modemLines)
        return true; // a pseudo-terminal: no line to raise or drop
    return port->setDataTerminalReady(raised);
}

bool CSerialLink::Purge()
{
    return Usable() && port->clear(QSerialPort::AllDirections);
}

bool CSerialLink::SetFlowControlOff()
{
    return Usable() && port->setFlowControl(QSerialPort::NoFlowControl);
}

IoResult CSerialLink::Write(const char* data, std::size_t size)
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

IoResult CSerialLink::Read(char* buffer, std::size_t size)
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

void CSerialLink::Close()
{
    if (!port)
        return;
    latency.Restore();
    lowLatency = false;
    port->close();
    port.reset();
}
