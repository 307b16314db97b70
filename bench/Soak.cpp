#include "Soak.h"

#include "CheckSoak.h"
#include "PanelSoak.h"
#include "WindowAccess.h"

#include <cstdio>
#include <stdexcept>

namespace bench {

namespace {

constexpr DWORD kStartTimeoutMs = 15000;
constexpr DWORD kInputPeriodMs = 1000;
constexpr std::size_t kKeptProblems = 10;

std::string RandomLevels(std::mt19937& random)
{
    std::string levels;
    for (int port = 0; port < 5; ++port) {
        char text[4];
        std::snprintf(text, sizeof text, "%02X ", static_cast<unsigned>(random() & 0xFF));
        levels += text;
    }
    levels.back() = '\n';
    return levels;
}

// The inputs start as a board with nothing connected.
uitest::Environment Settings(const uitest::TempFile& inputs, const uitest::TempFile& log)
{
    inputs.Write("FF FF FF FF FF\n");
    return {{L"QORVEL_SIM_INPUT_FILE", inputs.Path()}, {L"QORVEL_SIM_LOG", log.Path()}};
}

std::size_t Count(const std::string& text, const char* word)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1))
        ++count;
    return count;
}

}  // namespace

std::unique_ptr<Soak> Soak::Start(SoakTarget target, std::uint32_t seed)
{
    std::unique_ptr<Soak> soak;
    if (target == SoakTarget::PortPanel)
        soak = std::make_unique<PanelSoak>();
    else
        soak = std::make_unique<CheckSoak>();
    soak->random_.seed(seed);
    return soak;
}

Soak::Soak(const std::wstring& exe, const wchar_t* caption)
    : name_(exe.substr(0, exe.find(L'.'))),
      inputs_(L"sin"),
      logPath_(L"slg"),
      program_(exe, Settings(inputs_, logPath_)),
      log_(logPath_.Path())
{
    window_ = uitest::WaitForTopWindow(program_.Id(), nullptr, caption, kStartTimeoutMs);
    if (!window_)
        throw std::runtime_error("the window of the program did not appear");
}

void Soak::WarmUp()
{
    for (std::size_t action = 0; action < ActionCount(); ++action) {
        Act(action);
        ++actions_;
    }
    // Once the probe is loaded its own first use is behind us too.
    Measure();
}

void Soak::Run(DWORD ms)
{
    const ULONGLONG end = GetTickCount64() + ms;
    ULONGLONG nextInputs = 0;
    for (ULONGLONG now; (now = GetTickCount64()) < end && Alive();) {
        if (now >= nextInputs) {
            ChangeInputs();
            nextInputs = now + kInputPeriodMs;
        }
        Act(random_() % ActionCount());
        ++actions_;
        Sleep(5 + random_() % 40);
    }
}

std::optional<Usage> Soak::Measure() const
{
    return UsageOf(program_.Handle(), window_);
}

std::size_t Soak::PollsInOneSecond()
{
    const std::uint64_t from = log_.Size();
    Sleep(1000);
    return Count(log_.From(from), " PortRead ");
}

void Soak::Problem(const std::string& text)
{
    if (problems_.size() < kKeptProblems)
        problems_.push_back(text);
}

void Soak::ChangeInputs()
{
    inputs_.Write(RandomLevels(random_));
}

}  // namespace bench
