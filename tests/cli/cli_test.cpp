// Drives the built linkconv-cli: arguments, standard input in lines and
// NUL-separated records, escaping, usage errors and output failures.
// Expected results come from the codec the program is built on, with a few
// literal anchors.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "child_process.h"
#include "codec/link_forms.h"

namespace {

using Args = std::vector<std::string>;

ChildResult Cli(const Args& args, const std::string& input = "",
                StdoutTo stdout_to = StdoutTo::Capture) {
  ChildCommand command;
  command.program = LINKCONV_CLI;
  command.args = args;
  command.stdout_to = stdout_to;
  return RunChild(command, input);
}

std::string Show(const Args& args) {
  std::string s;
  for (const std::string& a : args) s += " '" + a + "'";
  return s;
}

// "GBK" bytes: http://例子/文件.zip
const Text kGbkAddress = "http://\xC0\xFD\xD7\xD3/\xCE\xC4\xBC\xFE.zip";
const Text kAbcFourTabbed =
    "thunder://QUFhYmNaWg==\tflashget://W0ZMQVNIR0VUXWFiY1tGTEFTSEdFVF0=\tqqdl://YWJj\tabc\n";
const Text kAbcLabelled =
    "thunder:  thunder://QUFhYmNaWg==\n"
    "flashget: flashget://W0ZMQVNIR0VUXWFiY1tGTEFTSEdFVF0=\n"
    "qqdl:     qqdl://YWJj\n"
    "real:     abc\n";

// Links of every form, damaged ones and GBK bytes; none of them converts
// to a result holding a line feed or a tab.
std::vector<Text> SampleLinks() {
  return {"abc",
          "thunder://QUFhYmNaWg==",
          "flashget://W0ZMQVNIR0VUXWFiY1tGTEFTSEdFVF0=",
          "qqdl://YWJj",
          ConvertLink("http://example.com/a b.zip", link_form::Boxdl),
          "http://example.com/a b.zip?x=1&y=2",
          "THUNDER://QUFhYmNaWg==",
          "thunder://QUFhYmNaWg==/",
          "thunder://QUFa",
          kGbkAddress,
          ConvertLink(kGbkAddress, link_form::Thunder),
          "qqdl://" "\xA1\xA1" "YWJj"};
}

std::string Nul(const std::string& s) { return s + std::string(1, '\0'); }

// The output the program owes for one link, built from the codec.
std::string Labelled(const Text& link) {
  return "thunder:  " + ConvertLink(link, link_form::Thunder) + "\n" +
         "flashget: " + ConvertLink(link, link_form::FlashGet) + "\n" +
         "qqdl:     " + ConvertLink(link, link_form::Qq) + "\n" +
         "real:     " + ConvertLink(link, link_form::Real) + "\n";
}
std::string Tabbed(const Text& link) {
  return ConvertLink(link, link_form::Thunder) + "\t" + ConvertLink(link, link_form::FlashGet) +
         "\t" + ConvertLink(link, link_form::Qq) + "\t" + ConvertLink(link, link_form::Real) + "\n";
}
std::string NulFour(const Text& link) {
  return Nul(ConvertLink(link, link_form::Thunder)) + Nul(ConvertLink(link, link_form::FlashGet)) +
         Nul(ConvertLink(link, link_form::Qq)) + Nul(ConvertLink(link, link_form::Real));
}

void ExpectClean(const ChildResult& r, const std::string& want_out) {
  ASSERT_TRUE(r.exited) << r.Describe();
  EXPECT_EQ(r.exit_code, 0) << r.Describe();
  EXPECT_EQ(r.out, want_out);
  EXPECT_EQ(r.err, "");
}

TEST(CliAnchors, AbcInEveryMode) {
  ExpectClean(Cli({"abc"}), kAbcLabelled);
  ExpectClean(Cli({"thunder://QUFhYmNaWg=="}), kAbcLabelled);
  ExpectClean(Cli({}, "abc\nqqdl://YWJj\n"), kAbcFourTabbed + kAbcFourTabbed);
  ExpectClean(Cli({"--to", "real", "thunder://QUFhYmNaWg=="}), "abc\n");
  ExpectClean(Cli({"--to", "thunder"}, "abc\n"), "thunder://QUFhYmNaWg==\n");
}

// Every way of naming a form, as an option value and in --to=FORM, over
// link arguments and over standard input.
TEST(CliForms, EachFormByNameAndCode) {
  struct Case {
    const char* value;
    LinkForm form;
  } cases[] = {
      {"thunder", link_form::Thunder}, {"flashget", link_form::FlashGet}, {"qqdl", link_form::Qq},
      {"boxdl", link_form::Boxdl},     {"real", link_form::Real},         {"0", link_form::Real},
      {"1", link_form::FlashGet},      {"2", link_form::Qq},              {"3", link_form::Thunder},
      {"6", link_form::Boxdl},
      // A number that names no form acts as real.
      {"4", link_form::Real}, {"5", link_form::Real}, {"7", link_form::Real}, {"-1", link_form::Real},
      {"99999999999999999999", link_form::Real},
  };
  const std::vector<Text> links = SampleLinks();
  std::string lines, want;
  for (const Text& link : links) lines += link + "\n";
  for (const Case& c : cases) {
    want.clear();
    for (const Text& link : links) want += ConvertLink(link, c.form) + "\n";
    const Args separate = {"--to", c.value}, joined = {std::string("--to=") + c.value};
    for (const Args& option : {separate, joined}) {
      Args args = option;
      args.insert(args.end(), links.begin(), links.end());
      {
        SCOPED_TRACE("links as arguments:" + Show(option));
        ExpectClean(Cli(args), want);
      }
      {
        SCOPED_TRACE("links on standard input:" + Show(option));
        ExpectClean(Cli(option, lines), want);
      }
    }
  }
}

TEST(CliForms, DefaultShowsAllFourForms) {
  const std::vector<Text> links = SampleLinks();
  std::string blocks, lines, tabbed, nul_records, nul_out;
  Args args, nul_args = {"-0"};
  for (const Text& link : links) {
    blocks += (blocks.empty() ? "" : "\n") + Labelled(link);
    args.push_back(link);
    nul_args.push_back(link);
    lines += link + "\r\n";
    tabbed += Tabbed(link);
    nul_records += Nul(link);
    nul_out += NulFour(link);
  }
  {
    SCOPED_TRACE("labelled blocks, a blank line between them");
    ExpectClean(Cli(args), blocks);
  }
  {
    SCOPED_TRACE("one tab-separated line per input line");
    ExpectClean(Cli({}, lines), tabbed);
  }
  {
    SCOPED_TRACE("-0 with link arguments: four NUL-terminated results each");
    ExpectClean(Cli(nul_args), nul_out);
  }
  {
    SCOPED_TRACE("-0 on standard input");
    ExpectClean(Cli({"-0"}, nul_records), nul_out);
  }
}

struct RunCase {
  const char* name;
  Args args;
  std::string input;
  std::string want_out;
};

void ExpectCleanRuns(const std::vector<RunCase>& cases) {
  for (const RunCase& c : cases) {
    SCOPED_TRACE(std::string(c.name) + ":" + Show(c.args));
    ExpectClean(Cli(c.args, c.input), c.want_out);
  }
}

TEST(CliArguments, Cases) {
  // Standard input carries a line each time, to show it is left unread.
  const std::string ignored = "standard input is not read\n";
  ExpectCleanRuns({
      {"-- ends the options", {"--to", "real", "--", "-0", "--help", "--to"}, ignored,
       "-0\n--help\n--to\n"},
      {"-- before a labelled link", {"--", "-x"}, ignored, Labelled("-x")},
      {"an empty argument is the empty link", {"--to", "thunder", ""}, ignored, "thunder://QUFaWg==\n"},
      {"options may follow the links", {"abc", "--to", "real"}, ignored, "abc\n"},
      {"-0 ends every result in NUL", {"-0", "--to", "real", "a", "", "b"}, ignored,
       Nul("a") + Nul("") + Nul("b")},
      {"--null is -0", {"--null", "--to", "qqdl", "abc"}, ignored, Nul("qqdl://YWJj")},
      {"-0 passes a decoded line feed and tab", {"-0", "--to", "real", "qqdl://YQpi", "qqdl://YQli"},
       ignored, Nul("a\nb") + Nul("a\tb")},
      {"a tab stays in a labelled block", {"qqdl://YQli"}, ignored, Labelled("qqdl://YQli")},
      {"GBK bytes pass unchanged", {"--to", "real", kGbkAddress, ConvertLink(kGbkAddress, link_form::Qq)},
       ignored, kGbkAddress + "\n" + kGbkAddress + "\n"},
  });
}

TEST(CliStandardInput, Lines) {
  const Args real = {"--to", "real"};
  ExpectCleanRuns({
      {"CR LF line ends", real, "abc\r\nqqdl://YWJj\r\n", "abc\nabc\n"},
      {"only the CR right before the LF goes", real, "a\r\r\n", "a\r\n"},
      {"a lone CR stays in the line", real, "a\rb\n", "a\rb\n"},
      {"blank lines give blank results", real, "\n\nabc\n\r\n\n", "\n\nabc\n\n\n"},
      {"a blank line is the empty link", {"--to", "thunder"}, "\n\r\n",
       "thunder://QUFaWg==\nthunder://QUFaWg==\n"},
      {"a blank line in the default output", {}, "\n", Tabbed("")},
      {"a missing final line feed", real, "abc\nqqdl://YWJj", "abc\nabc\n"},
      {"no input, no output", real, "", ""},
      {"no input, no output, default", {}, "", ""},
      {"a lead byte does not swallow the line feed", real, "abc\xC1\nnext\n", "abc\xC1\nnext\n"},
      {"GBK address to thunder", {"--to", "thunder"}, kGbkAddress + "\n",
       ConvertLink(kGbkAddress, link_form::Thunder) + "\n"},
      {"GBK address back from thunder", real, ConvertLink(kGbkAddress, link_form::Thunder) + "\r\n",
       kGbkAddress + "\n"},
      {"a 0 byte ends the link, not the line", real, std::string("ab\0cd\nef\n", 9), "ab\nef\n"},
      {"a tab stays in a single-form line", real, "qqdl://YQli\n", "a\tb\n"},
  });
}

TEST(CliStandardInput, NulSeparatedRecords) {
  const Args real = {"-0", "--to", "real"};
  ExpectCleanRuns({
      {"CR, LF and tab pass exactly", real, Nul("a\r\nb\tc\r") + Nul("") + "x",
       Nul("a\r\nb\tc\r") + Nul("") + Nul("x")},
      {"a final NUL adds no record", real, Nul("abc"), Nul("abc")},
      {"no input, no output", real, "", ""},
      {"decoded line feed and tab pass exactly", real, Nul("qqdl://YQpi") + Nul("qqdl://YQli"),
       Nul("a\nb") + Nul("a\tb")},
      {"every record encoded", {"-0", "--to", "thunder"}, Nul("abc") + Nul("") + Nul("a\nb"),
       Nul(ConvertLink("abc", link_form::Thunder)) + Nul(ConvertLink("", link_form::Thunder)) +
           Nul(ConvertLink("a\nb", link_form::Thunder))},
      {"GBK bytes pass unchanged", real, Nul(ConvertLink(kGbkAddress, link_form::FlashGet)),
       Nul(kGbkAddress)},
  });
}

// A script that writes a link and waits for its answer before the next
// one, as with a co-process, gets every answer without closing the input.
TEST(CliStandardInput, AnswersEachLineBeforeTheNextArrives) {
  const std::vector<Text> links = SampleLinks();
  for (const Args& args : {Args{"--to", "real"}, Args{}}) {
    SCOPED_TRACE(Show(args));
    std::size_t sent = 0, answered = 0;
    std::string out, want;
    ChildStreams streams;
    streams.next_input = [&](std::string& piece) {
      if (sent == links.size()) return false;
      if (sent == answered) piece = links[sent++] + "\n";
      return true;
    };
    streams.on_stdout = [&](const char* data, std::size_t n) {
      out.append(data, n);
      answered = static_cast<std::size_t>(std::count(out.begin(), out.end(), '\n'));
    };
    for (const Text& link : links)
      want += args.empty() ? Tabbed(link) : ConvertLink(link, link_form::Real) + "\n";
    ChildCommand command;
    command.program = LINKCONV_CLI;
    command.args = args;
    command.timeout = std::chrono::seconds(10);
    const ChildResult r = RunChild(command, std::move(streams));
    ASSERT_FALSE(r.timed_out) << "answered " << answered << " of " << sent << " lines sent";
    ASSERT_TRUE(r.exited) << r.Describe();
    EXPECT_EQ(r.exit_code, 0) << r.Describe();
    EXPECT_EQ(out, want);
  }
}

// A line longer than any read buffer, with its CR LF falling on either
// side of a buffer boundary.
TEST(CliStandardInput, LongLines) {
  for (const std::size_t length : {65534u, 65535u, 65536u, 65537u, 131071u, 1u << 20}) {
    Text address = "http://example.com/";
    while (address.size() < length) address += static_cast<char>('a' + address.size() % 26);
    SCOPED_TRACE("line of " + std::to_string(length) + " bytes");
    ExpectClean(Cli({"--to", "real"}, address + "\r\nabc\r\n"), address + "\nabc\n");
    const Text thunder = ConvertLink(address, link_form::Thunder);
    ExpectClean(Cli({"--to", "real"}, thunder + "\r\n"), address + "\n");
    ExpectClean(Cli({"--to", "thunder"}, address), thunder + "\n");
  }
}

// A result holding the line's own separator is escaped, said on stderr,
// and the run ends with exit code 1; the other lines still come.
TEST(CliEscaping, LineFeedsAndTabsInLineOutput) {
  const Text lf = "qqdl://YQpi", tab = "qqdl://YQli", crlf = "qqdl://YQ0KYg==";  // a\nb, a\tb, a\r\nb
  const auto forms_but_real = [](const Text& link) {
    return ConvertLink(link, link_form::Thunder) + "\t" + ConvertLink(link, link_form::FlashGet) +
           "\t" + ConvertLink(link, link_form::Qq) + "\t";
  };
  const std::vector<RunCase> cases = {
      {"line feed in a single-form line", {"--to", "real"}, lf + "\n", "a%0Ab\n"},
      {"CR LF in a single-form line", {"--to", "real"}, crlf + "\n", "a\r%0Ab\n"},
      {"the lines after it still come", {"--to", "real"}, "abc\n" + lf + "\nabc\n", "abc\na%0Ab\nabc\n"},
      {"tab in the tab-separated output", {}, tab + "\n", forms_but_real(tab) + "a%09b\n"},
      {"line feed in the tab-separated output", {}, lf + "\n", forms_but_real(lf) + "a%0Ab\n"},
      {"line feed in a labelled block", {lf}, "",
       Labelled(lf).substr(0, Labelled(lf).size() - 3) + "%0Ab\n"},
      {"line feed in a link argument with --to", {"--to", "real", lf, "abc"}, "", "a%0Ab\nabc\n"},
  };
  for (const RunCase& c : cases) {
    SCOPED_TRACE(std::string(c.name) + ":" + Show(c.args));
    const ChildResult r = Cli(c.args, c.input);
    ASSERT_TRUE(r.exited) << r.Describe();
    EXPECT_EQ(r.exit_code, 1) << r.Describe();
    EXPECT_EQ(r.out, c.want_out);
    EXPECT_NE(r.err, "");
  }
}

TEST(CliUsage, BadUsageIsOneLineOnStderrAndExitTwo) {
  const Args cases[] = {
      {"--to"},        {"abc", "--to"},     {"--to", "bogus"}, {"--to", ""},   {"--to="},
      {"--to", "3x"},  {"--to", " 3"},      {"--to", "1.5"},   {"--to", "Thunder"},
      {"--frobnicate"}, {"-x", "abc"},      {"--TO", "real"},  {"-00"},
  };
  for (const Args& args : cases) {
    SCOPED_TRACE(Show(args));
    const ChildResult r = Cli(args, "abc\n");
    ASSERT_TRUE(r.exited) << r.Describe();
    EXPECT_EQ(r.exit_code, 2) << r.Describe();
    EXPECT_EQ(r.out, "");
    ASSERT_FALSE(r.err.empty());
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "stderr: '" << r.err << "'";
  }
}

TEST(CliUsage, Help) {
  for (const Args& args : {Args{"--help"}, Args{"-h"}}) {
    SCOPED_TRACE(Show(args));
    const ChildResult r = Cli(args);
    ASSERT_TRUE(r.exited) << r.Describe();
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.out.rfind("Usage: linkconv-cli", 0), 0u) << r.out;
    EXPECT_EQ(r.err, "");
  }
}

