#include "tools/skinart/SkinChecker.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

#include "tools/skinart/BmpFile.h"
#include "tools/skinart/SkinLayout.h"
#include "tools/skinart/SkinSchema.h"

namespace skinart {

namespace {

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

const char* const kTopLevel[] = {
    "Form",       "MenuBar",     "PopupMenu",  "CheckBox",    "RadioButton", "ScrollBar",
    "Button",     "SpeedButton", "GroupBox",   "ProgressBar", "TrackBar",    "ListBox",
    "Edit",       "ComboBox",    "SpinButton", "Panel",       "Tabs",        "Grid",
    "ControlBar", "Toolbar",     "Header",     "StatusBar",   "ScrollBox",   "Splitter"};

const char* const kLinks[] = {"Bitmap",        "ActiveBitmap",  "BitmapHot",
                              "BitmapFocused", "BitmapPressed", "BitmapDisabled"};

constexpr long long kFaceColour = 14150122;    // the light face of the whole skin
constexpr long long kAccentColour = 12937521;  // the blue of highlights and hot text

struct Link {
  std::string name;
  LayoutRect rect;
  bool present = false;
};

class Run {
 public:
  explicit Run(const SkinSources& skin) : skin_(skin) {}

  std::vector<std::string> Problems() { return std::move(problems_); }

  void Fail(const std::string& what) { problems_.push_back(what); }
  void Expect(bool ok, const std::string& what) {
    if (!ok) Fail(what);
  }

  const SkinBitmapSource* Bitmap(const std::string& name) const {
    // Names may repeat; as when the skin is loaded, the last one of that name wins.
    const SkinBitmapSource* found = nullptr;
    for (const auto& b : skin_.bitmaps)
      if (Lower(b.name) == Lower(name)) found = &b;
    return found;
  }

  static Link LinkOf(const SkinTextObject& o, const std::string& prefix) {
    Link l;
    for (const char* part : {".Name", ".Left", ".Top", ".Right", ".Bottom"})
      if (o.Find(prefix + part)) l.present = true;
    if (!l.present) return l;
    l.name = o.Str(prefix + ".Name");
    l.rect = {o.Int(prefix + ".Left"), o.Int(prefix + ".Top"), o.Int(prefix + ".Right"),
              o.Int(prefix + ".Bottom")};
    return l;
  }

  // --- checks that apply to every object --------------------------------------------------

  void Object(const SkinTextObject& o, const std::string& path) {
    const auto* props = SkinSchema::Properties(o.className);
    if (!props) {
      Fail(path + ": unknown class " + o.className);
      return;
    }
    ++classCount_[o.className];
    ++total_;
    std::size_t lastIndex = 0;
    bool first = true;
    for (const auto& property : o.properties) {
      const std::string& key = property.first;
      const std::string& value = property.second;
      const auto it = std::find_if(props->begin(), props->end(),
                                   [&](const SkinSchema::Property& p) { return p.name == key; });
      if (it == props->end()) {
        Fail(path + ": " + o.className + " has no property " + key);
        continue;
      }
      const std::size_t index = static_cast<std::size_t>(it - props->begin());
      if (!first && index <= lastIndex) Fail(path + ": " + key + " is out of stored order");
      first = false;
      lastIndex = index;
      if (!SkinSchema::Valid(*it, value))
        Fail(path + ": bad value for " + key + ": " + value);
      else if (SkinSchema::IsDefault(*it, value))
        Fail(path + ": " + key + " is written at its default value");
    }
    for (const auto& p : *props)
      if (p.alwaysWritten && !o.Find(p.name)) Fail(path + ": " + p.name + " is not written");
    try {
      Links(o, path);
      Margins(o, path);
    } catch (const ESkinSourceError& e) {
      Fail(path + ": " + e.Message());
    }
    std::set<std::string> names;
    for (const auto& child : o.children) {
      if (!names.insert(Lower(child->name)).second)
        Fail(path + ": duplicate child name " + child->name);
      Object(*child, path + "/" + child->name);
    }
  }

