// Hostile XML never reaches a file, a URL or an expanded entity.
#include "unit/registerxml/RegisterXmlFixture.h"

namespace velloway {
namespace {

using namespace modXMLToolbox;

class XmlSafety : public test::RegisterXmlTest {};

TEST_F(XmlSafety, ExternalEntitiesAndDoctypesDoNotLoad) {
  const std::string secret = dir.Write("secret.txt", "top secret");
  XmlParseError error;
  EXPECT_FALSE(LoadXml(
      "<!DOCTYPE Options [<!ENTITY s SYSTEM \"file://" + secret + "\">]><Options>&s;</Options>",
      &error));
  EXPECT_NE(error.errorCode, 0);
  EXPECT_FALSE(LoadXml("<!DOCTYPE PID SYSTEM \"http://127.0.0.1:9/pid.dtd\"><PID/>"));
  EXPECT_FALSE(
      LoadXml("<!DOCTYPE PID [<!ENTITY % p SYSTEM \"file://" + secret + "\"> %p;]><PID/>"));
  // An undeclared entity is no more welcome than a declared one.
  EXPECT_FALSE(LoadXml("<Options>&s;</Options>"));
}

TEST_F(XmlSafety, BillionLaughsStopsAtTheDoctype) {
  std::string bomb = "<!DOCTYPE lolz [<!ENTITY lol \"lol\">";
  bomb += "<!ENTITY lol1 \"&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;\">";
  for (int i = 2; i <= 9; ++i) {
    std::string previous = "&lol" + std::to_string(i - 1) + ";";
    std::string value;
    for (int j = 0; j < 10; ++j) value += previous;
    bomb += "<!ENTITY lol" + std::to_string(i) + " \"" + value + "\">";
  }
  bomb += "]><Options>&lol9;</Options>";
  XmlParseError error;
  EXPECT_FALSE(LoadXml(bomb, &error));
  EXPECT_NE(error.reason.find("document type declaration"), std::string::npos) << error.reason;
}

TEST_F(XmlSafety, ASchemaCannotIncludeAFile) {
  InstallSchema();
  // A schema that pulls its types from a file next to it is refused as a whole.
  dir.Write("RiskRegister/types.xsd",
            "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
            "targetNamespace=\"http://www.kestrion.com/2006/KSRiskRegister\"/>");
  dir.Write("RiskRegister/RiskRegister.xsd",
            "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
            "targetNamespace=\"http://www.kestrion.com/2006/KSRiskRegister\">"
            "<xs:include schemaLocation=\"" +
                dir.File("RiskRegister/types.xsd") +
                "\"/>"
                "<xs:element name=\"Kestrion\"/></xs:schema>");
  auto& doc = NewDocument(false);
  EXPECT_FALSE(ValidateXmlWithSchema(state, doc.get(), state.SchemaPath, true));
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Error in ValidateXMLDocumentWithSchema"});
}

TEST_F(XmlSafety, ParseErrorsSayWhereTheyAre) {
  XmlParseError error;
  EXPECT_FALSE(LoadXml("<Options>\n  <A>1</B>\n</Options>", &error));
  EXPECT_GT(error.errorCode, 0);
  EXPECT_EQ(error.line, 2);
  EXPECT_EQ(error.srcText, "<A>1</B>");
  EXPECT_EQ(error.reason.substr(error.reason.size() - 2), "\r\n");
  EXPECT_FALSE(LoadXml("", &error));
  EXPECT_FALSE(LoadXml("<Options/><Options/>"));
}

}  // namespace
}  // namespace velloway
