// Reading the simulated board's call log, one line per board call:
//   "123 PortRead -> FF 00 12 03 FC"
//   "130 PortConfigure 0000FFFF 0000FFFF 0000FFFF 0000FFFF 000000FC"
//   "131 PortWrite F7 00 12 03"   "140 Port1Write 01 05"   "2 InitBoard -> 1"
#pragma once

#include "Wait.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace uitest {

struct LogLine {
    unsigned long ms = 0;
    std::string operation;
    // The numbers after the operation in order, "->" skipped; all hexadecimal
    // except InitBoard's result, which is 0 or 1 either way.
    std::vector<std::uint32_t> values;
    std::string text;

    bool Is(const char* name) const { return operation == name; }
};

// A line in the format above, or nothing.
std::optional<LogLine> ParseLogLine(const std::string& text);

// The log file of one run; every call re-reads it (complete lines only).
class SimLog {
public:
    explicit SimLog(std::wstring path) : path_(std::move(path)) {}

    const std::wstring& Path() const { return path_; }
    std::vector<LogLine> Lines() const;
    // Lines from index `from` on.
    std::vector<LogLine> LinesFrom(std::size_t from) const;
    std::size_t Size() const { return Lines().size(); }
    std::vector<LogLine> Calls(const char* operation) const;
    std::optional<LogLine> Last(const char* operation) const;

    // The index of the first line at or after `from` for which `match` holds,
    // polling until the timeout passes.
    template <typename Match>
    std::optional<std::size_t> WaitFor(Match match, DWORD timeoutMs, std::size_t from = 0) const;
    std::optional<std::size_t> WaitFor(const char* operation, DWORD timeoutMs,
                                       std::size_t from = 0) const;
    // Polls until `count` lines of `operation` exist at or after `from`.
    bool WaitForCount(const char* operation, std::size_t count, DWORD timeoutMs,
                      std::size_t from = 0) const;

    // The whole file, for failure messages.
    std::string Dump() const;

private:
    std::wstring path_;
};

template <typename Match>
std::optional<std::size_t> SimLog::WaitFor(Match match, DWORD timeoutMs, std::size_t from) const
{
    std::optional<std::size_t> found;
    WaitUntil(
        [&] {
            const std::vector<LogLine> lines = Lines();
            for (std::size_t i = from; i < lines.size(); ++i)
                if (match(lines[i])) {
                    found = i;
                    return true;
                }
            return false;
        },
        timeoutMs);
    return found;
}

}  // namespace uitest
