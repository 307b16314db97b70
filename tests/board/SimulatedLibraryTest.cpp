// The simulated QorvelIo.dll loaded through BoardLibrary, as the check window
// loads it, with its settings taken from this process's environment.
#include "BoardLibrary.h"
#include "BoardTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using testing::ElementsAre;

const PortBank kDefaultLevels = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF};

class SimulatedLibrary : public testing::Test {
protected:
    SimulatedLibrary() { environment_.Set(L"QORVEL_SIM_LOG", LogPath()); }

    std::wstring LogPath() const { return folder_.File(L"calls.log"); }

    static PortBank Read(BoardLibrary& board)
    {
        PortBank bank{};
        EXPECT_TRUE(board.PortRead(bank)) << board.Error();
        return bank;
    }

    static void ConfigureAll(BoardLibrary& board, bool output)
    {
        EXPECT_TRUE(output ? board.PortConfigure(kAllOutput, kAllOutput, kAllOutput, kAllOutput,
                                                 kP1AllOutput)
                           : board.PortConfigure(kAllInput, kAllInput, kAllInput, kAllInput,
                                                 kP1AllInput))
            << board.Error();
    }

    TempFolder folder_;
    SimulatorEnvironment environment_;
};

// The simulator's input file. Each write dates the file a second after the write
// before, so that a change is seen even within one tick of the file system's clock.
class InputFile {
public:
    explicit InputFile(std::wstring path) : path_(std::move(path))
    {
        FILETIME now;
        GetSystemTimeAsFileTime(&now);
        stamp_ = (ULONGLONG{now.dwHighDateTime} << 32) | now.dwLowDateTime;
    }

    const std::wstring& Path() const { return path_; }

    void Write(const std::string& text) { WriteAndHold(text, FILE_SHARE_READ); }

