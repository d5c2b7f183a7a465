// Validation against the schema file: the INI switch, the load-error message, schema trouble.
#include <gmock/gmock.h>

#include "unit/registerxml/RegisterXmlFixture.h"

namespace velloway {
namespace {

using namespace modXMLToolbox;

class XmlValidation : public test::RegisterXmlTest {
 protected:
  // A document the shipped schema rejects: its RiskRegister lacks every section but Risks.
  xmlDocPtr InvalidDocument() { return NewDocument(false).get(); }
};

TEST_F(XmlValidation, OnlyTheExactFalseSwitchesItOff) {
  InstallSchema("FALSE");  // the schema is not even read
  EXPECT_TRUE(ValidateXmlWithSchema(state, InvalidDocument(), dir.File("none.xsd"), true));
  InstallSchema(nullptr);  // no key: the default is "FALSE"
  EXPECT_TRUE(ValidateXmlWithSchema(state, InvalidDocument(), state.SchemaPath, true));
  EXPECT_TRUE(fakes.ui->boxes.empty());

  InstallSchema("false");
  EXPECT_FALSE(ValidateXmlWithSchema(state, InvalidDocument(), state.SchemaPath, false));
  EXPECT_TRUE(fakes.ui->boxes.empty());
}

TEST_F(XmlValidation, AnInvalidDocumentShowsTheLoadErrorMessage) {
  InstallSchema("TRUE");
  EXPECT_FALSE(ValidateXmlWithSchema(state, InvalidDocument(), state.SchemaPath, true));
  ASSERT_EQ(fakes.ui->boxes.size(), 1u);
  const test::ShownBox& box = fakes.ui->boxes[0];
  EXPECT_EQ(std::tuple(box.title, box.icon, box.buttons),
            std::tuple("MSXMLParser", MsgIcon::Critical, MsgButtons::OK));
  // The reason names the element, and the fields follow on their own lines.
  using testing::HasSubstr;
  EXPECT_THAT(box.text,
              testing::AllOf(testing::StartsWith("Your XML Document failed to load due "
                                                 "to the following error.\r\nError #: "),
                             HasSubstr("Element 'RiskRegister'"),
                             HasSubstr("\r\nLine #: 3\r\nLine Position: 3\r\n"),
                             HasSubstr("\r\nSource Text: <RiskRegister>\r\nDocument URL: ")));
}

TEST_F(XmlValidation, ACharacterXmlCannotHoldFailsAsAFailedParseDoes) {
  // C0 controls, U+FFFE, a lone high and a lone low surrogate.
  for (const auto& [bad, named] : {std::pair{"\x0B", "U+000B"},
                                   {"\x1F", "U+001F"},
                                   {"\xEF\xBF\xBE", "U+FFFE"},
                                   {"\xED\xA0\x80", "U+D800"},
                                   {"\xED\xBF\xBF", "U+DFFF"}}) {
    for (const bool inAttribute : {false, true}) {
      const std::string dirty = std::string("soft") + bad + "break";
      xmlDocPtr doc = InvalidDocument();
      const XmlNode risk = CreateXmlElement(doc, "Risk", inAttribute ? "clean" : dirty, "ID",
                                            inAttribute ? dirty : "R2");
      AppendClone(SelectSingleNode(RiskRegister(), "Risks"), risk.get());
      InstallSchema("TRUE");
      fakes.diagnostics.clear();
      // No message: the load error of an invalid document would show one.
      EXPECT_FALSE(ValidateXmlWithSchema(state, doc, state.SchemaPath, true));
      EXPECT_TRUE(fakes.ui->boxes.empty());
      EXPECT_EQ(fakes.diagnostics, std::vector<std::string>{
                                       "the register document does not parse once written: "
                                       "/ksrr:Kestrion/RiskRegister/Risks/Risk" +
                                       std::string(inAttribute ? "/@ID" : "") + " holds " + named});
      InstallSchema("FALSE");
      EXPECT_TRUE(ValidateXmlWithSchema(state, doc, state.SchemaPath, true));
    }
  }
}

TEST_F(XmlValidation, SchemaTroubleShowsItsOwnMessage) {
  InstallSchema("TRUE");
  const std::string noNamespace =
      dir.Write("plain.xsd",
                "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\"><xs:element "
                "name=\"A\"/></xs:schema>");
  // A schema that pulls its types from a file next to it is refused as a whole.
  const std::string types =
      dir.Write("types.xsd",
                "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
                "targetNamespace=\"http://www.kestrion.com/2006/KSRiskRegister\"/>");
  const std::string including =
      dir.Write("including.xsd",
                "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
                "targetNamespace=\"http://www.kestrion.com/2006/KSRiskRegister\">"
                "<xs:include schemaLocation=\"" +
                    types + "\"/><xs:element name=\"Kestrion\"/></xs:schema>");
  for (const std::string& schema :
       {dir.File("none.xsd"), noNamespace, dir.Write("broken.xsd", "<xs:schema"), including}) {
    fakes.ui->boxes.clear();
    EXPECT_FALSE(ValidateXmlWithSchema(state, InvalidDocument(), schema, true));
    ASSERT_EQ(BoxTexts(), std::vector<std::string>{"Error in ValidateXMLDocumentWithSchema"});
    EXPECT_EQ(fakes.ui->boxes[0].icon, MsgIcon::Critical);
    EXPECT_EQ(fakes.ui->boxes[0].title, "");
  }
  // A document in another namespace is invalid, not schema trouble.
  fakes.ui->boxes.clear();
  XmlDocument other = CreateXmlDocument("ksrr:Kestrion", "http://example.org/other");
  EXPECT_FALSE(ValidateXmlWithSchema(state, other.get(), state.SchemaPath, false));
  EXPECT_TRUE(fakes.ui->boxes.empty());
}

}  // namespace
}  // namespace velloway
