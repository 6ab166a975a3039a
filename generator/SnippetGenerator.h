#pragma once

#include <string>
#include <string_view>
#include <vector>

class TAnsiCodePage;

// The HTML payment-button snippets that a merchant pastes into a web page. Each kind is a
// fixed sequence of lines; three of them carry a value the merchant typed.

enum class TSnippetKind { snSingleItem, snShoppingCart, snSubscription };

struct TSnippetInput {
  std::u16string MerchantEmail;
  std::u16string ReturnUrl;  // single item and subscription only
  std::u16string CancelUrl;  // single item and subscription only
};

// The payment service's host name, used by every snippet and by the sign-up address. It lies
// under a reserved example domain, so the tool never sends merchants to somebody else's site.
inline constexpr std::string_view kPaymentServiceHost = "www.quillmar.example";
inline constexpr std::string_view kReferralNumber = "10362";

// The lines of a snippet (9, 5 or 10 by kind) as text of the given code page, without line
// terminators. Typed values are escaped for an HTML attribute value (& " < >), and a character
// the code page lacks becomes a decimal character reference, so the browser submits exactly
// what was typed. Never fails.
std::vector<std::string> GenerateSnippet(TSnippetKind kind, const TSnippetInput& input,
                                         const TAnsiCodePage& codePage);
// The same in the system's ANSI code page.
std::vector<std::string> GenerateSnippet(TSnippetKind kind, const TSnippetInput& input);

// A typed value as it stands between the quotes of an attribute in the snippet.
std::string EncodeAttributeValue(std::u16string_view value, const TAnsiCodePage& codePage);
