#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A text the user gave, quoted back in a message: at most a line's worth of it.
namespace geardim {

// The first maxCharacters characters (UTF-8 code points) of text, with "…" when it was
// longer; never cuts a character in two.
inline std::string excerpt(std::string_view text, std::size_t maxCharacters = 80)
{
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            continue; // a continuation byte
        if (characters++ == maxCharacters)
            return std::string(text.substr(0, i)) + "…";
    }
    return std::string(text);
}

} // namespace geardim
