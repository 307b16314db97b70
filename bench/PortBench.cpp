// portbench.exe: what portpanel and portcheck cost on the simulated board,
// next to a floor program that only blits 32 LEDs every 100 ms; or, with
// --soak, whether hours of random use make anything grow.
//
//   portbench [--seconds N] [--soak MINUTES] [portpanel|portcheck|all]
//
// Prints figures; exits 1 only when a program cannot be run or, in the soak,
// when objects grew or a program died.
#include "GrowingFile.h"
#include "ProcessUsage.h"
#include "Soak.h"
#include "Stats.h"

#include "Program.h"
#include "SimLog.h"
#include "WindowAccess.h"

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

using namespace bench;

namespace {

constexpr int kClicks = 1000;
constexpr int kStarts = 10;
constexpr DWORD kWarmUpMs = 2000;
constexpr DWORD kStartTimeoutMs = 15000;

struct Options {
    int seconds = 30;
    int soakMinutes = 0;
    bool panel = true;
    bool check = true;
};

Options Parse(int argc, wchar_t** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::wstring arg = argv[i];
        if ((arg == L"--seconds" || arg == L"--soak") && i + 1 < argc) {
            const int value = std::wcstol(argv[++i], nullptr, 10);
            if (value <= 0)
                throw std::invalid_argument("a positive number must follow the option");
            (arg == L"--seconds" ? options.seconds : options.soakMinutes) = value;
        } else if (arg == L"portpanel") {
            options.check = false;
        } else if (arg == L"portcheck") {
            options.panel = false;
        } else if (arg != L"all") {
            throw std::invalid_argument("unknown argument");
        }
    }
    if (!options.panel && !options.check)
        options.panel = options.check = true;
    return options;
}

double Now()
{
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / frequency;
}

