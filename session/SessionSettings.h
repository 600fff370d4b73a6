#pragma once

#include <optional>
#include <string>
#include <vector>

// The settings remembered between runs, as the window's settings store hands
// them over: "RootPath" (the installation folder, written by the installer)
// and "USB" (the settings code). The store itself is the window's; what the
// values mean is decided here.

extern const char* const kKeysNotFoundMessage;
extern const char* const kKeyNotFoundMessage;

// What the store holds at start-up; a missing value is nullopt.
struct StoredSettings {
    bool keyExists = false;
    std::optional<std::string> rootPath;
    std::optional<std::string> code;
};

// What start-up makes of them.
struct LoadedSettings {
    // The messages to show, in order; start-up goes on after each.
    std::vector<std::string> messages;
    // The logo's folder: the root path as stored.
    std::string logoFolder;
};

// The root path with a separator at its end, so "Projects" can follow it
// directly; a hand-written value without one still works. Empty stays empty.
std::string WithFolderSeparator(const std::string& path);