// A write that fails must not pass for success, and must not hang.
TEST(CliOutputFailure, NonZeroExitWithAMessage) {
  std::string many_lines;
  while (many_lines.size() < (4u << 20)) many_lines += "http://example.com/some/file.zip\n";
  struct Case {
    const char* name;
    Args args;
    const std::string& input;
    StdoutTo stdout_to;
  };
  const std::string none;
  const Case cases[] = {
      {"full disk, standard input", {}, many_lines, StdoutTo::DevFull},
      {"full disk, one short line", {"--to", "real"}, "abc\n", StdoutTo::DevFull},
      {"full disk, link arguments", {"abc"}, none, StdoutTo::DevFull},
      {"full disk, -0", {"-0"}, many_lines, StdoutTo::DevFull},
      {"full disk, help", {"--help"}, none, StdoutTo::DevFull},
      {"closed pipe, standard input", {}, many_lines, StdoutTo::ClosedPipe},
      {"closed pipe, one short line", {"--to", "thunder"}, "abc\n", StdoutTo::ClosedPipe},
      {"closed pipe, link arguments", {"--to", "real", "abc"}, none, StdoutTo::ClosedPipe},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + ":" + Show(c.args));
    const ChildResult r = Cli(c.args, c.input, c.stdout_to);
    ASSERT_TRUE(r.exited) << r.Describe();
    EXPECT_NE(r.exit_code, 0) << r.Describe();
    EXPECT_NE(r.err, "");
  }
}

