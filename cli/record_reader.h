// Reads standard input one record at a time, in bounded memory: only the
// record being read is held, however long the stream.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

class RecordReader {
 public:
  // separator: '\n' for lines (a CR right before it is dropped), '\0' for -0.
  RecordReader(std::FILE* in, char separator);

  // False at the end of the input. A last record without separator still
  // counts; an input that ends right after a separator has no extra record.
  bool Next(std::string& record);
  bool Failed() const { return failed_; }

 private:
  bool Fill();

  std::FILE* in_;
  char separator_;
  std::vector<char> buffer_;
  std::size_t begin_ = 0, end_ = 0;
  bool eof_ = false, failed_ = false;
};
