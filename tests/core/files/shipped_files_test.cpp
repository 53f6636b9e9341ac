// The templates and example projects shipped in data/ are whole project
// files of the current window.
#include <gtest/gtest.h>
#include "test_paths.h"

#include <filesystem>
#include <set>

#include "core/app/main_model.h"
#include "core/files/file_io.h"
#include "core/files/form_record.h"
#include "core/files/stream_tools.h"
#include "core/mainwin/main_window_table.h"
#include "tests/strict_message_sink.h"

namespace tharvex {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> ShippedProjects() {
  std::vector<fs::path> files;
  fs::path data = fs::path(THARVEX_SOURCE_DIR) / "data";
  for (const auto& e : fs::recursive_directory_iterator(data)) {
    auto ext = e.path().extension();
    if (e.is_regular_file() && (ext == ".zrt" || ext == ".zrf")) files.push_back(e.path());
  }
  return files;
}

TEST(ShippedFilesTest, TemplatesAndExamplesReadCompletely) {
  auto files = ShippedProjects();
  ASSERT_FALSE(files.empty());
  // As many records as the program writes today: a file saved before a
  // control was added lacks its record.
  size_t written = 0;
  {
    RecordingMessageSink sink;
    MainModel model(sink);
    auto plan = PlanFormRecord(model.form(), EncodeFormRecord(model.form(), mainwin::kExcludedFromFile, false, true));
    ASSERT_TRUE(plan);
    written = plan->records;
  }
  bool haveTemplate = false;
  for (const auto& file : files) {
    haveTemplate |= file.extension() == ".zrt";
    auto bytes = ReadWholeFile(file.string(), kMaxPlainTextBytes);
    ASSERT_TRUE(bytes) << file;
    // Written by the program: compressed behind its length.
    ASSERT_GT(bytes->size(), 6u);
    EXPECT_EQ(static_cast<unsigned char>((*bytes)[4]), 0x78) << file;
    EXPECT_EQ(static_cast<unsigned char>((*bytes)[5]), 0xDA) << file;
    tharvex::testing::StrictMessageSink sink;
    MainModel model(sink);
    auto plan = PlanFormRecord(model.form(), *bytes, file.string());
    ASSERT_TRUE(plan) << file;
    EXPECT_EQ(plan->records, written) << file;
    EXPECT_EQ(plan->skipped, 0u) << file;
    ApplyFormRecord(model.form(), *plan);
    EXPECT_TRUE(sink.shown.empty()) << file;
  }
  EXPECT_TRUE(haveTemplate);
}

}  // namespace
}  // namespace tharvex
