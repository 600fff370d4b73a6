#pragma once

#include <UserText.h>

#include <optional>
#include <string>
#include <vector>

// The settings remembered between runs, as the window's settings store hands
// them over: "RootPath" (the installation folder, written by the installer)
// and "USB" (the settings code). The store itself is the window's; what the
// values mean is decided here.

// What start-up says when the settings store is missing ("Register Keys not
// found!..."), or one value of it ("A register key was not found!...").
UserText KeysNotFoundMessage();
UserText KeyNotFoundMessage();

// What the store holds at start-up; a missing value is nullopt.
struct StoredSettings {
    bool keyExists = false;
    std::optional<std::string> rootPath;
    std::optional<std::string> code;
};

// What start-up makes of them.
struct LoadedSettings {
    // The messages to show, in order; start-up goes on after each.
    std::vector<UserText> messages;
    // The logo's folder: the root path as stored.
    std::string logoFolder;
};

// The root path with a separator at its end, so "Projects" can follow it
// directly; a hand-written value without one still works. Empty stays empty.
std::string WithFolderSeparator(const std::string& path);
