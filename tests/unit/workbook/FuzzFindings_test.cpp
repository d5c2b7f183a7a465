// Inputs the fuzz targets found, each kept with the fault it guards against.
#include <gtest/gtest.h>

#include "WorkbookTestSupport.h"

namespace velloway::test {
namespace {

std::string Finding(const std::string& name) {
  return std::string(VELLOWAY_TEST_DATA) + "/fuzz/" + name;
}

// A sheet whose successor's offset lies past the workbook stream was read past the stream's
// end when its substream was bounded by that offset.
TEST(FuzzFindings, NextSheetOffsetPastTheStream) {
  EXPECT_EQ(OpenFailure(Finding("xls_next_sheet_offset_past_stream.xls")),
            "damaged package: sheet '' does not lie after the one before it");
}

// A damaged compound file directory: refused, and what libgsf loses on the way out is its own
// (see GsfLeaks.cpp); nothing of the reader's leaks.
TEST(FuzzFindings, DamagedCompoundFileDirectory) {
  EXPECT_EQ(OpenFailure(Finding("xls_compound_file_directory_leak.xls")),
            "not a workbook (the compound file holds no workbook stream)");
}

}  // namespace
}  // namespace velloway::test