  void Links(const SkinTextObject& o, const std::string& path) {
    for (const char* prefix : kLinks) {
      const Link l = LinkOf(o, prefix);
      if (!l.present) continue;
      const std::string where = path + ": " + prefix;
      const SkinBitmapSource* b = Bitmap(l.name);
      if (l.name.empty() || !b) {
        Fail(where + " names no bitmap of the skin (\"" + l.name + "\")");
        continue;
      }
      if (l.rect.Width() <= 0 || l.rect.Height() <= 0)
        Fail(where + " has an empty source rectangle");
      else if (l.rect.left < 0 || l.rect.top < 0 || l.rect.right > b->picture.Width() ||
               l.rect.bottom > b->picture.Height())
        Fail(where + " lies outside " + l.name);
    }
    // State pictures replace the normal one in the same nine-grid, so they must match it.
    const Link normal = LinkOf(o, "Bitmap");
    if (!normal.present) return;
    for (const char* prefix : kLinks) {
      const Link l = LinkOf(o, prefix);
      if (l.present &&
          (l.rect.Width() != normal.rect.Width() || l.rect.Height() != normal.rect.Height()))
        Fail(path + ": " + prefix + " differs in size from Bitmap");
    }
  }

  void Margins(const SkinTextObject& o, const std::string& path) {
    const long long ml = o.Int("MarginLeft"), mr = o.Int("MarginRight");
    const long long mt = o.Int("MarginTop"), mb = o.Int("MarginBottom");
    if (ml < 0 || mr < 0 || mt < 0 || mb < 0) Fail(path + ": negative margin");
    if (ml + mr + mt + mb == 0) return;
    const long long w = o.Int("Width"), h = o.Int("Height");
    if ((w > 0 && ml + mr > w) || (h > 0 && mt + mb > h))
      Fail(path + ": margins larger than the object");
    for (const char* prefix : kLinks) {
      const Link l = LinkOf(o, prefix);
      if (l.present && (ml + mr > l.rect.Width() || mt + mb > l.rect.Height()))
        Fail(path + ": margins larger than the " + prefix + " picture");
    }
  }

  // The stored bounds of every child must be where the layout rules put it.
  void Layout(const SkinTextObject& root) {
    std::vector<std::pair<const SkinTextObject*, std::string>> stack{{&root, root.name}};
    while (!stack.empty()) {
      auto [o, path] = stack.back();
      stack.pop_back();
      if (!o->children.empty()) {
        try {
          SkinLayout layout(*o);
          layout.Realign();
          for (const auto& c : layout.Children())
            if (!(c->Bounds() == c->StoredBounds()))
              Fail(path + "/" + c->Source().name + ": stored bounds differ from the layout");
        } catch (const ESkinSourceError& e) {
          Fail(path + ": " + e.Message());
        }
      }
      for (const auto& c : o->children) stack.emplace_back(c.get(), path + "/" + c->name);
    }
  }

  // --- the facts the program relies on ------------------------------------------------------

  const SkinTextObject* Top(const std::string& name) const {
    for (const auto& o : skin_.objects)
      if (o->name == name) return o.get();
    return nullptr;
  }

  // Follows a path of child names ("Caption/Title/TopBorder") from a top-level object.
  const SkinTextObject* Path(const std::string& path) {
    std::size_t pos = path.find('/');
    const SkinTextObject* o = Top(path.substr(0, pos));
    while (o && pos != std::string::npos) {
      const std::size_t next = path.find('/', pos + 1);
      o = o->Child(
          path.substr(pos + 1, next == std::string::npos ? std::string::npos : next - pos - 1));
      pos = next;
    }
    if (!o) Fail("missing object " + path);
    return o;
  }

  const SkinTextObject* Need(const std::string& path, const std::string& className) {
    const SkinTextObject* o = Path(path);
    if (o && o->className != className)
      Fail(path + " is a " + o->className + ", expected " + className);
    return o;
  }

  // The value a property has when its object does not write it.
  static std::string Default(const SkinTextObject& o, const std::string& property) {
    if (const auto* props = SkinSchema::Properties(o.className))
      for (const auto& p : *props)
        if (p.name == property) return p.defaultValue;
    return {};
  }

  void Int(const SkinTextObject* o, const std::string& property, long long value,
           const std::string& path) {
    if (!o) return;
    try {
      const long long got =
          o->Int(property, SkinTextParser::ToInt(Default(*o, property)).value_or(0));
      Expect(got == value, path + "." + property + " is " + std::to_string(got) + ", expected " +
                               std::to_string(value));
    } catch (const ESkinSourceError& e) {
      Fail(e.Message());
    }
  }

