#include "FileWriter.h"

#include "SystemFiles.h"

#include <random>

using namespace system_files;

const char* const kReadOnlyFileReason = "The file is read-only.";

namespace {

// Tries before giving up on finding a free temporary name: with 16 random
// characters a clash means someone else fills the folder on purpose.
constexpr int kTemporaryNameTries = 100;

// A hidden name no one can guess in advance (so no one can plant a link
// under it), short enough beside a name of the system's longest length.
std::string UnpredictableName()
{
    static const char kCharacters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device source;
    std::uniform_int_distribution<int> pick(0, sizeof kCharacters - 2);
    std::string name = ".ramvik-";
    for (int i = 0; i < 16; ++i)
        name += kCharacters[pick(source)];
    return name + ".tmp";
}

std::string TemporaryPathBeside(const std::string& path)
{
    const std::size_t end = path.find_last_of(kPathSeparators);
    const std::string folder = end == std::string::npos ? std::string() : path.substr(0, end + 1);
    return folder + UnpredictableName();
}

} // namespace

bool WriteFileSafely(const std::string& path, std::string_view bytes, std::string& error)
{
    if (path == "-")
        return WriteStandardOutput(bytes, error);
    FileTarget target;
    if (!FindTarget(path, target, error))
        return false;
    if (target.kind == TargetKind::Stream)
        return WriteIntoStream(target.path, bytes, error);

    for (int attempt = 0; attempt < kTemporaryNameTries; ++attempt) {
        const TemporaryOutcome outcome
            = ReplaceThroughTemporary(target, TemporaryPathBeside(target.path), bytes, error);
        if (outcome == TemporaryOutcome::NameTaken)
            continue;
        // The folder is closed to the user but the file is not: its owner
        // meant it to be edited, so it is written where it is.
        if (outcome == TemporaryOutcome::FolderDenied && target.kind == TargetKind::Regular)
            return WriteInPlace(target.path, bytes, error);
        return outcome == TemporaryOutcome::Replaced;
    }
    error = "No free name for a temporary file.";
    return false;
}
