#include "tools/skinart/SkinSchema.h"

#include <map>
#include <utility>

#include "tools/skinart/SkinText.h"

namespace skinart {

namespace {
using Type = SkinSchema::Type;
using Property = SkinSchema::Property;
using List = std::vector<Property>;

void AddFont(List& list, const std::string& name) {
  list.push_back({name + ".Charset", Type::Charset, "", "DEFAULT_CHARSET", true});
  list.push_back({name + ".Color", Type::Colour, "", "clWindowText", true});
  list.push_back({name + ".Height", Type::Integer, "", "-11", true});
  list.push_back({name + ".Name", Type::String, "", "'MS Sans Serif'", true});
  list.push_back({name + ".Style", Type::FontStyle, "", "[]", true});
}

void AddLink(List& list, const std::string& name) {
  list.push_back({name + ".Name", Type::String, "", "''"});
  for (const char* side : {".Left", ".Top", ".Right", ".Bottom"})
    list.push_back({name + side, Type::Integer, "", "0"});
}

List Common() {
  List l;
  l.push_back({"Align", Type::Enum, "TSeAlign", "saNone"});
  l.push_back({"Color", Type::Colour, "", "clWhite"});
  l.push_back({"DrawIfOwner", Type::Boolean, "", "False"});
  AddFont(l, "Font");
  l.push_back({"Kind", Type::Enum, "TSeKind", "skNone"});
  l.push_back({"Masked", Type::Boolean, "", "True"});
  for (const char* n :
       {"Left", "Top", "Height", "Width", "MarginLeft", "MarginRight", "MarginTop", "MarginBottom"})
    l.push_back({n, Type::Integer, "", "0"});
  l.push_back({"TextAlign", Type::Enum, "TSeTextAlign", "taLeft"});
  l.push_back({"TextEffect", Type::Enum, "TSeTextEffect", "teNone"});
  for (const char* n : {"TextMarginLeft", "TextMarginRight", "TextMarginTop"})
    l.push_back({n, Type::Integer, "", "0"});
  return l;
}

List BitmapObject() {
  List l = Common();
  AddLink(l, "Bitmap");
  l.push_back({"BorderTileStyle", Type::Enum, "TscTileStyle", "tsTile"});
  l.push_back({"TileStyle", Type::Enum, "TscTileStyle", "tsTile"});
  return l;
}

List ActiveBitmap() {
  List l = BitmapObject();
  AddLink(l, "ActiveBitmap");
  AddFont(l, "ActiveFont");
  return l;
}

const std::map<std::string, List>& Classes() {
  static const std::map<std::string, List> classes = [] {
    std::map<std::string, List> m;
    m["TSeSkinObject"] = Common();
    List active = Common();
    active.push_back({"ActiveColor", Type::Colour, "", "clBlack"});
    AddFont(active, "ActiveFont");
    m["TSeActiveObject"] = active;
    m["TSeBitmapObject"] = BitmapObject();
    m["TSeActiveBitmap"] = ActiveBitmap();
    // A new system button is of kind skSysButton, but the declared default stays skNone, so
    // the writer writes its kind.
    List sys = ActiveBitmap();
    sys.push_back({"Action", Type::Enum, "TSeAction", "sbaNone"});
    AddLink(sys, "BitmapHot");
    AddLink(sys, "BitmapPressed");
    m["TSeSystemButton"] = sys;
    List button = BitmapObject();
    for (const char* n : {"BitmapHot", "BitmapFocused", "BitmapPressed", "BitmapDisabled"})
      AddLink(button, n);
    m["TSeButtonObject"] = button;
    List text = Common();
    for (const char* n : {"FontHot", "FontFocused", "FontPressed", "FontDisabled"})
      AddFont(text, n);
    m["TSeTextObject"] = text;
    List colour = Common();
    for (const char* n : {"Hot", "Pressed", "Focused", "Disabled"}) {
      colour.push_back({std::string(n) + "Color", Type::Colour, "", "clBlack"});
      AddFont(colour, std::string(n) + "Font");
    }
    m["TSeColorButtonObject"] = colour;
    return m;
  }();
  return classes;
}

const std::map<std::string, std::vector<std::string>>& Enumerations() {
  static const std::map<std::string, std::vector<std::string>> e = {
      {"TSeAlign",
       {"saNone", "saLeft", "saMostLeft", "saTop", "saMostTop", "saRight", "saMostRight",
        "saBottom", "saMostBottom", "saClient", "saTopLeft", "saTopRight", "saBottomLeft",
        "saBottomRight", "saCenter", "saText"}},
      {"TSeKind",
       {"skNone",
        "skForm",
        "skCaption",
        "skTitle",
        "skTop",
        "skLeft",
        "skRight",
        "skBottom",
        "skTopLeft",
        "skTopRight",
        "skBottomLeft",
        "skBottomRight",
        "skSysButton",
        "skClient",
        "skMenuBar",
        "skMenuBarItem",
        "skMenuBarItemText",
        "skPopupMenu",
        "skPopupMenuItem",
        "skPopupMenuItemText",
        "skItemText",
        "skTranparent"}},
      {"TSeTextAlign",
       {"taTopLeft", "taTopCenter", "taTopRight", "taLeft", "taCenter", "taRight", "taBottomLeft",
        "taBottomCenter", "taBottomRight"}},
      {"TSeTextEffect", {"teNone", "teShadow"}},
      {"TscTileStyle", {"tsTile", "tsStretch", "tsCenter"}},
      {"TSeAction",
       {"sbaNone", "sbaClose", "sbaHelp", "sbaMinimize", "sbaMaximize", "sbaRestore", "sbaRollUp",
        "sbaRollDown", "sbaTray", "sbaSysMenu", "sbaRollPanel", "sbaCustom"}},
  };
  return e;
}

const std::vector<std::pair<std::string, long long>>& ColourNames() {
  static const std::vector<std::pair<std::string, long long>> names = {
      {"clBlack", 0x000000},
      {"clMaroon", 0x000080},
      {"clGreen", 0x008000},
      {"clOlive", 0x008080},
      {"clNavy", 0x800000},
      {"clPurple", 0x800080},
      {"clTeal", 0x808000},
      {"clGray", 0x808080},
      {"clSilver", 0xC0C0C0},
      {"clRed", 0x0000FF},
      {"clLime", 0x00FF00},
      {"clYellow", 0x00FFFF},
      {"clBlue", 0xFF0000},
      {"clFuchsia", 0xFF00FF},
      {"clAqua", 0xFFFF00},
      {"clWhite", 0xFFFFFF},
      {"clNone", 0x1FFFFFFF},
      {"clDefault", 0x20000000},
      {"clScrollBar", 0x80000000},
      {"clBackground", 0x80000001},
      {"clActiveCaption", 0x80000002},
      {"clInactiveCaption", 0x80000003},
      {"clMenu", 0x80000004},
      {"clWindow", 0x80000005},
      {"clWindowFrame", 0x80000006},
      {"clMenuText", 0x80000007},
      {"clWindowText", 0x80000008},
      {"clCaptionText", 0x80000009},
      {"clActiveBorder", 0x8000000A},
      {"clInactiveBorder", 0x8000000B},
      {"clAppWorkSpace", 0x8000000C},
      {"clHighlight", 0x8000000D},
      {"clHighlightText", 0x8000000E},
      {"clBtnFace", 0x8000000F},
      {"clBtnShadow", 0x80000010},
      {"clGrayText", 0x80000011},
      {"clBtnText", 0x80000012},
      {"clInactiveCaptionText", 0x80000013},
      {"clBtnHighlight", 0x80000014},
      {"cl3DDkShadow", 0x80000015},
      {"cl3DLight", 0x80000016},
      {"clInfoText", 0x80000017},
      {"clInfoBk", 0x80000018},
      {"clHotLight", 0x8000001A},
      {"clGradientActiveCaption", 0x8000001B},
      {"clGradientInactiveCaption", 0x8000001C},
      {"clMenuHighlight", 0x8000001D},
      {"clMenuBar", 0x8000001E},
  };
  return names;
}

bool ValidSet(const std::string& text) {
  if (text.size() < 2 || text.front() != '[' || text.back() != ']') return false;
  const std::string inner = text.substr(1, text.size() - 2);
  if (inner.empty()) return true;
  std::size_t pos = 0;
  while (true) {
    const std::size_t comma = inner.find(", ", pos);
    const std::string member =
        inner.substr(pos, comma == std::string::npos ? std::string::npos : comma - pos);
    if (member != "fsBold" && member != "fsItalic" && member != "fsUnderline" &&
        member != "fsStrikeOut")
      return false;
    if (comma == std::string::npos) return true;
    pos = comma + 2;
  }
}
}  // namespace

const std::vector<SkinSchema::Property>* SkinSchema::Properties(const std::string& className) {
  const auto it = Classes().find(className);
  return it == Classes().end() ? nullptr : &it->second;
}

const std::vector<std::string>& SkinSchema::Enumeration(const std::string& enumName) {
  static const std::vector<std::string> none;
  const auto it = Enumerations().find(enumName);
  return it == Enumerations().end() ? none : it->second;
}

std::optional<long long> SkinSchema::Colour(const std::string& text) {
  for (const auto& [name, value] : ColourNames())
    if (name == text) return value;
  const auto n = SkinTextParser::ToInt(text);
  if (!n || *n < -2147483648LL || *n > 2147483647LL) return std::nullopt;
  return *n < 0 ? *n + 4294967296LL : *n;
}

std::optional<std::string> SkinSchema::ColourName(long long value) {
  for (const auto& [name, v] : ColourNames())
    if (v == value) return name;
  return std::nullopt;
}

bool SkinSchema::Valid(const Property& property, const std::string& text) {
  switch (property.type) {
    case Type::Enum: {
      const auto& values = Enumeration(property.enumName);
      for (const auto& v : values)
        if (v == text) return true;
      return false;
    }
    case Type::Colour: {
      // A value that has a name must be written by its name, as the writer does.
      if (SkinTextParser::ToInt(text)) {
        const auto value = Colour(text);
        return value && !ColourName(*value);
      }
      return Colour(text).has_value();
    }
    case Type::Boolean:
      return text == "True" || text == "False";
    case Type::Integer: {
      const auto n = SkinTextParser::ToInt(text);
      return n && *n >= -2147483648LL && *n <= 2147483647LL;
    }
    case Type::String:
      return SkinTextParser::Unquote(text).has_value();
    case Type::Charset:
      return text == "DEFAULT_CHARSET" || text == "ANSI_CHARSET" || text == "SYMBOL_CHARSET" ||
             text == "OEM_CHARSET";
    case Type::FontStyle:
      return ValidSet(text);
  }
  return false;
}

bool SkinSchema::IsDefault(const Property& property, const std::string& text) {
  if (property.alwaysWritten) return false;
  if (property.type == Type::Colour) return Colour(text) == Colour(property.defaultValue);
  return text == property.defaultValue;
}

}  // namespace skinart