  void Value(const SkinTextObject* o, const std::string& property, const std::string& value,
             const std::string& path) {
    if (!o) return;
    const std::string got = o->Ident(property, Default(*o, property));
    Expect(got == value, path + "." + property + " is " + got + ", expected " + value);
  }

  void Colour(const SkinTextObject* o, const std::string& property, long long value,
              const std::string& path) {
    if (!o) return;
    const std::string written = o->Ident(property, Default(*o, property));
    Expect(SkinSchema::Colour(written) == value,
           path + "." + property + " is " + written + ", expected " + std::to_string(value));
  }

  void LinkIs(const SkinTextObject* o, const std::string& prefix, const std::string& bitmap,
              LayoutRect rect, const std::string& path) {
    if (!o) return;
    try {
      const Link l = LinkOf(*o, prefix);
      Expect(l.present && l.name == bitmap && l.rect == rect,
             path + "." + prefix + " is not " + bitmap + " at the expected rectangle");
    } catch (const ESkinSourceError& e) {
      Fail(e.Message());
    }
  }

  void HasLink(const SkinTextObject* o, const std::string& prefix, const std::string& path) {
    if (!o) return;
    try {
      Expect(LinkOf(*o, prefix).present, path + " has no " + prefix);
    } catch (const ESkinSourceError& e) {
      Fail(e.Message());
    }
  }

  void Header() {
    const SkinManifest& m = skin_.manifest;
    Expect(m.skinName == "ZaduVadazo VA Skin", "skin name is \"" + m.skinName + "\"");
    Expect(m.skinVersion == "2.0.0", "skin version is \"" + m.skinVersion + "\"");
    Expect(!m.author.empty(), "no author");
    Expect(m.authorEMail.find('@') != std::string::npos &&
               m.authorEMail.find("example.") != std::string::npos,
           "the e-mail address must be at a reserved example domain");
    Expect(m.authorURL.find("example.") != std::string::npos,
           "the web address must be at a reserved example domain");
  }

  void Bitmaps() {
    Expect(skin_.bitmaps.size() == 57,
           "the skin has " + std::to_string(skin_.bitmaps.size()) + " bitmaps, expected 57");
    int listHeaders = 0;
    std::set<std::string> files;
    for (const auto& b : skin_.bitmaps) {
      if (b.name == "LISTVIEWHEADER.BMP") ++listHeaders;
      if (!files.insert(Lower(b.file)).second) Fail("bitmap file used twice: " + b.file);
    }
    Expect(listHeaders == 2, "\"LISTVIEWHEADER.BMP\" must occur exactly twice");
    auto size = [&](const std::string& name, int w, int h) {
      const SkinBitmapSource* b = nullptr;
      for (const auto& candidate : skin_.bitmaps)
        if (candidate.name == name) b = &candidate;
      if (!b) {
        Fail("missing bitmap " + name);
        return;
      }
      if (w > 0)
        Expect(b->picture.Width() == w && b->picture.Height() == h,
               name + " is " + std::to_string(b->picture.Width()) + " x " +
                   std::to_string(b->picture.Height()) + ", expected " + std::to_string(w) + " x " +
                   std::to_string(h));
    };
    size("FRAMECAPTION.BMP", 0, 0);
    size("CLOSEBUTTON.bmp", 21, 168);
    size("BUTTON.bmp", 20, 23 * 5);
    size("GROUPBOX.BMP", 0, 0);
    size("TABITEM.BMP", 18, 18 * 4);
    size("TABPANEEDGE.BMP", 0, 0);
  }

  void TopLevel() {
    Expect(skin_.objects.size() == 24, "the skin has " + std::to_string(skin_.objects.size()) +
                                           " top-level objects, expected 24");
    for (std::size_t i = 0; i < skin_.objects.size() && i < 24; ++i) {
      const auto& o = *skin_.objects[i];
      Expect(o.name == kTopLevel[i], "top-level object " + std::to_string(i) + " is " + o.name +
                                         ", expected " + kTopLevel[i]);
      Expect(o.className == "TSeSkinObject", o.name + " must be a TSeSkinObject");
    }
    Expect(!Top("Label") && !Top("ToolWindow"), "the skin must have no Label or ToolWindow");
  }

