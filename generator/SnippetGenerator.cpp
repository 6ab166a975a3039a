#include "generator/SnippetGenerator.h"

#include "framework/core/TAnsiCodePage.h"
#include "framework/core/UnicodeText.h"

namespace {

std::string Host() {
  return std::string(kPaymentServiceHost);
}

std::string FormLine(std::string_view page) {
  return "<form method=\"post\" action=\"https://" + Host() + "/quillmar/" + std::string(page) +
         "\" target=\"_blank\"> ";
}

std::string ImageLine(std::string_view image) {
  return "<input type=image src=https://" + Host() + "/quillmar/images/" + std::string(image) + ">";
}

const std::string kProductLine = "<input type=hidden name=product_id value=product ID> ";
const std::string kReferralLine =
    "<input type=hidden name=affid value=\"" + std::string(kReferralNumber) + "\">";
const std::string kFlagLine = "<input type=\"hidden\" name=\"flag\" value=3>";
const std::string kSubscriptionLine = "<input type=\"hidden\" name=\"subscription\" value=\"YES\">";
const std::string kEndLine = "</form>";

std::string Spliced(std::string_view prefix, std::u16string_view value,
                    const TAnsiCodePage& codePage) {
  return std::string(prefix) + EncodeAttributeValue(value, codePage) + "\">";
}

}  // namespace

std::string EncodeAttributeValue(std::u16string_view value, const TAnsiCodePage& codePage) {
  std::string out;
  out.reserve(value.size());
  for (std::size_t pos = 0; pos < value.size();) {
    const char32_t cp = UnicodeText::NextCodePoint(value, pos);
    switch (cp) {
      case U'&':
        out += "&amp;";
        continue;
      case U'"':
        out += "&quot;";
        continue;
      case U'<':
        out += "&lt;";
        continue;
      case U'>':
        out += "&gt;";
        continue;
      default:
        break;
    }
    if (auto bytes = codePage.Encode(cp))
      out += *bytes;
    else
      out += "&#" + std::to_string(static_cast<unsigned long>(cp)) + ";";
  }
  return out;
}

std::vector<std::string> GenerateSnippet(TSnippetKind kind, const TSnippetInput& input,
                                         const TAnsiCodePage& codePage) {
  const std::string user =
      Spliced("<input type=hidden name=user value=\"", input.MerchantEmail, codePage);
  switch (kind) {
    case TSnippetKind::snShoppingCart:
      return {FormLine("shopping.php"), kProductLine, user, ImageLine("AddToCartQM1.gif"),
              kEndLine};
    case TSnippetKind::snSingleItem:
    case TSnippetKind::snSubscription:
      break;
  }
  const std::string returnLine =
      Spliced("<input type=\"hidden\" name=\"return_URL\" value=\"", input.ReturnUrl, codePage);
  const std::string cancelLine =
      Spliced("<input type=\"hidden\" name=\"cancel_URL\" value=\"", input.CancelUrl, codePage);
  if (kind == TSnippetKind::snSubscription)
    return {FormLine("handle.php"),
            kProductLine,
            user,
            kReferralLine,
            kFlagLine,
            kSubscriptionLine,
            returnLine,
            cancelLine,
            ImageLine("PayNowQM1.gif"),
            kEndLine};
  return {FormLine("handle.php"),
          kProductLine,
          user,
          kReferralLine,
          kFlagLine,
          returnLine,
          cancelLine,
          ImageLine("BuyNowQM1.gif"),
          kEndLine};
}

std::vector<std::string> GenerateSnippet(TSnippetKind kind, const TSnippetInput& input) {
  return GenerateSnippet(kind, input, TAnsiCodePage::System());
}
