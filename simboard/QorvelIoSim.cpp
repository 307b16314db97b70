// The exported operations of the simulated QorvelIo.dll: each one drives the
// pin model and appends its line to the call log.
#include "CallLog.h"
#include "SimBoard.h"
#include "SimSettings.h"

#include <chrono>

namespace {

class Simulator {
public:
    Simulator()
        : started_(std::chrono::steady_clock::now()),
          settings_(SimSettings::FromEnvironment()),
          board_(settings_.inputs.value_or(SimBoard::Filled(0xFF)),
                 settings_.latches.value_or(SimBoard::Filled(0xFF))),
          inputFile_(settings_.inputFile)
    {
        if (!settings_.logFile.empty()) {
            log_ = CreateFileW(settings_.logFile.c_str(), FILE_APPEND_DATA,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
            if (log_ == INVALID_HANDLE_VALUE)
                SimWarn("cannot write the log file " + Narrow(settings_.logFile));
        }
        if (!settings_.inputFile.empty())
            RefreshInputs();
    }
    ~Simulator()
    {
        if (log_ != INVALID_HANDLE_VALUE)
            CloseHandle(log_);
    }
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    unsigned long Milliseconds() const
    {
        using namespace std::chrono;
        return static_cast<unsigned long>(
            duration_cast<milliseconds>(steady_clock::now() - started_).count());
    }

    // Unbuffered appends: a reader sees each line as soon as the call returns.
    void Log(const std::string& line)
    {
        if (log_ == INVALID_HANDLE_VALUE)
            return;
        DWORD written = 0;
        WriteFile(log_, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    }

    void RefreshInputs()
    {
        if (const auto levels = inputFile_.Poll())
            board_.SetInputs(*levels);
    }

    bool Absent() const { return settings_.absent; }
    SimBoard& Board() { return board_; }
    bool WatchesInputFile() const { return !settings_.inputFile.empty(); }

private:
    std::chrono::steady_clock::time_point started_;
    SimSettings settings_;
    SimBoard board_;
    InputFileWatch inputFile_;
    HANDLE log_ = INVALID_HANDLE_VALUE;
};

Simulator& Sim()
{
    static Simulator simulator;
    return simulator;
}

// Creates the simulator when the library loads, so that log times count from then.
const bool kCreatedAtLoad = (Sim(), true);

}  // namespace

extern "C" {

std::uint32_t __stdcall InitBoard(void)
{
    const std::uint32_t found = Sim().Absent() ? 0 : 1;
    Sim().Log(CallLog::InitBoard(Sim().Milliseconds(), found));
    return found;
}

void __stdcall PortConfigure(ConfigWord p4, ConfigWord p5, ConfigWord p6, ConfigWord p7, ConfigWord p1)
{
    Sim().Board().Configure({p4, p5, p6, p7, p1});
    Sim().Log(CallLog::PortConfigure(Sim().Milliseconds(), {p4, p5, p6, p7, p1}));
}

void __stdcall PortRead(std::uint8_t* p4, std::uint8_t* p5, std::uint8_t* p6, std::uint8_t* p7,
                        std::uint8_t* p1)
{
    if (Sim().WatchesInputFile())
        Sim().RefreshInputs();
    const PortBank levels = Sim().Board().Read();
    std::uint8_t* targets[] = {p4, p5, p6, p7, p1};
    for (int port = 0; port < kPortCount; ++port)
        if (targets[port])
            *targets[port] = levels[port];
    Sim().Log(CallLog::PortRead(Sim().Milliseconds(), levels));
}

void __stdcall PortWrite(std::uint8_t p4, std::uint8_t p5, std::uint8_t p6, std::uint8_t p7)
{
    Sim().Board().Write(p4, p5, p6, p7);
    Sim().Log(CallLog::PortWrite(Sim().Milliseconds(), p4, p5, p6, p7));
}

void __stdcall Port1Write(std::uint8_t level, std::uint8_t bit)
{
    Sim().Board().WritePort1Bit(level, bit);
    Sim().Log(CallLog::Port1Write(Sim().Milliseconds(), level, bit));
}

}  // extern "C"
