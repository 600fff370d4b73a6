// The vendor-library link through the stand-in library (tests/fakeftd2xx).
#include "BoxTestSupport.h"

#include <D2xxLibrary.h>
#include <D2xxLink.h>
#include <Protocol.h>

#include <QLibrary>

namespace {

// The stand-in library's own controls, looked up in the loaded copy.
struct FakeVendorLibrary {
    template <typename Fn> Fn Get(const char* name)
    {
        auto fn = reinterpret_cast<Fn>(library.resolve(name));
        EXPECT_NE(fn, nullptr) << name;
        return fn;
    }
    QLibrary library { QStringLiteral(FAKE_FTD2XX_FULL) };
    void (*Reset)(int) = Get<void (*)(int)>("FakeFt_Reset");
    int (*AddFault)(const char*) = Get<int (*)(const char*)>("FakeFt_AddFault");
    void (*SetPresent)(int) = Get<void (*)(int)>("FakeFt_SetPresent");
    int (*IsOpen)() = Get<int (*)()>("FakeFt_IsOpen");
    int (*LatencyMs)() = Get<int (*)()>("FakeFt_LatencyMs");
    int (*LowestLatencyMs)() = Get<int (*)()>("FakeFt_LowestLatencyMs");
};

TEST(CD2xxLibrary, StartUpCheckMessages)
{
    const QString missing = QStringLiteral("/nonexistent/libftd2xx.so");
    struct Case {
        QString file;
        bool serialLinkServes;
        QString message;
        bool bound;
    } cases[] = {
        { missing, true, QString(), false }, // Linux, macOS: the serial port serves
        { missing, false, "Error: Can't Load " + missing, false },
        { FAKE_FTD2XX_PARTIAL, true, "Error: Can't Find FT_ResetDevice", false },
        { FAKE_FTD2XX_FULL, true, QString(), true },
    };
    for (const Case& c : cases) {
        CD2xxLibrary::Binding binding = CD2xxLibrary::Bind(c.file, c.serialLinkServes);
        EXPECT_EQ(QString::fromStdString(binding.message.English()), c.message)
            << c.file.toStdString();
        EXPECT_EQ(binding.library != nullptr, c.bound) << c.file.toStdString();
    }
}

TEST(CD2xxLink, WritesReadsAndEndsConverterFaultsThroughTheVendorLibrary)
{
    FakeVendorLibrary fake;
    auto library = CD2xxLibrary::Bind(FAKE_FTD2XX_FULL, true).library;
    ASSERT_TRUE(library);
    auto link = [&] { return std::make_unique<CD2xxLink>(library); };
    // a verified write carries both directions: every cell out, the data
    // cells back
    fake.Reset(132);
    RecordingObserver writing;
    EXPECT_EQ(
        RunTransfer(false, ProjectState(), link(), writing).first, TransferOutcome::Completed);
    // the latency timer was lowered for the transfer and put back
    EXPECT_EQ(fake.LowestLatencyMs(), CD2xxLink::kTransferLatencyMs);
    EXPECT_EQ(fake.LatencyMs(), 16);
    EXPECT_EQ(fake.IsOpen(), 0);
    for (const char* fault : { "absent", "hangup@300" }) { // no converter; the box goes away
        SCOPED_TRACE(fault);
        fake.Reset(132);
        fake.SetPresent(std::string(fault) != "absent");
        fake.AddFault(fault);
        RecordingObserver observer;
        const bool absent = std::string(fault) == "absent";
        EXPECT_EQ(RunTransfer(false, ProjectState(), link(), observer).first,
            absent ? TransferOutcome::NotOpened : TransferOutcome::DataFailed);
        EXPECT_EQ(observer.messages,
            std::vector<std::string> {
                (absent ? kNoDeviceMessage : kCheckConnectionMessage).English() });
        EXPECT_EQ(observer.progress, absent ? -1 : 299);
        EXPECT_EQ(fake.IsOpen(), 0);
        EXPECT_EQ(fake.LatencyMs(), 16);
    }
}

} // namespace
