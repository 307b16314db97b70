// A program on the simulated board under a long stream of random user actions
// while the board's input levels change every second; read its usage before
// and after to see whether anything grows.
#pragma once

#include "GrowingFile.h"
#include "ProcessUsage.h"
#include "Program.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace bench {

enum class SoakTarget { PortPanel, PortCheck };

class Soak {
public:
    // Starts the program and waits for its window; throws std::runtime_error
    // when it does not come.
    static std::unique_ptr<Soak> Start(SoakTarget target, std::uint32_t seed);
    virtual ~Soak() = default;
    Soak(const Soak&) = delete;
    Soak& operator=(const Soak&) = delete;

    // Every kind of action once, so that what a program creates on first
    // use exists before the first count.
    void WarmUp();
    // Random actions until `ms` have passed.
    void Run(DWORD ms);

    std::optional<Usage> Measure() const;
    bool Alive() const { return program_.Running(); }
    DWORD ExitCode() const { return program_.ExitCode(); }
    // PortRead calls within one second from now: 0 when polling has stopped.
    std::size_t PollsInOneSecond();
    std::uint64_t Actions() const { return actions_; }
    // Actions that did not do what they should, first ones first.
    const std::vector<std::string>& Problems() const { return problems_; }
    const std::wstring& Name() const { return name_; }

protected:
    Soak(const std::wstring& exe, const wchar_t* caption);

    // Every action in a fixed order, then one chosen at random.
    virtual std::size_t ActionCount() const = 0;
    virtual void Act(std::size_t action) = 0;

    HWND Window() const { return window_; }
    DWORD ProcessId() const { return program_.Id(); }
    HWND Item(int id) const { return GetDlgItem(window_, id); }
    std::mt19937& Random() { return random_; }
    void Problem(const std::string& text);

private:
    void ChangeInputs();

    std::wstring name_;
    uitest::TempFile inputs_;
    uitest::TempFile logPath_;
    uitest::Program program_;
    GrowingFile log_;
    HWND window_ = nullptr;
    std::mt19937 random_;
    std::uint64_t actions_ = 0;
    std::vector<std::string> problems_;
};

}  // namespace bench
