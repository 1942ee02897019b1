// Reads standard input one record at a time, in bounded memory: only the
// record being read is held, however long the stream.
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

class RecordReader {
 public:
  // separator: '\n' for lines (a CR right before it is dropped), '\0' for -0.
  // Reads take what is there, so a line from a terminal or a co-process is
  // handled at once; before_read runs before each read that may wait, so
  // the answers so far can be flushed to whoever waits for them.
  RecordReader(std::FILE* in, char separator, std::function<void()> before_read = {});

  // False at the end of the input. A last record without separator still
  // counts; an input that ends right after a separator has no extra record.
  bool Next(std::string& record);
  bool Failed() const { return failed_; }

 private:
  bool Fill();

  std::FILE* in_;
  char separator_;
  std::function<void()> before_read_;
  std::vector<char> buffer_;
  std::size_t begin_ = 0, end_ = 0;
  bool eof_ = false, failed_ = false;
};
