// Letter case for comparisons that ignore it: every letter mapped to its simple upper case, so a
// text keeps its length in characters ("ß" stays "ß", as the platform's upper-casing leaves it).
#pragma once

#include <string>
#include <string_view>

namespace velloway::registerxml {

std::string UnicodeUpper(std::string_view text);

}  // namespace velloway::registerxml
