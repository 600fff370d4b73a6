#pragma once

#include "Ftd2xxApi.h"

#include <UserText.h>

#include <QString>

#include <memory>

// The vendor's D2XX library, loaded at run time by file name, with the
// functions the links use looked up by name. Bound once at start-up and then
// shared, read-only, by every CD2xxLink of the run.
class CD2xxLibrary {
public:
    // "Ftd2xx.dll" on Windows, "libftd2xx.dylib" on macOS, "libftd2xx.so"
    // elsewhere.
    static QString DefaultFileName();
    // Whether the operating system's serial port reaches the converter when
    // the library is missing (Linux and macOS); there a missing library is
    // normal and not reported.
    static bool SerialLinkServes();

    struct Functions {
        ftd2xx::WriteFn write = nullptr;
        ftd2xx::ReadFn read = nullptr;
        ftd2xx::OpenFn open = nullptr;
        ftd2xx::OpenExFn openEx = nullptr;
        ftd2xx::ListDevicesFn listDevices = nullptr;
        ftd2xx::CloseFn close = nullptr;
        ftd2xx::ResetDeviceFn resetDevice = nullptr;
        ftd2xx::PurgeFn purge = nullptr;
        ftd2xx::SetTimeoutsFn setTimeouts = nullptr;
        ftd2xx::GetQueueStatusFn getQueueStatus = nullptr;
        ftd2xx::SetBaudRateFn setBaudRate = nullptr;
        ftd2xx::SetDataCharacteristicsFn setDataCharacteristics = nullptr;
        ftd2xx::SetFlowControlFn setFlowControl = nullptr;
        ftd2xx::SetDtrFn setDtr = nullptr;
        ftd2xx::ClrDtrFn clrDtr = nullptr;
        // Optional, outside the start-up check.
        ftd2xx::SetLatencyTimerFn setLatencyTimer = nullptr;
        ftd2xx::GetLatencyTimerFn getLatencyTimer = nullptr;
    };

    struct Binding {
        // Null unless the library loaded and has every checked function.
        std::shared_ptr<const CD2xxLibrary> library;
        // What the start-up check shows the user; empty when nothing.
        UserText message;
    };

    // The start-up check: loads the library (a file name or a path), then
    // looks the functions up in the vendor's documented order; the first
    // missing one ends the check with "Error: Can't Find " and its name.
    static Binding Bind(const QString& fileName, bool serialLinkServes);

    const Functions& Fn() const { return functions; }

private:
    CD2xxLibrary() = default;
    Functions functions;
};
