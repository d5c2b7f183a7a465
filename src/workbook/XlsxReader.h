// The .xlsx / .xlsm reader: parts found through the package's relationships, never by
// assumed names.
#pragma once

namespace velloway::workbook {

class Workbook;
class ZipPackage;

// Reads every worksheet of the package into the workbook. Throws WorkbookError.
void ReadXlsx(ZipPackage& package, Workbook& workbook);

}  // namespace velloway::workbook