std::uint64_t FileBytes(const std::wstring& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
        return 0;
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// The first button whose caption is `text`, trailing spaces aside.
HWND ButtonWithText(HWND parent, const wchar_t* text)
{
    for (HWND child : uitest::Children(parent)) {
        const std::wstring caption = uitest::Text(child);
        if (uitest::ClassName(child) == L"Button" &&
            caption.substr(0, caption.find_last_not_of(L' ') + 1) == text)
            return child;
    }
    return nullptr;
}

// One program of the comparison, running with its own call log.
struct Subject {
    Subject(std::wstring exe, const wchar_t* windowClass, const wchar_t* caption,
            const wchar_t* clickButton, bool logs)
        : exe(std::move(exe)), windowClass(windowClass), caption(caption),
          clickButton(clickButton), logs(logs)
    {
    }

    std::wstring exe;
    const wchar_t* windowClass;
    const wchar_t* caption;
    const wchar_t* clickButton;  // nullptr: nothing to click
    bool logs;

    std::unique_ptr<uitest::TempFile> logPath;
    std::unique_ptr<GrowingFile> log;
    std::unique_ptr<uitest::Program> program;
    HWND window = nullptr;

    double cpuPercent = 0;
    Summary poll;
    Summary click;
    int clicksWithWrite = 0;
    Summary start;
    std::optional<Usage> first;
    std::optional<Usage> last;
    Memory memory;

    std::wstring Name() const { return exe.substr(0, exe.find(L'.')); }

    void Launch()
    {
        uitest::Environment environment;
        if (logs) {
            logPath = std::make_unique<uitest::TempFile>(L"blg");
            log = std::make_unique<GrowingFile>(logPath->Path());
            environment.emplace_back(L"QORVEL_SIM_LOG", logPath->Path());
        }
        program = std::make_unique<uitest::Program>(exe, environment);
        window = uitest::WaitForTopWindow(program->Id(), windowClass, caption, kStartTimeoutMs);
        if (!window)
            throw std::runtime_error("a window did not appear");
    }
};

std::vector<double> PollPeriods(const std::string& lines)
{
    std::vector<double> periods;
    std::istringstream in(lines);
    std::string text;
    std::optional<unsigned long> previous;
    while (std::getline(in, text)) {
        const auto line = uitest::ParseLogLine(text);
        if (!line || !line->Is("PortRead"))
            continue;
        if (previous)
            periods.push_back(static_cast<double>(line->ms - *previous));
        previous = line->ms;
    }
    return periods;
}

void MeasureClicks(Subject& subject)
{
    const HWND button = ButtonWithText(subject.window, subject.clickButton);
    if (!button)
        return;
    std::vector<double> ms;
    for (int i = 0; i < kClicks; ++i) {
        const std::uint64_t before = subject.log->Size();
        const double begin = Now();
        uitest::Click(button);
        ms.push_back((Now() - begin) * 1000);
        const bool wrote = subject.log->From(before).find(" PortWrite ") != std::string::npos;
        subject.clicksWithWrite += wrote;
    }
    subject.click = Summarize(ms);
}

// Process start to the first PortRead in the log.
void MeasureStarts(Subject& subject)
{
    std::vector<double> ms;
    for (int i = 0; i < kStarts; ++i) {
        uitest::TempFile path(L"bst");
        GrowingFile log(path.Path());
        const double begin = Now();
        uitest::Program program(subject.exe, {{L"QORVEL_SIM_LOG", path.Path()}});
        while (log.From(0).find(" PortRead ") == std::string::npos && Now() - begin < 15)
            Sleep(1);
        ms.push_back((Now() - begin) * 1000);
    }
    subject.start = Summarize(ms);
}

std::string Narrow(const std::wstring& text)
{
    return std::string(text.begin(), text.end());
}

// Table cells.
std::string Fixed(double value, int decimals)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string Kb(std::uint64_t bytes)
{
    return std::to_string((bytes + 512) / 1024);
}

class Table {
public:
    explicit Table(std::vector<std::string> columns) : columns_(std::move(columns)) {}
    void Row(std::vector<std::string> cells) { rows_.push_back(std::move(cells)); }
    void Print() const
    {
        std::vector<std::size_t> widths(columns_.size());
        for (std::size_t c = 0; c < columns_.size(); ++c) {
            widths[c] = columns_[c].size();
            for (const auto& row : rows_)
                if (c < row.size())
                    widths[c] = std::max(widths[c], row[c].size());
        }
        PrintRow(columns_, widths);
        for (const auto& row : rows_)
            PrintRow(row, widths);
    }

private:
    static void PrintRow(const std::vector<std::string>& cells,
                         const std::vector<std::size_t>& widths)
    {
        std::string line;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            std::string cell = cells[c];
            cell.resize(std::max(cell.size(), widths[c]), ' ');
            line += cell + (c + 1 < cells.size() ? "  " : "");
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        std::printf("%s\n", line.c_str());
    }

    std::vector<std::string> columns_;
    std::vector<std::vector<std::string>> rows_;
};

using Cell = std::function<std::string(const Subject&)>;
using Check = std::function<bool(const Subject&)>;

// One row of the table: a figure of each program, and its target if it has one.
struct Figure {
    const char* name;
    Cell cell;
    const char* target = "";
    Check met = nullptr;
    // The target is portpanel's alone.
    bool panelOnly = false;
};

// A figure taken from the board's call log, which the floor has not.
Cell FromLog(Cell cell)
{
    return [cell](const Subject& s) { return s.logs ? cell(s) : std::string("-"); };
}

enum class Counted { Gdi, User, Kernel };

std::optional<std::uint32_t> CountOf(const std::optional<Usage>& usage, Counted what)
{
    if (!usage)
        return std::nullopt;
    switch (what) {
    case Counted::Gdi: return usage->gui.Gdi();
    case Counted::User: return usage->gui.User();
    case Counted::Kernel: return static_cast<std::uint32_t>(usage->kernelHandles);
    }
    return std::nullopt;
}

Figure StartToEnd(const char* name, Counted what)
{
    return {name,
            [what](const Subject& s) {
                const auto first = CountOf(s.first, what);
                const auto last = CountOf(s.last, what);
                return first && last ? std::to_string(*first) + " -> " + std::to_string(*last)
                                     : std::string("?");
            },
            "equal",
            [what](const Subject& s) {
                const auto first = CountOf(s.first, what);
                return first && first == CountOf(s.last, what);
            }};
}

std::uint64_t ExeBytes(const Subject& subject)
{
    return FileBytes(uitest::BinDir() + L'\\' + subject.exe);
}

std::vector<Figure> Figures(const Subject& floor)
{
    const auto overFloor = [&floor](const Subject& s) {
        return static_cast<long long>(s.memory.privateBytes) -
               static_cast<long long>(floor.memory.privateBytes);
    };
    return {
        {"CPU while polling, % of one core",
         [](const Subject& s) { return Fixed(s.cpuPercent, 2); },
         "< 0.5", [](const Subject& s) { return s.cpuPercent < 0.5; }, true},
        {"  ratio to the floor",
         [&floor](const Subject& s) {
             return floor.cpuPercent > 0 ? Fixed(s.cpuPercent / floor.cpuPercent, 2) + "x" : "?";
         },
         "<= 1.2x",
         [&floor](const Subject& s) {
             return floor.cpuPercent > 0 && s.cpuPercent <= 1.2 * floor.cpuPercent;
         },
         true},
        {"Poll period mean, ms", FromLog([](const Subject& s) { return Fixed(s.poll.mean, 1); }),
         "100 +/- 2", [](const Subject& s) { return s.poll.mean >= 98 && s.poll.mean <= 102; }},
        {"Poll period median, ms",
         FromLog([](const Subject& s) { return Fixed(s.poll.median, 1); })},
        {"Poll period p99, ms", FromLog([](const Subject& s) { return Fixed(s.poll.p99, 1); }),
         "< 115", [](const Subject& s) { return s.poll.count > 0 && s.poll.p99 < 115; }},
        {"Poll period max, ms", FromLog([](const Subject& s) { return Fixed(s.poll.max, 1); })},
        {"  polls measured",
         FromLog([](const Subject& s) { return std::to_string(s.poll.count); })},
        {"Click to board call median, ms",
         FromLog([](const Subject& s) { return Fixed(s.click.median, 3); }), "< 2",
         [](const Subject& s) { return s.click.count > 0 && s.click.median < 2; }},
        {"Click to board call p99, ms",
         FromLog([](const Subject& s) { return Fixed(s.click.p99, 3); })},
        {"  clicks with the write inside",
         FromLog([](const Subject& s) {
             return std::to_string(s.clicksWithWrite) + "/" + std::to_string(s.click.count);
         }),
         "all", [](const Subject& s) { return s.clicksWithWrite == kClicks; }},
        {"Start to first PortRead median, ms",
         FromLog([](const Subject& s) { return Fixed(s.start.median, 0); }), "< 150",
         [](const Subject& s) { return s.start.count > 0 && s.start.median < 150; }},
        {"  max of the starts, ms",
         FromLog([](const Subject& s) { return Fixed(s.start.max, 0); })},
        {".exe size, KB", [](const Subject& s) { return Kb(ExeBytes(s)); }, "< 250",
         [](const Subject& s) { return ExeBytes(s) < 250 * 1024; }},
        {"Private memory after the polling, KB",
         [](const Subject& s) { return Kb(s.memory.privateBytes); }, "< 4096",
         [](const Subject& s) {
             return s.memory.privateBytes > 0 && s.memory.privateBytes < 4096 * 1024;
         }},
        {"  above the floor, KB", [overFloor](const Subject& s) {
             return std::to_string(overFloor(s) / 1024);
         }},
        {"Working set after the polling, KB",
         [](const Subject& s) { return Kb(s.memory.workingSet); }},
        StartToEnd("GDI objects, start -> end", Counted::Gdi),
        StartToEnd("USER objects, start -> end", Counted::User),
        StartToEnd("Kernel handles, start -> end", Counted::Kernel),
    };
}

// "met", or which programs missed the target.
std::string Verdict(const Figure& figure, const std::vector<Subject>& subjects)
{
    std::string missed;
    for (const Subject& subject : subjects) {
        const bool judged =
            subject.logs && (!figure.panelOnly || subject.exe == L"portpanel.exe");
        if (judged && !figure.met(subject))
            missed += (missed.empty() ? "" : ", ") + Narrow(subject.Name());
    }
    return missed.empty() ? "met" : "NOT MET: " + missed;
}

// CPU, poll periods and memory over `seconds` of polling; returns the wall time.
double MeasurePolling(std::vector<Subject>& subjects, int seconds)
{
    std::vector<double> cpuBefore;
    std::vector<std::uint64_t> logBefore;
    for (Subject& subject : subjects) {
        cpuBefore.push_back(CpuSeconds(subject.program->Id()));
        logBefore.push_back(subject.log ? subject.log->Size() : 0);
    }
    const double begin = Now();
    Sleep(static_cast<DWORD>(seconds) * 1000);
    const double wall = Now() - begin;
    for (std::size_t i = 0; i < subjects.size(); ++i) {
        Subject& subject = subjects[i];
        subject.cpuPercent = (CpuSeconds(subject.program->Id()) - cpuBefore[i]) / wall * 100;
        subject.memory = MemoryOf(subject.program->Handle());
        if (subject.log)
            subject.poll = Summarize(PollPeriods(subject.log->From(logBefore[i])));
    }

    return wall;
}

// The last subject is the floor.
void PrintFigures(const std::vector<Subject>& subjects, double wall)
{
    const bool hasPanel = subjects.front().exe == L"portpanel.exe";
    std::vector<std::string> columns{"figure"};
    for (const Subject& subject : subjects)
        columns.push_back(Narrow(subject.Name()));
    columns.push_back("target");
    columns.push_back("verdict");
    Table table(columns);
    for (const Figure& figure : Figures(subjects.back())) {
        std::vector<std::string> cells{figure.name};
        for (const Subject& subject : subjects)
            cells.push_back(figure.cell(subject));
        const bool judged = figure.met && (hasPanel || !figure.panelOnly);
        cells.push_back(std::string(figure.panelOnly && judged ? "portpanel " : "") +
                        figure.target);
        cells.push_back(judged ? Verdict(figure, subjects) : "");
        table.Row(cells);
    }

    std::printf("\n");
    table.Print();
    std::printf("\nCPU: user + system time of the program's threads over %.1f s of wall time, "
                "all three running at once.\n",
                wall);
    std::printf("Objects at the start: after %u ms and one click; at the end: after the polling "
                "and the clicks.\n",
                static_cast<unsigned>(kWarmUpMs));
}

int Benchmark(const Options& options)
{
    std::vector<Subject> subjects;
    if (options.panel)
        subjects.emplace_back(L"portpanel.exe", L"#32770", L"Qorvel  Program II", L"ON", true);
    if (options.check)
        subjects.emplace_back(L"portcheck.exe", nullptr, L"Test", L"PortWrite", true);
    // The floor comes last.
    subjects.emplace_back(L"floorwindow.exe", L"FloorWindow", nullptr, nullptr, false);

    std::printf("Running %s side by side for %d s of polling, then %d clicks and %d starts "
                "each...\n",
                options.panel && options.check ? "portpanel, portcheck and the floor"
                : options.panel                ? "portpanel and the floor"
                                               : "portcheck and the floor",
                options.seconds, kClicks, kStarts);
    std::fflush(stdout);
    for (Subject& subject : subjects)
        subject.Launch();
    Sleep(kWarmUpMs);
    for (Subject& subject : subjects) {
        // Under Wine the first click opens two registry keys of the mouse
        // settings for good; and the probe is loaded by its first count.
        if (subject.clickButton)
            uitest::Click(ButtonWithText(subject.window, subject.clickButton));
        CountGuiObjects(subject.window);
        subject.first = UsageOf(subject.program->Handle(), subject.window);
    }

    const double wall = MeasurePolling(subjects, options.seconds);
    for (Subject& subject : subjects)
        if (subject.clickButton)
            MeasureClicks(subject);
    Sleep(500);
    for (Subject& subject : subjects) {
        subject.last = UsageOf(subject.program->Handle(), subject.window);
        subject.program.reset();
    }
    for (Subject& subject : subjects)
        if (subject.logs)
            MeasureStarts(subject);

    PrintFigures(subjects, wall);
    return 0;
}

std::string Describe(const std::optional<Usage>& usage)
{
    if (!usage)
        return "no reading";
    char text[160];
    std::snprintf(text, sizeof text, "GDI %u, USER %u, kernel %u, private %s KB",
                  static_cast<unsigned>(usage->gui.Gdi()), static_cast<unsigned>(usage->gui.User()),
                  static_cast<unsigned>(usage->kernelHandles),
                  Kb(usage->memory.privateBytes).c_str());
    return text;
}

constexpr std::size_t kMemorySlackBytes = 512 * 1024;

int SoakAll(const Options& options)
{
    const auto seed = static_cast<std::uint32_t>(GetTickCount());
    std::vector<std::unique_ptr<Soak>> soaks;
    if (options.panel)
        soaks.push_back(Soak::Start(SoakTarget::PortPanel, seed));
    if (options.check)
        soaks.push_back(Soak::Start(SoakTarget::PortCheck, seed + 1));
    std::printf("Soak for %d min (seed %u), progress every minute\n", options.soakMinutes, seed);
    std::fflush(stdout);

    std::vector<std::optional<Usage>> warm;
    for (auto& soak : soaks) {
        soak->WarmUp();
        warm.push_back(soak->Measure());
        std::printf("  %-9s after warm-up: %s\n", Narrow(soak->Name()).c_str(),
                    Describe(warm.back()).c_str());
    }
    std::fflush(stdout);

    std::mutex output;
    const ULONGLONG begin = GetTickCount64();
    const ULONGLONG total = static_cast<ULONGLONG>(options.soakMinutes) * 60000;
    std::vector<std::thread> threads;
    for (auto& soak : soaks)
        threads.emplace_back([&, s = soak.get()] {
            for (ULONGLONG elapsed; (elapsed = GetTickCount64() - begin) < total && s->Alive();) {
                s->Run(static_cast<DWORD>(std::min<ULONGLONG>(60000, total - elapsed)));
                const std::string figures = Describe(s->Measure());
                const std::lock_guard<std::mutex> lock(output);
                std::printf("  [%3llu min] %-9s %llu actions, %s\n",
                            static_cast<unsigned long long>((GetTickCount64() - begin) / 60000),
                            Narrow(s->Name()).c_str(),
                            static_cast<unsigned long long>(s->Actions()),
                            figures.c_str());
                std::fflush(stdout);
            }
        });
    for (std::thread& thread : threads)
        thread.join();

    Sleep(500);
    bool sound = true;
    Table table({"program", "figure", "after warm-up", "at the end", "verdict"});
    for (std::size_t i = 0; i < soaks.size(); ++i) {
        Soak& soak = *soaks[i];
        const std::string name = Narrow(soak.Name());
        const bool alive = soak.Alive();
        const std::optional<Usage> end = alive ? soak.Measure() : std::nullopt;
        const std::size_t polls = alive ? soak.PollsInOneSecond() : 0;
        const auto compare = [&](const std::string& figure, std::uint64_t before,
                                 std::uint64_t after, std::uint64_t slack, bool bytes) {
            const bool ok = after <= before + slack;
            sound = sound && ok;
            table.Row({name, figure, bytes ? Kb(before) + " KB" : std::to_string(before),
                       bytes ? Kb(after) + " KB" : std::to_string(after), ok ? "same" : "GREW"});
        };
        if (warm[i] && end) {
            compare("GDI objects", warm[i]->gui.Gdi(), end->gui.Gdi(), 0, false);
            compare("USER objects", warm[i]->gui.User(), end->gui.User(), 0, false);
            compare("kernel handles", warm[i]->kernelHandles, end->kernelHandles, 0, false);
            compare("private memory", warm[i]->memory.privateBytes, end->memory.privateBytes,
                    kMemorySlackBytes, true);
        } else {
            sound = false;
        }
        table.Row({name, "running at the end", "", alive ? "yes" : "NO, exit code " +
                   std::to_string(soak.ExitCode()), alive ? "ok" : "DIED"});
        table.Row({name, "polls in the last second", "", std::to_string(polls),
                   polls > 0 ? "ok" : "STOPPED"});
        table.Row({name, "actions", "", std::to_string(soak.Actions()), ""});
        sound = sound && polls > 0 && soak.Problems().empty();
        for (const std::string& problem : soak.Problems())
            table.Row({name, "problem", "", problem, "FAULT"});
    }
    std::printf("\n");
    table.Print();
    std::printf("\nPrivate memory counts as the same within %s KB.\n",
                Kb(kMemorySlackBytes).c_str());
    return sound ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    try {
        const Options options = Parse(argc, argv);
        return options.soakMinutes > 0 ? SoakAll(options) : Benchmark(options);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "portbench: %s\n", error.what());
        return 1;
    }
}
