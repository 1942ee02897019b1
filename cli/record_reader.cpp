#include "cli/record_reader.h"

#include <cerrno>
#include <cstring>
#include <utility>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

// Up to size bytes, as many as are there now (fread would wait for all of
// them); 0 at the end of the input, negative on an error.
long ReadSome(std::FILE* in, char* buffer, std::size_t size) {
#ifdef _WIN32
  return _read(_fileno(in), buffer, static_cast<unsigned>(size));
#else
  for (;;) {
    const ssize_t n = ::read(fileno(in), buffer, size);
    if (n >= 0 || errno != EINTR) return static_cast<long>(n);
  }
#endif
}

}  // namespace

RecordReader::RecordReader(std::FILE* in, char separator, std::function<void()> before_read)
    : in_(in), separator_(separator), before_read_(std::move(before_read)), buffer_(1 << 16) {}

bool RecordReader::Fill() {
  if (eof_) return false;
  if (before_read_) before_read_();
  begin_ = 0;
  end_ = 0;
  const long n = ReadSome(in_, buffer_.data(), buffer_.size());
  if (n <= 0) {
    eof_ = true;
    failed_ = n < 0;
    return false;
  }
  end_ = static_cast<std::size_t>(n);
  return true;
}

bool RecordReader::Next(std::string& record) {
  record.clear();
  bool any = false;
  for (;;) {
    if (begin_ == end_ && !Fill()) break;
    any = true;
    const char* start = buffer_.data() + begin_;
    const void* hit = std::memchr(start, separator_, end_ - begin_);
    if (hit) {
      const std::size_t n = static_cast<std::size_t>(static_cast<const char*>(hit) - start);
      record.append(start, n);
      begin_ += n + 1;
      if (separator_ == '\n' && !record.empty() && record.back() == '\r') record.pop_back();
      return true;
    }
    record.append(start, end_ - begin_);
    begin_ = end_;
  }
  return any;
}
