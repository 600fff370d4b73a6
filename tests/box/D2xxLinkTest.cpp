#include "LinkTestSupport.h"
#include "TransferDoubles.h"

#include <D2xxLibrary.h>
#include <D2xxLink.h>
#include <LinkFactory.h>
#include <Protocol.h>

#include <QLibrary>

#include <gtest/gtest.h>

namespace {

// The stand-in vendor library's own controls, looked up in the loaded copy.
struct FakeVendorLibrary {
    FakeVendorLibrary()
        : library(QStringLiteral(FAKE_FTD2XX_FULL))
    {
        Reset = Get<void (*)(int)>("FakeFt_Reset");
        AddFault = Get<int (*)(const char*)>("FakeFt_AddFault");
        SetPresent = Get<void (*)(int)>("FakeFt_SetPresent");
        Cell = Get<int (*)(int)>("FakeFt_Cell");
        IsOpen = Get<int (*)()>("FakeFt_IsOpen");
        LatencyMs = Get<int (*)()>("FakeFt_LatencyMs");
        LowestLatencyMs = Get<int (*)()>("FakeFt_LowestLatencyMs");
    }
    template <typename Fn> Fn Get(const char* name)
    {
        auto fn = reinterpret_cast<Fn>(library.resolve(name));
        EXPECT_NE(fn, nullptr) << name;
        return fn;
    }

    QLibrary library;
    void (*Reset)(int) = nullptr;
    int (*AddFault)(const char*) = nullptr;
    void (*SetPresent)(int) = nullptr;
    int (*Cell)(int) = nullptr;
    int (*IsOpen)() = nullptr;
    int (*LatencyMs)() = nullptr;
    int (*LowestLatencyMs)() = nullptr;
};

std::shared_ptr<const D2xxLibrary> BindFake()
{
    D2xxLibrary::Binding binding = D2xxLibrary::Bind(QStringLiteral(FAKE_FTD2XX_FULL), true);
    EXPECT_TRUE(binding.message.isEmpty()) << binding.message.toStdString();
    return binding.library;
}

TEST(D2xxLibrary, StartUpCheckMessages)
{
    const QString missing = QStringLiteral("/nonexistent/libftd2xx.so");
    struct Case {
        QString file;
        bool serialLinkServes;
        QString message;
        bool bound;
    };
    const Case cases[] = {
        { missing, true, QString(), false }, // Linux, macOS: the serial port serves
        { missing, false, "Error: Can't Load " + missing, false },
        { FAKE_FTD2XX_PARTIAL, true, "Error: Can't Find FT_ResetDevice", false },
        { FAKE_FTD2XX_PARTIAL, false, "Error: Can't Find FT_ResetDevice", false },
        { FAKE_FTD2XX_FULL, true, QString(), true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        D2xxLibrary::Binding binding = D2xxLibrary::Bind(c.file, c.serialLinkServes);
        EXPECT_EQ(binding.message, c.message);
        EXPECT_EQ(binding.library != nullptr, c.bound);
    }
}

TEST(D2xxLink, WritesAndReadsAProjectThroughTheVendorLibrary)
{
    FakeVendorLibrary fake;
    auto library = BindFake();
    ASSERT_TRUE(library);
    std::mt19937 random(5);
    for (int boxType : { 0, 1, 2 }) {
        SCOPED_TRACE(boxType);
        fake.Reset(boxType == 2 ? 213 : 132);
        ProjectState project;
        linktest::RandomBoxProject(project, boxType, random);

        RecordingObserver writing;
        WriteTransfer write(project, std::make_unique<D2xxLink>(library), writing, NoWait);
        ASSERT_EQ(write.Run(), TransferOutcome::Completed)
            << ::testing::PrintToString(writing.messages);
        EXPECT_EQ(writing.progress, 767);
        EXPECT_EQ(fake.Cell(252), static_cast<int>(write.Table()[252]));
        // The latency timer was lowered for the transfer and put back.
        EXPECT_EQ(fake.LowestLatencyMs(), D2xxLink::kTransferLatencyMs);
        EXPECT_EQ(fake.LatencyMs(), 16);
        EXPECT_EQ(fake.IsOpen(), 0);

        ProjectState current;
        RecordingObserver reading;
        ReadTransfer read(current, std::make_unique<D2xxLink>(library), reading, NoWait);
        ASSERT_EQ(read.Run(), TransferOutcome::Completed);
        auto back = read.TakeProject();
        ASSERT_TRUE(back);
        linktest::ExpectReadBack(*back, project);
        EXPECT_EQ(fake.IsOpen(), 0);
    }
}

TEST(D2xxLink, ConverterFaultsEndWithTheirMessage)
{
    FakeVendorLibrary fake;
    auto library = BindFake();
    ASSERT_TRUE(library);
    struct Case {
        const char* fault; // a box fault, or "absent" for no converter
        const char* message;
        TransferOutcome outcome;
    };
    const Case cases[] = {
        { "absent", kNoDeviceMessage, TransferOutcome::NotOpened },
        { "hangup@255", kCheckConnectionMessage, TransferOutcome::HandshakeFailed },
        { "short@0", kCheckConnectionMessage, TransferOutcome::HandshakeFailed },
        { "hangup@300", kCheckConnectionMessage, TransferOutcome::DataFailed },
        { "silent@766", kCheckConnectionMessage, TransferOutcome::DataFailed },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        fake.Reset(132);
        if (std::string(c.fault) == "absent")
            fake.SetPresent(0);
        else
            ASSERT_TRUE(fake.AddFault(c.fault));
        ProjectState project;
        RecordingObserver observer;
        WriteTransfer write(project, std::make_unique<D2xxLink>(library), observer, NoWait);
        EXPECT_EQ(write.Run(), c.outcome);
        EXPECT_EQ(observer.messages, std::vector<std::string> { c.message });
        EXPECT_EQ(observer.finishedCalls, 1);
        EXPECT_EQ(fake.IsOpen(), 0);
        EXPECT_EQ(fake.LatencyMs(), 16);
    }
}

TEST(D2xxLink, TheChosenVendorLinkHandsOverToTheSerialPortWhenItFindsNoConverter)
{
    FakeVendorLibrary fake;
    LinkChoice choice;
    choice.vendorLibrary = BindFake();
    ASSERT_EQ(ChooseLinkKind(choice), LinkKind::Vendor);

    fake.Reset(132);
    std::unique_ptr<Link> link = MakeLink(choice);
    ASSERT_TRUE(link->Open());
    EXPECT_EQ(fake.IsOpen(), 1); // through the vendor library
    link->Close();
    EXPECT_EQ(fake.IsOpen(), 0);

    // The kernel's driver holds the converter: the vendor library fails and
    // the serial port by product string is tried (on a machine without such
    // a converter it finds none either).
    fake.SetPresent(0);
    link = MakeLink(choice);
    link->Open();
    EXPECT_EQ(fake.IsOpen(), 0);
    link->Close();
}

} // namespace
