#include "cli/record_reader.h"

#include <cstring>

RecordReader::RecordReader(std::FILE* in, char separator)
    : in_(in), separator_(separator), buffer_(1 << 16) {}

bool RecordReader::Fill() {
  if (eof_) return false;
  begin_ = 0;
  end_ = std::fread(buffer_.data(), 1, buffer_.size(), in_);
  if (end_ == 0) {
    eof_ = true;
    failed_ = std::ferror(in_) != 0;
    return false;
  }
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
