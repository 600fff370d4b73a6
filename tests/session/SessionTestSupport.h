#pragma once

#include <Session.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

// A folder of the test's own, removed with everything in it at the end.
class CTempFolder {
public:
    // Portable to Windows, which has no mkdtemp: a random name, created
    // only when no folder of that name exists yet.
    CTempFolder()
    {
        std::random_device random;
        for (int attempt = 0; attempt < 100 && path.empty(); ++attempt) {
            const std::filesystem::path candidate = std::filesystem::temp_directory_path()
                / ("ramvik-session-" + std::to_string(random()));
            std::error_code error;
            if (std::filesystem::create_directory(candidate, error))
                path = candidate;
        }
    }
    ~CTempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    std::string File(const std::string& name) const { return (path / name).string(); }

    std::filesystem::path path;
};

// Takes a transfer's reports and drops them: the tests look at the outcome
// and at what the session holds afterwards.
class CSilentObserver : public CTransferObserver {
public:
    void Progress(int) override { }
    void Message(const UserText&) override { }
    void EnableClose() override { }
    void CloseDialog() override { }
    void Finished(TransferOutcome) override { }
};

// A whole transfer on this thread, as ramvik-cli runs it.
inline TransferOutcome RunJob(CTransferJob& job)
{
    CSilentObserver observer;
    const TransferOutcome outcome = job.Run(observer);
    job.Finish();
    return outcome;
}
