#pragma once

// A machine's sysfs, /dev and /proc as Linux lays them out, built in a test's
// temporary folder: USB serial converters with their tty, the programs that
// hold a device open. The lookup reads it through its ordinary roots.

#include <SerialPorts.h>

#include <filesystem>
#include <fstream>
#include <string>

struct FakeConverter {
    std::string tty; // ttyUSB0
    std::string usbDevice; // the device's name in sysfs, e.g. 1-2
    int vendorId = 0x0403;
    int productId = 0x6001;
    std::string product = "USB <-> Serial";
    std::string serialNumber = "A9XK31";
    int latencyTimerMs = 16;
    bool hasTty = true; // false: no driver took it (or brltty took it away)
};

class FakeSystemTree {
public:
    explicit FakeSystemTree(const std::string& root_)
        : root(root_)
    {
        for (const char* dir : { "sys/class/tty", "sys/bus/usb/devices",
                 "sys/bus/usb-serial/drivers/ftdi_sio", "dev", "proc" })
            std::filesystem::create_directories(root / dir);
    }

    SystemRoots Roots() const
    {
        return { (root / "sys").string(), (root / "dev").string(), (root / "proc").string() };
    }
    std::string Dev(const std::string& tty) const { return (root / "dev" / tty).string(); }

    void Add(const FakeConverter& c)
    {
        namespace fs = std::filesystem;
        const fs::path usb = root / "sys/devices/pci0000:00/0000:00:14.0/usb1" / c.usbDevice;
        fs::create_directories(usb);
        Write(usb / "idVendor", Hex(c.vendorId));
        Write(usb / "idProduct", Hex(c.productId));
        Write(usb / "product", c.product);
        if (!c.serialNumber.empty())
            Write(usb / "serial", c.serialNumber);
        fs::create_directory_symlink(usb, root / "sys/bus/usb/devices" / c.usbDevice);
        if (!c.hasTty)
            return;
        // interface, then ftdi_sio's usb-serial port, then the tty
        const fs::path port = usb / (c.usbDevice + ":1.0") / c.tty;
        fs::create_directories(port / "tty" / c.tty);
        Write(port / "latency_timer", std::to_string(c.latencyTimerMs));
        fs::create_directory_symlink(root / "sys/bus/usb-serial/drivers/ftdi_sio", port / "driver");
        fs::create_directory_symlink(port, port / "tty" / c.tty / "device");
        fs::create_directory_symlink(port / "tty" / c.tty, root / "sys/class/tty" / c.tty);
        Write(root / "dev" / c.tty, "");
    }

    // A program that has the device open: /proc/PID/fd/3 links to it.
    void AddHolder(int pid, const std::string& program, const std::string& tty)
    {
        const std::filesystem::path process = root / "proc" / std::to_string(pid);
        std::filesystem::create_directories(process / "fd");
        Write(process / "comm", program);
        std::filesystem::create_symlink(Dev(tty), process / "fd" / "3");
    }

    // The device of pseudo-terminal index: dev/pts/N.
    std::string AddPseudoTerminal(int index)
    {
        std::filesystem::create_directories(root / "dev" / "pts");
        const std::string tty = "pts/" + std::to_string(index);
        Write(root / "dev" / tty, "");
        return Dev(tty);
    }

    // A program at the other end of pseudo-terminal index, as a simulated box
    // or a terminal: it holds the master side, /proc/PID/fd/4 linked to ptmx
    // with fdinfo/4 naming the terminal.
    void AddPtyMaster(int pid, const std::string& program, int index)
    {
        const std::filesystem::path process = root / "proc" / std::to_string(pid);
        std::filesystem::create_directories(process / "fd");
        std::filesystem::create_directories(process / "fdinfo");
        Write(process / "comm", program);
        std::filesystem::create_symlink(Dev("ptmx"), process / "fd" / "4");
        Write(process / "fdinfo" / "4",
            "pos:\t0\nflags:\t0100002\nmnt_id:\t23\nino:\t89\ntty-index:\t"
                + std::to_string(index));
    }

private:
    static std::string Hex(int id)
    {
        char text[8];
        std::snprintf(text, sizeof text, "%04x", id);
        return text;
    }
    static void Write(const std::filesystem::path& file, const std::string& line)
    {
        std::ofstream(file) << line << (line.empty() ? "" : "\n");
    }

    std::filesystem::path root;
};
