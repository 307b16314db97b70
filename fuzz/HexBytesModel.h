// How the simulator's five-byte settings ought to read, worked out by splitting
// the text into words rather than by scanning it: the fuzz targets' reference.
#pragma once

#include "QorvelIo.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline std::optional<PortBank> ReferenceBytes(std::string_view text)
{
    constexpr std::string_view kSeparators(" \t\r\n");
    std::vector<std::string_view> words;
    for (std::size_t pos = text.find_first_not_of(kSeparators); pos != std::string_view::npos;
         pos = text.find_first_not_of(kSeparators, pos)) {
        const std::size_t end = std::min(text.find_first_of(kSeparators, pos), text.size());
        words.push_back(text.substr(pos, end - pos));
        pos = end;
    }
    if (words.size() != static_cast<std::size_t>(kPortCount))
        return std::nullopt;
    PortBank bytes{};
    for (int port = 0; port < kPortCount; ++port) {
        const std::string_view word = words[port];
        if (word.size() > 2)
            return std::nullopt;
        for (const char c : word)
            if (!std::isxdigit(static_cast<unsigned char>(c)))
                return std::nullopt;
        bytes[port] = static_cast<std::uint8_t>(std::stoul(std::string(word), nullptr, 16));
    }
    return bytes;
}

inline std::string Describe(const std::optional<PortBank>& bytes)
{
    if (!bytes)
        return "nothing";
    std::string text;
    for (const std::uint8_t byte : *bytes) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02X", byte);
        text += text.empty() ? hex : std::string(" ") + hex;
    }
    return text;
}