// Big streams are made and checked piece by piece, so the test itself
// stays small and the child's memory can be told apart from the input's.
// Line i of a stream is a function of i alone.
Text StreamLink(std::uint64_t i, std::size_t path_length) {
  Text address = "http://example.com/" + std::to_string(i) + "/";
  while (address.size() < path_length) address += static_cast<char>('a' + (i + address.size()) % 26);
  switch (i % 7) {
    case 0: return address;
    case 1: return ConvertLink(address, link_form::FlashGet);
    case 2: return ConvertLink(address, link_form::Qq);
    case 3: return ConvertLink(address, link_form::Boxdl);
    case 4: return "";
    default: return ConvertLink(address, link_form::Thunder);
  }
}

struct StreamCheck {
  std::uint64_t lines_out = 0;
  std::uint64_t first_mismatch = UINT64_MAX;
  std::string partial;
  long peak_kib = -1;
};

// Feeds `lines` links of StreamLink(i, path_length), CR LF after the odd
// ones, and compares each output line with want(link).
ChildResult RunStream(const Args& args, std::uint64_t lines, std::size_t path_length,
                      std::string (*want)(const Text&), StreamCheck& check,
                      std::uint64_t* bytes_in = nullptr) {
  std::uint64_t next = 0;
  ChildStreams streams;
  streams.next_input = [&](std::string& piece) {
    while (next < lines && piece.size() < (1u << 16)) {
      piece += StreamLink(next, path_length) + (next % 2 ? "\r\n" : "\n");
      ++next;
    }
    if (bytes_in) *bytes_in += piece.size();
    return !piece.empty();
  };
  streams.on_stdout = [&](const char* data, std::size_t n) {
    check.partial.append(data, n);
    std::size_t from = 0;
    for (std::size_t end; (end = check.partial.find('\n', from)) != std::string::npos; from = end + 1) {
      const std::uint64_t i = check.lines_out++;
      if (check.first_mismatch == UINT64_MAX &&
          check.partial.compare(from, end + 1 - from, want(StreamLink(i, path_length))) != 0)
        check.first_mismatch = i;
    }
    check.partial.erase(0, from);
  };
  streams.on_progress = [&](pid_t child) {
    const long kib = PeakResidentKiB(child);
    if (kib > check.peak_kib) check.peak_kib = kib;
  };
  ChildCommand command;
  command.program = LINKCONV_CLI;
  command.args = args;
  command.timeout = std::chrono::seconds(300);
  return RunChild(command, std::move(streams));
}

