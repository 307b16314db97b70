// The simulator's input file: any bytes give five hex bytes or nothing, and
// five bytes written out in any of the usual ways read back.
#include "FuzzInput.h"
#include "HexBytes.h"
#include "HexBytesModel.h"

#include <cstdio>

namespace {

void CheckWrittenBytes(const PortBank& bytes)
{
    static const char* const layouts[] = {
        "%02X %02X %02X %02X %02X",        "%x %x %x %x %x",
        "%02x\t%02x\t%02x\t%02x\t%02x\r\n", "\n%X\n%X\r\n%X  %X \t %X\n\n",
    };
    for (const char* layout : layouts) {
        char text[64];
        std::snprintf(text, sizeof text, layout, bytes[0], bytes[1], bytes[2], bytes[3], bytes[4]);
        const auto read = ParseFiveHexBytes(std::string_view(text));
        if (read != bytes)
            Fail("read back as " + Describe(read) + ", written from " + Describe(bytes), Escaped(text));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto bytes = ParseFiveHexBytes(text);
    const auto expected = ReferenceBytes(text);
    if (bytes != expected)
        Fail("gave " + Describe(bytes) + ", expected " + Describe(expected), Escaped(text));
    if (size >= kPortCount)
        CheckWrittenBytes({data[0], data[1], data[2], data[3], data[4]});
    return 0;
}
