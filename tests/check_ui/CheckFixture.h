// A fixture that runs the real portcheck.exe on the simulated board, drives
// its form from outside and reads the board calls from the simulator's log.
#pragma once

#include "Program.h"
#include "Printable.h"
#include "SimLog.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

inline constexpr wchar_t kCheckExe[] = L"portcheck.exe";
inline constexpr wchar_t kFormCaption[] = L"Test";
inline constexpr wchar_t kProgramTitle[] = L"portcheck";
inline constexpr DWORD kStartTimeoutMs = 15000;
inline constexpr DWORD kBoxTimeoutMs = 5000;

// In port order P4, P5, P6, P7, P1.
inline constexpr std::array<int, 5> kReadBoxes{IDC_P4R, IDC_P5R, IDC_P6R, IDC_P7R, IDC_P1R};
inline constexpr std::array<int, 5> kWriteBoxes{IDC_P4W, IDC_P5W, IDC_P6W, IDC_P7W, IDC_P1W};
using BoxTexts = std::array<std::wstring, 5>;

inline constexpr char kReadConfigure[] = "PortConfigure FFFFFFFF FFFFFFFF 00000000 00000000 00000000";

// A message box of the program as the user sees it.
struct MessageView {
    HWND window = nullptr;
    std::wstring text;
    std::vector<std::wstring> buttons;
};

class CheckTest : public ::testing::Test {
protected:
    // Starts portcheck (BinDir()\exe) with a fresh log and `extra` settings of
    // the simulated board.
    void Start(const uitest::Environment& extra = {}, const std::wstring& exe = kCheckExe);
    // Start() and wait for the form; fails the test when it does not appear.
    void StartAndWaitForForm(const uitest::Environment& extra = {});

    uitest::Program& Check() const { return *program_; }
    const uitest::SimLog& Log() const { return *log_; }
    HWND Form() const { return form_; }
    HWND Item(int id) const { return GetDlgItem(form_, id); }
    HWND Focus() const;

    BoxTexts Texts(const std::array<int, 5>& ids) const;
    void SetWriteTexts(const BoxTexts& texts) const;
    // Waits until the five read boxes show `texts`.
    bool WaitForReadTexts(const BoxTexts& texts, DWORD timeoutMs = 3000) const;

    // The program's message box (caption: the program's title), or an empty view.
    MessageView WaitForMessage(DWORD timeoutMs = kBoxTimeoutMs) const;
    // Presses the box's only button and waits until the box is gone.
    static bool Acknowledge(const MessageView& box);

    // Saves a window as <build>/screenshots/<name>.png.
    void SaveScreenshot(const std::wstring& name, HWND window) const;

    std::unique_ptr<uitest::TempFile> logFile_;
    std::optional<uitest::SimLog> log_;
    std::unique_ptr<uitest::Program> program_;
    HWND form_ = nullptr;
};

// The selection of an edit control as (start, end).
std::pair<int, int> Selection(HWND edit);