  void Counts() {
    const std::map<std::string, int> expected = {
        {"TSeButtonObject", 59}, {"TSeSkinObject", 55},      {"TSeBitmapObject", 24},
        {"TSeSystemButton", 9},  {"TSeActiveBitmap", 8},     {"TSeTextObject", 7},
        {"TSeActiveObject", 3},  {"TSeColorButtonObject", 1}};
    Expect(total_ == 166, "the skin has " + std::to_string(total_) + " objects, expected 166");
    for (const auto& [cls, n] : expected)
      Expect(classCount_[cls] == n, "the skin has " + std::to_string(classCount_[cls]) + " " + cls +
                                        ", expected " + std::to_string(n));
    for (const auto& [cls, n] : classCount_)
      Expect(expected.count(cls) == 1, "the skin must not use " + cls);
  }

  void Frame() {
    const SkinTextObject* form = Need("Form", "TSeSkinObject");
    if (!form) return;
    Int(form, "Left", 0, "Form");
    Int(form, "Top", 0, "Form");
    Int(form, "Width", 375, "Form");
    Int(form, "Height", 247, "Form");
    Value(form, "Masked", "True", "Form");
    Colour(form, "Color", kFaceColour, "Form");
    Value(form, "Font.Name", "'MS Sans Serif'", "Form");
    Int(form, "Font.Height", -11, "Form");

    const auto* caption = Need("Form/Caption", "TSeSkinObject");
    for (auto [p, v] : {std::pair{"Left", 0}, {"Top", 0}, {"Width", 375}, {"Height", 29}})
      Int(caption, p, v, "Caption");
    const auto* left = Need("Form/Caption/CaptionLeft", "TSeActiveBitmap");
    Value(left, "Align", "saLeft", "CaptionLeft");
    Value(left, "Kind", "skTopLeft", "CaptionLeft");
    Int(left, "Width", 10, "CaptionLeft");
    const auto* right = Need("Form/Caption/CaptionRight", "TSeActiveBitmap");
    Value(right, "Align", "saRight", "CaptionRight");
    Value(right, "Kind", "skTopRight", "CaptionRight");
    Int(right, "Width", 10, "CaptionRight");
    const auto* title = Need("Form/Caption/Title", "TSeActiveBitmap");
    Value(title, "Align", "saClient", "Title");
    Value(title, "Kind", "skTitle", "Title");
    Value(title, "TileStyle", "tsStretch", "Title");
    Value(title, "Font.Name", "'Tahoma'", "Title");
    Value(title, "Font.Style", "[fsBold]", "Title");
    Colour(title, "Font.Color", 0xFFFFFF, "Title");
    Value(title, "TextEffect", "teShadow", "Title");
    Int(title, "TextMarginLeft", 22, "Title");
    Int(title, "TextMarginRight", 140, "Title");
    Int(title, "TextMarginTop", 4, "Title");
    if (title) {
      const Link l = LinkOf(*title, "Bitmap");
      Expect(l.rect.Width() == 47 && l.rect.Height() == 29, "Title's source must be 47 x 29");
    }
    const auto* topBorder = Need("Form/Caption/Title/TopBorder", "TSeSkinObject");
    Value(topBorder, "Align", "saTop", "TopBorder");
    Value(topBorder, "Kind", "skTop", "TopBorder");
    Int(topBorder, "Height", 5, "TopBorder");
    const auto* container = Need("Form/Caption/Title/ButtonContainer", "TSeSkinObject");
    Value(container, "Align", "saTopRight", "ButtonContainer");
    Value(container, "Kind", "skCaption", "ButtonContainer");
    Int(container, "Width", 204, "ButtonContainer");
    Int(container, "Height", 21, "ButtonContainer");
    CaptionButtons(container);
    try {
      WindowRegion(*form);
    } catch (const ESkinSourceError& e) {
      Fail(e.Message());
    }

    const SkinTextObject* sysMenu = form->FindByName("SysMenu");
    Expect(sysMenu && sysMenu->className == "TSeSystemButton", "missing system button SysMenu");
    if (sysMenu) {
      Int(sysMenu, "Width", 20, "SysMenu");
      Int(sysMenu, "Height", 20, "SysMenu");
      Value(sysMenu, "Action", "sbaSysMenu", "SysMenu");
      Expect(sysMenu->Int("Left") < 30 && sysMenu->Int("Top") < 10,
             "SysMenu must sit at the top left");
    }

    struct Part {
      const char* name;
      const char* align;
      const char* kind;
      int width;
      int height;
    };
    for (const Part& p :
         {Part{"Left", "saLeft", "skLeft", 5, 0}, Part{"Right", "saRight", "skRight", 5, 0},
          Part{"BottomLeft", "saLeft", "skBottomLeft", 5, 5},
          Part{"BottomRight", "saRight", "skBottomRight", 5, 5},
          Part{"BottomCenter", "saClient", "skBottom", 0, 5}}) {
      const SkinTextObject* o = form->FindByName(p.name);
      Expect(o && o->className == "TSeActiveBitmap", std::string("missing frame part ") + p.name);
      if (!o) continue;
      Value(o, "Align", p.align, p.name);
      Value(o, "Kind", p.kind, p.name);
      if (p.width) Int(o, "Width", p.width, p.name);
      if (p.height) Int(o, "Height", p.height, p.name);
    }
    // Every frame part switches between an active and an inactive picture.
    for (const char* name : {"CaptionLeft", "CaptionRight", "Title", "Left", "Right", "BottomLeft",
                             "BottomRight", "BottomCenter"}) {
      const SkinTextObject* o = form->FindByName(name);
      if (!o) continue;
      const Link a = LinkOf(*o, "Bitmap"), b = LinkOf(*o, "ActiveBitmap");
      Expect(a.present && b.present && !(a.rect == b.rect && Lower(a.name) == Lower(b.name)),
             std::string(name) + " needs distinct active and inactive pictures");
    }

    const SkinTextObject* client = form->FindByName("Client");
    Expect(client && client->Ident("Kind", "") == "skClient", "missing Client of kind skClient");
    try {
      SkinLayout layout(*form);
      for (auto [w, h] : {std::pair{375LL, 247LL}, {640LL, 480LL}, {200LL, 120LL}}) {
        layout.SetBounds({0, 0, w, h});
        const SkinLayout* c = layout.Find("Client");
        Expect(c && c->Bounds() == LayoutRect{5, 29, w - 5, h - 5},
               "the client rectangle of a " + std::to_string(w) + " x " + std::to_string(h) +
                   " frame must be (5, 29, width - 5, height - 5)");
        const SkinLayout* close = layout.Find("CloseButton");
        if (w == 375)
          Expect(close && close->Bounds() == LayoutRect{350, 5, 371, 26},
                 "CloseButton must be at 350, 5 in the stored layout");
      }
      // Rolled up, the frame keeps only its caption and bottom border.
      const SkinLayout* c = layout.Find("Client");
      if (c) Expect(120 - c->Bounds().Height() == 34, "a rolled-up frame must be 34 high");
    } catch (const ESkinSourceError& e) {
      Fail(e.Message());
    }
  }

