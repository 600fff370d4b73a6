#include "FileWriter.h"
#include "SystemFiles.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <vector>

namespace system_files {

const char* const kPathSeparators = "/\\";

namespace {

// WriteFile takes at most a DWORD of bytes per call.
constexpr std::size_t kMaxWriteCall = 1u << 30;

std::string Narrow(const std::wstring& wide)
{
    if (wide.empty())
        return {};
    const int size = WideCharToMultiByte(
        CP_UTF8, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string text(std::size_t(std::max(size, 0)), '\0');
    WideCharToMultiByte(
        CP_UTF8, 0, wide.data(), int(wide.size()), text.data(), size, nullptr, nullptr);
    return text;
}

std::string Reason(DWORD number)
{
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, number, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text(buffer ? buffer : L"", length);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r'))
        text.pop_back();
    return text.empty() ? "System error " + std::to_string(number) : Narrow(text);
}

std::string LastReason()
{
    return Reason(GetLastError());
}

// Paths come as UTF-8; a path that is not UTF-8 names no file.
bool Wide(const std::string& path, std::wstring& wide, std::string& error)
{
    const int size = MultiByteToWideChar(
        CP_UTF8, MB_ERR_INVALID_CHARS, path.data(), int(path.size()), nullptr, 0);
    if (size <= 0 && !path.empty()) {
        error = Reason(ERROR_NO_UNICODE_TRANSLATION);
        return false;
    }
    wide.assign(std::size_t(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, path.data(), int(path.size()), wide.data(), size);
    return true;
}

class Handle {
public:
    explicit Handle(HANDLE handle)
        : handle_(handle)
    {
    }
    ~Handle()
    {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    bool Close(std::string& error)
    {
        const HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        if (CloseHandle(handle))
            return true;
        error = LastReason();
        return false;
    }

private:
    HANDLE handle_;
};

// Removes the temporary file unless the replace took it.
class CTemporaryFile {
public:
    explicit CTemporaryFile(const std::wstring& path)
        : path_(path)
    {
    }
    ~CTemporaryFile()
    {
        if (!kept_)
            DeleteFileW(path_.c_str());
    }
    CTemporaryFile(const CTemporaryFile&) = delete;
    CTemporaryFile& operator=(const CTemporaryFile&) = delete;
    void Keep() { kept_ = true; }

private:
    std::wstring path_;
    bool kept_ = false;
};

bool WriteAll(HANDLE handle, std::string_view bytes, std::string& error)
{
    while (!bytes.empty()) {
        const DWORD wanted = DWORD(std::min(bytes.size(), kMaxWriteCall));
        DWORD written = 0;
        if (!WriteFile(handle, bytes.data(), wanted, &written, nullptr) || written == 0) {
            error = LastReason();
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

bool FlushToDisk(HANDLE handle, std::string& error)
{
    if (FlushFileBuffers(handle))
        return true;
    error = LastReason();
    return false;
}

HANDLE OpenForWriting(const std::wstring& path, DWORD creation)
{
    return CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, creation,
        FILE_ATTRIBUTE_NORMAL, nullptr);
}

// INVALID_HANDLE_VALUE with the reason in error when it cannot be opened.
HANDLE OpenExisting(const std::string& path, std::string& error)
{
    std::wstring wide;
    if (!Wide(path, wide, error))
        return INVALID_HANDLE_VALUE;
    const HANDLE handle = OpenForWriting(wide, OPEN_EXISTING);
    if (handle == INVALID_HANDLE_VALUE)
        error = LastReason();
    return handle;
}

} // namespace

bool FindTarget(const std::string& path, FileTarget& target, std::string& error)
{
    std::wstring wide;
    if (!Wide(path, wide, error))
        return false;
    // Opening follows symbolic links and junctions to the final file.
    Handle file(CreateFileW(wide.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.IsOpen()) {
        const DWORD number = GetLastError();
        if (number != ERROR_FILE_NOT_FOUND) {
            error = Reason(number);
            return false;
        }
        target = { path, TargetKind::Missing };
        return true;
    }
    const DWORD type = GetFileType(file.Get());
    if (type == FILE_TYPE_CHAR || type == FILE_TYPE_PIPE) {
        target = { path, TargetKind::Stream };
        return true;
    }
    BY_HANDLE_FILE_INFORMATION information {};
    if (type != FILE_TYPE_DISK || !GetFileInformationByHandle(file.Get(), &information)) {
        error = "Not a regular file, character device or pipe.";
        return false;
    }
    if (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        error = Reason(ERROR_DIRECTORY);
        return false;
    }
    if (information.dwFileAttributes & FILE_ATTRIBUTE_READONLY) {
        error = kReadOnlyFileReason;
        return false;
    }
    std::vector<wchar_t> finalPath(MAX_PATH);
    DWORD length = GetFinalPathNameByHandleW(
        file.Get(), finalPath.data(), DWORD(finalPath.size()), FILE_NAME_NORMALIZED);
    if (length >= finalPath.size()) {
        finalPath.resize(length + 1);
        length = GetFinalPathNameByHandleW(
            file.Get(), finalPath.data(), DWORD(finalPath.size()), FILE_NAME_NORMALIZED);
    }
    if (length == 0 || length >= finalPath.size()) {
        error = LastReason();
        return false;
    }
    target = { Narrow(std::wstring(finalPath.data(), length)), TargetKind::Regular };
    return true;
}

bool WriteStandardOutput(std::string_view bytes, std::string& error)
{
    return WriteAll(GetStdHandle(STD_OUTPUT_HANDLE), bytes, error);
}

bool WriteIntoStream(const std::string& path, std::string_view bytes, std::string& error)
{
    Handle file(OpenExisting(path, error));
    return file.IsOpen() && WriteAll(file.Get(), bytes, error) && file.Close(error);
}

bool WriteInPlace(const std::string& path, std::string_view bytes, std::string& error)
{
    Handle file(OpenExisting(path, error));
    if (!file.IsOpen())
        return false;
    // A full disk shows here, before the old content is touched.
    FILE_ALLOCATION_INFO allocation {};
    allocation.AllocationSize.QuadPart = LONGLONG(bytes.size());
    if (!SetFileInformationByHandle(
            file.Get(), FileAllocationInfo, &allocation, sizeof allocation)) {
        error = LastReason();
        return false;
    }
    if (!WriteAll(file.Get(), bytes, error))
        return false;
    if (!SetEndOfFile(file.Get())) {
        error = LastReason();
        return false;
    }
    return FlushToDisk(file.Get(), error) && file.Close(error);
}

TemporaryOutcome ReplaceThroughTemporary(const FileTarget& target, const std::string& temporaryPath,
    std::string_view bytes, std::string& error)
{
    std::wstring wideTarget;
    std::wstring wideTemporary;
    if (!Wide(target.path, wideTarget, error) || !Wide(temporaryPath, wideTemporary, error))
        return TemporaryOutcome::Failed;
    Handle file(OpenForWriting(wideTemporary, CREATE_NEW));
    if (!file.IsOpen()) {
        const DWORD number = GetLastError();
        error = Reason(number);
        if (number == ERROR_FILE_EXISTS || number == ERROR_ALREADY_EXISTS)
            return TemporaryOutcome::NameTaken;
        if (number == ERROR_ACCESS_DENIED)
            return TemporaryOutcome::FolderDenied;
        return TemporaryOutcome::Failed;
    }
    CTemporaryFile temporary(wideTemporary);
    if (!WriteAll(file.Get(), bytes, error) || !FlushToDisk(file.Get(), error)
        || !file.Close(error))
        return TemporaryOutcome::Failed;
    // ReplaceFileW keeps the old file's attributes and access rights.
    const bool moved = target.kind == TargetKind::Regular
        ? ReplaceFileW(wideTarget.c_str(), wideTemporary.c_str(), nullptr,
            REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
        : MoveFileExW(wideTemporary.c_str(), wideTarget.c_str(), MOVEFILE_WRITE_THROUGH);
    if (!moved) {
        error = LastReason();
        return TemporaryOutcome::Failed;
    }
    temporary.Keep();
    return TemporaryOutcome::Replaced;
}

} // namespace system_files
