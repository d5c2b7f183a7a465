// Finding risks by ID through the index gives what the record query gives. That a replaced risk
// keeps its place in the list, the import of a repeated risk ID shows (SheetSteps_test).
#include <random>

#include "core/ImportError.h"
#include "registerxml/clsXmlRisk.h"
#include "unit/registerxml/RegisterXmlFixture.h"

namespace velloway::test {
namespace {

using namespace modXMLToolbox;

class RegisterDocumentIndex : public RegisterXmlTest {
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

TEST_F(RegisterDocumentIndex, AnIdWithAQuoteFailsLikeTheQuery) {
  TheDoc().AppendRisk(Risk("O'Brien", "").get());
  EXPECT_THROW(Queried("O'Brien"), ImportError);
  EXPECT_THROW(TheDoc().FindRisk("O'Brien"), ImportError);
  EXPECT_EQ(TheDoc().FindRisk("O\"Brien"), nullptr);
  EXPECT_EQ(TheDoc().FindRisk(""), nullptr);
}

}  // namespace
}  // namespace velloway::test
