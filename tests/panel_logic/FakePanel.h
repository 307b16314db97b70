// A recording board and window for the port logic. Board calls and window data
// exchange go into one journal, in call order; LED states are kept apart
// because every poll sets all 32 of them.
#pragma once

#include "Board.h"
#include "PanelWindow.h"
#include "PortPanelLogic.h"

#include <gtest/gtest.h>

#include <cstdarg>
#include <cwchar>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

using Journal = std::vector<std::wstring>;

inline std::wstring Line(const wchar_t* format, ...)
{
    wchar_t buffer[256];
    va_list args;
    va_start(args, format);
    std::vswprintf(buffer, sizeof buffer / sizeof buffer[0], format, args);
    va_end(args);
    return buffer;
}

class FakeBoard final : public Board {
public:
    explicit FakeBoard(Journal& journal) : journal_(journal) {}

    std::uint32_t initResult = 1;
    // What the next reads store; nothing at all when empty, as without a board.
    std::optional<PortBank> reads;

    std::uint32_t InitBoard() override
    {
        journal_.push_back(L"InitBoard");
        return initResult;
    }
    void PortConfigure(ConfigWord p4, ConfigWord p5, ConfigWord p6, ConfigWord p7,
                       ConfigWord p1) override
    {
        journal_.push_back(Line(L"PortConfigure %X %X %X %X %X", p4, p5, p6, p7, p1));
    }
    void PortRead(PortBank& bank) override
    {
        journal_.push_back(L"PortRead");
        if (reads)
            bank = *reads;
    }
    void PortWrite(std::uint8_t p4, std::uint8_t p5, std::uint8_t p6, std::uint8_t p7) override
    {
        journal_.push_back(Line(L"PortWrite %02X %02X %02X %02X", p4, p5, p6, p7));
    }
    void Port1Write(std::uint8_t level, std::uint8_t bit) override
    {
        journal_.push_back(Line(L"Port1Write %u %u", level, bit));
    }

private:
    Journal& journal_;
};

class FakeWindow final : public PanelWindow {
public:
    explicit FakeWindow(Journal& journal) : journal_(journal) {}

    // What the edit boxes show; the user types by assigning to it.
    ConfigTexts boxes{L"?", L"?", L"?", L"?", L"?"};
    std::vector<std::pair<int, bool>> ledCalls;
    std::vector<std::pair<std::wstring, std::wstring>> warnings;

    // The LEDs whose latest state is lit.
    std::set<int> LitLeds() const
    {
        std::map<int, bool> state;
        for (const auto& [id, lit] : ledCalls)
            state[id] = lit;
        std::set<int> lit;
        for (const auto& [id, on] : state)
            if (on)
                lit.insert(id);
        return lit;
    }

    void SetLedState(int ledId, bool lit) override { ledCalls.emplace_back(ledId, lit); }
    void TextsToWindow(const ConfigTexts& texts) override
    {
        boxes = texts;
        journal_.push_back(TextsLine(texts));
    }
    void TextsFromWindow(ConfigTexts& texts) override
    {
        texts = boxes;
        journal_.push_back(L"TextsFromWindow");
    }
    void ShowWarning(const std::wstring& text, const std::wstring& caption) override
    {
        warnings.emplace_back(text, caption);
        journal_.push_back(L"ShowWarning");
    }
    void StartTimer(int timerId, unsigned periodMs) override
    {
        journal_.push_back(Line(L"StartTimer %d %u", timerId, periodMs));
    }

    static std::wstring TextsLine(const ConfigTexts& texts)
    {
        std::wstring line = L"Texts";
        for (const std::wstring& text : texts)
            line += L" \"" + text + L"\"";
        return line;
    }

private:
    Journal& journal_;
};

class PanelLogicTest : public testing::Test {
protected:
    // Reads the given bytes on the next poll tick; the tick's calls are kept.
    void PollReading(const PortBank& bank)
    {
        board.reads = bank;
        logic.OnTimer(PortPanelLogic::kPollTimer);
    }
    void Forget()
    {
        journal.clear();
        window.ledCalls.clear();
    }

    Journal journal;
    FakeBoard board{journal};
    FakeWindow window{journal};
    PortPanelLogic logic{window, board};
};

inline const std::wstring kInputTexts = LR"(Texts "0000" "0000" "0000" "0000" "00")";
inline const std::wstring kOutputTexts = LR"(Texts "FFFF" "FFFF" "FFFF" "FFFF" "FC")";
inline const std::wstring kConfigureInput = L"PortConfigure 0 0 0 0 0";
inline const std::wstring kConfigureOutput = L"PortConfigure FFFF FFFF FFFF FFFF FC";
