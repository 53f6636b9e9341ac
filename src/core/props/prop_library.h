#pragma once
// The property library "PropLib.cds": one SQLite table of substances with
// the ten text fields, kept in the order of NO.
#include <string>
#include <vector>

#include "core/props/prop_record.h"

namespace tharvex::props {

inline constexpr const char* kPropLibFileName = "PropLib.cds";

struct PropLibLoad {
  std::vector<PropRecord> records;  // ordered by NO
  std::string error;                // empty when the file was read whole
};

// Reads the library. A missing, unreadable or foreign file gives a message
// and no records; a record whose text exceeds its field's limit is left out
// and named in the message.
PropLibLoad LoadPropLib(const std::string& path);

// Writes the library (records sorted by NO) to a new file next to `path` and
// then replaces `path` with it, so that a failed save leaves the old library.
// Returns a message, empty on success. Refuses records over the limits.
std::string SavePropLib(const std::string& path, const std::vector<PropRecord>& records);

// NO as the sort key: texts compared bytewise, null first.
void SortByNo(std::vector<PropRecord>& records);

}  // namespace tharvex::props
