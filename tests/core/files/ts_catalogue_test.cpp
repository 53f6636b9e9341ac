// Reading Qt's .ts catalogues without Qt.
#include <gtest/gtest.h>

#include "core/files/ts_catalogue.h"

namespace tharvex {
namespace {

TEST(TsCatalogue, KeepsFinishedEntriesOnly) {
  const char* xml = R"(<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>Controls</name>
    <message><source>质量流量</source><translation>Mass flow</translation></message>
    <message><source>密度</source><translation type="unfinished"></translation></message>
    <message><source>热量</source><translation type="vanished">Heat</translation></message>
    <message><source>程</source><translation>passes</translation></message>
</context>
<context>
    <name>Drawing</name>
    <message><source>程</source><translation>Pass</translation></message>
    <message><source>A &amp; B &lt;1&gt;</source><translation>x&#10;y</translation></message>
</context>
</TS>)";
  std::string error;
  auto cat = ParseTsCatalogue(xml, &error);
  ASSERT_TRUE(cat) << error;
  EXPECT_EQ(cat->messages, 6);
  EXPECT_EQ(cat->unfinished, 2);
  auto tr = cat->Translator();
  EXPECT_EQ(tr("Controls", "质量流量"), "Mass flow");
  EXPECT_EQ(tr("Controls", "密度"), "");
  EXPECT_EQ(tr("Controls", "热量"), "");
  // The same source means different things in different contexts.
  EXPECT_EQ(tr("Controls", "程"), "passes");
  EXPECT_EQ(tr("Drawing", "程"), "Pass");
  EXPECT_EQ(tr("Drawing", "A & B <1>"), "x\ny");
  EXPECT_EQ(tr("Sheet", "质量流量"), "");
}

TEST(TsCatalogue, BadFilesAreRefusedWithAReason) {
  std::string error;
  EXPECT_FALSE(ParseTsCatalogue("<TS><context><name>x</name>", &error));
  EXPECT_NE(error.find("line"), std::string::npos) << error;
  EXPECT_FALSE(ParseTsCatalogue("", &error));
  error.clear();
  EXPECT_FALSE(ReadTsCatalogue("/nonexistent/tharvex_core_en.ts", &error));
  EXPECT_NE(error.find("/nonexistent/tharvex_core_en.ts"), std::string::npos);
  // A language without a catalogue leaves the texts as they were.
  error.clear();
  EXPECT_FALSE(InstallLanguage("/nonexistent", "en", &error));
  EXPECT_FALSE(i18n::Translating());
  EXPECT_EQ(i18n::Language(), "zh");
  EXPECT_TRUE(InstallLanguage("/nonexistent", "zh", &error));
}

}  // namespace
}  // namespace tharvex
