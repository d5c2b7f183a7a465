// The XML toolbox: the text encoding, texts through queries and the value formats.
#include "unit/registerxml/RegisterXmlFixture.h"

namespace velloway::test {
namespace {

using namespace modXMLToolbox;

TEST(LoadXml, TextIsUtf8WhateverItsDeclarationSays) {
  const XmlDocument doc =
      LoadXml("<?xml version=\"1.0\" encoding=\"UTF-16\"?><Options>\xC2\xA3</Options>");
  ASSERT_TRUE(doc);
  EXPECT_EQ(NodeText(xmlDocGetRootElement(doc.get())), "\xC2\xA3");
}

// Texts are never parsed as markup: escaped when written, as a query finds them when read.
TEST(NodeTexts, GetAndSetThroughQueriesEscaped) {
  XmlDocument doc = LoadXml("<Risk ID=\"R1\"><Cost>5</Cost><Cost>6</Cost><Empty/></Risk>");
  xmlNodePtr risk = xmlDocGetRootElement(doc.get());
  EXPECT_EQ(GetXmlNodeText(risk, "@ID"), "R1");
  EXPECT_EQ(GetXmlNodeText(risk, "Cost"), "5");
  EXPECT_EQ(GetXmlNodeText(risk, "Missing"), "");
  EXPECT_EQ(GetXmlNodeText(risk, "Cost["), "");
  EXPECT_FALSE(SelectXmlNodes(risk, "").has_value());

  SetXmlNodeText(risk, "Cost", "1 & 2");
  SetXmlNodeText(risk, "@ID", "R<2>");
  SetXmlNodeText(risk, "Missing", "x");
  SetXmlNodeText(risk, "Empty", "");
  const XmlNode impact = CreateXmlElement(doc.get(), "Impact", "a < b & c", "Name", "Cost");
  EXPECT_EQ(NodeText(impact.get()), "a < b & c");
  AppendClone(risk, impact.get());
  EXPECT_EQ(XmlText(doc.get()).substr(XmlText(doc.get()).find("<Risk")),
            "<Risk ID=\"R&lt;2&gt;\"><Cost>1 &amp; 2</Cost><Cost>6</Cost><Empty/>"
            "<Impact Name=\"Cost\">a &lt; b &amp; c</Impact></Risk>\n");
}

class XmlValues : public RegisterXmlTest {};

TEST_F(XmlValues, DatesInTheUsersOrderToIsoOrTodayOrEmpty) {
  fakes.SetInternational("sShortDate", "dd/MM/yyyy");
  EXPECT_EQ(XmlDateText(state, "03/04/2025", false), "2025-04-03");
  EXPECT_EQ(XmlDateText(state, "2024-02-29", true), "2024-02-29");
  EXPECT_EQ(XmlDateText(state, "", false), "2026-12-06");  // the fixed clock's day
  EXPECT_EQ(XmlDateText(state, "", true), "");
  EXPECT_EQ(XmlDateText(state, "next week", false), "2026-12-06");
  EXPECT_EQ(XmlDateText(state, "next week", true), "");
  EXPECT_EQ(XmlDateText(state, "31/02/2025", true), "");
}

}  // namespace
}  // namespace velloway::test
