// How BoardLibrary finds QorvelIo.dll and binds its operations by name.
#include "BoardLibrary.h"
#include "BoardTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

namespace {

using testing::AllOf;
using testing::ElementsAre;
using testing::HasSubstr;
using testing::Pair;

bool SamePath(const std::wstring& a, const std::wstring& b)
{
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

std::wstring ModulePath(HMODULE module)
{
    wchar_t path[MAX_PATH];
    return std::wstring(path, GetModuleFileNameW(module, path, MAX_PATH));
}

TEST(BoardLibraryBinding, MissingLibraryFailsEveryOperationAndSaysItWasNotFound)
{
    SimulatorEnvironment environment;
    BoardLibrary board(L"QorvelIoMissing.dll");
    std::uint32_t found = 0xDEAD;
    PortBank bank = {1, 2, 3, 4, 5};
    const bool results[] = {
        board.InitBoard(found),
        board.PortConfigure(kAllOutput, kAllOutput, kAllOutput, kAllOutput, kP1AllOutput),
        board.PortRead(bank),
        board.PortWrite(0, 0, 0, 0),
        board.Port1Write(0, 2),
    };
    EXPECT_THAT(results, testing::Each(false));
    EXPECT_EQ(found, 0xDEADu);
    EXPECT_EQ(bank, (PortBank{1, 2, 3, 4, 5}));
    EXPECT_THAT(board.Error(), AllOf(HasSubstr(L"QorvelIoMissing.dll"), HasSubstr(L"not found")));
}

TEST(BoardLibraryBinding, UnloadableLibraryFailsAndNamesThePathItTried)
{
    SimulatorEnvironment environment;
    const std::wstring name = L"QorvelIoBroken" + std::to_wstring(GetCurrentProcessId()) + L".dll";
    const std::wstring path = ProgramFolder() + name;
    WriteFileBytes(path, "MZ this is not a library");
    struct Remove {
        std::wstring path;
        ~Remove() { DeleteFileW(path.c_str()); }
    } remove{path};

    BoardLibrary board(name);
    std::uint32_t found = 0xDEAD;
    EXPECT_FALSE(board.InitBoard(found));
    EXPECT_EQ(found, 0xDEADu);
    EXPECT_THAT(board.Error(), HasSubstr(path));
}

TEST(BoardLibraryBinding, LibraryWithoutAnOperationFailsOnlyThatOperation)
{
    TempFolder folder;
    SimulatorEnvironment environment;
    const std::wstring log = folder.File(L"calls.log");
    environment.Set(L"QORVEL_SIM_LOG", log);
    BoardLibrary board(L"QorvelIoNoPort1Write.dll");

    std::uint32_t found = 0;
    ASSERT_TRUE(board.InitBoard(found)) << board.Error();
    EXPECT_EQ(found, 1u);
    EXPECT_TRUE(board.PortConfigure(kAllOutput, kAllOutput, kAllOutput, kAllOutput, kP1AllOutput));
    EXPECT_FALSE(board.Port1Write(0, 2));
    EXPECT_THAT(board.Error(),
                AllOf(HasSubstr(L"QorvelIoNoPort1Write.dll"), HasSubstr(L"Port1Write")));
    EXPECT_FALSE(board.Port1Write(0, 3));
    EXPECT_TRUE(board.PortWrite(0x01, 0x02, 0x03, 0x04));
    PortBank bank{};
    EXPECT_TRUE(board.PortRead(bank));
    EXPECT_EQ(bank, (PortBank{0x01, 0x02, 0x03, 0x04, 0xFF}));

    EXPECT_THAT(LoggedCalls(log),
                ElementsAre("InitBoard -> 1",
                            "PortConfigure 0000FFFF 0000FFFF 0000FFFF 0000FFFF 000000FC",
                            "PortWrite 01 02 03 04", "PortRead -> 01 02 03 04 FF"));
}

class ScopedCurrentDirectory {
public:
    explicit ScopedCurrentDirectory(const std::wstring& folder)
    {
        wchar_t saved[MAX_PATH];
        saved_.assign(saved, GetCurrentDirectoryW(MAX_PATH, saved));
        SetCurrentDirectoryW(folder.c_str());
    }
    ~ScopedCurrentDirectory() { SetCurrentDirectoryW(saved_.c_str()); }
    ScopedCurrentDirectory(const ScopedCurrentDirectory&) = delete;
    ScopedCurrentDirectory& operator=(const ScopedCurrentDirectory&) = delete;

private:
    std::wstring saved_;
};

// A copy of the simulated library in a folder that is both the current
// directory and first on PATH, where a plain LoadLibrary would find it.
class PlantedBoardLibrary : public testing::Test {
protected:
    void Plant(const wchar_t* name)
    {
        const std::wstring original = ProgramFolder() + L"QorvelIo.dll";
        ASSERT_TRUE(CopyFileW(original.c_str(), folder_.File(name).c_str(), TRUE));
    }

    TempFolder folder_;
    SimulatorEnvironment environment_;
    ScopedVariable path_{L"PATH", folder_.Path() + L";" + Variable(L"PATH").value_or(L"")};
    ScopedCurrentDirectory currentDirectory_{folder_.Path()};
};

TEST_F(PlantedBoardLibrary, IsNotLoadedFromTheCurrentDirectoryOrPath)
{
    Plant(L"QorvelIoPlanted.dll");
    const HMODULE probe = LoadLibraryW(L"QorvelIoPlanted.dll");
    ASSERT_NE(probe, nullptr) << "the loader's own search should find the copy";
    FreeLibrary(probe);

    BoardLibrary board(L"QorvelIoPlanted.dll");
    std::uint32_t found = 0xDEAD;
    EXPECT_FALSE(board.InitBoard(found));
    EXPECT_EQ(found, 0xDEADu);
    EXPECT_THAT(board.Error(), AllOf(HasSubstr(L"QorvelIoPlanted.dll"), HasSubstr(L"not found")));
    EXPECT_EQ(GetModuleHandleW(L"QorvelIoPlanted.dll"), nullptr);
}

TEST_F(PlantedBoardLibrary, DoesNotReplaceTheLibraryBesideTheProgram)
{
    Plant(L"QorvelIo.dll");
    BoardLibrary board;
    std::uint32_t found = 0;
    ASSERT_TRUE(board.InitBoard(found)) << board.Error();
    EXPECT_EQ(found, 1u);
    EXPECT_EQ(GetModuleHandleW(folder_.File(L"QorvelIo.dll").c_str()), nullptr);
    const HMODULE loaded = GetModuleHandleW(L"QorvelIo.dll");
    ASSERT_NE(loaded, nullptr);
    EXPECT_PRED2(SamePath, ModulePath(loaded), ProgramFolder() + L"QorvelIo.dll");
}

// Counts this program's GetProcAddress calls into QorvelIo.dll by name, by
// redirecting the entry of this program's import table.
class ProcLookupCounter {
public:
    ProcLookupCounter()
    {
        original_ = &GetProcAddress;
        slot_ = ImportSlot(reinterpret_cast<void*>(original_));
        if (slot_)
            Redirect(reinterpret_cast<void*>(&Counting));
        counts_.clear();
    }
    ~ProcLookupCounter()
    {
        if (slot_)
            Redirect(reinterpret_cast<void*>(original_));
    }
    ProcLookupCounter(const ProcLookupCounter&) = delete;
    ProcLookupCounter& operator=(const ProcLookupCounter&) = delete;

    bool Installed() const { return slot_ != nullptr; }
    const std::map<std::string, int>& Counts() const { return counts_; }

private:
    using GetProcAddressFn = FARPROC WINAPI(HMODULE, LPCSTR);

    static FARPROC WINAPI Counting(HMODULE module, LPCSTR name)
    {
        if (module == GetModuleHandleW(L"QorvelIo.dll") && !IS_INTRESOURCE(name))
            ++counts_[name];
        return original_(module, name);
    }

    static void** ImportSlot(void* function)
    {
        auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
        const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
            base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
        const auto& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        for (auto* dll = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
             dll->Name; ++dll) {
            for (auto* thunk = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->FirstThunk);
                 thunk->u1.Function; ++thunk) {
                if (thunk->u1.Function == reinterpret_cast<DWORD_PTR>(function))
                    return reinterpret_cast<void**>(&thunk->u1.Function);
            }
        }
        return nullptr;
    }

    void Redirect(void* target)
    {
        DWORD protection = 0;
        VirtualProtect(slot_, sizeof *slot_, PAGE_READWRITE, &protection);
        *slot_ = target;
        VirtualProtect(slot_, sizeof *slot_, protection, &protection);
    }

    static inline GetProcAddressFn* original_ = nullptr;
    static inline std::map<std::string, int> counts_;
    void** slot_ = nullptr;
};

TEST(BoardLibraryBinding, LooksUpEachOperationOnce)
{
    SimulatorEnvironment environment;
    ProcLookupCounter counter;
    ASSERT_TRUE(counter.Installed());
    BoardLibrary board;
    for (int round = 0; round < 3; ++round) {
        std::uint32_t found = 0;
        PortBank bank{};
        EXPECT_TRUE(board.InitBoard(found));
        EXPECT_TRUE(board.PortConfigure(kAllInput, kAllInput, kAllInput, kAllInput, kP1AllInput));
        EXPECT_TRUE(board.PortRead(bank));
        EXPECT_TRUE(board.PortWrite(0, 0, 0, 0));
        EXPECT_TRUE(board.Port1Write(0, 2));
    }
    EXPECT_THAT(counter.Counts(), ElementsAre(Pair("InitBoard", 1), Pair("Port1Write", 1),
                                              Pair("PortConfigure", 1), Pair("PortRead", 1),
                                              Pair("PortWrite", 1)));
}

}  // namespace
