// linkconv-cli: the link conversion of the window, for scripts and batches.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "cli/options.h"
#include "cli/record_reader.h"
#include "codec/link_forms.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <csignal>
#endif

namespace {

// The window's four rows, in their on-screen order.
struct Row {
  const char* label;
  LinkForm form;
};
const Row kRows[] = {{"thunder:  ", link_form::Thunder},
                     {"flashget: ", link_form::FlashGet},
                     {"qqdl:     ", link_form::Qq},
                     {"real:     ", link_form::Real}};

class Output {
 public:
  explicit Output(std::FILE* out) : out_(out) {}
  void Write(const char* data, std::size_t n) {
    if (ok_ && n > 0 && std::fwrite(data, 1, n, out_) != n) ok_ = false;
  }
  void Write(const std::string& s) { Write(s.data(), s.size()); }
  void Put(char c) { Write(&c, 1); }
  void Flush() {
    if (ok_ && std::fflush(out_) != 0) ok_ = false;
  }
  bool Finish() {
    if (std::fflush(out_) != 0) ok_ = false;
    return ok_;
  }
  bool Ok() const { return ok_; }

 private:
  std::FILE* out_;
  bool ok_ = true;
};

class Converter {
 public:
  Converter(const CliOptions& options, Output& out) : options_(options), out_(out) {}

  // One input gives one result: a form, four labelled lines, four fields.
  void Convert(const std::string& record, bool labelled) {
    ++record_number_;
    // A Text never holds a 0 byte: the link ends where one stands, as
    // it would in the window's input box.
    const Text input(record.c_str());
    if (options_.to) {
      Result(ConvertLink(input, *options_.to), /*escape_tab=*/false);
      End();
    } else if (options_.null_separated) {
      for (const Row& row : kRows) Result(ConvertLink(input, row.form), false);
    } else if (labelled) {
      for (const Row& row : kRows) {
        out_.Write(row.label);
        Result(ConvertLink(input, row.form), /*escape_tab=*/false);
        out_.Put('\n');
      }
    } else {
      for (std::size_t i = 0; i < 4; ++i) {
        if (i > 0) out_.Put('\t');
        Result(ConvertLink(input, kRows[i].form), /*escape_tab=*/true);
      }
      End();
    }
  }

  bool Escaped() const { return escaped_; }

 private:
  // Writes a result; with -0 it ends in NUL and passes unchanged, otherwise
  // a line feed, and with escape_tab a tab, is escaped so the output stays
  // aligned. A plain byte loop: find_first_of calls memchr once per byte.
  void Result(const Text& text, bool escape_tab) {
    if (options_.null_separated) {
      out_.Write(text.data(), text.size() + 1);  // with its NUL
      return;
    }
    std::size_t from = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] != '\n' && !(escape_tab && text[i] == '\t')) continue;
      out_.Write(text.data() + from, i - from);
      out_.Write(text[i] == '\n' ? "%0A" : "%09", 3);
      from = i + 1;
      Warn();
    }
    out_.Write(text.data() + from, text.size() - from);
  }

  void End() {
    if (!options_.null_separated) out_.Put('\n');
  }

  void Warn() {
    if (escaped_ && warned_record_ == record_number_) return;
    escaped_ = true;
    warned_record_ = record_number_;
    std::fprintf(stderr,
                 "linkconv-cli: input %zu: a result holds a line feed or tab, written as %%0A or "
                 "%%09 (use -0 for exact bytes)\n",
                 record_number_);
  }

  const CliOptions& options_;
  Output& out_;
  std::size_t record_number_ = 0, warned_record_ = 0;
  bool escaped_ = false;
};

int Run(const CliOptions& options) {
  Output out(stdout);
  Converter converter(options, out);
  bool input_failed = false;
  if (!options.links.empty()) {
    for (std::size_t i = 0; i < options.links.size() && out.Ok(); ++i) {
      if (i > 0 && !options.to && !options.null_separated) out.Put('\n');
      converter.Convert(options.links[i], /*labelled=*/true);
    }
  } else {
    RecordReader reader(stdin, options.null_separated ? '\0' : '\n', [&out] { out.Flush(); });
    std::string record;
    while (out.Ok() && reader.Next(record)) converter.Convert(record, /*labelled=*/false);
    input_failed = reader.Failed();
  }
  if (!out.Finish()) {
    std::fprintf(stderr, "linkconv-cli: write error: %s\n", std::strerror(errno));
    return 1;
  }
  if (input_failed) {
    std::fprintf(stderr, "linkconv-cli: read error: %s\n", std::strerror(errno));
    return 1;
  }
  return converter.Escaped() ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  _setmode(_fileno(stdin), _O_BINARY);  // bytes in, bytes out: no CR LF translation
  _setmode(_fileno(stdout), _O_BINARY);
#else
  std::signal(SIGPIPE, SIG_IGN);  // a closed pipe becomes a write error we report
#endif
  static char out_buffer[1 << 16];
  std::setvbuf(stdout, out_buffer, _IOFBF, sizeof out_buffer);

  const ParseResult parsed = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "linkconv-cli: %s\n", parsed.error.c_str());
    return 2;
  }
  if (parsed.options.help) {
    std::fputs(kUsage, stdout);
    if (std::fflush(stdout) == 0) return 0;
    std::fprintf(stderr, "linkconv-cli: write error: %s\n", std::strerror(errno));
    return 1;
  }
  try {
    return Run(parsed.options);
  } catch (const std::bad_alloc&) {
    std::fprintf(stderr, "linkconv-cli: out of memory\n");
    return 1;
  }
}
