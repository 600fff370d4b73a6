#include "LinkFactory.h"
#include "PortFinder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A sysfs tree as Linux lays it out for USB serial converters: the tty's
// class entry links to its device, whose USB device directory (with the
// descriptor's `product` file) lies one or two levels up.
class FakeSysfs {
public:
    FakeSysfs() { root = dir.path(); }

    // usbDevice: path below devices/ of the USB device; ttyBelow: the path
    // from there to the tty's device directory.
    void AddUsbTty(const QString& name, const QString& usbDevice, const QString& ttyBelow,
        const QString& product)
    {
        const QString usbDir = root + "/devices/" + usbDevice;
        const QString ttyDevice = usbDir + "/" + ttyBelow;
        QDir().mkpath(ttyDevice);
        if (!product.isNull())
            WriteFile(usbDir + "/product", product + "\n");
        AddClassEntry(name, ttyDevice);
    }
    void AddVirtualTty(const QString& name) { QDir().mkpath(root + "/class/tty/" + name); }

    QString root;

private:
    void AddClassEntry(const QString& name, const QString& deviceDir)
    {
        const QString entry = root + "/class/tty/" + name;
        QDir().mkpath(entry);
        QFile::link(deviceDir, entry + "/device");
    }
    static void WriteFile(const QString& path, const QString& text)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    }
    QTemporaryDir dir;
};

TEST(PortFinder, FindsTheConverterByTheProductFileAboveTheTty)
{
    FakeSysfs sys;
    sys.AddVirtualTty("tty0");
    sys.AddUsbTty("ttyACM0", "usb1/1-2", "1-2:1.0", "Some Modem");
    sys.AddUsbTty("ttyUSB0", "usb1/1-1", "1-1:1.0/ttyUSB0", "FT232R USB UART");
    sys.AddUsbTty("ttyUSB1", "usb2/2-1", "2-1:1.0/ttyUSB1", "USB <-> Serial");
    EXPECT_EQ(FindPortByProduct("USB <-> Serial", sys.root, "/dev"), "/dev/ttyUSB1");
}

TEST(PortFinder, NoMatchingProductGivesNoPort)
{
    FakeSysfs sys;
    sys.AddUsbTty("ttyUSB0", "usb1/1-1", "1-1:1.0/ttyUSB0", "USB_-_Serial");
    // A product file far above the tty belongs to something else.
    sys.AddUsbTty("ttyS0", "platform/serial8250", "a/b/c/d/e/tty/ttyS0", "USB <-> Serial");
    EXPECT_EQ(FindPortByProduct("USB <-> Serial", sys.root, "/dev"), QString());
}

TEST(LinkChoice, OptionsComeFirstThenTheVendorLibraryThenTheProductString)
{
    const auto box = std::make_shared<BoxSimulator>();
    const std::shared_ptr<const D2xxLibrary> vendor
        = D2xxLibrary::Bind(FAKE_FTD2XX_FULL, true).library;
    ASSERT_TRUE(vendor);
    struct Case {
        std::shared_ptr<BoxSimulator> demoBox;
        QString port;
        std::shared_ptr<const D2xxLibrary> library;
        LinkKind kind;
    };
    const Case cases[] = {
        { box, "/dev/ttyUSB0", vendor, LinkKind::Demo },
        { nullptr, "/dev/ttyUSB0", vendor, LinkKind::SerialPath },
        { nullptr, QString(), vendor, LinkKind::Vendor },
        { nullptr, QString(), nullptr, LinkKind::SerialByProduct },
    };
    for (const Case& c : cases) {
        LinkChoice choice;
        choice.demoBox = c.demoBox;
        choice.port = c.port;
        choice.vendorLibrary = c.library;
        EXPECT_EQ(ChooseLinkKind(choice), c.kind);
        EXPECT_TRUE(MakeLink(choice));
    }
}

} // namespace