  // The window takes the shape of the union of the regions the frame tree yields: an object
  // with children, masked and not drawing itself, yields only its children's regions. Every
  // pixel of the frame must belong to some object's own region, or the window gets holes
  // (only the caption's transparent corners are cut away, by the pictures themselves).
  void WindowRegion(const SkinTextObject& form) {
    const long long w = form.Int("Width"), h = form.Int("Height");
    if (w <= 0 || h <= 0 || w > 4096 || h > 4096) return;
    std::vector<char> covered(static_cast<std::size_t>(w * h), 0);
    std::vector<const SkinTextObject*> stack{&form};
    while (!stack.empty()) {
      const SkinTextObject* o = stack.back();
      stack.pop_back();
      const bool ownRegion = o->children.empty() || o->Ident("DrawIfOwner", "False") == "True" ||
                             o->Ident("Masked", "True") == "False";
      if (!ownRegion) {
        for (const auto& c : o->children) stack.push_back(c.get());
        continue;
      }
      const long long left = std::max(0LL, o->Int("Left")), top = std::max(0LL, o->Int("Top"));
      const long long right = std::min(w, o->Int("Left") + o->Int("Width"));
      const long long bottom = std::min(h, o->Int("Top") + o->Int("Height"));
      for (long long y = top; y < bottom; ++y)
        for (long long x = left; x < right; ++x) covered[static_cast<std::size_t>(y * w + x)] = 1;
    }
    const auto holes = std::count(covered.begin(), covered.end(), 0);
    Expect(holes == 0, "the frame's window region leaves " + std::to_string(holes) +
                           " pixels of the frame out");
  }

