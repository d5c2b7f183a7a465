// The OpenDocument spreadsheet reader (.ods): the tables of content.xml streamed into
// worksheets, repeated rows and columns counted rather than stored.
#pragma once

namespace velloway::workbook {

class Workbook;
class ZipPackage;

// True when the package says it is an OpenDocument spreadsheet. Throws WorkbookError for an
// OpenDocument package of another kind (a text document, a drawing).
bool IsOpenDocumentSpreadsheet(ZipPackage& package);

// Reads every table of the spreadsheet into the workbook. Throws WorkbookError.
void ReadOds(ZipPackage& package, Workbook& workbook);

}  // namespace velloway::workbook
