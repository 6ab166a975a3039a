#include "tools/snippet/SnippetPrinter.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "framework/core/TWindows1252CodePage.h"

namespace {

TSnippetPrinterResult Print(std::vector<std::u16string> args) {
  return RunSnippetPrinter(args, TWindows1252CodePage::Instance(), "\n");
}

std::size_t CountLines(const std::string& text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST(SnippetPrinter, PrintsEachKindLineByLine) {
  const auto single = Print({u"--kind", u"single", u"--email", u"a@b.example", u"--return-url",
                             u"r", u"--cancel-url", u"c"});
  EXPECT_EQ(single.ExitCode, 0);
  EXPECT_EQ(single.Err, "");
  EXPECT_EQ(CountLines(single.Out), 9u);
  EXPECT_NE(single.Out.find("\n<input type=hidden name=user value=\"a@b.example\">\n"),
            std::string::npos);
  EXPECT_TRUE(single.Out.ends_with("</form>\n"));

  const auto cart = Print({u"--kind=cart", u"--email="});
  EXPECT_EQ(cart.ExitCode, 0);
  EXPECT_EQ(CountLines(cart.Out), 5u);
  EXPECT_NE(cart.Out.find("name=user value=\"\">"), std::string::npos);

  const auto sub =
      Print({u"--return-url=", u"--cancel-url", u"", u"--email", u"x", u"--kind", u"subscription"});
  EXPECT_EQ(sub.ExitCode, 0);
  EXPECT_EQ(CountLines(sub.Out), 10u);
}

TEST(SnippetPrinter, Utf8ByDefaultAnsiOnRequest) {
  const std::vector<std::u16string> args = {u"--kind", u"cart", u"--email", u"caf\u00e9\u03a9"};
  const auto utf8 = Print(args);
  EXPECT_NE(utf8.Out.find("value=\"caf\xc3\xa9&#937;\">"), std::string::npos);
  auto ansiArgs = args;
  ansiArgs.push_back(u"--ansi");
  const auto ansi = Print(ansiArgs);
  EXPECT_NE(ansi.Out.find("value=\"caf\xe9&#937;\">"), std::string::npos);
}

TEST(SnippetPrinter, UsageErrorsPrintNothingOnStdout) {
  const std::vector<std::vector<std::u16string>> bad = {
      {},
      {u"--email", u"a"},
      {u"--kind", u"single", u"--email", u"a"},
      {u"--kind", u"single", u"--email", u"a", u"--return-url", u"r"},
      {u"--kind", u"donation", u"--email", u"a"},
      {u"--kind", u"cart", u"--email"},
      {u"--kind", u"cart", u"--email", u"a", u"--colour", u"red"},
      {u"--kind", u"cart", u"--email", u"a", u"extra"},
      {u"--kind", u"cart", u"--email", u"a", u"--email", u"b"},
      {u"--kind", u"cart", u"--kind", u"cart", u"--email", u"a"},
      {u"--kind", u"cart", u"--email", u"a", u"--return-url", u"r"},
      {u"--kind", u"cart", u"--email", u"a", u"--ansi=yes"},
  };
  for (const auto& args : bad) {
    const auto result = Print(args);
    EXPECT_EQ(result.ExitCode, 2) << result.Err;
    EXPECT_EQ(result.Out, "") << result.Err;
    EXPECT_TRUE(result.Err.starts_with("snippet: ")) << result.Err;
  }
  EXPECT_NE(Print({u"--kind", u"donation", u"--email", u"a"}).Err.find("unknown kind 'donation'"),
            std::string::npos);
  EXPECT_NE(Print({u"--kind", u"single", u"--email", u"a"}).Err.find("'--return-url'"),
            std::string::npos);
}

TEST(SnippetPrinter, HelpWins) {
  const auto help = Print({u"--kind", u"cart", u"--help"});
  EXPECT_EQ(help.ExitCode, 0);
  EXPECT_TRUE(help.Out.starts_with("Usage: snippet"));
}

}  // namespace
