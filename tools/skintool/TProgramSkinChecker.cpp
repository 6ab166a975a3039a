#include "tools/skintool/TProgramSkinChecker.h"

#include <algorithm>
#include <map>
#include <memory>

#include "framework/core/TextCase.h"
#include "skin/objects/SkinObjectRegistry.h"
#include "skin/objects/TSeBitmap.h"
#include "skin/objects/TSeBitmapLink.h"
#include "skin/objects/TSeCanvas.h"
#include "skin/objects/TSeSkinObject.h"
#include "skin/store/TSeSkinSource.h"
#include "tools/skinsource/TSkinBitmapFile.h"
#include "tools/skintool/PropertyText.h"
#include "tools/skintool/TSkinReport.h"

namespace skintool {

namespace {

const char* const kTopLevel[] = {
    "Form",       "MenuBar",     "PopupMenu",  "CheckBox",    "RadioButton", "ScrollBar",
    "Button",     "SpeedButton", "GroupBox",   "ProgressBar", "TrackBar",    "ListBox",
    "Edit",       "ComboBox",    "SpinButton", "Panel",       "Tabs",        "Grid",
    "ControlBar", "Toolbar",     "Header",     "StatusBar",   "ScrollBox",   "Splitter"};

constexpr long long kFaceColour = 14150122;    // the light face of the whole skin
constexpr long long kAccentColour = 12937521;  // the blue of highlights and hot text

struct Link {
  std::string name;
  TRect rect;
  bool present = false;
};

class Run {
 public:
  explicit Run(const TSeSkinSource& skin) : skin_(skin) {}

  std::vector<std::string> Problems() { return std::move(problems_); }

  void All() {
    Header();
    Bitmaps();
    TopLevel();
    Counts();
    Frame();
    Controls();
    Pictures();
  }

 private:
  void Fail(const std::string& what) { problems_.push_back(what); }
  void Expect(bool ok, const std::string& what) {
    if (!ok) Fail(what);
  }

  static std::string Prop(const TObject& o, const std::string& path) {
    return PropertyText(o, path).value_or("<none>");
  }

  static Link LinkOf(const TObject& o, const std::string& prefix) {
    Link l;
    const TSeBitmapLink* link = PropertyLink(o, prefix);
    if (link == nullptr) return l;
    l.name = link->GetName();
    l.rect = link->GetRect();
    l.present = !l.name.empty() || l.rect != TRect{};
    return l;
  }

  // Names may repeat; as when links are resolved, the last one of the name wins.
  const TSeBitmap* Bitmap(const std::string& name) const {
    const TSeBitmap* found = nullptr;
    for (int i = 0; i < skin_.Bitmaps().Count(); ++i)
      if (TextCase::LowerCase(skin_.Bitmaps().Bitmaps(i)->Name) == TextCase::LowerCase(name))
        found = skin_.Bitmaps().Bitmaps(i);
    return found;
  }

  TSeSkinObject* Top(const std::string& name) const {
    for (const auto& o : skin_.AllObjects())
      if (o->Name() == name) return o.get();
    return nullptr;
  }

  static TSeSkinObject* Child(const TSeSkinObject& o, const std::string& name) {
    for (int i = 0; i < o.ObjectCount(); ++i)
      if (TSeSkinObject* c = o.Objects(i);
          c != nullptr && TextCase::LowerCase(c->Name()) == TextCase::LowerCase(name))
        return c;
    return nullptr;
  }

  // Follows a path of child names ("Form/Caption/Title") from a top-level object.
  TSeSkinObject* Path(const std::string& path) {
    std::size_t pos = path.find('/');
    TSeSkinObject* o = Top(path.substr(0, pos));
    while (o != nullptr && pos != std::string::npos) {
      const std::size_t next = path.find('/', pos + 1);
      o = Child(
          *o, path.substr(pos + 1, next == std::string::npos ? std::string::npos : next - pos - 1));
      pos = next;
    }
    if (o == nullptr) Fail("missing object " + path);
    return o;
  }

  TSeSkinObject* Need(const std::string& path, const std::string& className) {
    TSeSkinObject* o = Path(path);
    if (o != nullptr && o->ClassName() != className)
      Fail(path + " is a " + o->ClassName() + ", expected " + className);
    return o;
  }

