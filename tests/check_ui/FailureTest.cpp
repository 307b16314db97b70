// No board, no board library, a library without one operation: one message
// box each, and the program either goes on reading or ends by itself.
#include "ProgramCopy.h"
#include "CheckFixture.h"

#include "Wait.h"
#include "WindowAccess.h"

using namespace uitest;

namespace {

const BoxTexts kInitialTexts{L"Text1", L"Text1", L"Text1", L"Text1", L"Text1"};

TEST_F(CheckTest, NoBoardSaysSoOnceWithOkOnlyThenReadingGoesOn)
{
    StartAndWaitForForm({{L"QORVEL_SIM_ABSENT", L"1"}});
    const MessageView box = WaitForMessage();
    ASSERT_NE(box.window, nullptr) << "no message box";
    EXPECT_EQ(box.text, L"Could not find Qorvel");
    EXPECT_EQ(box.buttons, std::vector<std::wstring>{L"OK"});
    EXPECT_EQ(Texts(kReadBoxes), kInitialTexts);
    EXPECT_EQ(Texts(kWriteBoxes), kInitialTexts);

    // The timer does not read while the box is open.
    Sleep(500);
    EXPECT_FALSE(Log().Last("PortRead")) << Log().Dump();
    ASSERT_TRUE(Acknowledge(box));

    EXPECT_TRUE(Log().WaitForCount("PortRead", 5, 3000)) << Log().Dump();
    EXPECT_EQ(TopWindows(Check().Id()), std::vector<HWND>{Form()}) << "one box only";
    EXPECT_EQ(Texts(kWriteBoxes), kInitialTexts);
    EXPECT_TRUE(WaitUntil([&] { return Focus() == Item(IDC_PORTREADBT); }, 2000));
}

struct BrokenLibrary {
    const char* name;
    const wchar_t* library;  // copied beside the program as QorvelIo.dll; "" for none
    const wchar_t* reason;   // what the message must name
    bool failsOnWrite;       // the missing operation is first called by a write
};

void PrintTo(const BrokenLibrary& library, std::ostream* out)
{
    *out << library.name;
}

class BrokenLibraryTest : public CheckTest, public ::testing::WithParamInterface<BrokenLibrary> {};

TEST_P(BrokenLibraryTest, SaysWhyOnceThenEndsByItself)
{
    const ProgramCopy copy(kCheckExe, GetParam().library);
    Start({}, copy.RelativeExe());
    if (GetParam().failsOnWrite) {
        form_ = WaitForTopWindow(Check().Id(), nullptr, kFormCaption, kStartTimeoutMs);
        ASSERT_NE(form_, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return Text(Item(IDC_P1W)) == L"0"; }, 3000));
        PostClick(Item(IDC_PORTWRITEBT));
    }
    const MessageView box = WaitForMessage(kStartTimeoutMs);
    ASSERT_NE(box.window, nullptr) << "no message box";
    EXPECT_NE(box.text.find(GetParam().reason), std::wstring::npos) << box.text;
    EXPECT_EQ(box.buttons, std::vector<std::wstring>{L"OK"});

    // The timer has stopped: nothing more reaches the board.
    const std::size_t calls = Log().Size();
    Sleep(400);
    EXPECT_EQ(Log().Size(), calls) << Log().Dump();
    ASSERT_TRUE(Acknowledge(box));

    ASSERT_TRUE(Check().WaitForExit(5000)) << "the program did not end";
    EXPECT_EQ(Check().ExitCode(), 1u) << "an orderly end, not a crash";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BrokenLibraryTest,
    ::testing::Values(BrokenLibrary{"NoLibrary", L"", L"QorvelIo.dll was not found", false},
                      BrokenLibrary{"NoPort1Write", L"QorvelIoNoPort1Write.dll", L"Port1Write", true}),
    [](const ::testing::TestParamInfo<BrokenLibrary>& info) { return std::string(info.param.name); });

}  // namespace