  void CaptionButtons(const SkinTextObject* container) {
    if (!container) return;
    const char* names[] = {"CloseButton",    "RestoreButton", "MaxButton",  "MinButton",
                           "RollDownButton", "RollUpButton",  "TrayButton", "HelpButton"};
    const char* actions[] = {"sbaClose",    "sbaRestore", "sbaMaximize", "sbaMinimize",
                             "sbaRollDown", "sbaRollUp",  "sbaTray",     "sbaHelp"};
    Expect(container->children.size() == 8, "ButtonContainer must hold the eight buttons");
    for (std::size_t i = 0; i < 8 && i < container->children.size(); ++i) {
      const SkinTextObject& b = *container->children[i];
      const std::string path = "ButtonContainer/" + b.name;
      Expect(b.name == names[i], path + " must be " + names[i]);
      Expect(b.className == "TSeSystemButton", path + " must be a TSeSystemButton");
      Value(&b, "Align", "saRight", path);
      Value(&b, "Action", actions[i], path);
      Int(&b, "Width", i == 0 ? 21 : 23, path);
      Int(&b, "Height", 21, path);
      for (const char* link : {"Bitmap", "ActiveBitmap", "BitmapHot", "BitmapPressed"})
        HasLink(&b, link, path);
      const SkinTextObject* glyph = b.Child("Glyph");
      Expect(glyph && glyph->className == "TSeButtonObject", path + " needs a Glyph button");
      if (!glyph) continue;
      Value(glyph, "Kind", "skTranparent", path + "/Glyph");
      Value(glyph, "Align", "saCenter", path + "/Glyph");
      for (const char* link : {"BitmapHot", "BitmapPressed", "BitmapDisabled"})
        HasLink(glyph, link, path + "/Glyph");
    }
    if (!container->children.empty()) {
      const SkinTextObject& close = *container->children[0];
      // Frame 4 of the strip is the inactive look, 0 the active one, 1 hot and 2 pressed.
      LinkIs(&close, "Bitmap", "CLOSEBUTTON.bmp", {0, 84, 21, 105}, "CloseButton");
      LinkIs(&close, "ActiveBitmap", "CLOSEBUTTON.bmp", {0, 0, 21, 21}, "CloseButton");
      LinkIs(&close, "BitmapHot", "CLOSEBUTTON.bmp", {0, 21, 21, 42}, "CloseButton");
      LinkIs(&close, "BitmapPressed", "CLOSEBUTTON.bmp", {0, 42, 21, 63}, "CloseButton");
    }
  }

