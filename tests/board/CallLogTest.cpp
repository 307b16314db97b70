#include "CallLog.h"

#include <gtest/gtest.h>

namespace {

struct LogCase {
    std::string line;
    const char* expected;
};

TEST(SimCallLog, WritesOneLineOfUpperCaseHexPerCall)
{
    const LogCase cases[] = {
        {CallLog::InitBoard(0, 1), "0 InitBoard -> 1\n"},
        {CallLog::InitBoard(4294967295ul, 0), "4294967295 InitBoard -> 0\n"},
        {CallLog::PortConfigure(1234,
                                {kAllOutput, kAllOutput, kAllOutput, kAllOutput, kP1AllOutput}),
         "1234 PortConfigure 0000FFFF 0000FFFF 0000FFFF 0000FFFF 000000FC\n"},
        {CallLog::PortConfigure(7, {0xFFFFFFFF, 0xabcdef01, 0, 1, 0x80000000}),
         "7 PortConfigure FFFFFFFF ABCDEF01 00000000 00000001 80000000\n"},
        {CallLog::PortRead(42, {0xFF, 0x00, 0x12, 0x03, 0xFC}), "42 PortRead -> FF 00 12 03 FC\n"},
        {CallLog::PortWrite(5, 0xF7, 0x00, 0x12, 0x03), "5 PortWrite F7 00 12 03\n"},
        {CallLog::Port1Write(9, 1, 5), "9 Port1Write 01 05\n"},
        {CallLog::Port1Write(10, 0xC8, 0xab), "10 Port1Write C8 AB\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.line, c.expected);
}

}  // namespace
