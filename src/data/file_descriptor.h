// An open file descriptor that closes itself: the contained-file layer hands
// these out so that a file checked on the way in is the file that is read.
#pragma once

#include <unistd.h>

#include <utility>

namespace qv {

class FileDescriptor {
 public:
  FileDescriptor() = default;
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  FileDescriptor& operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
      Reset();
      fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() { Reset(); }

  bool Valid() const { return fd_ >= 0; }
  explicit operator bool() const { return Valid(); }
  int Get() const { return fd_; }
  // Gives the descriptor away (to fdopen, say); the caller closes it.
  int Release() { return std::exchange(fd_, -1); }
  void Reset() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

 private:
  int fd_ = -1;
};

}  // namespace qv
