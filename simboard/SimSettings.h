// Where the simulated board takes its settings from: environment variables read
// once when the library loads, and an optional input file watched for changes.
//
//   QORVEL_SIM_ABSENT=1          InitBoard returns 0 (no board plugged in)
//   QORVEL_SIM_INPUTS="hh x5"    initial external levels, P4 P5 P6 P7 P1 (default FF)
//   QORVEL_SIM_LATCHES="hh x5"   initial output latches (default FF)
//   QORVEL_SIM_INPUT_FILE=path   file with five hex bytes; re-read whenever it changes
//   QORVEL_SIM_LOG=path          one line per call appended to this file
#pragma once

#include "QorvelIo.h"

#include <windows.h>

#include <optional>
#include <string>

struct SimSettings {
    bool absent = false;
    std::optional<PortBank> inputs;
    std::optional<PortBank> latches;
    std::wstring inputFile;
    std::wstring logFile;

    // Malformed values are reported once on stderr and left at their defaults.
    static SimSettings FromEnvironment();
};

// Reads the input file when it has changed since the last call and returns its
// levels; nothing when it is unchanged, missing or malformed (reported once per
// change on stderr).
class InputFileWatch {
public:
    explicit InputFileWatch(std::wstring path) : path_(std::move(path)) {}
    std::optional<PortBank> Poll();

private:
    std::wstring path_;
    bool seen_ = false;
    bool existed_ = false;
    FILETIME written_{};
    ULONGLONG size_ = 0;
    bool openFailed_ = false;
};

void SimWarn(const std::string& message);
std::string Narrow(const std::wstring& text);
