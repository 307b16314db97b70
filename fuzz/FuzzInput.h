// What the fuzz targets share: turning the fuzzer's bytes into wide texts, and
// stopping the run with the offending text when a result is wrong.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// A byte below 0x80 is that ASCII character, where all the parsing happens. A
// byte from 0x80 to 0xFE takes the next two bytes (low first) as a UTF-16 code,
// what a Windows edit box holds; 0xFF takes the next four as a raw code, which
// reaches the codes only a 32-bit wchar_t has, negative ones included.
std::wstring WideText(const std::uint8_t* data, std::size_t size);

// The text with everything but printable ASCII escaped, for failure reports.
std::string Escaped(std::wstring_view text);
std::string Escaped(std::string_view text);

// Prints what went wrong for which text and aborts, so the fuzzer keeps the input.
[[noreturn]] void Fail(const std::string& what, const std::string& text);
