#include "workbook/OdsReader.h"

#include <string>
#include <vector>

#include "workbook/OdsCell.h"
#include "workbook/Workbook.h"
#include "workbook/WorkbookError.h"
#include "workbook/XmlStream.h"
#include "workbook/ZipPackage.h"

namespace velloway::workbook {
namespace {

constexpr std::string_view kSpreadsheetType = "application/vnd.oasis.opendocument.spreadsheet";
constexpr std::string_view kOpenDocumentPrefix = "application/vnd.oasis.opendocument.";
const std::string kContent = "content.xml";

// Cells that repetition may add beyond those written out; a real sheet repeats a value a few
// times, a hostile one could ask for every cell of every sheet.
constexpr std::uint64_t kMaxRepeatedCells = std::uint64_t{1} << 24;
// Blanks that text:s elements may expand to, over the whole workbook.
constexpr std::uint64_t kMaxExpandedBlanks = std::uint64_t{16} << 20;

class ContentHandler : public XmlHandler {
 public:
  explicit ContentHandler(Workbook& workbook) : workbook_(workbook) {}

  void StartElement(const char* name, const XmlAttributes& attributes) override {
    ++depth_;
    if (paragraphDepth_ > 0) {
      InParagraph(name, attributes);
    } else if (cellDepth_ > 0) {
      if (depth_ == cellDepth_ + 1 && Is(name, "p")) {
        paragraphDepth_ = depth_;
        cell_.StartParagraph();
      }
    } else if (inRow_) {
      const bool covered = Is(name, "covered-table-cell");
      if (covered || Is(name, "table-cell")) {
        cellDepth_ = depth_;
        cell_.Begin(attributes, covered, dates_);
      }
    } else if (sheet_ != nullptr) {
      if (Is(name, "table-row")) StartRow(attributes);
    } else if (Is(name, "null-date")) {
      const auto date = attributes.GetQualified("date-value");
      dates_ = date && *date == "1904-01-01" ? DateSystem::From1904 : DateSystem::From1900;
    } else if (Is(name, "table")) {
      const auto sheetName = attributes.GetQualified("name");
      sheet_ = &workbook_.AddSheet(sheetName ? std::string(*sheetName) : std::string());
      tableDepth_ = depth_;
      nextRow_ = 1;
    }
  }

  void EndElement(const char* /*name*/) override {
    if (depth_ == paragraphDepth_) {
      paragraphDepth_ = 0;
    } else if (depth_ == cellDepth_) {
      cellDepth_ = 0;
      EndCell();
    } else if (inRow_ && depth_ == rowDepth_) {
      inRow_ = false;
      EndRow();
    } else if (depth_ == tableDepth_) {
      sheet_->Seal();
      sheet_ = nullptr;
      tableDepth_ = 0;
    }
    --depth_;
  }

  void Characters(std::string_view text) override {
    if (paragraphDepth_ > 0) cell_.AppendText(text);
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    throw Damaged(kContent + ": " + what + " of sheet '" + sheet_->Name() + "'");
  }

  void InParagraph(const char* name, const XmlAttributes& attributes) {
    if (Is(name, "s")) {
      const auto count = attributes.GetQualified("c");
      const std::uint64_t blanks = count ? RepeatCount(*count, kMaxExpandedBlanks) : 1;
      expandedBlanks_ += blanks;
      if (expandedBlanks_ > kMaxExpandedBlanks)
        throw TooLarge(kContent + " expands too many blanks");
      cell_.Text().append(blanks, ' ');
    } else if (Is(name, "tab")) {
      cell_.AppendText("\t");
    } else if (Is(name, "line-break")) {
      cell_.AppendText("\n");
    }
  }

  void StartRow(const XmlAttributes& attributes) {
    inRow_ = true;
    rowDepth_ = depth_;
    const auto repeated = attributes.GetQualified("number-rows-repeated");
    rowRepeat_ = repeated ? RepeatCount(*repeated, kMaxRows + 1ULL) : 1;
    nextColumn_ = 1;
    rowCells_.clear();
  }

  void Repeating(std::uint64_t copies) {
    repeatedCells_ += copies;
    if (repeatedCells_ > kMaxRepeatedCells) {
      throw TooLarge(kContent + " repeats cells more than " + std::to_string(kMaxRepeatedCells) +
                     " times");
    }
  }

  void EndCell() {
    const std::uint64_t columns = cell_.Columns();
    StoredCell value;
    if (cell_.Value(workbook_.MutableStrings(), value)) {
      if (nextColumn_ + columns - 1 > kMaxColumns) Fail("a cell lies beyond the last column");
      Repeating(columns - 1);
      for (std::uint64_t i = 0; i < columns; ++i) {
        value.column = static_cast<std::uint16_t>(nextColumn_ + i);
        rowCells_.push_back(value);
      }
    }
    nextColumn_ += columns;
  }

  void EndRow() {
    if (!rowCells_.empty()) {
      if (nextRow_ + rowRepeat_ - 1 > kMaxRows) Fail("a cell lies beyond the last row");
      Repeating((rowRepeat_ - 1) * rowCells_.size());
      for (std::uint64_t r = 0; r < rowRepeat_; ++r) {
        for (StoredCell cell : rowCells_) {
          cell.row = static_cast<std::uint32_t>(nextRow_ + r);
          sheet_->Append(cell);
        }
      }
    }
    nextRow_ += rowRepeat_;
  }

  Workbook& workbook_;
  Worksheet* sheet_ = nullptr;
  OdsCell cell_;
  std::vector<StoredCell> rowCells_;
  DateSystem dates_ = DateSystem::From1900;
  int depth_ = 0;
  int tableDepth_ = 0;
  int rowDepth_ = 0;
  int cellDepth_ = 0;
  int paragraphDepth_ = 0;
  bool inRow_ = false;
  // Counted wide, so that repeats of empty rows and columns past the sheet's end never wrap.
  std::uint64_t nextRow_ = 1;
  std::uint64_t nextColumn_ = 1;
  std::uint64_t rowRepeat_ = 1;
  std::uint64_t repeatedCells_ = 0;
  std::uint64_t expandedBlanks_ = 0;
};

}  // namespace

bool IsOpenDocumentSpreadsheet(ZipPackage& package) {
  if (!package.Has("mimetype")) return false;
  std::string type;
  package.Read("mimetype", [&](std::span<const char> chunk) {
    if (type.size() < 256) type.append(chunk.data(), std::min<std::size_t>(chunk.size(), 256));
  });
  while (!type.empty() && (type.back() == '\n' || type.back() == '\r' || type.back() == ' ')) {
    type.pop_back();
  }
  if (type == kSpreadsheetType || type == std::string(kSpreadsheetType) + "-template") return true;
  if (type.rfind(kOpenDocumentPrefix, 0) == 0) {
    throw NotAWorkbook("an OpenDocument file that is no spreadsheet");
  }
  return false;
}

void ReadOds(ZipPackage& package, Workbook& workbook) {
  ContentHandler handler(workbook);
  ParseXmlPart(package, kContent, handler);
  workbook.MutableStrings().Shrink();
}

}  // namespace velloway::workbook
