// The main window's control table: what a project records, and the state
// the window opens in.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/app/main_model.h"
#include "core/mainwin/main_window_table.h"
#include "tests/strict_message_sink.h"

namespace tharvex {
namespace {

bool Recorded(ControlKind k) {
  switch (k) {
    case ControlKind::TEdit:
    case ControlKind::TEditD:
    case ControlKind::TComboBox:
    case ControlKind::TComboBoxU:
    case ControlKind::TCheckBox:
    case ControlKind::TMemo:
    case ControlKind::TRichEdit:
      return true;
    default:
      return false;
  }
}

class MainWindow : public ::testing::Test {
 protected:
  tharvex::testing::StrictMessageSink sink;
  MainModel model{sink};
  Form& form = model.form();
};

TEST_F(MainWindow, AProjectRecords205Controls) {
  std::map<ControlKind, int> counts;
  int total = 0;
  for (const auto& c : form.controls()) {
    if (!Recorded(c->kind()) || c->name() == "ReReport" || c->name() == "MemoMessage") continue;
    ++counts[c->kind()];
    ++total;
  }
  EXPECT_EQ(total, 205);
  EXPECT_EQ(counts[ControlKind::TEditD], 87);
  EXPECT_EQ(counts[ControlKind::TComboBoxU], 87);
  EXPECT_EQ(counts[ControlKind::TEdit], 14);
  EXPECT_EQ(counts[ControlKind::TComboBox], 11);
  EXPECT_EQ(counts[ControlKind::TCheckBox], 3);
  EXPECT_EQ(counts[ControlKind::TRichEdit], 2);
  EXPECT_EQ(counts[ControlKind::TMemo], 1);
}

TEST_F(MainWindow, NamesAreUniqueIgnoringCase) {
  std::set<std::string> seen;
  for (const auto& c : form.controls()) EXPECT_TRUE(seen.insert(AsciiLower(c->name())).second) << c->name();
}

TEST_F(MainWindow, PairingExceptionsAreTiedByAssociated) {
  const std::map<std::string, std::string> pairs{{"Tau", "TaD"},     {"DhtU", "DHtD"},      {"doU", "dod"},
                                                 {"DdiU", "diD"},    {"ComboBoxU3", "PtD"}, {"SSh1U", "Sh1D"},
                                                 {"DpptU", "DppTD"}, {"Pau", "PaD"},        {"WsU", "WsD"}};
  for (const auto& [sel, field] : pairs) EXPECT_EQ(form.At(sel).associated(), field) << sel;
  EXPECT_NE(form.Find("doL"), nullptr);
  EXPECT_NE(form.Find("DPsL"), nullptr);
  EXPECT_NE(form.Find("DpptL"), nullptr);
  EXPECT_NE(form.Find("TatL"), nullptr);
}

TEST_F(MainWindow, InitialStateIsTheWindowDesign) {
  // Results: read-only, blue on button face.
  for (const char* n : {"QsD",  "QeD",  "NtD",  "asD",  "afD",  "DpsD", "UempD", "UmaxD", "WbxD", "afaD",
                        "QtD",  "atD",  "DptD", "UtD",  "QaD",  "AdtD", "AcD",   "ArD",   "KaD",  "AwrD",
                        "HTsD", "HTtD", "btaD", "ytaD", "CdtD", "CsD",  "HbxD",  "LsD",   "NhD",  "NwD"}) {
    const Control& c = form.At(n);
    EXPECT_TRUE(c.readOnly()) << n;
    EXPECT_EQ(c.color(), colors::BtnFace) << n;
    EXPECT_EQ(c.fontColor(), colors::Blue) << n;
  }
  // Fixed fields.
  for (const char* n : {"CpsD", "MsD", "LdsD", "DensD", "hfD", "PfD",  "TfD",   "dod",  "diD", "PtD", "RsD", "Sh1D",
                        "SwD",  "SbD", "PbD",  "CptD",  "MtD", "LdtD", "DentD", "UtmD", "RtD", "PD",  "PaD"})
    EXPECT_FALSE(form.At(n).myResolved()) << n;
  for (const char* n : {"WsD", "Ts1D", "Tt2D", "DHtD", "UpSD", "dipSD", "ywD", "HrD"})
    EXPECT_TRUE(form.At(n).myResolved()) << n;
  // Not applicable at start.
  for (const char* n : {"DHsD", "DensvD", "LasD", "CpsvD", "MsvD", "PwD", "LatD", "Xt1D", "Xt2D", "DentvD", "MtvD",
                        "DHtD", "CptvD", "PwL", "PwU", "DhtU", "DHtL", "LatU", "SBP4"})
    EXPECT_FALSE(form.At(n).enabled()) << n;
  EXPECT_TRUE(form.At("rh1D").enabled());
  EXPECT_TRUE(form.At("SigsD").readOnly());
  EXPECT_EQ(form.At("SigsD").color(), colors::BtnFace);
  // Nozzle fields: empty, editable, window colour.
  for (const char* n : {"UpSD", "dipSD", "UpTD", "DipTD"}) {
    EXPECT_EQ(form.At(n).text(), "") << n;
    EXPECT_FALSE(form.At(n).readOnly()) << n;
    EXPECT_EQ(form.At(n).color(), colors::Window) << n;
  }
  EXPECT_FALSE(form.At("ywrD").visible());
  EXPECT_FALSE(form.At("SLState").visible());
  EXPECT_EQ(form.At("CalTypeD").selectedItem(), "设计型");
  EXPECT_EQ(form.At("PhsD").itemIndex(), 1);
  EXPECT_EQ(form.At("PhtD").itemIndex(), 0);
  EXPECT_EQ(form.At("CBRoate").caption(), "转角30°");
  EXPECT_EQ(form.At("CBRoate").hint(), "顺排：正方形，三角形转角30°；叉排：正方形转角45°，正三角形");
  EXPECT_EQ(form.title(), "箱式换热器热力计算-Tharvex");
}

TEST_F(MainWindow, DefaultTextsAsDesigned) {
  const std::map<std::string, std::string> texts{
      {"CpsD", "1005"},   {"MsD", "2.01E-5"}, {"LdsD", "0.029"}, {"DensD", "1.06"}, {"LasD", "0.00"},
      {"rh1D", "50"},     {"PwD", "100000"},  {"TaD", "20"},     {"hfD", "0.016"},  {"PfD", "0.006"},
      {"TfD", "0.001"},   {"dod", "0.038"},   {"diD", "0.035"},  {"PtD", "0.092"},  {"RsD", "0.00017"},
      {"Sh1D", "0.035"},  {"SwD", "0.035"},   {"LsD", "2"},      {"khwD", "1.6"},   {"BayD", "1"},
      {"SbD", "0.01"},    {"PbD", "0.01"},    {"CptD", "4200"},  {"MtD", "0.0008"}, {"LdtD", "0.55"},
      {"DentD", "1000"},  {"LatD", "0.00"},   {"Xt1D", "1.0"},   {"Xt2D", "0.0"},   {"UtmD", "0.5"},
      {"RtD", "0.00017"}, {"CsrD", "10"},     {"LsmD", "15"},    {"Us2D", "3.5"},   {"Ut2D", "1.5"},
      {"DppSD", "500"},   {"DppTD", "500"},   {"PD", "100000"},  {"PaD", "100000"}, {"Tt0D", "10"},
      {"TtnD", "15"},     {"Ts0D", "60"},     {"TsnD", "20"},    {"MnD", "4"}};
  for (const auto& [name, text] : texts) EXPECT_EQ(form.At(name).text(), text) << name;
}

TEST_F(MainWindow, MaterialItemsCarryTheirConductivity) {
  const auto& items = form.At("FmD").items();
  ASSERT_EQ(items.size(), 14u);
  EXPECT_EQ(items[1].substr(items[1].find('|')), "| 16.28");
  EXPECT_EQ(items[0].substr(items[0].find('|')), "|52.34");
  EXPECT_EQ(form.At("PmD").items().size(), 20u);
  EXPECT_EQ(form.At("SmD").items(), items);
  EXPECT_EQ(form.At("TmD").items(), items);
  EXPECT_EQ(form.At("PnD").items(), (std::vector<std::string>{"1", "2", "3", "4", "5", "6"}));
  EXPECT_EQ(form.At("PnU").caption(), "程");
  for (const char* n : {"CsrU", "rh1U", "LatU", "CsU"}) EXPECT_EQ(form.At(n).caption(), "%") << n;
}

}  // namespace
}  // namespace tharvex
