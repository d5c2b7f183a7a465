// The XML toolbox: the written text, the text encoding, hostile texts that must not load, texts
// through queries and the value formats.
#include <libxml/parserInternals.h>
#include <libxml/xmlsave.h>

#include "registerxml/XmlTreeWriter.h"
#include "unit/registerxml/RegisterXmlFixture.h"

namespace velloway::test {
namespace {

using namespace modXMLToolbox;

// The text as libxml2's own serialiser writes it, which the register's stored text must equal.
std::string SavedByLibxml2(xmlDocPtr doc) {
  std::string text;
  auto append = [](void* context, const char* piece, int size) {
    static_cast<std::string*>(context)->append(piece, static_cast<std::size_t>(size));
    return size;
  };
  xmlSaveCtxtPtr save = xmlSaveToIO(append, nullptr, &text, "UTF-8", 0);
  xmlSaveDoc(save, doc);
  xmlSaveClose(save);
  return text;
}

void ExpectWrittenAsLibxml2Does(xmlDocPtr doc) {
  XmlTextBlocks blocks;
  ASSERT_TRUE(WriteTreeText(doc, blocks));
  EXPECT_EQ(blocks.Join(), SavedByLibxml2(doc));
}

TEST(WriteTreeText, SameBytesAsLibxml2) {
  const std::string tricky =
      "a & b < c > d \"q\" 'a' \r\n\t end \xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80";
  XmlDocument doc = CreateXmlDocument(kRegisterRootName, kRegisterNamespaceUri);
  xmlNodePtr root = xmlDocGetRootElement(doc.get());
  AddXmlAttribute(doc.get(), root, "xml:space", "preserve");
  for (const std::string& text : {tricky, std::string("\x0B\xFF\xC3"), std::string("0")}) {
    AppendOwned(root, CreateXmlElement(doc.get(), "Title", text, "Name", text));
  }
  AppendOwned(root, CreateXmlElement(doc.get(), "Empty"));
  // Nodes the register only gets from the Options fragments, or not at all.
  const XmlDocument fragment = LoadXml(
      "<PID xmlns='urn:d' xmlns:p='urn:&quot;' xmlns:q=\"urn:&quot;'\" p:a='&#9;&#10;&#13;&lt;'>"
      "<!-- note --><?pi data?><?bare?><![CDATA[<raw> & ]]>&amp;&#13;<p:In q:b=''/>"
      "</PID>");
  ASSERT_TRUE(fragment);
  AppendClone(root, xmlDocGetRootElement(fragment.get()));
  xmlAddChild(root, xmlNewDocNode(doc.get(), nullptr, BAD_CAST "Ref", BAD_CAST "x&unknown;y"));
  xmlAddChild(xmlGetLastChild(root), reinterpret_cast<xmlNodePtr>(xmlNewDocProp(
                                         doc.get(), BAD_CAST "At", BAD_CAST "1&unknown;2")));
  xmlAddChild(root, xmlNewCDataBlock(doc.get(), BAD_CAST "a]]>b", 5));
  xmlNodePtr noenc = xmlNewDocText(doc.get(), BAD_CAST "<as is>");
  noenc->name = xmlStringTextNoenc;
  xmlAddChild(root, noenc);
  xmlAddPrevSibling(root, xmlNewDocComment(doc.get(), BAD_CAST " before "));
  xmlAddNextSibling(root, xmlNewDocPI(doc.get(), BAD_CAST "after", nullptr));
  ExpectWrittenAsLibxml2Does(doc.get());

  // Deep nesting, and a text across the writer's blocks.
  xmlNodePtr deep = root;
  for (int i = 0; i < 2000; ++i) deep = xmlNewChild(deep, nullptr, BAD_CAST "D", nullptr);
  std::string large;
  while (large.size() < (std::size_t{3} << 20)) large += tricky;
  AppendOwned(deep, CreateXmlElement(doc.get(), "Large", large, "Name", large));
  ExpectWrittenAsLibxml2Does(doc.get());
  EXPECT_EQ(XmlText(doc.get()), SavedByLibxml2(doc.get()));

  // A loaded document, whose declaration named no encoding, is written as UTF-8 all the same.
  const XmlDocument loaded = LoadXml("<A b='\xC3\xA9'>\xC3\xA9</A>");
  ASSERT_TRUE(loaded);
  ExpectWrittenAsLibxml2Does(loaded.get());
  // A standalone document is left to libxml2.
  const XmlDocument standalone = LoadXml("<?xml version='1.0' standalone='yes'?><A/>");
  XmlTextBlocks untouched;
  EXPECT_FALSE(WriteTreeText(standalone.get(), untouched));
  EXPECT_EQ(XmlText(standalone.get()), SavedByLibxml2(standalone.get()));
}

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

// Hostile XML never reaches a file, a URL or an expanded entity.
class XmlSafety : public RegisterXmlTest {};

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
}  // namespace velloway::test
