// The binary workbook reader (.xlsb): the same package as an .xlsx, with its workbook, shared
// strings, styles and sheets as record streams.
#pragma once

#include <string>

namespace velloway::workbook {

class Workbook;
class ZipPackage;

// Reads every worksheet of the package whose workbook part is `workbookPart`. Throws
// WorkbookError.
void ReadXlsb(ZipPackage& package, const std::string& workbookPart, Workbook& workbook);

}  // namespace velloway::workbook
