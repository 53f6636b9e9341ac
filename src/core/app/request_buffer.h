#pragma once
// The byte stream of one connection to the local service, cut into
// requests. Each request is a text ended by a zero byte ("handle;a;b;c\0");
// bytes may arrive in any pieces.
//
//   RequestBuffer buf;
//   auto fed = buf.Feed(bytesJustRead);
//   for (const std::string& r : fed.requests) answer(AnswerCopyData(r));
//   if (fed.overflow) closeConnection();
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tharvex {

class RequestBuffer {
 public:
  // Longest request kept while waiting for its zero byte.
  static constexpr size_t kMaxRequest = 64 * 1024;

  struct Fed {
    std::vector<std::string> requests;  // whole requests, in order
    bool overflow = false;              // kMaxRequest bytes without a zero byte
  };
  // Appends the bytes and takes out every request they complete. On
  // overflow the waiting bytes are dropped: no request of this service is
  // that long, so the connection should be closed.
  Fed Feed(std::string_view bytes);
  size_t pending() const { return pending_.size(); }

 private:
  std::string pending_;
};

}  // namespace tharvex
