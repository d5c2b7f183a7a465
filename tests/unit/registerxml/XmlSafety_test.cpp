// Hostile XML never reaches a file, a URL or an expanded entity.
#include "unit/registerxml/RegisterXmlFixture.h"

namespace velloway {
namespace {

using namespace modXMLToolbox;

class XmlSafety : public test::RegisterXmlTest {};

TEST_F(XmlSafety, ExternalEntitiesDoctypesAndBillionLaughsDoNotLoad) {
  const std::string secret = dir.Write("secret.txt", "top secret");
  std::string bomb = "<!DOCTYPE lolz [<!ENTITY lol0 \"lol\">";
  for (int i = 1; i <= 9; ++i) {
    bomb += "<!ENTITY lol" + std::to_string(i) + " \"";
    for (int j = 0; j < 10; ++j) bomb += "&lol" + std::to_string(i - 1) + ";";
    bomb += "\">";
  }
  bomb += "]><Options>&lol9;</Options>";
  XmlParseError error;
  for (const std::string& xml :
       {"<!DOCTYPE Options [<!ENTITY s SYSTEM \"file://" + secret + "\">]><Options>&s;</Options>",
        std::string("<!DOCTYPE PID SYSTEM \"http://127.0.0.1:9/pid.dtd\"><PID/>"),
        "<!DOCTYPE PID [<!ENTITY % p SYSTEM \"file://" + secret + "\"> %p;]><PID/>",
        std::string("<Options>&s;</Options>"),  // undeclared: no more welcome than declared
        bomb}) {
    error = {};
    EXPECT_FALSE(LoadXml(xml, &error)) << xml;
    EXPECT_NE(error.errorCode, 0) << xml;
  }
  // The bomb stops at the doctype, before any entity is expanded.
  EXPECT_NE(error.reason.find("document type declaration"), std::string::npos) << error.reason;
}

}  // namespace
}  // namespace velloway
