#include "tools/skintool/TSkinLinter.h"

#include <map>
#include <set>

#include "framework/core/TClassInfo.h"
#include "framework/core/TPropertyInfo.h"
#include "framework/core/TextCase.h"
#include "skin/objects/SkinObjectRegistry.h"
#include "skin/objects/TSeBitmap.h"
#include "skin/objects/TSeBitmapLink.h"
#include "skin/objects/TSeSkinObject.h"
#include "skin/store/TSeSkinSource.h"

namespace skintool {

namespace {

struct Expectation {
  const char* topLevel;
  std::vector<const char*> parts;
};

// What the skinned frame and controls look up by name in their top-level object.
const std::vector<Expectation>& Expectations() {
  static const std::vector<Expectation> table = {
      {"Form", {"Caption", "Title", "Client"}},
      {"Button", {"Face", "Text"}},
      {"CheckBox", {"Text"}},
      {"ScrollBar",
       {"HorzFrame", "LeftButton", "RightButton", "HorzSlider", "VertFrame", "TopButton",
        "BottomButton", "VertSlider"}},
      {"GroupBox", {"Frame", "Caption"}},
      {"Edit", {"Frame", "Text"}},
      {"Panel", {"Caption", "Frame"}},
      {"Tabs", {"Tab", "Frame", "Text", "LeftButton", "RightButton"}},
      {"Grid", {"Cell"}},
      {"PopupMenu", {"Frame", "Item"}},
  };
  return table;
}

class Linter {
 public:
  explicit Linter(const TSeSkinSource& source) : source_(source) {}

  std::vector<std::string> Run() {
    std::set<std::string> topNames;
    for (const auto& object : source_.AllObjects()) {
      if (!topNames.insert(TextCase::LowerCase(object->Name())).second)
        Report(object->Name(), "a second top-level object of this name is never found");
      Walk(*object, object->Name());
    }
    CheckShadowedParts();
    for (const Expectation& e : Expectations()) {
      TSeSkinObject* top = source_.GetObjectByName(e.topLevel);
      if (top == nullptr) {
        Report(e.topLevel, "missing: the skinned controls look for this top-level object");
        continue;
      }
      for (const char* part : e.parts)
        if (top->FindByName(part) == nullptr)
          Report(std::string(e.topLevel) + "." + part, "missing: the control looks for it");
    }
    if (TSeSkinObject* form = source_.GetFormObject();
        form != nullptr && form->FindByKind(TSeKind::skClient) == nullptr)
      Report(form->Name(), "no object of kind skClient: the frame has no client area");
    return std::move(problems_);
  }

 private:
  void Report(const std::string& where, const std::string& what) {
    problems_.push_back(where + ": " + what);
  }

  const TSeBitmap* FindBitmap(const std::string& name) const {
    // The last bitmap of the name wins, as when links are resolved.
    const TSeBitmap* found = nullptr;
    const std::string wanted = TextCase::LowerCase(name);
    for (int i = 0; i < source_.Bitmaps().Count(); ++i) {
      const TSeBitmap* bitmap = source_.Bitmaps().Bitmaps(i);
      if (TextCase::LowerCase(bitmap->Name) == wanted) found = bitmap;
    }
    return found;
  }

  void Walk(TSeSkinObject& object, const std::string& path) {
    CheckLinks(object, path);
    if (object.MarginLeft() < 0 || object.MarginRight() < 0 || object.MarginTop() < 0 ||
        object.MarginBottom() < 0)
      Report(path, "negative margin");
    CheckLayout(object, path);
    // Siblings cannot share a name (the reader refuses them); cousins can.
    for (int i = 0; i < object.ObjectCount(); ++i)
      if (TSeSkinObject* child = object.Objects(i)) Walk(*child, path + "." + child->Name());
  }

  // A part that a control finds by name must be the only object of that name in its tree:
  // the lookup returns the first one in tree order.
  void CheckShadowedParts() {
    for (const Expectation& e : Expectations()) {
      TSeSkinObject* top = source_.GetObjectByName(e.topLevel);
      if (top == nullptr) continue;
      for (const char* part : e.parts) {
        std::vector<std::string> paths;
        Collect(*top, top->Name(), TextCase::LowerCase(part), paths);
        for (std::size_t i = 1; i < paths.size(); ++i)
          Report(paths[i], std::string("also named \"") + part +
                               "\"; a lookup by name finds only the first, " + paths[0]);
        if (paths.size() > 1 && paths[0] != std::string(e.topLevel) + "." + part)
          Report(paths[0], std::string("found by name in place of the part \"") + part + "\"");
      }
    }
  }

  static void Collect(TSeSkinObject& object, const std::string& path, const std::string& name,
                      std::vector<std::string>& paths) {
    for (int i = 0; i < object.ObjectCount(); ++i) {
      TSeSkinObject* child = object.Objects(i);
      if (child == nullptr) continue;
      const std::string childPath = path + "." + child->Name();
      if (TextCase::LowerCase(child->Name()) == name) paths.push_back(childPath);
      Collect(*child, childPath, name, paths);
    }
  }

