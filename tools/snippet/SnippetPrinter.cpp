#include "tools/snippet/SnippetPrinter.h"

#include <optional>

#include "framework/core/TAnsiCodePage.h"
#include "framework/core/UnicodeText.h"
#include "generator/SnippetGenerator.h"

namespace {

const char kUsage[] =
    "Usage: snippet --kind KIND --email ADDRESS [--return-url URL --cancel-url URL] [--ansi]\n"
    "\n"
    "Prints the HTML payment-button snippet for a Quillmar merchant, one line per line.\n"
    "\n"
    "  --kind KIND          single (single item purchase), cart (shopping cart) or\n"
    "                       subscription (subscription billing)\n"
    "  --email ADDRESS      the merchant's Quillmar e-mail address\n"
    "  --return-url URL     where the buyer returns after paying (single, subscription)\n"
    "  --cancel-url URL     where the buyer returns after cancelling (single, subscription)\n"
    "  --ansi               print in the ANSI code page instead of UTF-8\n"
    "  --help               show this text\n"
    "\n"
    "Values may be empty. Options take their value as the next argument or after '='.\n"
    "Exit status: 0 on success, 2 on a usage error (nothing is printed on stdout then).\n";

struct TOptions {
  std::optional<TSnippetKind> Kind;
  std::optional<std::u16string> Email, ReturnUrl, CancelUrl;
  bool Ansi = false;
  bool Help = false;
};

TSnippetPrinterResult UsageError(const std::string& message) {
  return {2, "", "snippet: " + message + "\nTry 'snippet --help' for more information.\n"};
}

std::optional<TSnippetKind> ParseKind(const std::u16string& name) {
  if (name == u"single") return TSnippetKind::snSingleItem;
  if (name == u"cart") return TSnippetKind::snShoppingCart;
  if (name == u"subscription") return TSnippetKind::snSubscription;
  return std::nullopt;
}

}  // namespace

TSnippetPrinterResult RunSnippetPrinter(const std::vector<std::u16string>& args,
                                        const TAnsiCodePage& codePage, const std::string& lineEnd) {
  TOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::u16string name = args[i];
    std::optional<std::u16string> value;
    if (const auto eq = name.find(u'='); name.starts_with(u"--") && eq != std::u16string::npos) {
      value = name.substr(eq + 1);
      name.resize(eq);
    }
    const std::string shown = UnicodeText::ToUtf8(name);
    if (name == u"--help" || name == u"--ansi") {
      if (value) return UsageError("option '" + shown + "' takes no value");
      (name == u"--help" ? options.Help : options.Ansi) = true;
      continue;
    }
    std::optional<std::u16string>* target = nullptr;
    if (name == u"--email") target = &options.Email;
    if (name == u"--return-url") target = &options.ReturnUrl;
    if (name == u"--cancel-url") target = &options.CancelUrl;
    if (!target && name != u"--kind") return UsageError("unknown option '" + shown + "'");
    if (!value) {
      if (i + 1 == args.size()) return UsageError("option '" + shown + "' needs a value");
      value = args[++i];
    }
    if (target) {
      if (*target) return UsageError("option '" + shown + "' is given twice");
      *target = *value;
    } else {
      if (options.Kind) return UsageError("option '--kind' is given twice");
      options.Kind = ParseKind(*value);
      if (!options.Kind)
        return UsageError("unknown kind '" + UnicodeText::ToUtf8(*value) +
                          "' (use single, cart or subscription)");
    }
  }
  if (options.Help) return {0, kUsage, ""};
  if (!options.Kind) return UsageError("missing option '--kind'");
  if (!options.Email) return UsageError("missing option '--email'");
  const bool usesUrls = *options.Kind != TSnippetKind::snShoppingCart;
  if (usesUrls) {
    if (!options.ReturnUrl) return UsageError("missing option '--return-url'");
    if (!options.CancelUrl) return UsageError("missing option '--cancel-url'");
  } else if (options.ReturnUrl || options.CancelUrl) {
    return UsageError("the cart snippet has no return or cancel URL");
  }

  const TSnippetInput input{*options.Email, options.ReturnUrl.value_or(u""),
                            options.CancelUrl.value_or(u"")};
  TSnippetPrinterResult result;
  for (const std::string& line : GenerateSnippet(*options.Kind, input, codePage)) {
    result.Out += options.Ansi ? line : UnicodeText::ToUtf8(codePage.Decode(line));
    result.Out += lineEnd;
  }
  return result;
}
