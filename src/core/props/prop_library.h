#pragma once
// The property library "PropLib.cds": one SQLite table of substances with
// the ten text fields, kept in the order of NO.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/props/prop_record.h"

namespace tharvex::props {

inline constexpr const char* kPropLibFileName = "PropLib.cds";

// A real library holds a few dozen substances; these bound what a damaged or
// crafted file can make the program hold.
inline constexpr int64_t kMaxPropLibBytes = 32 * 1024 * 1024;
inline constexpr size_t kMaxPropLibRecords = 20000;

struct PropLibLoad {
  std::vector<PropRecord> records;  // ordered by NO
  std::string error;                // empty when the file was read whole
};

// Reads the library. A missing, unreadable or foreign file gives a message
// and no records; a record whose text exceeds its field's limit is left out
// and named in the message.
PropLibLoad LoadPropLib(const std::string& path);
// The same from the file's bytes; `path` names the file in messages.
PropLibLoad LoadPropLibBytes(std::string_view bytes, const std::string& path);

// Writes the library (records sorted by NO) to a new file next to `path` and
// then replaces `path` with it, so that a failed save leaves the old library.
// Returns a message, empty on success. Refuses records over the limits.
std::string SavePropLib(const std::string& path, const std::vector<PropRecord>& records);

// NO as the sort key: texts compared bytewise, null first.
void SortByNo(std::vector<PropRecord>& records);

}  // namespace tharvex::props