  void Controls() {
    // Button: a nine-grid face with one 20 x 23 cell per state, and a text.
    const auto* face = Need("Button/Face", "TSeButtonObject");
    for (const char* m : {"MarginLeft", "MarginRight", "MarginTop", "MarginBottom"})
      Int(face, m, 5, "Button/Face");
    Value(face, "TileStyle", "tsStretch", "Button/Face");
    const char* states[] = {"Bitmap", "BitmapHot", "BitmapPressed", "BitmapDisabled",
                            "BitmapFocused"};
    for (int i = 0; i < 5; ++i)
      LinkIs(face, states[i], "BUTTON.bmp", {0, 23 * i, 20, 23 * i + 23}, "Button/Face");
    Need("Button/Text", "TSeTextObject");

    const auto* groupFrame = Need("GroupBox/Frame", "TSeBitmapObject");
    for (const char* m : {"MarginLeft", "MarginRight", "MarginTop", "MarginBottom"})
      Int(groupFrame, m, 4, "GroupBox/Frame");
    Value(groupFrame, "TileStyle", "tsStretch", "GroupBox/Frame");
    if (groupFrame)
      Expect(LinkOf(*groupFrame, "Bitmap").name == "GROUPBOX.BMP",
             "GroupBox/Frame must use GROUPBOX.BMP");
    const auto* groupCaption = Need("GroupBox/Caption", "TSeTextObject");
    Colour(groupCaption, "Color", kFaceColour, "GroupBox/Caption");
    Colour(groupCaption, "Font.Color", kAccentColour, "GroupBox/Caption");

    const auto* tab = Need("Tabs/Tab", "TSeButtonObject");
    for (const char* m : {"MarginLeft", "MarginRight", "MarginTop", "MarginBottom"})
      Int(tab, m, 4, "Tabs/Tab");
    Value(tab, "TileStyle", "tsStretch", "Tabs/Tab");
    const char* tabStates[] = {"Bitmap", "BitmapHot", "BitmapFocused", "BitmapPressed"};
    for (int i = 0; i < 4; ++i)
      LinkIs(tab, tabStates[i], "TABITEM.BMP", {0, 18 * i, 18, 18 * i + 18}, "Tabs/Tab");
    const auto* tabFrame = Path("Tabs/Frame");
    for (const char* m : {"MarginLeft", "MarginRight", "MarginTop", "MarginBottom"})
      Int(tabFrame, m, 1, "Tabs/Frame");
    if (tabFrame) {
      bool edge = false;
      for (const auto& c : tabFrame->children)
        edge = edge || (c->Ident("Align", "") == "saClient" &&
                        LinkOf(*c, "Bitmap").name == "TABPANEEDGE.BMP");
      Expect(edge, "Tabs/Frame needs a child on TABPANEEDGE.BMP filling it");
    }
    Colour(Need("Tabs/Text", "TSeTextObject"), "FontHot.Color", kAccentColour, "Tabs/Text");
    Path("Tabs/LeftButton");
    Path("Tabs/RightButton");

    const auto* edit = Need("Edit", "TSeSkinObject");
    Colour(edit, "Color", 0xFFFFFF, "Edit");
    const auto* editFrame = Path("Edit/Frame");
    for (const char* m : {"MarginLeft", "MarginRight", "MarginTop", "MarginBottom"})
      Int(editFrame, m, 2, "Edit/Frame");
    for (const char* c : {"Top", "Left", "Right", "Bottom", "Client"})
      Path(std::string("Edit/Frame/") + c);
    Need("Edit/Text", "TSeTextObject");

    Int(Path("Panel/Caption"), "Height", 23, "Panel/Caption");
    Path("Panel/Frame");
    for (const char* b : {"ButtonRollup", "ButtonRolldown", "ButtonHide"})
      Path(std::string("Panel/") + b);

    const auto* scroll = Need("ScrollBar", "TSeSkinObject");
    const char* parts[] = {"HorzFrame", "LeftButton", "RightButton",  "HorzSlider",
                           "TopButton", "VertFrame",  "BottomButton", "VertSlider"};
    if (scroll) {
      Expect(scroll->children.size() >= 8, "ScrollBar needs its eight parts");
      for (std::size_t i = 0; i < 8 && i < scroll->children.size(); ++i)
        Expect(scroll->children[i]->name == parts[i],
               "ScrollBar part " + std::to_string(i) + " must be " + parts[i]);
    }
    for (const char* b : {"LeftButton", "RightButton", "TopButton", "BottomButton"}) {
      const std::string path = std::string("ScrollBar/") + b;
      const auto* button = Path(path);
      Int(button, "Width", 17, path);
      Int(button, "Height", 17, path);
      const auto* glyph = Path(path + "/Glyph");
      Int(glyph, "Width", 9, path + "/Glyph");
      Int(glyph, "Height", 9, path + "/Glyph");
    }

    Colour(Need("CheckBox/Text", "TSeTextObject"), "FontDisabled.Color", 0x808080, "CheckBox/Text");

    const auto* cell = Need("Grid/Cell", "TSeColorButtonObject");
    Colour(cell, "Color", 0xFFFFFF, "Grid/Cell");
    Colour(cell, "HotColor", 0xD7E9EA, "Grid/Cell");
    Colour(cell, "PressedColor", 0x000000, "Grid/Cell");
    Colour(cell, "FocusedColor", 0xC56931, "Grid/Cell");
    Colour(cell, "DisabledColor", 0xC0C0C0, "Grid/Cell");

    for (const char* menu : {"MenuBar", "PopupMenu", "ListBox"}) {
      const auto* o = Top(menu);
      bool highlight = false;
      if (o)
        for (const auto& c : o->children)
          highlight = highlight || c->className == "TSeActiveObject";
      Expect(highlight, std::string(menu) + " needs a TSeActiveObject for its items");
    }
    Path("PopupMenu/Frame");
    Need("PopupMenu/Item", "TSeActiveObject");
    for (const char* b : {"Close", "Restore", "Min"}) Path(std::string("MenuBar/") + b);
  }

  // --- the pictures -----------------------------------------------------------------------