  void Value(const TSeSkinObject* o, const std::string& property, const std::string& value,
             const std::string& path) {
    if (o == nullptr) return;
    const std::string got = Prop(*o, property);
    Expect(got == value, path + "." + property + " is " + got + ", expected " + value);
  }
  void Int(const TSeSkinObject* o, const std::string& property, long long value,
           const std::string& path) {
    Value(o, property, std::to_string(value), path);
  }

  void LinkIs(const TSeSkinObject* o, const std::string& prefix, const std::string& bitmap,
              const TRect& rect, const std::string& path) {
    if (o == nullptr) return;
    const Link l = LinkOf(*o, prefix);
    Expect(l.present && l.name == bitmap && l.rect == rect,
           path + "." + prefix + " is not " + bitmap + " at the expected rectangle");
  }

  void HasLink(const TSeSkinObject* o, const std::string& prefix, const std::string& path) {
    if (o != nullptr) Expect(LinkOf(*o, prefix).present, path + " has no " + prefix);
  }

  void Header() {
    Expect(skin_.SkinName() == "ZaduVadazo VA Skin", "skin name is \"" + skin_.SkinName() + "\"");
    Expect(skin_.SkinVersion() == "2.0.0", "skin version is \"" + skin_.SkinVersion() + "\"");
    Expect(!skin_.Author().empty(), "no author");
    Expect(skin_.AuthorEMail().find('@') != std::string::npos &&
               skin_.AuthorEMail().find("example.") != std::string::npos,
           "the e-mail address must be at a reserved example domain");
    Expect(skin_.AuthorURL().find("example.") != std::string::npos,
           "the web address must be at a reserved example domain");
  }

  void Bitmaps() {
    const int count = skin_.Bitmaps().Count();
    Expect(count == 57, "the skin has " + std::to_string(count) + " bitmaps, expected 57");
    int listHeaders = 0;
    for (int i = 0; i < count; ++i)
      if (skin_.Bitmaps().Bitmaps(i)->Name == "LISTVIEWHEADER.BMP") ++listHeaders;
    Expect(listHeaders == 2, "\"LISTVIEWHEADER.BMP\" must occur exactly twice");
    const auto size = [&](const std::string& name, int w, int h) {
      const TSeBitmap* b = Bitmap(name);
      if (b == nullptr) {
        Fail("missing bitmap " + name);
        return;
      }
      if (w > 0)
        Expect(b->Width() == w && b->Height() == h,
               name + " is " + std::to_string(b->Width()) + " x " + std::to_string(b->Height()) +
                   ", expected " + std::to_string(w) + " x " + std::to_string(h));
    };
    size("FRAMECAPTION.BMP", 0, 0);
    size("CLOSEBUTTON.bmp", 21, 168);
    size("BUTTON.bmp", 20, 23 * 5);
    size("GROUPBOX.BMP", 0, 0);
    size("TABITEM.BMP", 18, 18 * 4);
    size("TABPANEEDGE.BMP", 0, 0);
  }

  void TopLevel() {
    const std::size_t count = skin_.AllObjects().size();
    Expect(count == 24,
           "the skin has " + std::to_string(count) + " top-level objects, expected 24");
    for (std::size_t i = 0; i < count && i < 24; ++i) {
      const TSeSkinObject& o = *skin_.AllObjects()[i];
      Expect(o.Name() == kTopLevel[i], "top-level object " + std::to_string(i) + " is " + o.Name() +
                                           ", expected " + kTopLevel[i]);
      Expect(o.ClassName() == "TSeSkinObject", o.Name() + " must be a TSeSkinObject");
    }
    Expect(Top("Label") == nullptr && Top("ToolWindow") == nullptr,
           "the skin must have no Label or ToolWindow");
  }

  void Counts() {
    const std::map<std::string, int> expected = {
        {"TSeButtonObject", 59}, {"TSeSkinObject", 55},      {"TSeBitmapObject", 24},
        {"TSeSystemButton", 9},  {"TSeActiveBitmap", 8},     {"TSeTextObject", 7},
        {"TSeActiveObject", 3},  {"TSeColorButtonObject", 1}};
    std::map<std::string, int> counts = TSkinReport::ClassCounts(skin_);
    const int total = TSkinReport::ObjectCount(skin_);
    Expect(total == 166, "the skin has " + std::to_string(total) + " objects, expected 166");
    for (const auto& [cls, n] : expected)
      Expect(counts[cls] == n, "the skin has " + std::to_string(counts[cls]) + " " + cls +
                                   ", expected " + std::to_string(n));
    for (const auto& [cls, n] : counts)
      Expect(expected.count(cls) == 1, "the skin must not use " + cls);
  }

