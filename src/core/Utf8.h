// Small helpers for UTF-8 text: ASCII case folding and cuts by character count.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velloway {

// Upper-cases ASCII letters and leaves every other byte alone.
std::string AsciiUpper(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
// Blanks and tabs removed from both ends.
std::string_view TrimBlanks(std::string_view text);
// The number of characters (code points) of UTF-8 text.
std::size_t CharacterCount(std::string_view text);
// The first count characters of UTF-8 text.
std::string FirstCharacters(std::string_view text, std::size_t count);

}  // namespace velloway
