// The XML toolbox: document settings, elements, copies, queries and the value formats.
#include <libxml/parserInternals.h>
#include <libxml/xmlsave.h>

#include "core/ImportError.h"
#include "registerxml/XmlTreeWriter.h"
#include "unit/registerxml/RegisterXmlFixture.h"

namespace velloway {
namespace {

using namespace modXMLToolbox;
using test::ChildNames;
using test::Text;

TEST(XmlDocumentSettings, DeclarationRootNamespaceAndQueryPrefix) {
  XmlDocument doc = CreateXmlDocument(kRegisterRootName, kRegisterNamespaceUri);
  const std::string text = XmlText(doc.get());
  EXPECT_EQ(text.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n", 0), 0u) << text;
  EXPECT_NE(
      text.find("<ksrr:Kestrion xmlns:ksrr=\"http://www.kestrion.com/2006/KSRiskRegister\"/>"),
      std::string::npos)
      << text;
  EXPECT_NE(SelectSingleNode(DocumentNode(doc.get()), "ksrr:Kestrion"), nullptr);

  // Without a namespace nothing binds "ksrr": the same query is not valid there.
  XmlDocument plain = CreateXmlDocument("Options", "");
  EXPECT_NE(SelectSingleNode(DocumentNode(plain.get()), "Options"), nullptr);
  EXPECT_FALSE(SelectXmlNodes(DocumentNode(plain.get()), "ksrr:Options").has_value());
  EXPECT_THROW(SelectNodesOrThrow(DocumentNode(plain.get()), "ksrr:Options"), ImportError);
}

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

TEST(CreateXmlElement, AttributeOnlyWithAValueAndTextOnlyWhenGiven) {
  XmlDocument doc = CreateXmlDocument("Root", "");
  const XmlNode bare = CreateXmlElement(doc.get(), "Impact", "", "Name", "");
  EXPECT_EQ(bare->properties, nullptr);
  EXPECT_EQ(bare->children, nullptr);

  const XmlNode full = CreateXmlElement(doc.get(), "Impact", "a < b & c", "Name", "Cost");
  EXPECT_EQ(Text(full.get(), "@Name"), "Cost");
  EXPECT_EQ(NodeText(full.get()), "a < b & c");  // raw text, never parsed as markup
  AppendCloneToRoot(doc.get(), full.get());
  EXPECT_NE(XmlText(doc.get()).find("<Impact Name=\"Cost\">a &lt; b &amp; c</Impact>"),
            std::string::npos);
}

TEST(AppendClone, AppendsADeepCopyThatOwnsNothingOfTheOriginal) {
  XmlDocument doc = CreateXmlDocument("Root", "");
  XmlNode parent = CreateXmlElement(doc.get(), "Parent");
  XmlNode child = CreateXmlElement(doc.get(), "Child", "x", "ID", "1");
  EXPECT_TRUE(AppendClone(parent.get(), child.get()));
  EXPECT_TRUE(AppendClone(parent.get(), child.get()));
  EXPECT_EQ(ChildNames(parent.get()), "Child Child");
  EXPECT_EQ(child->parent, nullptr);
  EXPECT_NE(parent->children, child.get());
  EXPECT_FALSE(AppendClone(parent.get(), nullptr));
  EXPECT_FALSE(AppendClone(nullptr, child.get()));
  EXPECT_FALSE(AppendCloneToRoot(doc.get(), nullptr));
  EXPECT_FALSE(AppendClone(DocumentNode(doc.get()), child.get()));  // one document element only

  // A fragment from another document keeps its namespaces.
  XmlDocument reg = CreateXmlDocument(kRegisterRootName, kRegisterNamespaceUri);
  XmlDocument fragment = LoadXml(
      "<PlanData xmlns:kspd=\"http://example.org/2006/KSPlanData\"><kspd:Task/></PlanData>");
  ASSERT_TRUE(fragment);
  EXPECT_TRUE(AppendCloneToRoot(reg.get(), xmlDocGetRootElement(fragment.get())));
  fragment.reset();  // the copy owns nothing of the fragment
  XmlDocument reloaded = LoadXml(XmlText(reg.get()));
  ASSERT_TRUE(reloaded);
  EXPECT_NE(XmlText(reloaded.get()).find("<kspd:Task/>"), std::string::npos);
}

TEST(NodeTexts, GetAndSetThroughQueries) {
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
  EXPECT_EQ(XmlText(doc.get()).substr(XmlText(doc.get()).find("<Risk")),
            "<Risk ID=\"R&lt;2&gt;\"><Cost>1 &amp; 2</Cost><Cost>6</Cost><Empty/></Risk>\n");
}

class XmlValues : public test::RegisterXmlTest {};

TEST_F(XmlValues, DatesInTheUsersOrderToIsoOrTodayOrEmpty) {
  fakes.registry->WriteString(RegistryHive::CurrentUser, "Control Panel\\International",
                              "sShortDate", "dd/MM/yyyy");
  EXPECT_EQ(XmlDateText(state, "03/04/2025", false), "2025-04-03");
  EXPECT_EQ(XmlDateText(state, "2024-02-29", true), "2024-02-29");
  EXPECT_EQ(XmlDateText(state, "", false), "2026-12-06");  // the fixed clock's day
  EXPECT_EQ(XmlDateText(state, "", true), "");
  EXPECT_EQ(XmlDateText(state, "next week", false), "2026-12-06");
  EXPECT_EQ(XmlDateText(state, "next week", true), "");
  EXPECT_EQ(XmlDateText(state, "31/02/2025", true), "");
}

}  // namespace
}  // namespace velloway