  static std::string Text(const TRect& r) {
    return "(" + std::to_string(r.Left) + ", " + std::to_string(r.Top) + ", " +
           std::to_string(r.Right) + ", " + std::to_string(r.Bottom) + ")";
  }

  // Bitmap objects lay out their children again at every paint, so a stored child that the
  // layout would move jumps at the first paint. The library's own layout runs on a private
  // copy, which is reached as a window reaches its copy: through SetBounds, here one pixel
  // taller and back, so that corner children move by the sizes each object remembers (a fresh
  // copy remembers none). Children sized by their text are left out: that needs a screen.
  void CheckLayout(TSeSkinObject& object, const std::string& path) {
    if (object.ObjectCount() == 0) return;
    std::unique_ptr<TSeSkinObject> copy = CloneSkinObject(object);
    if (!copy) return;
    const TRect stored = object.BoundsRect();
    if (stored.Bottom > stored.Top) {
      copy->SetBounds({stored.Left, stored.Top, stored.Right, stored.Bottom + 1});
      copy->SetBounds(stored);
    } else {
      // Without a height, nothing remembered moves a corner child.
      copy->Realign();
    }
    for (int i = 0; i < object.ObjectCount(); ++i) {
      const TSeSkinObject* child = object.Objects(i);
      const TSeSkinObject* placed = copy->Objects(i);
      if (child == nullptr || placed == nullptr || child->Align() == TSeAlign::saText) continue;
      if (placed->BoundsRect() != child->BoundsRect())
        Report(path + "." + child->Name(), "stored bounds " + Text(child->BoundsRect()) +
                                               " differ from the layout " +
                                               Text(placed->BoundsRect()));
    }
  }

  void CheckLinks(TSeSkinObject& object, const std::string& path) {
    // State pictures stand in for the normal one in the same nine-grid.
    const TSeBitmapLink* normal = nullptr;
    if (const TPropertyInfo* p = object.ClassInfo().FindProperty("Bitmap");
        p != nullptr && p->Kind() == TPropertyKind::pkObject)
      normal = ObjectAs<TSeBitmapLink>(p->GetObject(object));
    for (const TPropertyInfo* property : object.ClassInfo().Properties()) {
      if (property->Kind() != TPropertyKind::pkObject) continue;
      const auto* link = ObjectAs<TSeBitmapLink>(property->GetObject(object));
      if (link == nullptr) continue;
      const std::string where = path + "." + property->Name();
      const TRect r = link->GetRect();
      if (link->GetName().empty()) {
        if (r.Right != 0 || r.Bottom != 0 || r.Left != 0 || r.Top != 0)
          Report(where, "a source rectangle without a bitmap name");
        continue;
      }
      const TSeBitmap* bitmap = FindBitmap(link->GetName());
      if (bitmap == nullptr) {
        Report(where, "links to \"" + link->GetName() + "\", which the skin does not hold");
        continue;
      }
      const std::string rect = Text(r);
      if (r.Right <= r.Left || r.Bottom <= r.Top) {
        Report(where, "empty source rectangle " + rect);
        continue;
      }
      if (r.Left < 0 || r.Top < 0 || r.Right > bitmap->Width() || r.Bottom > bitmap->Height()) {
        Report(where, "source rectangle " + rect + " lies outside \"" + link->GetName() + "\" (" +
                          std::to_string(bitmap->Width()) + " x " +
                          std::to_string(bitmap->Height()) + ")");
        continue;
      }
      if (normal != nullptr && link != normal && !normal->GetName().empty()) {
        const TRect n = normal->GetRect();
        if (RectWidth(n) != RectWidth(r) || RectHeight(n) != RectHeight(r))
          Report(where, "differs in size from Bitmap " + Text(n) + ", whose nine-grid it shares");
      }
      // Margins cut the picture into nine parts; they must fit the picture and the part.
      const int mx = object.MarginLeft() + object.MarginRight();
      const int my = object.MarginTop() + object.MarginBottom();
      if (mx == 0 && my == 0) continue;
      if (mx > r.Right - r.Left || my > r.Bottom - r.Top)
        Report(where, "margins " + std::to_string(mx) + " x " + std::to_string(my) +
                          " larger than the picture " + rect);
      else if ((object.Width() > 0 && mx > object.Width()) ||
               (object.Height() > 0 && my > object.Height()))
        Report(where, "margins " + std::to_string(mx) + " x " + std::to_string(my) +
                          " larger than the part (" + std::to_string(object.Width()) + " x " +
                          std::to_string(object.Height()) + ")");
    }
  }

  const TSeSkinSource& source_;
  std::vector<std::string> problems_;
};

}  // namespace

std::vector<std::string> TSkinLinter::Check(const TSeSkinSource& source) {
  return Linter(source).Run();
}

}  // namespace skintool
