#pragma once
// Errors of reading and writing files. Each carries what went wrong and the
// file it concerns; what() is the text the user sees in the message box.
#include <stdexcept>
#include <string>

namespace tharvex {

enum class FileErrorCode {
  CannotRead,     // the file could not be opened or read
  CannotCreate,   // the file could not be written
  TooShort,       // shorter than the header
  TooLarge,       // beyond the size a project can have
  BadLength,      // the stored length does not fit the data
  DamagedStream,  // the compressed data cannot be inflated
  BadEncoding,    // bytes that are no GB18030 text, or text that has no GB18030 form
  BadValue,       // a record value that cannot be read for its property
  BadLayout,      // a value that cannot be written as one line
  NotRegular,     // not a regular file (a folder, a FIFO, a device)
  TooMuch,        // more lines, records or bytes than a real project holds
};

class FileError : public std::runtime_error {
 public:
  // `reason` is the message without the file's name, for callers that word
  // the message themselves; empty means the whole message.
  FileError(FileErrorCode code, std::string file, const std::string& message, std::string reason = {})
      : std::runtime_error(message), code_(code), file_(std::move(file)), reason_(std::move(reason)) {}
  FileErrorCode code() const { return code_; }
  const std::string& file() const { return file_; }
  std::string reason() const { return reason_.empty() ? std::string(what()) : reason_; }

 private:
  FileErrorCode code_;
  std::string file_;
  std::string reason_;
};

}  // namespace tharvex