  void Frame() {
    TSeSkinObject* form = Need("Form", "TSeSkinObject");
    if (form == nullptr) return;
    for (auto [p, v] : {std::pair{"Left", 0}, {"Top", 0}, {"Width", 375}, {"Height", 247}})
      Int(form, p, v, "Form");
    Value(form, "Masked", "True", "Form");
    Int(form, "Color", kFaceColour, "Form");
    Value(form, "Font.Name", "MS Sans Serif", "Form");
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
    Value(title, "Font.Name", "Tahoma", "Title");
    Value(title, "Font.Style", "[fsBold]", "Title");
    Int(title, "Font.Color", 0xFFFFFF, "Title");
    Value(title, "TextEffect", "teShadow", "Title");
    Int(title, "TextMarginLeft", 22, "Title");
    Int(title, "TextMarginRight", 140, "Title");
    Int(title, "TextMarginTop", 4, "Title");
    if (title != nullptr) {
      const TRect r = LinkOf(*title, "Bitmap").rect;
      Expect(RectWidth(r) == 47 && RectHeight(r) == 29, "Title's source must be 47 x 29");
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
    WindowRegion(*form);

    const TSeSkinObject* sysMenu = form->FindByName("SysMenu");
    Expect(sysMenu != nullptr && sysMenu->ClassName() == "TSeSystemButton",
           "missing system button SysMenu");
    if (sysMenu != nullptr) {
      Int(sysMenu, "Width", 20, "SysMenu");
      Int(sysMenu, "Height", 20, "SysMenu");
      Value(sysMenu, "Action", "sbaSysMenu", "SysMenu");
      Expect(sysMenu->Left() < 30 && sysMenu->Top() < 10, "SysMenu must sit at the top left");
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
      const TSeSkinObject* o = form->FindByName(p.name);
      Expect(o != nullptr && o->ClassName() == "TSeActiveBitmap",
             std::string("missing frame part ") + p.name);
      if (o == nullptr) continue;
      Value(o, "Align", p.align, p.name);
      Value(o, "Kind", p.kind, p.name);
      if (p.width) Int(o, "Width", p.width, p.name);
      if (p.height) Int(o, "Height", p.height, p.name);
    }
    // Every frame part switches between an active and an inactive picture.
    for (const char* name : {"CaptionLeft", "CaptionRight", "Title", "Left", "Right", "BottomLeft",
                             "BottomRight", "BottomCenter"}) {
      const TSeSkinObject* o = form->FindByName(name);
      if (o == nullptr) continue;
      const Link a = LinkOf(*o, "Bitmap"), b = LinkOf(*o, "ActiveBitmap");
      Expect(a.present && b.present &&
                 !(a.rect == b.rect && TextCase::LowerCase(a.name) == TextCase::LowerCase(b.name)),
             std::string(name) + " needs distinct active and inactive pictures");
    }

    const TSeSkinObject* client = form->FindByName("Client");
    Expect(client != nullptr && client->Kind() == TSeKind::skClient,
           "missing Client of kind skClient");
    FrameLayouts(*form);
  }

  // A window lays out a private copy of the frame at its own size: the client keeps a
  // five-pixel border below the caption, the caption buttons keep to the right edge.
  void FrameLayouts(const TSeSkinObject& form) {
    std::unique_ptr<TSeSkinObject> copy = CloneSkinObject(form);
    if (!copy) return;
    for (auto [w, h] : {std::pair{375, 247}, {640, 480}, {200, 120}}) {
      copy->SetBounds({0, 0, w, h});
      const std::string size = std::to_string(w) + " x " + std::to_string(h);
      const TSeSkinObject* c = copy->FindByKind(TSeKind::skClient);
      Expect(c != nullptr && c->BoundsRect() == TRect{5, 29, w - 5, h - 5},
             "the client rectangle of a " + size + " frame must be (5, 29, width - 5, height - 5)");
      const TSeSkinObject* close = copy->FindByName("CloseButton");
      Expect(close != nullptr && close->BoundsRect() == TRect{w - 25, 5, w - 4, 26},
             "CloseButton must be at " + std::to_string(w - 25) + ", 5 in a " + size + " frame");
    }
    // Rolled up, the frame keeps only its caption and bottom border.
    if (const TSeSkinObject* c = copy->FindByKind(TSeKind::skClient))
      Expect(120 - c->Height() == 34, "a rolled-up frame must be 34 high");
  }

  // The window takes the shape of the region the frame's tree yields: an object with
  // children, masked and not drawing itself, yields only its children's regions. Every pixel
  // the frame paints must lie in that region, or the window cuts it away.
  void WindowRegion(const TSeSkinObject& form) {
    const int w = form.Width(), h = form.Height();
    if (w <= 0 || h <= 0 || std::int64_t{w} * h > skinsource::TSkinBitmapFile::kMaxPixels) return;
    std::unique_ptr<TSeSkinObject> copy = CloneSkinObject(form);
    if (!copy) return;
    copy->SetBitmaps(form.Bitmaps());
    copy->ResolveBitmaps();
    std::vector<char> covered(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
    if (const auto region = copy->CreateTreeRegion())
      for (const TRect& r : region->Rects)
        for (int y = std::max(0, r.Top); y < std::min(h, r.Bottom); ++y)
          for (int x = std::max(0, r.Left); x < std::min(w, r.Right); ++x)
            covered[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) +
                    static_cast<std::size_t>(x)] = 1;
    TSeBitmap painted;
    painted.SetSize(w, h);
    if (painted.IsEmpty()) return;
    painted.Fill(kSeKeyColor);
    {
      std::unique_ptr<TSeCanvas> canvas = CreateBitmapCanvas(painted);
      copy->Draw(*canvas);
    }
    long long holes = 0;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        if ((painted.Pixel(x, y) & 0xFFFFFFu) != kSeKeyRGB &&
            !covered[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) +
                     static_cast<std::size_t>(x)])
          ++holes;
    Expect(holes == 0, "the frame's window region leaves " + std::to_string(holes) +
                           " painted pixels of the frame out");
  }

