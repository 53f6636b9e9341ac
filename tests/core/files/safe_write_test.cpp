// Every file the program writes goes through one writer: targets that are
// not regular files or are read-only are refused and left as they were, a
// symbolic link is saved through, nothing planted beside the target is
// followed, and temporaries of a killed save are cleared by the next save.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "core/app/ini_file.h"
#include "core/app/main_model.h"
#include "core/files/file_error.h"
#include "core/files/form_record.h"
#include "core/files/safe_write.h"
#include "core/mainwin/main_window_table.h"
#include "core/output/rtf_writer.h"
#include "core/props/prop_library.h"
#include "tests/strict_message_sink.h"

namespace tharvex {
namespace {

namespace fs = std::filesystem;

fs::path TestDir() {
  fs::path dir = fs::temp_directory_path() / ("tharvex_write_" + std::to_string(::getpid()) + "_" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

std::string Slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void Put(const fs::path& p, const std::string& text) { std::ofstream(p, std::ios::binary) << text; }

// One writer of the program: writes something to `file`; true when it
// reports success, false when it reports a failure (throwing FileError or
// returning a message).
struct Writer {
  const char* name;
  std::function<bool(const std::string& file)> write;
};

std::vector<Writer> Writers() {
  return {
      {"project",
       [](const std::string& f) {
         tharvex::testing::StrictMessageSink sink;
         MainModel m(sink);
         try {
           WriteFormRecord(m.form(), f, false, mainwin::kExcludedFromFile, true);
           return true;
         } catch (const FileError&) {
           return false;
         }
       }},
      {"settings",
       [](const std::string& f) {
         IniFile ini;
         ini.Write("MRU List", "1", "/a.zrf");
         try {
           ini.Save(f);
           return true;
         } catch (const FileError&) {
           return false;
         }
       }},
      {"report", [](const std::string& f) { return report::SaveReportRtf(f, {}).ok; }},
      {"library", [](const std::string& f) { return props::SavePropLib(f, {}).empty(); }},
      {"bytes",
       [](const std::string& f) {
         try {
           SafeWriteFile(f, "new");
           return true;
         } catch (const FileError&) {
           return false;
         }
       }},
  };
}

class SafeWrite : public ::testing::Test {
 protected:
  ~SafeWrite() override {
    std::error_code ec;
    for (const auto& e : fs::recursive_directory_iterator(dir, ec))
      fs::permissions(e.path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(dir, ec);
  }
  fs::path dir = TestDir();
};

TEST_F(SafeWrite, TargetsThatAreNoRegularFileAreRefusedAndKept) {
  for (const Writer& w : Writers()) {
    SCOPED_TRACE(w.name);
    fs::path fifo = dir / (std::string(w.name) + ".fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(w.write(fifo));
    EXPECT_TRUE(fs::is_fifo(fifo));

    fs::path folder = dir / (std::string(w.name) + ".folder");
    fs::create_directory(folder);
    EXPECT_FALSE(w.write(folder));
    EXPECT_TRUE(fs::is_directory(folder));

    // A device node, where the system lets us make one (root).
    fs::path dev = dir / (std::string(w.name) + ".dev");
    if (::mknod(dev.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
      EXPECT_FALSE(w.write(dev));
      EXPECT_TRUE(fs::is_character_file(dev));
    }
  }
}

TEST_F(SafeWrite, ReadOnlyFilesAreRefusedAndKept) {
  for (const Writer& w : Writers()) {
    SCOPED_TRACE(w.name);
    fs::path file = dir / (std::string(w.name) + ".ro");
    Put(file, "old");
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_FALSE(w.write(file));
    EXPECT_EQ(Slurp(file), "old");
  }
  try {
    fs::path file = dir / "message.ro";
    Put(file, "old");
    fs::permissions(file, fs::perms::owner_read);
    SafeWriteFile(file, "new");
    ADD_FAILURE() << "a read-only file was replaced";
  } catch (const FileError& e) {
    EXPECT_EQ(e.code(), FileErrorCode::CannotCreate);
    EXPECT_NE(std::string(e.what()).find("read-only"), std::string::npos) << e.what();
  }
}

TEST_F(SafeWrite, SymbolicLinksAreSavedThrough) {
  for (const Writer& w : Writers()) {
    SCOPED_TRACE(w.name);
    fs::path real = dir / (std::string(w.name) + ".real");
    fs::path link = dir / (std::string(w.name) + ".link");
    Put(real, "old");
    fs::create_symlink(real, link);
    EXPECT_TRUE(w.write(link));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_NE(Slurp(real), "old");

    // A link that names nothing is not followed into a new file.
    fs::path dangling = dir / (std::string(w.name) + ".dangling");
    fs::create_symlink(dir / "nowhere" / "x", dangling);
    EXPECT_FALSE(w.write(dangling));
    EXPECT_TRUE(fs::is_symlink(dangling));
  }
}

TEST_F(SafeWrite, NothingPlantedBesideTheTargetIsFollowed) {
  // Another user plants links under the names a save used to take.
  fs::path victim = dir / "victim";
  Put(victim, "precious");
  fs::path report = dir / "r.doc";
  for (const char* planted : {"r.doc.tmp~", "r.doc.tmp"}) fs::create_symlink(victim, dir / planted);
  for (int n = 0; n < 4; ++n)
    fs::create_symlink(victim, dir / ("r.doc.~" + std::to_string(::getpid()) + "-" + std::to_string(n) + ".tmp"));
  EXPECT_TRUE(report::SaveReportRtf(report, {}).ok);
  EXPECT_TRUE(props::SavePropLib((dir / "lib.cds").string(), {}).empty());
  EXPECT_EQ(Slurp(victim), "precious");
  EXPECT_TRUE(fs::is_regular_file(report));
  EXPECT_FALSE(fs::is_symlink(report));
}

TEST_F(SafeWrite, StaleTemporariesOfAKilledSaveGoAtTheNextSave) {
  // A process that has ended: its pid names a save that can never finish.
  pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ASSERT_GT(child, 0);
  ::waitpid(child, nullptr, 0);
  const std::string gone = std::to_string(child);
  Put(dir / ("p.zrf.~" + gone + "-0.tmp"), "half");
  Put(dir / ("other.zrt.~" + gone + "-3.tmp"), "half");
  // Not stale: a running process (pid 1), and names that are not ours.
  Put(dir / "q.zrf.~1-0.tmp", "busy");
  Put(dir / "notes.tmp", "user's");
  Put(dir / "x.~12a-0.tmp", "user's");

  SafeWriteFile((dir / "p.zrf").string(), "new");
  EXPECT_EQ(Slurp(dir / "p.zrf"), "new");
  EXPECT_FALSE(fs::exists(dir / ("p.zrf.~" + gone + "-0.tmp")));
  EXPECT_FALSE(fs::exists(dir / ("other.zrt.~" + gone + "-3.tmp")));
  EXPECT_TRUE(fs::exists(dir / "q.zrf.~1-0.tmp"));
  EXPECT_TRUE(fs::exists(dir / "notes.tmp"));
  EXPECT_TRUE(fs::exists(dir / "x.~12a-0.tmp"));
  // The save leaves no temporary of its own.
  int files = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir)) ++files;
  EXPECT_EQ(files, 4);
}

TEST_F(SafeWrite, TemporaryNames) {
  struct Case {
    const char* name;
    bool ours;
    long pid;
  } cases[] = {
      {"p.zrf.~123-0.tmp", true, 123},    {"a b.doc.~7-15.tmp", true, 7}, {".~1-1.tmp", true, 1},
      {"p.zrf.~-0.tmp", false, 0},        {"p.zrf.~1-.tmp", false, 0},    {"p.zrf.~1.tmp", false, 0},
      {"p.zrf.~1-0.tmpx", false, 0},      {"p.zrf.tmp~", false, 0},       {"p.zrf.~1x-0.tmp", false, 0},
      {"p.~12345678901-0.tmp", false, 0},
  };
  for (const Case& c : cases) {
    long pid = 0;
    EXPECT_EQ(IsSafeWriteTemporary(c.name, &pid), c.ours) << c.name;
    if (c.ours) {
      EXPECT_EQ(pid, c.pid) << c.name;
    }
  }
}

TEST_F(SafeWrite, ReplacedFileKeepsItsPermissions) {
  fs::path file = dir / "p.zrf";
  Put(file, "old");
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
  SafeWriteFile(file, "new");
  EXPECT_EQ(Slurp(file), "new");
  EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
}

}  // namespace
}  // namespace tharvex
