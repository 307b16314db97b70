// A text for test names and failure messages: ASCII as it is, other characters
// as \u escapes, in double quotes.
#pragma once

#include <cstdio>
#include <string>

inline std::string Printable(const std::wstring& text)
{
    std::string printable = "\"";
    for (wchar_t c : text) {
        if (c >= 0x20 && c < 0x7F) {
            printable += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
            printable += escaped;
        }
    }
    return printable + '"';
}
