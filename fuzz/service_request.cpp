// Fuzz target of the local service's request reading: a byte stream cut in
// arbitrary pieces gives the same requests as in one piece, each answered
// without a crash, and nothing waits beyond the request bound.
//
// The first byte seeds the piece sizes; the rest is the stream.
// Run: fuzz_service_request -max_len=200000 fuzz/corpus/service_request
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/request_buffer.h"
#include "core/app/split_numbers.h"

namespace {

void Require(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tharvex;
  if (size == 0) return 0;
  unsigned seed = data[0];
  std::string_view stream(reinterpret_cast<const char*>(data) + 1, size - 1);

  RequestBuffer whole;
  RequestBuffer::Fed all = whole.Feed(stream);
  Require(whole.pending() <= RequestBuffer::kMaxRequest, "more waiting than the bound");

  RequestBuffer pieces;
  std::vector<std::string> got;
  bool overflow = false;
  for (size_t at = 0; at < stream.size() && !overflow;) {
    seed = seed * 1103515245u + 12345u;
    size_t n = 1 + (seed >> 16) % 4096;
    RequestBuffer::Fed fed = pieces.Feed(stream.substr(at, n));
    got.insert(got.end(), fed.requests.begin(), fed.requests.end());
    overflow = fed.overflow;
    Require(pieces.pending() <= RequestBuffer::kMaxRequest, "more waiting than the bound");
    at += n;
  }
  if (!overflow && !all.overflow) Require(got == all.requests, "pieces gave other requests than the whole");

  for (const std::string& r : all.requests) {
    Require(r.size() <= RequestBuffer::kMaxRequest, "a request beyond the bound");
    CopyDataRequest a = AnswerCopyData(r);
    Require(!a.reply.empty(), "an empty reply");
  }
  return 0;
}
