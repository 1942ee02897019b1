// decode_file [--whole] FILE: writes the bytes that the Base64 text in FILE
// stands for to standard output, decoded by the link codec's own decoder.
//
// By default the file is decoded in pieces of whole four-character groups,
// the way a streaming tool reads: for Base64 without line breaks or spaces
// that gives exactly the bytes of one call over the whole text, in little
// memory. --whole reads the file into one text and makes that one call.
#include <cstdio>
#include <cstring>

#include "codec/base64.h"

namespace {

constexpr std::size_t kPiece = 1 << 16;  // a multiple of 4: whole groups

bool WriteBytes(const ByteArray& bytes) {
  return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
}

// A Text never holds a 0 byte.
Text AsText(const char* data, std::size_t n) { return Text(data, strnlen(data, n)); }

bool DecodeInPieces(std::FILE* in) {
  static char piece[kPiece];
  std::size_t n;
  while ((n = std::fread(piece, 1, kPiece, in)) > 0)
    if (!WriteBytes(BASE64类().Decode(AsText(piece, n)))) return false;
  return true;
}

bool DecodeWhole(std::FILE* in) {
  std::string all;
  char chunk[1 << 16];
  std::size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, in)) > 0) all.append(chunk, n);
  return WriteBytes(BASE64类().Decode(AsText(all.data(), all.size())));
}

}  // namespace

int main(int argc, char** argv) {
  const bool whole = argc == 3 && std::strcmp(argv[1], "--whole") == 0;
  if (argc != 2 && !whole) {
    std::fprintf(stderr, "usage: decode_file [--whole] FILE\n");
    return 2;
  }
  const char* path = argv[argc - 1];
  std::FILE* in = std::fopen(path, "rb");
  if (!in) {
    std::fprintf(stderr, "decode_file: cannot open %s\n", path);
    return 1;
  }
  const bool written = whole ? DecodeWhole(in) : DecodeInPieces(in);
  const bool read_ok = !std::ferror(in);
  std::fclose(in);
  if (!read_ok) {
    std::fprintf(stderr, "decode_file: cannot read %s\n", path);
    return 1;
  }
  if (!written || std::fflush(stdout) != 0) {
    std::fprintf(stderr, "decode_file: write error\n");
    return 1;
  }
  return 0;
}
