#include "D2xxLibrary.h"

#include <QFile>
#include <QLibrary>

QString CD2xxLibrary::DefaultFileName()
{
#ifdef _WIN32
    return QStringLiteral("Ftd2xx.dll");
#elif defined(__APPLE__)
    return QStringLiteral("libftd2xx.dylib");
#else
    return QStringLiteral("libftd2xx.so");
#endif
}

bool CD2xxLibrary::SerialLinkServes()
{
#if defined(__linux__) || defined(__APPLE__)
    return true;
#else
    return false;
#endif
}

namespace {

// Looks one function up; false when it is missing.
template <typename Fn> bool Resolve(QLibrary& library, const char* name, Fn& target)
{
    target = reinterpret_cast<Fn>(library.resolve(name));
    return target != nullptr;
}

} // namespace

CD2xxLibrary::Binding CD2xxLibrary::Bind(const QString& fileName, bool serialLinkServes)
{
    Binding binding;
    // Never unloaded: the functions stay valid for the whole run.
    QLibrary library(fileName);
    if (!library.load()) {
        if (!serialLinkServes)
            binding.message = RAMVIK_TR("D2xxLibrary", "Error: Can't Load %1")
                                  .Arg(QFile::encodeName(fileName).toStdString());
        return binding;
    }

    std::shared_ptr<CD2xxLibrary> bound(new CD2xxLibrary);
    Functions& f = bound->functions;
    const char* missing = nullptr;
    auto need = [&](const char* name, auto& target) {
        if (missing == nullptr && !Resolve(library, name, target))
            missing = name;
    };
    need("FT_Write", f.write);
    need("FT_Read", f.read);
    need("FT_Open", f.open);
    need("FT_OpenEx", f.openEx);
    need("FT_ListDevices", f.listDevices);
    need("FT_Close", f.close);
    need("FT_ResetDevice", f.resetDevice);
    need("FT_Purge", f.purge);
    need("FT_SetTimeouts", f.setTimeouts);
    need("FT_GetQueueStatus", f.getQueueStatus);
    need("FT_SetBaudRate", f.setBaudRate);
    need("FT_SetDataCharacteristics", f.setDataCharacteristics);
    need("FT_SetFlowControl", f.setFlowControl);
    need("FT_SetDtr", f.setDtr);
    need("FT_ClrDtr", f.clrDtr);
    if (missing != nullptr) {
        binding.message = RAMVIK_TR("D2xxLibrary", "Error: Can't Find %1").Arg(missing);
        return binding;
    }
    Resolve(library, "FT_SetLatencyTimer", f.setLatencyTimer);
    Resolve(library, "FT_GetLatencyTimer", f.getLatencyTimer);
    binding.library = std::move(bound);
    return binding;
}
