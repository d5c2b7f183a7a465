// One row of the risk or risk history sheet into a risk builder. The two sheets share their
// layout: fixed columns at the start, the rest placed by Options!B16 to B23, and the names of
// impacts and user fields in row 2.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "registerxml/clsXmlRisk.h"

namespace velloway {
namespace workbook {
class Worksheet;
}

namespace registerxml {

class RiskSheetReader {
 public:
  // Converts the layout values the fixed blocks hang on (B17, B19, B23); throws when one of them
  // names no column.
  RiskSheetReader(LibraryState& state, const workbook::Worksheet* sheet, bool bHistory);

  // Fills every field but the ID from the row: the fallback plan of a risk, or the audit date of
  // a history entry, from the column after the user fields. Throws for a number or flag cell that
  // does not convert, and for a layout value that names no column.
  void Fill(clsXmlRisk& risk, std::int32_t row);

 private:
  // One impact per column strictly between two, named by row 2.
  void FillImpacts(clsXmlImpacts& impacts, std::int32_t row, std::int32_t after,
                   std::int32_t before) const;
  void FillUserFields(clsXMLUserfields& userfields, std::int32_t row);
  // The ID and type of the user field definition of each name; the last of a name wins.
  const std::map<std::string, std::pair<std::string, std::string>>& Definitions();

  LibraryState& state_;
  const workbook::Worksheet* sheet_;
  bool history_;
  std::int32_t preScore_;       // B17; the response, its title and cost follow
  std::int32_t postScore_;      // B19; owner to quantified follow
  std::int32_t lastUserField_;  // B23; the fallback plan or audit date follows
  std::optional<std::map<std::string, std::pair<std::string, std::string>>> definitions_;
};

}  // namespace registerxml
}  // namespace velloway