std::string RealLine(const Text& link) { return ConvertLink(link, link_form::Real) + "\n"; }

TEST(CliLargeStream, EveryLineInGivesItsLineOut) {
  constexpr std::uint64_t kLines = 200000;
  StreamCheck check;
  const ChildResult r = RunStream({}, kLines, 40, Tabbed, check);
  ASSERT_TRUE(r.exited) << r.Describe();
  EXPECT_EQ(r.exit_code, 0) << r.Describe();
  EXPECT_EQ(check.lines_out, kLines);
  EXPECT_EQ(check.partial, "");
  EXPECT_EQ(check.first_mismatch, UINT64_MAX) << "first wrong line: " << check.first_mismatch;
}

// The program keeps one line at a time: its peak memory, read while it
// runs, stays far below the size of the stream it converts.
TEST(CliLargeStream, MemoryStaysBounded) {
  constexpr std::uint64_t kLines = 300000;
  constexpr long kLimitKiB = 16 << 10;
  std::uint64_t bytes_in = 0;
  StreamCheck check;
  const ChildResult r = RunStream({"--to", "real"}, kLines, 200, RealLine, check, &bytes_in);
  ASSERT_TRUE(r.exited) << r.Describe();
  EXPECT_EQ(r.exit_code, 0) << r.Describe();
  EXPECT_EQ(check.lines_out, kLines);
  EXPECT_EQ(check.first_mismatch, UINT64_MAX) << "first wrong line: " << check.first_mismatch;
  ASSERT_GE(bytes_in, 64u << 20) << "the stream must dwarf the limit";
  ASSERT_GT(check.peak_kib, 0) << "the child's memory was never read";
  RecordProperty("peak_kib", static_cast<int>(check.peak_kib));
  RecordProperty("bytes_in", std::to_string(bytes_in));
  EXPECT_LT(check.peak_kib, kLimitKiB) << "peak resident memory of the child, KiB";
}

}  // namespace
