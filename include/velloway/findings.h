// What an import finds on its way through a workbook, told to the host as it goes: the
// template version, which sheets are there, where each sheet's records stand, and every problem
// with its place. A host that only imports may ignore them; a check shows them all.
#pragma once

#include <cstdint>
#include <string>

namespace velloway {

struct ImportFinding {
  enum class Kind {
    Template,  // fact: the template version read from "Options"!B4
    Sheet,     // sheet: a sheet the import reads; fact: "found" or "missing"
    Records,   // sheet: where its records stand (the rows below)
    Problem,   // sheet and cell where known; fact: what is wrong there
  };
  Kind kind = Kind::Problem;
  std::string sheet;
  std::string cell;  // "H7"; empty when the problem is the sheet's as a whole
  std::string fact;
  std::int32_t headerRow = 0;  // Records: 0 when the sheet has no header row
  std::int32_t firstRow = 0;   // Records: the first and last row read with a key
  std::int32_t lastRow = 0;
  std::int32_t records = 0;  // Records: how many were read
};

}  // namespace velloway