  void CaptionButtons(const TSeSkinObject* container) {
    if (container == nullptr) return;
    const char* names[] = {"CloseButton",    "RestoreButton", "MaxButton",  "MinButton",
                           "RollDownButton", "RollUpButton",  "TrayButton", "HelpButton"};
    const char* actions[] = {"sbaClose",    "sbaRestore", "sbaMaximize", "sbaMinimize",
                             "sbaRollDown", "sbaRollUp",  "sbaTray",     "sbaHelp"};
    const int count = container->ObjectCount();
    Expect(count == 8, "ButtonContainer must hold the eight buttons");
    for (int i = 0; i < 8 && i < count; ++i) {
      const TSeSkinObject& b = *container->Objects(i);
      const std::string path = "ButtonContainer/" + b.Name();
      Expect(b.Name() == names[i], path + " must be " + names[i]);
      Expect(b.ClassName() == "TSeSystemButton", path + " must be a TSeSystemButton");
      Value(&b, "Align", "saRight", path);
      Value(&b, "Action", actions[i], path);
      Int(&b, "Width", i == 0 ? 21 : 23, path);
      Int(&b, "Height", 21, path);
      for (const char* link : {"Bitmap", "ActiveBitmap", "BitmapHot", "BitmapPressed"})
        HasLink(&b, link, path);
      const TSeSkinObject* glyph = Child(b, "Glyph");
      Expect(glyph != nullptr && glyph->ClassName() == "TSeButtonObject",
             path + " needs a Glyph button");
      if (glyph == nullptr) continue;
      Value(glyph, "Kind", "skTranparent", path + "/Glyph");
      Value(glyph, "Align", "saCenter", path + "/Glyph");
      for (const char* link : {"BitmapHot", "BitmapPressed", "BitmapDisabled"})
        HasLink(glyph, link, path + "/Glyph");
    }
    if (count > 0) {
      const TSeSkinObject* close = container->Objects(0);
      // Frame 4 of the strip is the inactive look, 0 the active one, 1 hot and 2 pressed.
      LinkIs(close, "Bitmap", "CLOSEBUTTON.bmp", {0, 84, 21, 105}, "CloseButton");
      LinkIs(close, "ActiveBitmap", "CLOSEBUTTON.bmp", {0, 0, 21, 21}, "CloseButton");
      LinkIs(close, "BitmapHot", "CLOSEBUTTON.bmp", {0, 21, 21, 42}, "CloseButton");
      LinkIs(close, "BitmapPressed", "CLOSEBUTTON.bmp", {0, 42, 21, 63}, "CloseButton");
    }
  }

