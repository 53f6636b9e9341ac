// Reading files that are not what they claim: a FIFO or a device must not
// make the program wait, and small crafted files must not make it hold
// memory out of proportion to a real project. Each is refused as damaged and
// changes nothing.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <thread>

#include "core/app/ini_file.h"
#include "core/app/main_model.h"
#include "core/files/file_error.h"
#include "core/files/file_io.h"
#include "core/files/form_record.h"
#include "core/files/gbk_text.h"
#include "core/files/stream_tools.h"
#include "core/mainwin/main_window_table.h"
#include "core/props/prop_library.h"
#include "test_paths.h"
#include "tests/strict_message_sink.h"

namespace tharvex {
namespace {

namespace fs = std::filesystem;

fs::path TestDir() {
  fs::path dir = fs::temp_directory_path() / ("tharvex_hostile_" + std::to_string(::getpid()) + "_" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

// Opens the FIFO for writing after a while and closes it again, so a reader
// that waits on it is released (and then sees an empty file) instead of
// hanging the test.
class FifoReleaser {
 public:
  explicit FifoReleaser(fs::path fifo)
      : thread_([fifo] {
          std::this_thread::sleep_for(std::chrono::seconds(2));
          int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
          if (fd >= 0) ::close(fd);
        }) {}
  ~FifoReleaser() { thread_.join(); }

 private:
  std::thread thread_;
};

TEST(HostileFiles, FifoIsRefusedAsDamagedWithoutWaiting) {
  fs::path dir = TestDir();
  fs::path fifo = dir / "p.zrf";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  FifoReleaser release(fifo);

  tharvex::testing::StrictMessageSink sink;
  MainModel model(sink);
  const std::string before = FormRecordText(model.form(), {}, false);
  try {
    ReadFormRecord(model.form(), fifo);
    ADD_FAILURE() << "a FIFO was read as a project";
  } catch (const FileError& e) {
    EXPECT_EQ(e.code(), FileErrorCode::NotRegular) << e.what();
    EXPECT_NE(std::string(e.what()).find("damaged"), std::string::npos) << e.what();
  }
  EXPECT_EQ(FormRecordText(model.form(), {}, false), before);

  // The settings and the property library take the same way in.
  EXPECT_EQ(IniFile::Load(fifo).Text(), "");
  EXPECT_FALSE(props::LoadPropLib(fifo).error.empty());
  fs::remove_all(dir);
}

TEST(HostileFiles, DevicesAndFoldersAreNoFiles) {
  for (const char* path : {"/dev/zero", "/dev/null", "/"}) {
    try {
      ReadWholeFile(path, 1024);
      ADD_FAILURE() << path << " was read";
    } catch (const FileError& e) {
      EXPECT_EQ(e.code(), FileErrorCode::NotRegular) << path;
    }
  }
}

// A plain-text project of the given records (name, tag, property, value).
std::string PlainProject(const std::vector<std::array<std::string, 4>>& records) {
  std::string t;
  WriteStreamLine(t, kFormRecordHeader);
  WriteStreamLine(t, kFormRecordVersion);
  WriteEmptyLine(t);
  for (const auto& r : records) {
    for (const auto& line : r) WriteStreamLine(t, line);
    WriteEmptyLine(t);
  }
  return t;
}

std::string Repeat(std::string_view s, size_t n) {
  std::string out;
  out.reserve(s.size() * n);
  for (size_t i = 0; i < n; ++i) out += s;
  return out;
}

TEST(HostileFiles, CraftedFilesBeyondWhatAProjectNeedsAreDamaged) {
  const std::string mark = Utf8ToGbk(std::string(kLineEnd));
  struct Case {
    const char* what;
    std::string plain;
  };
  std::vector<std::array<std::string, 4>> manyRecords(kMaxRecords + 1, {"NoSuchControl", "String", "Text", "x"});
  const Case cases[] = {
      // Line marks in a memo: each becomes a line of the control.
      {"memo lines", PlainProject({{"MemoTi", "Memo", "Lines", Repeat(mark, kMaxMemoLines)}})},
      {"memo line breaks", PlainProject({{"MemoTi", "Memo", "Lines", Repeat("\n", kMaxMemoLines + 1)}})},
      // Records, even of controls the window does not have.
      {"records", PlainProject(manyRecords)},
      {"value bytes", PlainProject({{"WsD", "String", "Text", std::string(kMaxValueBytes + 1, '1')}})},
  };
  for (const Case& c : cases) {
    for (bool compressed : {false, true}) {
      SCOPED_TRACE(std::string(c.what) + (compressed ? " compressed" : " plain"));
      const std::string bytes = compressed ? CompressToBytes(c.plain) : c.plain;
      tharvex::testing::StrictMessageSink sink;
      MainModel model(sink);
      const std::string before = FormRecordText(model.form(), {}, false);
      try {
        ReadFormRecordBytes(model.form(), bytes, "p.zrf");
        ADD_FAILURE() << "read as a project";
      } catch (const FileError& e) {
        EXPECT_EQ(e.code(), FileErrorCode::TooMuch) << e.what();
        EXPECT_NE(std::string(e.what()).find("damaged"), std::string::npos) << e.what();
      }
      EXPECT_EQ(FormRecordText(model.form(), {}, false), before);
    }
  }
  // Just within the bounds is a project.
  tharvex::testing::StrictMessageSink sink;
  MainModel model(sink);
  EXPECT_EQ(
      ReadFormRecordBytes(model.form(), PlainProject({{"MemoTi", "Memo", "Lines", Repeat(mark, kMaxMemoLines - 1)}})),
      ReadStatus::Applied);
  EXPECT_EQ(model.form().At("MemoTi").lines().size(), kMaxMemoLines - 1);
}

TEST(HostileFiles, SettingsOfEndlessSectionsAreCut) {
  std::string text;
  for (size_t i = 0; i < 3 * IniFile::kMaxSections; ++i) text += "[s" + std::to_string(i) + "]\nk=v\n";
  for (size_t i = 0; i < 3 * IniFile::kMaxEntries; ++i) text += "k" + std::to_string(i) + "=v\n";
  IniFile ini = IniFile::Parse("[MRU List]\n1=/a.zrf\n" + text);
  EXPECT_EQ(ini.Read("MRU List", "1"), "/a.zrf");
  EXPECT_EQ(ini.Read("s1", "k"), "v");
  EXPECT_EQ(ini.Read("s" + std::to_string(2 * IniFile::kMaxSections), "k"), "");
}

TEST(HostileFiles, DamagedLibraryImagesGiveAMessage) {
  std::ifstream in(std::string(THARVEX_SOURCE_DIR) + "/data/" + props::kPropLibFileName, std::ios::binary);
  std::string image(std::istreambuf_iterator<char>(in), {});
  ASSERT_GT(image.size(), 4096u);
  EXPECT_TRUE(props::LoadPropLibBytes(image, "PropLib.cds").error.empty());
  std::string cut = image.substr(0, image.size() / 2);
  std::string scrambled = image;
  for (size_t i = 100; i < scrambled.size(); i += 37) scrambled[i] = static_cast<char>(scrambled[i] ^ 0x5A);
  for (const std::string& bad : {std::string(), std::string("SQLite format 3"), cut, scrambled}) {
    props::PropLibLoad load = props::LoadPropLibBytes(bad, "PropLib.cds");
    if (load.error.empty()) {
      EXPECT_FALSE(load.records.empty());
    }
  }
}

}  // namespace
}  // namespace tharvex