  // Number of pixels in which two equally sized parts of pictures differ.
  static int Difference(const TArtCanvas& a, LayoutRect ra, const TArtCanvas& b, LayoutRect rb) {
    int n = 0;
    for (long long y = 0; y < ra.Height(); ++y)
      for (long long x = 0; x < ra.Width(); ++x)
        if (!(a.At(static_cast<int>(ra.left + x), static_cast<int>(ra.top + y)) ==
              b.At(static_cast<int>(rb.left + x), static_cast<int>(rb.top + y))))
          ++n;
    return n;
  }

  void Pictures() {
    // State pictures must be told apart at a glance, not by a stray pixel.
    std::vector<std::pair<const SkinTextObject*, std::string>> stack;
    for (const auto& o : skin_.objects) stack.emplace_back(o.get(), o->name);
    while (!stack.empty()) {
      auto [o, path] = stack.back();
      stack.pop_back();
      for (const auto& c : o->children) stack.emplace_back(c.get(), path + "/" + c->name);
      if (o->className != "TSeButtonObject" && o->className != "TSeSystemButton") continue;
      try {
        const Link normal = LinkOf(*o, "Bitmap");
        const SkinBitmapSource* nb = Bitmap(normal.name);
        if (!nb) continue;
        const long long area = normal.rect.Width() * normal.rect.Height();
        for (const char* prefix :
             {"BitmapHot", "BitmapPressed", "BitmapFocused", "BitmapDisabled", "ActiveBitmap"}) {
          const Link l = LinkOf(*o, prefix);
          const SkinBitmapSource* lb = Bitmap(l.name);
          if (!l.present || !lb || l.rect.Width() != normal.rect.Width() ||
              l.rect.Height() != normal.rect.Height() || l.rect.right > lb->picture.Width() ||
              l.rect.bottom > lb->picture.Height() || normal.rect.right > nb->picture.Width() ||
              normal.rect.bottom > nb->picture.Height())
            continue;
          const int diff = Difference(nb->picture, normal.rect, lb->picture, l.rect);
          Expect(diff * 20 >= area,
                 path + ": " + prefix + " hardly differs from the normal picture");
        }
      } catch (const ESkinSourceError& e) {
        Fail(path + ": " + e.Message());
      }
    }
    // The caption's top corners are rounded: transparent at the very corner in both looks.
    const auto* left = Path("Form/Caption/CaptionLeft");
    const auto* right = Path("Form/Caption/CaptionRight");
    for (const char* prefix : {"Bitmap", "ActiveBitmap"}) {
      if (left) {
        const Link l = LinkOf(*left, prefix);
        if (const auto* b = Bitmap(l.name))
          Expect(b->picture.At(static_cast<int>(l.rect.left), static_cast<int>(l.rect.top)) ==
                     kMagenta,
                 std::string("CaptionLeft.") + prefix + " needs a transparent rounded corner");
      }
      if (right) {
        const Link l = LinkOf(*right, prefix);
        if (const auto* b = Bitmap(l.name))
          Expect(b->picture.At(static_cast<int>(l.rect.right - 1), static_cast<int>(l.rect.top)) ==
                     kMagenta,
                 std::string("CaptionRight.") + prefix + " needs a transparent rounded corner");
      }
    }
  }

  void All() {
    Header();
    Bitmaps();
    TopLevel();
    for (std::size_t i = 0; i < skin_.objects.size(); ++i) {
      const auto& o = *skin_.objects[i];
      if (i < skin_.manifest.objects.size())
        Expect(skin_.manifest.objects[i] == o.name + ".txt",
               skin_.manifest.objects[i] + " holds object " + o.name);
      Object(o, o.name);
      Layout(o);
    }
    Counts();
    Frame();
    Controls();
    Pictures();
  }

 private:
  const SkinSources& skin_;
  std::vector<std::string> problems_;
  std::map<std::string, int> classCount_;
  int total_ = 0;
};

}  // namespace

SkinSources SkinSources::Load(const std::string& folder) {
  SkinSources skin;
  skin.manifest = SkinManifest::Load(folder + "/manifest.txt");
  for (const auto& [name, file] : skin.manifest.bitmaps)
    skin.bitmaps.push_back({name, file, BmpFile::Load(folder + "/bitmaps/" + file)});
  for (const auto& file : skin.manifest.objects)
    skin.objects.push_back(SkinTextParser::ParseFile(folder + "/objects/" + file));
  return skin;
}

std::vector<std::string> SkinChecker::Check(const SkinSources& skin) {
  Run run(skin);
  run.All();
  return run.Problems();
}

}  // namespace skinart
