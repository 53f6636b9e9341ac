#include "core/app/request_buffer.h"

namespace tharvex {

RequestBuffer::Fed RequestBuffer::Feed(std::string_view bytes) {
  Fed fed;
  // Whole requests are cut straight from the new bytes once the waiting
  // part is complete, so a long burst is scanned once.
  size_t start = 0;
  for (size_t zero = bytes.find('\0'); zero != std::string_view::npos; zero = bytes.find('\0', start)) {
    std::string_view piece = bytes.substr(start, zero - start);
    if (!pending_.empty()) {
      if (pending_.size() + piece.size() > kMaxRequest) {
        fed.overflow = true;
        pending_.clear();
        return fed;
      }
      fed.requests.push_back(pending_ + std::string(piece));
      pending_.clear();
    } else if (piece.size() > kMaxRequest) {
      fed.overflow = true;
      return fed;
    } else {
      fed.requests.emplace_back(piece);
    }
    start = zero + 1;
  }
  std::string_view rest = bytes.substr(start);
  if (pending_.size() + rest.size() > kMaxRequest) {
    fed.overflow = true;
    pending_.clear();
    return fed;
  }
  pending_.append(rest);
  return fed;
}

}  // namespace tharvex
