// Writing and reading form record files: the text, the value encodings and
// the way records are applied to the window.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/app/main_model.h"
#include "core/files/file_error.h"
#include "core/files/form_record.h"
#include "core/files/gbk_text.h"
#include "core/files/stream_tools.h"
#include "core/mainwin/main_window_table.h"
#include "tests/strict_message_sink.h"

namespace tharvex {
namespace {

namespace fs = std::filesystem;

// A window of one mass-flow field and its unit selector.
struct OneField {
  tharvex::testing::StrictMessageSink sink;
  Form form{sink};
  Control& field = form.Add("WsD", ControlKind::TEditD);
  Control& unit = form.Add("WsU", ControlKind::TComboBoxU);
  OneField() {
    unit.setItems(UnitItems(UnitList::MassFlow));
    unit.setItemIndex(0);
    unit.setAssociated("WsD");
    field.setText("2.5");
  }
};

std::string ReadFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

fs::path TempDir() {
  fs::path d = fs::temp_directory_path() / ("tharvex_files_" + std::to_string(::getpid()));
  fs::create_directories(d);
  return d;
}

TEST(FormRecordWriteTest, PlainTextOfOneFieldAndItsSelector) {
  OneField w;
  const std::string expected =
      "CFR File Format(Compatible Form Record File),by Edmar Quillon.\r\n"
      "Version 1.1,2012.04.10\r\n"
      "\r\n"
      "WsD\r\nFloat\r\nExchange\r\n1\r\n\r\n"
      "WsD\r\nString\r\nText\r\n2.5\r\n\r\n"
      "WsD\r\nEnum\r\nEnabled\r\nTrue\r\n\r\n"
      "WsD\r\nEnum\r\nReadOnly\r\nFalse\r\n\r\n"
      "WsD\r\nOrd\r\nColor\r\n-16777211\r\n\r\n"
      "WsU\r\nOrd\r\nItemIndex\r\n0\r\n\r\n";
  EXPECT_EQ(FormRecordText(w.form, {}, false), expected);
  EXPECT_EQ(EncodeFormRecord(w.form, {}, false, false), expected);
  EXPECT_EQ(DecompressFromBytes(EncodeFormRecord(w.form, {}, false, true)), expected);
}

TEST(FormRecordWriteTest, EmptyFieldStillHasFourLines) {
  OneField w;
  w.field.setText("");
  EXPECT_NE(FormRecordText(w.form, {}, false).find("WsD\r\nString\r\nText\r\n\r\n\r\nWsD"), std::string::npos);
}

TEST(FormRecordWriteTest, MainWindowRecords205ControlsIn595Records) {
  tharvex::testing::StrictMessageSink sink;
  MainModel model(sink);
  std::string text = FormRecordText(model.form(), mainwin::kExcludedFromFile, false);
  auto plan = PlanFormRecord(model.form(), text);
  ASSERT_TRUE(plan);
  EXPECT_EQ(plan->records, 595u);
  EXPECT_EQ(plan->skipped, 0u);
  std::set<const Control*> controls;
  for (const auto& s : plan->steps) controls.insert(s.control);
  EXPECT_EQ(controls.size(), 205u);
  // The report and the message pane are left out, whatever their case.
  EXPECT_EQ(text.find("\r\nReReport\r\n"), std::string::npos);
  EXPECT_EQ(text.find("\r\nMemoMessage\r\n"), std::string::npos);
  std::string lower = FormRecordText(model.form(), {"rereport", "MEMOMESSAGE"}, false);
  EXPECT_EQ(lower, text);
  // Label captions only when asked for.
  EXPECT_EQ(text.find("\r\nCaption\r\n"), std::string::npos);
  EXPECT_NE(FormRecordText(model.form(), mainwin::kExcludedFromFile, true).find("WsL\r\nString\r\nCaption\r\n"),
            std::string::npos);
}

struct MemoCase {
  std::vector<std::string> lines;
  std::string value;
  std::vector<std::string> back;
};

class MemoValueTest : public ::testing::TestWithParam<MemoCase> {};

TEST_P(MemoValueTest, EncodesAndDecodes) {
  EXPECT_EQ(EncodeMemoValue(GetParam().lines), GetParam().value);
  EXPECT_EQ(DecodeMemoValue(GetParam().value), GetParam().back);
}

INSTANTIATE_TEST_SUITE_P(Cases, MemoValueTest,
                         ::testing::Values(MemoCase{{"x  ", "  y"}, "△x▲△  y", {"x", "  y"}},
                                           MemoCase{{"a", "", "b"}, "△a▲△▲△b", {"a", "", "b"}}, MemoCase{{}, "", {}},
                                           MemoCase{{"tab\t\x01"}, "△tab", {"tab"}},  // control characters go too
                                           MemoCase{{"two\r\nlines"}, "△two▲△lines", {"two", "lines"}},
                                           MemoCase{{"注释：热流体"}, "△注释：热流体", {"注释：热流体"}},
                                           // The marks inside a line are written as look-alikes, so
                                           // the line comes back whole.
                                           MemoCase{{"up ▲ down", "△Tt"}, "△up ▴ down▲△∆Tt", {"up ▴ down", "∆Tt"}},
                                           MemoCase{{"▲▲△"}, "△▴▴∆", {"▴▴∆"}}));

// A comment holding the line marks is saved with their look-alikes, which
// survive GB18030 and come back on the same lines; nothing else changes.
TEST(MemoLineMarks, SaveWithLookAlikesAndReadBackOnTheSameLines) {
  tharvex::testing::StrictMessageSink sink;
  Form marked(sink), plain(sink);
  marked.Add("CmtsD", ControlKind::TRichEdit).setLines({"Δt ▲ 5 K", "△p < 2 kPa"});
  plain.Add("CmtsD", ControlKind::TRichEdit).setLines({"Δt ▴ 5 K", "∆p < 2 kPa"});
  EXPECT_TRUE(MemoHoldsLineMarks(marked, {}));
  EXPECT_FALSE(MemoHoldsLineMarks(marked, {"cmtsd"}));  // an excluded control is not written
  EXPECT_FALSE(MemoHoldsLineMarks(plain, {}));
  const std::string bytes = EncodeFormRecord(marked, {}, false, false);
  EXPECT_EQ(bytes, EncodeFormRecord(plain, {}, false, false));
  // GB18030: the line start A1 F7, then "∆" in four bytes, then "p".
  EXPECT_NE(bytes.find("\xA1\xF7\x81\x36\xD2\x32p"), std::string::npos);
  Form back(sink);
  Control& memo = back.Add("CmtsD", ControlKind::TRichEdit);
  ASSERT_EQ(ReadFormRecordBytes(back, bytes), ReadStatus::Applied);
  EXPECT_EQ(memo.lines(), (std::vector<std::string>{"Δt ▴ 5 K", "∆p < 2 kPa"}));
}

TEST(CheckListValueTest, EncodesAndDecodes) {
  std::vector<CheckListItem> items{{" pump ", true}, {"fan", false}};
  EXPECT_EQ(EncodeCheckListValue(items), "pump▲1▲fan▲0");
  auto back = DecodeCheckListValue("pump▲1▲fan▲0");
  ASSERT_EQ(back.size(), 2u);
  EXPECT_EQ(back[0].text, "pump");
  EXPECT_TRUE(back[0].checked);
  EXPECT_EQ(back[1].text, "fan");
  EXPECT_FALSE(back[1].checked);
  EXPECT_TRUE(DecodeCheckListValue("no marks").empty());
  EXPECT_FALSE(DecodeCheckListValue("x▲").at(0).checked);
}

TEST(FormRecordReadTest, FieldSavedInKiloPascalComesBackInKiloPascal) {
  fs::path file = TempDir() / "kpa.zrf";
  {
    tharvex::testing::StrictMessageSink sink;
    MainModel model(sink);
    Form& f = model.form();
    f.PickUnit(f.At("PU"), 3);  // kPa
    f.At("PD").setText("2");
    WriteFormRecord(f, file.string(), false, mainwin::kExcludedFromFile, true);
  }
  tharvex::testing::StrictMessageSink sink;
  MainModel model(sink);
  Form& f = model.form();
  ASSERT_EQ(f.At("PD").exchange(), 1.0);
  ASSERT_TRUE(ReadFormRecord(f, file.string()));
  EXPECT_EQ(f.At("PD").text(), "2");
  EXPECT_EQ(f.At("PD").exchange(), 1000.0);
  EXPECT_EQ(f.At("PU").GetUnit(), "kPa");
  EXPECT_DOUBLE_EQ(f.At("PD").GetSIValue(), 2000.0);
  EXPECT_TRUE(sink.shown.empty());
}

TEST(FormRecordReadTest, ExchangeReExpressesBeforeTheTextReplacesIt) {
  OneField w;
  w.field.setText("3600");
  std::string text = std::string(kFormRecordHeader) + "\r\nv\r\n\r\nWsD\r\nFloat\r\nExchange\r\n2\r\n\r\n";
  ASSERT_EQ(ReadFormRecordBytes(w.form, text), ReadStatus::Applied);
  EXPECT_EQ(w.field.text(), "1800");  // the same SI value in the new unit
  EXPECT_EQ(w.field.exchange(), 2.0);
}

TEST(FormRecordReadTest, ReExpressionBeyondTheRangeOfADoubleKeepsTheText) {
  OneField w;
  w.field.setText("1E300");
  std::string text = std::string(kFormRecordHeader) + "\r\nv\r\n\r\nWsD\r\nFloat\r\nExchange\r\n1E-20\r\n\r\n";
  ASSERT_EQ(ReadFormRecordBytes(w.form, text), ReadStatus::Applied);
  EXPECT_EQ(w.field.text(), "1E300");
  EXPECT_EQ(w.field.exchange(), 1E-20);
}

TEST(FormRecordReadTest, ItemIndexDoesNotNotifyAndCheckMarksClickOnChange) {
  tharvex::testing::StrictMessageSink sink;
  MainModel model(sink);
  Form& f = model.form();
  int unitChanges = 0, clicks = 0;
  f.At("WsU").onChange = [&](Control*) { ++unitChanges; };
  f.At("CBRoate").onClick = [&](Control*) { ++clicks; };
  std::string head = std::string(kFormRecordHeader) + "\r\nVersion 1.1,2012.04.10\r\n\r\n";
  std::string body = "WsU\r\nOrd\r\nItemIndex\r\n1\r\n\r\nCBRoate\r\nEnum\r\nChecked\r\nTrue\r\n\r\n";
  ASSERT_EQ(ReadFormRecordBytes(f, head + body), ReadStatus::Applied);
  EXPECT_EQ(f.At("WsU").itemIndex(), 1);
  EXPECT_EQ(unitChanges, 0);
  EXPECT_EQ(f.At("WsD").exchange(), 1.0);  // the factor comes from the field's own record
  EXPECT_TRUE(f.At("CBRoate").checked());
  EXPECT_EQ(clicks, 1);
  ASSERT_EQ(ReadFormRecordBytes(f, head + body), ReadStatus::Applied);
  EXPECT_EQ(clicks, 1);  // no change, no click
}

TEST(FormRecordReadTest, UnknownControlsPropertiesAndTagsAreSkipped) {
  OneField w;
  std::string text = std::string(kFormRecordHeader) +
                     "\r\nv\r\n\r\n"
                     "GoneD\r\nString\r\nText\r\nx\r\n\r\n"  // no such control
                     "WsD\r\nString\r\nHint\r\nx\r\n\r\n"    // no such property
                     "WsD\r\nFloat\r\nText\r\nx\r\n\r\n"     // tag does not fit the property
                     "WsD\r\nWide\r\nText\r\nx\r\n\r\n"      // unknown tag
                     "wsd\r\nString\r\ntext\r\n7\r\n\r\n";   // names ignore case
  auto plan = PlanFormRecord(w.form, text);
  ASSERT_TRUE(plan);
  EXPECT_EQ(plan->records, 5u);
  EXPECT_EQ(plan->skipped, 4u);
  ApplyFormRecord(w.form, *plan);
  EXPECT_EQ(w.field.text(), "7");
}

TEST(FormRecordReadTest, PlainTextFilesAreReadToo) {
  tharvex::testing::StrictMessageSink sink;
  MainModel a(sink), b(sink);
  a.form().At("WsD").setText("12.5");
  a.form().At("CmtsD").setLines({"热负荷 OK", "  第二行"});
  std::string plain = EncodeFormRecord(a.form(), mainwin::kExcludedFromFile, false, false);
  ASSERT_EQ(plain.substr(0, 62), kFormRecordHeader);
  ASSERT_EQ(ReadFormRecordBytes(b.form(), plain), ReadStatus::Applied);
  EXPECT_EQ(b.form().At("WsD").text(), "12.5");
  EXPECT_EQ(b.form().At("CmtsD").lines(), (std::vector<std::string>{"热负荷 OK", "  第二行"}));
}

TEST(FormRecordReadTest, HeaderDifferingInOneCharacterChangesNothing) {
  OneField w;
  std::string good = EncodeFormRecord(w.form, {}, false, false);
  for (size_t at : {size_t{0}, size_t{20}, size_t{61}}) {  // first, middle, the final full stop
    std::string plain = good;
    plain[at] = plain[at] == 'x' ? 'y' : 'x';
    OneField target;
    target.field.setText("9");
    uint64_t before = target.form.revision();
    // Compressed: inflated, then the first line is not the header.
    EXPECT_EQ(ReadFormRecordBytes(target.form, CompressToBytes(plain)), ReadStatus::WrongHeader) << at;
    // Plain: not recognised as text, so taken for a compressed file, which
    // it is not.
    EXPECT_THROW(ReadFormRecordBytes(target.form, plain), FileError) << at;
    EXPECT_EQ(target.form.revision(), before);
  }
  tharvex::testing::StrictMessageSink sink;
  Form empty(sink);
  EXPECT_FALSE(ReadFormRecord(empty, (TempDir() / "missing.zrf").string()));
}

// A damaged file is refused as a whole: a bad record near the end leaves
// the good records before it unapplied.
struct DamagedFile {
  const char* what;
  std::string (*make)(const std::string& plain);
  FileErrorCode code;
};

std::string Replace(std::string s, const std::string& from, const std::string& to) {
  size_t at = s.rfind(from);
  if (at != std::string::npos) s.replace(at, from.size(), to);
  return s;
}

class DamagedFileTest : public ::testing::TestWithParam<DamagedFile> {};

TEST_P(DamagedFileTest, ChangesNothingAndSaysWhy) {
  tharvex::testing::StrictMessageSink sink;
  MainModel source(sink);
  source.form().At("WsD").setText("4.5");
  source.form().At("TsnD").setText("33");
  std::string plain = FormRecordText(source.form(), mainwin::kExcludedFromFile, false);
  std::string bytes = GetParam().make(plain);

  MainModel target(sink);
  uint64_t before = target.form().revision();
  try {
    ReadFormRecordBytes(target.form(), bytes, "case.zrf");
    FAIL() << GetParam().what << ": accepted";
  } catch (const FileError& e) {
    EXPECT_EQ(e.code(), GetParam().code) << GetParam().what << ": " << e.what();
    EXPECT_NE(std::string(e.what()).find("case.zrf"), std::string::npos) << e.what();
  }
  EXPECT_EQ(target.form().revision(), before) << GetParam().what;
  EXPECT_EQ(target.form().At("WsD").text(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedFileTest,
    ::testing::Values(
        DamagedFile{"bad float",
                    [](const std::string& p) {
                      return CompressToBytes(
                          Replace(p, "TsnD\r\nFloat\r\nExchange\r\n1\r\n", "TsnD\r\nFloat\r\nExchange\r\n1,5\r\n"));
                    },
                    FileErrorCode::BadValue},
        DamagedFile{"zero factor",
                    [](const std::string& p) {
                      return CompressToBytes(
                          Replace(p, "TsnD\r\nFloat\r\nExchange\r\n1\r\n", "TsnD\r\nFloat\r\nExchange\r\n0\r\n"));
                    },
                    FileErrorCode::BadValue},
        DamagedFile{"bad colour",
                    [](const std::string& p) {
                      return CompressToBytes(Replace(p, "Color\r\n-16777211\r\n", "Color\r\nblue\r\n"));
                    },
                    FileErrorCode::BadValue},
        DamagedFile{"colour beyond 32 bits",
                    [](const std::string& p) {
                      return CompressToBytes(Replace(p, "Color\r\n-16777211\r\n", "Color\r\n4294967296\r\n"));
                    },
                    FileErrorCode::BadValue},
        DamagedFile{"bad flag",
                    [](const std::string& p) {
                      return CompressToBytes(Replace(p, "Enabled\r\nTrue\r\n", "Enabled\r\nYes\r\n"));
                    },
                    FileErrorCode::BadValue},
        DamagedFile{"index beyond the list",
                    [](const std::string& p) {
                      return CompressToBytes(
                          Replace(p, "MnU\r\nOrd\r\nItemIndex\r\n0\r\n", "MnU\r\nOrd\r\nItemIndex\r\n7\r\n"));
                    },
                    FileErrorCode::BadValue},
        DamagedFile{"index below -1",
                    [](const std::string& p) {
                      return CompressToBytes(
                          Replace(p, "MnU\r\nOrd\r\nItemIndex\r\n0\r\n", "MnU\r\nOrd\r\nItemIndex\r\n-2\r\n"));
                    },
                    FileErrorCode::BadValue},
        DamagedFile{"undecodable text",
                    [](const std::string& p) {
                      return CompressToBytes(
                          Replace(p, "TsnD\r\nString\r\nText\r\n33\r\n", "TsnD\r\nString\r\nText\r\n3\x80\r\n"));
                    },
                    FileErrorCode::BadEncoding},
        DamagedFile{"plain text with a bad value",
                    [](const std::string& p) { return Replace(p, "Enabled\r\nTrue\r\n", "Enabled\r\n1\r\n"); },
                    FileErrorCode::BadValue},
        DamagedFile{"shorter than the header", [](const std::string& p) { return p.substr(0, 61); },
                    FileErrorCode::TooShort},
        DamagedFile{"compressed and cut short",
                    [](const std::string& p) {
                      std::string c = CompressToBytes(p);
                      return c.substr(0, c.size() - 100);
                    },
                    FileErrorCode::DamagedStream},
        DamagedFile{"length does not match",
                    [](const std::string& p) {
                      std::string c = CompressToBytes(p);
                      c[0] = static_cast<char>(c[0] + 1);
                      return c;
                    },
                    FileErrorCode::BadLength}));

TEST(FormRecordFileTest, WriteIsAtomicAndAFailedWriteKeepsTheOldFile) {
  fs::path dir = TempDir();
  fs::path file = dir / "keep.zrf";
  OneField w;
  WriteFormRecord(w.form, file.string(), false, {}, true);
  std::string old = ReadFile(file);
  ASSERT_FALSE(old.empty());

  // A text the file cannot hold: refused, old file intact, no temporary left.
  w.field.setText("bad \xFF text");
  EXPECT_THROW(WriteFormRecord(w.form, file.string(), false, {}, true), FileError);
  w.field.setText("two\r\nlines");
  try {
    WriteFormRecord(w.form, file.string(), false, {}, true);
    FAIL();
  } catch (const FileError& e) {
    EXPECT_EQ(e.code(), FileErrorCode::BadLayout);
    EXPECT_NE(std::string(e.what()).find("Cannot create file"), std::string::npos);
  }
  EXPECT_EQ(ReadFile(file), old);

  // A folder that does not exist.
  w.field.setText("1");
  try {
    WriteFormRecord(w.form, (dir / "no" / "such" / "x.zrf").string(), false, {}, true);
    FAIL();
  } catch (const FileError& e) {
    EXPECT_EQ(e.code(), FileErrorCode::CannotCreate);
  }
  // A target that is a folder.
  fs::create_directories(dir / "folder.zrf");
  EXPECT_THROW(WriteFormRecord(w.form, (dir / "folder.zrf").string(), false, {}, true), FileError);

  int leftovers = 0;
  for (const auto& e : fs::directory_iterator(dir))
    if (e.path().extension() == ".tmp") ++leftovers;
  EXPECT_EQ(leftovers, 0);
  fs::remove_all(dir);
}

}  // namespace
}  // namespace tharvex
