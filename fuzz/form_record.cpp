// Fuzz target of the project file reader: arbitrary bytes must end in a
// message or a loaded window, never in a crash, a hang or unbounded memory.
//
// The first byte picks how the rest is used:
//   0: as the file's bytes;
//   1: as the records of a plain-text file (after the header line);
//   2: as the same, stored compressed behind its length.
// Run: fuzz_form_record -max_len=65536 fuzz/corpus/files
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/app/main_model.h"
#include "core/files/file_error.h"
#include "core/files/form_record.h"
#include "core/files/stream_tools.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tharvex;
  if (size == 0) return 0;
  std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::string bytes;
  switch (data[0] % 3) {
    case 0:
      bytes = std::string(rest);
      break;
    case 1:
      bytes = std::string(kFormRecordHeader) + "\r\n" + std::string(rest);
      break;
    default:
      bytes = CompressToBytes(std::string(kFormRecordHeader) + "\r\n" + std::string(rest));
      break;
  }
  // A fresh window per input keeps every run reproducible.
  RecordingMessageSink sink;
  MainModel model(sink);
  try {
    ReadFormRecordBytes(model.form(), bytes, "fuzz.zrf");
  } catch (const FileError&) {
    // A damaged file: reported, nothing applied.
  }
  return 0;
}