  void Margins(const TSeSkinObject* o, int value, const std::string& path) {
    for (const char* m : {"MarginLeft", "MarginRight", "MarginTop", "MarginBottom"})
      Int(o, m, value, path);
  }

  void Controls() {
    // Button: a nine-grid face with one 20 x 23 cell per state, and a text.
    const auto* face = Need("Button/Face", "TSeButtonObject");
    Margins(face, 5, "Button/Face");
    Value(face, "TileStyle", "tsStretch", "Button/Face");
    const char* states[] = {"Bitmap", "BitmapHot", "BitmapPressed", "BitmapDisabled",
                            "BitmapFocused"};
    for (int i = 0; i < 5; ++i)
      LinkIs(face, states[i], "BUTTON.bmp", {0, 23 * i, 20, 23 * i + 23}, "Button/Face");
    Need("Button/Text", "TSeTextObject");

    const auto* groupFrame = Need("GroupBox/Frame", "TSeBitmapObject");
    Margins(groupFrame, 4, "GroupBox/Frame");
    Value(groupFrame, "TileStyle", "tsStretch", "GroupBox/Frame");
    if (groupFrame != nullptr)
      Expect(LinkOf(*groupFrame, "Bitmap").name == "GROUPBOX.BMP",
             "GroupBox/Frame must use GROUPBOX.BMP");
    const auto* groupCaption = Need("GroupBox/Caption", "TSeTextObject");
    Int(groupCaption, "Color", kFaceColour, "GroupBox/Caption");
    Int(groupCaption, "Font.Color", kAccentColour, "GroupBox/Caption");

    const auto* tab = Need("Tabs/Tab", "TSeButtonObject");
    Margins(tab, 4, "Tabs/Tab");
    Value(tab, "TileStyle", "tsStretch", "Tabs/Tab");
    const char* tabStates[] = {"Bitmap", "BitmapHot", "BitmapFocused", "BitmapPressed"};
    for (int i = 0; i < 4; ++i)
      LinkIs(tab, tabStates[i], "TABITEM.BMP", {0, 18 * i, 18, 18 * i + 18}, "Tabs/Tab");
    const auto* tabFrame = Path("Tabs/Frame");
    Margins(tabFrame, 1, "Tabs/Frame");
    if (tabFrame != nullptr) {
      bool edge = false;
      for (int i = 0; i < tabFrame->ObjectCount(); ++i) {
        const TSeSkinObject& c = *tabFrame->Objects(i);
        edge = edge ||
               (c.Align() == TSeAlign::saClient && LinkOf(c, "Bitmap").name == "TABPANEEDGE.BMP");
      }
      Expect(edge, "Tabs/Frame needs a child on TABPANEEDGE.BMP filling it");
    }
    Int(Need("Tabs/Text", "TSeTextObject"), "FontHot.Color", kAccentColour, "Tabs/Text");
    Path("Tabs/LeftButton");
    Path("Tabs/RightButton");

    Int(Need("Edit", "TSeSkinObject"), "Color", 0xFFFFFF, "Edit");
    Margins(Path("Edit/Frame"), 2, "Edit/Frame");
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
    if (scroll != nullptr) {
      Expect(scroll->ObjectCount() >= 8, "ScrollBar needs its eight parts");
      for (int i = 0; i < 8 && i < scroll->ObjectCount(); ++i)
        Expect(scroll->Objects(i)->Name() == parts[i],
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

    Int(Need("CheckBox/Text", "TSeTextObject"), "FontDisabled.Color", 0x808080, "CheckBox/Text");

    const auto* cell = Need("Grid/Cell", "TSeColorButtonObject");
    Int(cell, "Color", 0xFFFFFF, "Grid/Cell");
    Int(cell, "HotColor", 0xD7E9EA, "Grid/Cell");
    Int(cell, "PressedColor", 0x000000, "Grid/Cell");
    Int(cell, "FocusedColor", 0xC56931, "Grid/Cell");
    Int(cell, "DisabledColor", 0xC0C0C0, "Grid/Cell");

    for (const char* menu : {"MenuBar", "PopupMenu", "ListBox"}) {
      const TSeSkinObject* o = Top(menu);
      bool highlight = false;
      for (int i = 0; o != nullptr && i < o->ObjectCount(); ++i)
        highlight = highlight || o->Objects(i)->ClassName() == "TSeActiveObject";
      Expect(highlight, std::string(menu) + " needs a TSeActiveObject for its items");
    }
    Path("PopupMenu/Frame");
    Need("PopupMenu/Item", "TSeActiveObject");
    for (const char* b : {"Close", "Restore", "Min"}) Path(std::string("MenuBar/") + b);
  }

  // Number of pixels in which two equally sized parts of pictures differ.
  static int Difference(const TSeBitmap& a, const TRect& ra, const TSeBitmap& b, const TRect& rb) {
    int n = 0;
    for (int y = 0; y < RectHeight(ra); ++y)
      for (int x = 0; x < RectWidth(ra); ++x)
        if (a.Pixel(ra.Left + x, ra.Top + y) != b.Pixel(rb.Left + x, rb.Top + y)) ++n;
    return n;
  }

  static bool Inside(const TRect& r, const TSeBitmap& b) {
    return r.Left >= 0 && r.Top >= 0 && r.Right <= b.Width() && r.Bottom <= b.Height();
  }

  void Pictures() {
    // State pictures must be told apart at a glance, not by a stray pixel.
    std::vector<std::pair<const TSeSkinObject*, std::string>> stack;
    for (const auto& o : skin_.AllObjects()) stack.emplace_back(o.get(), o->Name());
    while (!stack.empty()) {
      auto [o, path] = stack.back();
      stack.pop_back();
      for (int i = 0; i < o->ObjectCount(); ++i)
        stack.emplace_back(o->Objects(i), path + "/" + o->Objects(i)->Name());
      if (o->ClassName() != "TSeButtonObject" && o->ClassName() != "TSeSystemButton") continue;
      const Link normal = LinkOf(*o, "Bitmap");
      const TSeBitmap* nb = Bitmap(normal.name);
      if (nb == nullptr || !Inside(normal.rect, *nb)) continue;
      const long long area =
          static_cast<long long>(RectWidth(normal.rect)) * RectHeight(normal.rect);
      for (const char* prefix :
           {"BitmapHot", "BitmapPressed", "BitmapFocused", "BitmapDisabled", "ActiveBitmap"}) {
        const Link l = LinkOf(*o, prefix);
        const TSeBitmap* lb = Bitmap(l.name);
        if (!l.present || lb == nullptr || RectWidth(l.rect) != RectWidth(normal.rect) ||
            RectHeight(l.rect) != RectHeight(normal.rect) || !Inside(l.rect, *lb))
          continue;
        Expect(Difference(*nb, normal.rect, *lb, l.rect) * 20LL >= area,
               path + ": " + prefix + " hardly differs from the normal picture");
      }
    }
    // The caption's top corners are rounded: transparent at the very corner in both looks.
    const TSeSkinObject* left = Path("Form/Caption/CaptionLeft");
    const TSeSkinObject* right = Path("Form/Caption/CaptionRight");
    for (const char* prefix : {"Bitmap", "ActiveBitmap"}) {
      if (left != nullptr) {
        const Link l = LinkOf(*left, prefix);
        if (const TSeBitmap* b = Bitmap(l.name))
          Expect(b->Pixel(l.rect.Left, l.rect.Top) == kSeKeyColor,
                 std::string("CaptionLeft.") + prefix + " needs a transparent rounded corner");
      }
      if (right != nullptr) {
        const Link l = LinkOf(*right, prefix);
        if (const TSeBitmap* b = Bitmap(l.name))
          Expect(b->Pixel(l.rect.Right - 1, l.rect.Top) == kSeKeyColor,
                 std::string("CaptionRight.") + prefix + " needs a transparent rounded corner");
      }
    }
  }

  const TSeSkinSource& skin_;
  std::vector<std::string> problems_;
};

}  // namespace

std::vector<std::string> TProgramSkinChecker::Check(const TSeSkinSource& source) {
  Run run(source);
  run.All();
  return run.Problems();
}

}  // namespace skintool
