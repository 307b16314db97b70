// A fixture that runs the real portpanel.exe on the simulated board and reads
// the board calls from the simulator's log.
#pragma once

#include "Program.h"
#include "SimLog.h"
#include "PanelPins.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <optional>
#include <string>

inline constexpr wchar_t kPanelExe[] = L"portpanel.exe";
inline constexpr wchar_t kPanelCaption[] = L"Qorvel  Program II";
inline constexpr DWORD kStartTimeoutMs = 15000;

using BoxTexts = std::array<std::wstring, 5>;
// Port bytes P4, P5, P6, P7, P1.
using Levels = std::array<unsigned, 5>;

class PanelTest : public ::testing::Test {
protected:
    // Starts the panel with a fresh log and `extra` settings of the simulated board.
    void Start(const uitest::Environment& extra = {});
    // Start() and wait for the main dialog; fails the test when it does not appear.
    void StartAndWaitForPanel(const uitest::Environment& extra = {});
    HWND WaitForPanel(DWORD timeoutMs = kStartTimeoutMs) const;

    uitest::Program& Panel() const { return *panel_; }
    const uitest::SimLog& Log() const { return *log_; }
    HWND Dialog() const { return dialog_; }
    HWND Item(int id) const;

    // The five configuration boxes, P4 to P1.
    BoxTexts Boxes() const;
    void SetBoxes(const BoxTexts& texts) const;

    // Runs `step` right after a tick of the direction timer, so that it has
    // about 500 ms before the next tick rewrites the boxes; runs it again when
    // a tick came in between anyway. `step` itself calls PortConfigure
    // `ownConfigures` times. Returns the log index at which the last attempt
    // began, or nothing when every attempt overlapped a tick.
    template <typename Step>
    std::optional<std::size_t> BetweenTicks(Step step, std::size_t ownConfigures);

    // Saves a window (the panel's by default) as <build>/screenshots/<name>.png.
    void SaveScreenshot(const std::wstring& name, HWND window = nullptr) const;

    std::unique_ptr<uitest::TempFile> logFile_;
    std::unique_ptr<uitest::Program> panel_;
    std::optional<uitest::SimLog> log_;
    HWND dialog_ = nullptr;

private:
    std::size_t ConfiguresFrom(std::size_t from) const;
};

template <typename Step>
std::optional<std::size_t> PanelTest::BetweenTicks(Step step, std::size_t ownConfigures)
{
    for (int attempt = 0; attempt < 4; ++attempt) {
        const std::size_t before = Log().Size();
        const auto tick = Log().WaitFor("PortConfigure", 3000, before);
        if (!tick)
            return std::nullopt;
        const std::size_t begin = Log().Size();
        step();
        if (ConfiguresFrom(begin) == ownConfigures)
            return begin;
    }
    return std::nullopt;
}

// Hex bytes as the simulator's settings take them: "FF 00 12 03 FC".
std::string HexBytes(const Levels& bytes);
