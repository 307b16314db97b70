#include "SimLog.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace uitest {

namespace {

std::string ReadShared(const std::wstring& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    std::string content;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        content.append(buffer, read);
    CloseHandle(file);
    return content;
}

bool ParseNumber(const std::string& token, int base, std::uint32_t& value)
{
    if (token.empty())
        return false;
    char* end = nullptr;
    const unsigned long parsed = std::strtoul(token.c_str(), &end, base);
    if (*end != '\0')
        return false;
    value = static_cast<std::uint32_t>(parsed);
    return true;
}

}  // namespace

std::optional<LogLine> ParseLogLine(const std::string& text)
{
    std::istringstream words(text);
    std::string ms;
    LogLine line;
    line.text = text;
    std::uint32_t time = 0;
    if (!(words >> ms >> line.operation) || !ParseNumber(ms, 10, time))
        return std::nullopt;
    line.ms = time;
    std::string word;
    while (words >> word) {
        if (word == "->")
            continue;
        std::uint32_t value = 0;
        if (!ParseNumber(word, 16, value))
            return std::nullopt;
        line.values.push_back(value);
    }
    return line;
}

std::vector<LogLine> SimLog::Lines() const
{
    std::vector<LogLine> lines;
    const std::string content = ReadShared(path_);
    std::size_t start = 0;
    for (std::size_t end; (end = content.find('\n', start)) != std::string::npos; start = end + 1) {
        std::string text = content.substr(start, end - start);
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
        if (auto line = ParseLogLine(text))
            lines.push_back(std::move(*line));
    }
    return lines;
}

std::vector<LogLine> SimLog::LinesFrom(std::size_t from) const
{
    std::vector<LogLine> lines = Lines();
    lines.erase(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(std::min(from, lines.size())));
    return lines;
}

std::vector<LogLine> SimLog::Calls(const char* operation) const
{
    std::vector<LogLine> calls;
    for (LogLine& line : Lines())
        if (line.Is(operation))
            calls.push_back(std::move(line));
    return calls;
}

std::optional<LogLine> SimLog::Last(const char* operation) const
{
    std::vector<LogLine> calls = Calls(operation);
    if (calls.empty())
        return std::nullopt;
    return calls.back();
}

std::optional<std::size_t> SimLog::WaitFor(const char* operation, DWORD timeoutMs,
                                           std::size_t from) const
{
    return WaitFor([operation](const LogLine& line) { return line.Is(operation); }, timeoutMs,
                   from);
}

bool SimLog::WaitForCount(const char* operation, std::size_t count, DWORD timeoutMs,
                          std::size_t from) const
{
    return WaitUntil(
        [&] {
            std::size_t found = 0;
            for (const LogLine& line : LinesFrom(from))
                found += line.Is(operation);
            return found >= count;
        },
        timeoutMs);
}

std::string SimLog::Dump() const { return ReadShared(path_); }

}  // namespace uitest
