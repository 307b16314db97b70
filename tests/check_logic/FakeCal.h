// A recording board and form for the check procedures. Board calls and the
// form's timer, messages, focus and end go into one journal in call order;
// the boxes' texts are kept apart.
#pragma once

#include "BoardOps.h"
#include "CalWindow.h"
#include "Printable.h"

#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

using Journal = std::vector<std::string>;

inline std::string Hex(unsigned value, int digits)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*X", digits, value);
    return buffer;
}

class FakeBoard final : public BoardOps {
public:
    explicit FakeBoard(Journal& journal) : journal_(journal) {}

    std::uint32_t found = 1;
    // What reads store; nothing at all when empty, as without a board.
    std::optional<PortBank> levels;
    // The operation that cannot be bound ("" for none).
    std::string missing;

    bool InitBoard(std::uint32_t& result) override
    {
        if (Missing("InitBoard"))
            return false;
        journal_.push_back("InitBoard");
        result = found;
        return true;
    }
    bool PortConfigure(ConfigWord p4, ConfigWord p5, ConfigWord p6, ConfigWord p7,
                       ConfigWord p1) override
    {
        if (Missing("PortConfigure"))
            return false;
        journal_.push_back("PortConfigure " + Hex(p4, 8) + ' ' + Hex(p5, 8) + ' ' + Hex(p6, 8) +
                           ' ' + Hex(p7, 8) + ' ' + Hex(p1, 8));
        return true;
    }
    bool PortRead(PortBank& bank) override
    {
        if (Missing("PortRead"))
            return false;
        journal_.push_back("PortRead");
        if (levels)
            bank = *levels;
        return true;
    }
    bool PortWrite(std::uint8_t p4, std::uint8_t p5, std::uint8_t p6, std::uint8_t p7) override
    {
        if (Missing("PortWrite"))
            return false;
        journal_.push_back("PortWrite " + Hex(p4, 2) + ' ' + Hex(p5, 2) + ' ' + Hex(p6, 2) + ' ' +
                           Hex(p7, 2));
        return true;
    }
    bool Port1Write(std::uint8_t level, std::uint8_t bit) override
    {
        if (Missing("Port1Write"))
            return false;
        journal_.push_back("Port1Write " + Hex(level, 2) + ' ' + Hex(bit, 2));
        return true;
    }
    std::wstring Error() const override { return L"QorvelIo.dll has no operation X."; }

private:
    bool Missing(const std::string& operation) const { return operation == missing; }

    Journal& journal_;
};

struct Message {
    std::wstring text;
    Notice notice;
};

class FakeCal final : public CalWindow {
public:
    explicit FakeCal(Journal& journal) : journal_(journal) {}

    // Indexed by PortId; the user types by assigning to writeBoxes.
    std::array<std::wstring, kPortCount> readBoxes{L"Text1", L"Text1", L"Text1", L"Text1", L"Text1"};
    std::array<std::wstring, kPortCount> writeBoxes{L"Text1", L"Text1", L"Text1", L"Text1", L"Text1"};
    std::vector<Message> messages;

    void SetReadText(PortId port, const std::wstring& text) override
    {
        readBoxes[static_cast<int>(port)] = text;
    }
    std::wstring WriteText(PortId port) const override { return writeBoxes[static_cast<int>(port)]; }
    void SetWriteText(PortId port, const std::wstring& text) override
    {
        writeBoxes[static_cast<int>(port)] = text;
    }
    void SelectWriteBox(PortId port) override
    {
        journal_.push_back("SelectWriteBox " + std::to_string(static_cast<int>(port)));
    }
    void ShowMessage(const std::wstring& text, Notice notice) override
    {
        messages.push_back({text, notice});
        journal_.push_back("ShowMessage");
    }
    void StopTimer() override { journal_.push_back("StopTimer"); }
    void EndProgram(int exitCode) override { journal_.push_back("EndProgram " + std::to_string(exitCode)); }

private:
    Journal& journal_;
};
