// Finding risks by ID through the index gives what the record query gives.
#include <random>

#include "core/ImportError.h"
#include "registerxml/clsXmlRisk.h"
#include "unit/registerxml/RegisterXmlFixture.h"

namespace velloway {
namespace {

using namespace modXMLToolbox;

class RegisterDocumentIndex : public test::RegisterXmlTest {
 protected:
  RegisterDocumentIndex() { NewDocument(false); }
  XmlNode Risk(const std::string& id, const std::string& title) {
    clsXmlRisk risk;
    risk.m_strID = id;
    risk.m_strTitle = title;
    return risk.GetNode(state, TheDoc().get());
  }
  registerxml::RegisterXmlDocument& TheDoc() { return registerxml::TheDocument(state); }
  // What the record query selects, as the index must find it.
  xmlNodePtr Queried(const std::string& id) {
    return SelectSingleNode(TheDoc().node(),
                            std::string(kRiskRegisterPath) + "/Risks/Risk[ID='" + id + "']");
  }
};

TEST_F(RegisterDocumentIndex, AgreesWithTheQueryThroughAppendsAndReplacements) {
  std::mt19937 random(7);
  for (int step = 0; step < 300; ++step) {
    const std::string id = "R" + std::to_string(random() % 40);
    const std::string title = "t" + std::to_string(step);
    xmlNodePtr existing = TheDoc().FindRisk(id);
    ASSERT_EQ(existing, Queried(id)) << id;
    const XmlNode risk = Risk(id, title);
    if (existing == nullptr) {
      ASSERT_TRUE(TheDoc().AppendRisk(risk.get()));
    } else if (step % 3 == 0) {
      ASSERT_TRUE(TheDoc().ReplaceRisk(existing, risk.get()));
    } else {
      // Appended around the index: the later duplicate must never be found first.
      ASSERT_TRUE(AppendClone(TheDoc().RiskList(), risk.get()));
    }
  }
  for (int i = 0; i < 40; ++i) {
    const std::string id = "R" + std::to_string(i);
    EXPECT_EQ(TheDoc().FindRisk(id), Queried(id)) << id;
  }
}

TEST_F(RegisterDocumentIndex, AReplacementKeepsThePlaceInTheList) {
  for (const char* id : {"A", "B", "C"}) TheDoc().AppendRisk(Risk(id, "old").get());
  ASSERT_TRUE(TheDoc().ReplaceRisk(TheDoc().FindRisk("C"), Risk("C", "new").get()));
  ASSERT_TRUE(TheDoc().ReplaceRisk(TheDoc().FindRisk("A"), Risk("Z", "renamed").get()));
  EXPECT_EQ(TheDoc().FindRisk("A"), nullptr);
  EXPECT_EQ(test::Text(TheDoc().FindRisk("C"), "Title"), "new");
  EXPECT_EQ(TheDoc().FindRisk("Z"), Queried("Z"));
  const auto ids = SelectNodesOrThrow(TheDoc().RiskList(), "Risk/ID");
  ASSERT_EQ(ids.size(), 3u);
  EXPECT_EQ(NodeText(ids[0]) + NodeText(ids[1]) + NodeText(ids[2]), "ZBC");
  TheDoc().AppendRisk(Risk("D", "after").get());
  EXPECT_EQ(TheDoc().FindRisk("D"), Queried("D"));
}

TEST_F(RegisterDocumentIndex, AnIdWithAQuoteFailsLikeTheQuery) {
  TheDoc().AppendRisk(Risk("O'Brien", "").get());
  EXPECT_THROW(Queried("O'Brien"), ImportError);
  EXPECT_THROW(TheDoc().FindRisk("O'Brien"), ImportError);
  EXPECT_EQ(TheDoc().FindRisk("O\"Brien"), nullptr);
  EXPECT_EQ(TheDoc().FindRisk(""), nullptr);
}

}  // namespace
}  // namespace velloway