    // Returns the file still open with the given sharing, as a slow writer would hold it.
    UniqueHandle WriteAndHold(const std::string& text, DWORD share)
    {
        UniqueHandle file(CreateFileW(path_.c_str(), GENERIC_WRITE, share, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        EXPECT_NE(file.get(), INVALID_HANDLE_VALUE) << "cannot write " << path_;
        DWORD written = 0;
        EXPECT_TRUE(WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written,
                              nullptr));
        stamp_ += 10'000'000;  // one second in 100 ns units
        const FILETIME time = {static_cast<DWORD>(stamp_), static_cast<DWORD>(stamp_ >> 32)};
        EXPECT_TRUE(SetFileTime(file.get(), nullptr, nullptr, &time));
        return file;
    }

private:
    std::wstring path_;
    ULONGLONG stamp_;
};

TEST_F(SimulatedLibrary, RunsEveryOperationAndLogsEachCallInOrder)
{
    BoardLibrary board;
    std::uint32_t found = 0xDEAD;
    ASSERT_TRUE(board.InitBoard(found)) << board.Error();
    EXPECT_EQ(found, 1u);
    ConfigureAll(board, true);
    EXPECT_TRUE(board.PortWrite(0xF7, 0x00, 0x12, 0x03));
    EXPECT_TRUE(board.Port1Write(0, 2));
    EXPECT_EQ(Read(board), (PortBank{0xF7, 0x00, 0x12, 0x03, 0xFB}));
    Sleep(50);
    // All 32 bits set, as the check window configures P4 and P5.
    EXPECT_TRUE(board.PortConfigure(0xFFFFFFFF, 0xFFFF0000, 0x0F, 0x80000001, 0x03));
    EXPECT_TRUE(board.Port1Write(200, 200));
    EXPECT_EQ(Read(board), (PortBank{0xF7, 0xFF, 0xF2, 0xFF, 0xFF}));

    // Read while the library is loaded: each line is there when its call returns.
    const auto log = ReadLog(LogPath());
    std::vector<std::string> calls;
    for (const auto& line : log)
        calls.push_back(line.call);
    EXPECT_THAT(calls, ElementsAre("InitBoard -> 1",
                                   "PortConfigure 0000FFFF 0000FFFF 0000FFFF 0000FFFF 000000FC",
                                   "PortWrite F7 00 12 03",
                                   "Port1Write 00 02",
                                   "PortRead -> F7 00 12 03 FB",
                                   "PortConfigure FFFFFFFF FFFF0000 0000000F 80000001 00000003",
                                   "Port1Write C8 C8",
                                   "PortRead -> F7 FF F2 FF FF"));
    ASSERT_EQ(log.size(), 8u);
    for (std::size_t i = 1; i < log.size(); ++i)
        EXPECT_LE(log[i - 1].ms, log[i].ms) << "line " << i;
    EXPECT_GE(log[5].ms - log[4].ms, 30u) << "times are not in milliseconds";
}

TEST_F(SimulatedLibrary, AbsentBoardMakesInitBoardReturnZeroWhileTheOtherOperationsWork)
{
    environment_.Set(L"QORVEL_SIM_ABSENT", L"1");
    BoardLibrary board;
    std::uint32_t found = 0xDEAD;
    ASSERT_TRUE(board.InitBoard(found)) << board.Error();
    EXPECT_EQ(found, 0u);
    ConfigureAll(board, true);
    EXPECT_TRUE(board.PortWrite(0x01, 0x02, 0x03, 0x04));
    EXPECT_TRUE(board.Port1Write(0, 7));
    EXPECT_EQ(Read(board), (PortBank{0x01, 0x02, 0x03, 0x04, 0x7F}));
    EXPECT_THAT(LoggedCalls(LogPath()),
                ElementsAre("InitBoard -> 0",
                            "PortConfigure 0000FFFF 0000FFFF 0000FFFF 0000FFFF 000000FC",
                            "PortWrite 01 02 03 04", "Port1Write 00 07",
                            "PortRead -> 01 02 03 04 7F"));
}

TEST_F(SimulatedLibrary, OnlyAbsentOneHidesTheBoard)
{
    const std::pair<std::optional<std::wstring>, std::uint32_t> cases[] = {
        {std::nullopt, 1}, {L"1", 0}, {L"0", 1}, {L"", 1}, {L"yes", 1}, {L"11", 1},
    };
    for (const auto& [value, expected] : cases) {
        SCOPED_TRACE(value ? testing::Message() << "\"" << *value << "\""
                           : testing::Message() << "unset");
        environment_.Set(L"QORVEL_SIM_ABSENT", value);
        BoardLibrary board;
        std::uint32_t found = 0xDEAD;
        ASSERT_TRUE(board.InitBoard(found)) << board.Error();
        EXPECT_EQ(found, expected);
    }
}

TEST_F(SimulatedLibrary, InputsAndLatchesVariablesSetTheInitialLevels)
{
    environment_.Set(L"QORVEL_SIM_INPUTS", L"12 34 56 78 9B");
    environment_.Set(L"QORVEL_SIM_LATCHES", L" a1 B2\tc3 D4 e5 ");
    BoardLibrary board;
    EXPECT_EQ(Read(board), (PortBank{0x12, 0x34, 0x56, 0x78, 0x9B}));
    ConfigureAll(board, true);
    // P1's USB lines still show their inputs.
    EXPECT_EQ(Read(board), (PortBank{0xA1, 0xB2, 0xC3, 0xD4, 0xE7}));
}

TEST_F(SimulatedLibrary, MalformedSettingsLeaveTheDefaults)
{
    const std::pair<const wchar_t*, std::wstring> cases[] = {
        {L"QORVEL_SIM_INPUTS", L"00 00 00 00"},
        {L"QORVEL_SIM_INPUTS", L"0x00 00 00 00 00"},
        {L"QORVEL_SIM_INPUTS", L""},
        {L"QORVEL_SIM_INPUTS", std::wstring(5000, L'0')},
        {L"QORVEL_SIM_LATCHES", L"00 00 00 00 00 00"},
        {L"QORVEL_SIM_LATCHES", L"00 00 000 00 00"},
        {L"QORVEL_SIM_LATCHES", L"00 00 0G 00 00"},
        {L"QORVEL_SIM_LATCHES", L"00 00 00 00 00 ;"},
        {L"QORVEL_SIM_ABSENT", L"yes"},
        {L"QORVEL_SIM_INPUT_FILE", folder_.File(L"missing.txt")},
        {L"QORVEL_SIM_INPUT_FILE", folder_.Path()},
        {L"QORVEL_SIM_LOG", folder_.File(L"missing\\calls.log")},
    };
    for (const auto& [name, value] : cases) {
        SCOPED_TRACE(testing::Message() << name << "=\"" << value << "\"");
        environment_.Set(name, value);
        BoardLibrary board;
        std::uint32_t found = 0;
        ASSERT_TRUE(board.InitBoard(found)) << board.Error();
        EXPECT_EQ(found, 1u);
        EXPECT_EQ(Read(board), kDefaultLevels);
        ConfigureAll(board, true);
        EXPECT_EQ(Read(board), kDefaultLevels);
        environment_.Set(name, std::nullopt);
    }
}

TEST_F(SimulatedLibrary, ChangedInputFileReachesTheNextRead)
{
    InputFile input(folder_.File(L"inputs.txt"));
    environment_.Set(L"QORVEL_SIM_INPUT_FILE", input.Path());
    BoardLibrary board;
    EXPECT_EQ(Read(board), kDefaultLevels);

    input.Write("12 34 56 78 9A");
    EXPECT_EQ(Read(board), (PortBank{0x12, 0x34, 0x56, 0x78, 0x9A}));
    input.Write("A5 5A 0F F0 3C");
    EXPECT_EQ(Read(board), (PortBank{0xA5, 0x5A, 0x0F, 0xF0, 0x3C}));
    input.Write("1 2 3 4 5\r\n");
    EXPECT_EQ(Read(board), (PortBank{0x01, 0x02, 0x03, 0x04, 0x05}));

    ASSERT_TRUE(DeleteFileW(input.Path().c_str()));
    EXPECT_EQ(Read(board), (PortBank{0x01, 0x02, 0x03, 0x04, 0x05}));
    input.Write("00 00 00 00 00");
    EXPECT_EQ(Read(board), (PortBank{0x00, 0x00, 0x00, 0x00, 0x00}));

    // Output pins keep reading their latches whatever the file says.
    ConfigureAll(board, true);
    EXPECT_EQ(Read(board), (PortBank{0xFF, 0xFF, 0xFF, 0xFF, 0xFC}));
}

TEST_F(SimulatedLibrary, MalformedInputFileKeepsThePreviousLevels)
{
    InputFile input(folder_.File(L"inputs.txt"));
    input.Write("12 34 56 78 9A");
    environment_.Set(L"QORVEL_SIM_INPUT_FILE", input.Path());
    BoardLibrary board;
    const PortBank first = {0x12, 0x34, 0x56, 0x78, 0x9A};
    EXPECT_EQ(Read(board), first);

    const std::string malformed[] = {
        "",
        "00 00 00 00",
        "00 00 00 00 00 00",
        "00 00 0G 00 00",
        "0x00 00 00 00 00",
        std::string("00 00 00 00 00\0", 15),
        std::string(100000, 'F'),
    };
    for (const auto& text : malformed) {
        SCOPED_TRACE(testing::PrintToString(text.substr(0, 40)));
        input.Write(text);
        EXPECT_EQ(Read(board), first);
    }
    input.Write("01 02 03 04 05");
    EXPECT_EQ(Read(board), (PortBank{0x01, 0x02, 0x03, 0x04, 0x05}));
}

TEST_F(SimulatedLibrary, InputFileHeldByItsWriterIsReadOnceReleased)
{
    InputFile input(folder_.File(L"inputs.txt"));
    input.Write("12 34 56 78 9A");
    environment_.Set(L"QORVEL_SIM_INPUT_FILE", input.Path());
    BoardLibrary board;
    EXPECT_EQ(Read(board), (PortBank{0x12, 0x34, 0x56, 0x78, 0x9A}));

    UniqueHandle held = input.WriteAndHold("A5 5A 0F F0 3C", 0);
    EXPECT_EQ(Read(board), (PortBank{0x12, 0x34, 0x56, 0x78, 0x9A}));
    held.reset();
    EXPECT_EQ(Read(board), (PortBank{0xA5, 0x5A, 0x0F, 0xF0, 0x3C}));
}

TEST_F(SimulatedLibrary, EveryBoardLibraryLoadsAFreshSimulator)
{
    {
        BoardLibrary first;
        ConfigureAll(first, true);
        EXPECT_TRUE(first.PortWrite(0, 0, 0, 0));
        EXPECT_TRUE(first.Port1Write(0, 7));
        EXPECT_EQ(Read(first), (PortBank{0x00, 0x00, 0x00, 0x00, 0x7F}));
    }
    const std::wstring secondLog = folder_.File(L"second.log");
    environment_.Set(L"QORVEL_SIM_LOG", secondLog);
    environment_.Set(L"QORVEL_SIM_INPUTS", L"11 22 33 44 55");
    BoardLibrary second;
    EXPECT_EQ(Read(second), (PortBank{0x11, 0x22, 0x33, 0x44, 0x55}));

    EXPECT_THAT(LoggedCalls(LogPath()),
                ElementsAre("PortConfigure 0000FFFF 0000FFFF 0000FFFF 0000FFFF 000000FC",
                            "PortWrite 00 00 00 00", "Port1Write 00 07",
                            "PortRead -> 00 00 00 00 7F"));
    EXPECT_THAT(LoggedCalls(secondLog), ElementsAre("PortRead -> 11 22 33 44 55"));
}

}  // namespace
