// Level names to level positions, through the probability-impact definition (PID) section of the
// register document.
#pragma once

#include <libxml/tree.h>

#include <string>

namespace velloway::registerxml {

// The Position of the first level of levelType whose matchField child ("ShortName" or
// "FullName") equals value when both are upper-cased; "0" when none does or there is no PID.
std::string LevelPosition(xmlDocPtr doc, const std::string& levelType,
                          const std::string& matchField, const std::string& value);

}  // namespace velloway::registerxml
