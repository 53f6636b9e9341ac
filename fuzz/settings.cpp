// Fuzz target of the settings file and the recent-files list read from it:
// any bytes give a list of at most the allowed length, and writing the
// parsed settings back and parsing them again keeps every value.
// Run: fuzz_settings -max_len=8192 fuzz/corpus/settings
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/app/ini_file.h"
#include "core/app/recent_files.h"
#include "core/fields/message_sink.h"
#include "core/files/safe_write.h"

namespace {

// In a private folder in memory: every save flushes the file to disk, which
// on a real disk would slow the runs a hundredfold.
std::string ScratchFile() {
  static const std::string file = [] {
    char dir[] = "/dev/shm/fuzz_settings.XXXXXX";
    char fallback[] = "/tmp/fuzz_settings.XXXXXX";
    const char* made = ::mkdtemp(dir);
    if (!made) made = ::mkdtemp(fallback);
    if (!made) std::abort();
    return std::string(made) + "/Tharvex.ini";
  }();
  return file;
}

void Require(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tharvex;
  std::string_view text(reinterpret_cast<const char*>(data), size);

  IniFile ini = IniFile::Parse(text);
  std::string once = ini.Text();
  // What was read is what is written: a second round changes nothing.
  Require(IniFile::Parse(once).Text() == once, "settings text changed on a second round");
  std::string mru1 = ini.Read("MRU List", "1");
  ini.Write("MRU List", "1", "/tmp/x.zrf");
  Require(ini.Read("mru list", "1") == "/tmp/x.zrf", "a written key is not read back");

  // The recent-files list reads the same bytes from its file.
  SafeWriteFile(ScratchFile(), text);
  RecordingMessageSink sink;
  MostRecentFiles mru(sink, "Tharvex");
  mru.setMaxFiles(static_cast<unsigned>(size % 20));
  mru.setIniFile(ScratchFile());
  Require(mru.files().size() <= mru.maxFiles(), "more recent files than the list may hold");
  (void)mru.Captions();
  mru.setFileExt(".zrf");
  mru.AddFile("/tmp/a.zrf");
  Require(!mru.files().empty() && mru.files()[0] == "/tmp/a.zrf", "an added file is not at the head");
  std::vector<MenuItemModel> menu{{"&O 打开"}, {"&S 保存"}};
  auto rebuilt = mru.RebuildMenu(menu);
  for (int i = 0; i < static_cast<int>(rebuilt.size()); ++i) (void)MostRecentFiles::EntryOfMenuItem(rebuilt, i);
  return 0;
}
