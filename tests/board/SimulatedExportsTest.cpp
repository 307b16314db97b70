// The export table and calling convention of the simulated QorvelIo.dll itself,
// called through raw addresses rather than through a typed binding.
#include "BoardTestSupport.h"
#include "QorvelIo.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Pushes `count` 32-bit arguments (the first one last, as both conventions do),
// calls `function` and returns how many bytes of them the callee removed from the
// stack: all of them for __stdcall, none for __cdecl.
__attribute__((naked)) std::uint32_t __cdecl StackBytesRemovedByCallee(
    const void* /*function*/, const std::uint32_t* /*args*/, std::uint32_t /*count*/)
{
    asm("    pushl %ebp\n"
        "    movl %esp, %ebp\n"
        "    pushl %ebx\n"
        "    pushl %esi\n"
        "    pushl %edi\n"
        "    movl 12(%ebp), %esi\n"
        "    movl 16(%ebp), %ecx\n"
        "1:  testl %ecx, %ecx\n"
        "    jz 2f\n"
        "    pushl -4(%esi,%ecx,4)\n"
        "    decl %ecx\n"
        "    jmp 1b\n"
        "2:  movl %esp, %edi\n"
        "    call *8(%ebp)\n"
        "    movl %esp, %eax\n"
        "    subl %edi, %eax\n"
        "    leal -12(%ebp), %esp\n"
        "    popl %edi\n"
        "    popl %esi\n"
        "    popl %ebx\n"
        "    popl %ebp\n"
        "    ret\n");
}

struct LibraryFree {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};

class SimulatedExports : public testing::Test {
protected:
    SimulatedExports()
        : module_(LoadLibraryExW((ProgramFolder() + L"QorvelIo.dll").c_str(), nullptr,
                                 LOAD_WITH_ALTERED_SEARCH_PATH))
    {
    }

    FARPROC Export(const char* name) const { return GetProcAddress(module_.get(), name); }

    SimulatorEnvironment environment_;
    std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryFree> module_;
};

TEST_F(SimulatedExports, EachOperationHasItsNameAtItsOrdinal)
{
    ASSERT_NE(module_, nullptr);
    const std::pair<const char*, WORD> exports[] = {
        {"InitBoard", 1},  {"PortConfigure", 12}, {"PortRead", 13},
        {"PortWrite", 14}, {"Port1Write", 15},
    };
    for (const auto& [name, ordinal] : exports) {
        SCOPED_TRACE(name);
        const FARPROC byName = Export(name);
        EXPECT_NE(byName, nullptr);
        EXPECT_EQ(GetProcAddress(module_.get(), MAKEINTRESOURCEA(ordinal)), byName);
    }
}

TEST_F(SimulatedExports, OperationsRemoveTheirArgumentsAndUseOnlyTheLowByteOfByteArguments)
{
    ASSERT_NE(module_, nullptr);
    PortBank bank{};
    auto address = [&bank](int port) {
        return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(&bank[port]));
    };
    const std::pair<const char*, std::vector<std::uint32_t>> calls[] = {
        {"InitBoard", {}},
        {"PortConfigure", {kAllOutput, kAllOutput, kAllOutput, kAllOutput, kP1AllOutput}},
        {"PortWrite", {0xDEADBE12, 0xFFFFFF34, 0x00000156, 0x77777778}},
        {"Port1Write", {0xABCDEF00, 0x12345602}},
        {"PortRead", {address(0), address(1), address(2), address(3), address(4)}},
    };
    for (const auto& [name, args] : calls) {
        SCOPED_TRACE(name);
        const FARPROC function = Export(name);
        ASSERT_NE(function, nullptr);
        EXPECT_EQ(StackBytesRemovedByCallee(reinterpret_cast<const void*>(function), args.data(),
                                            static_cast<std::uint32_t>(args.size())),
                  4 * args.size());
    }
    EXPECT_EQ(bank, (PortBank{0x12, 0x34, 0x56, 0x78, 0xFB}));
}

}  // namespace
