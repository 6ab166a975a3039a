#include <gtest/gtest.h>

#include <algorithm>

#include "framework/core/ObjectText.h"
#include "framework/core/TClassInfo.h"
#include "framework/core/TEnumInfo.h"
#include "framework/core/TMemoryStream.h"
#include "framework/core/TPropertyInfo.h"
#include "framework/core/TWriter.h"
#include "skin/objects/SkinObjectRegistry.h"
#include "skin/objects/TSeActiveObject.h"
#include "skin/objects/TSeBitmapObject.h"
#include "skin/objects/TSeButtonObject.h"
#include "skin/objects/TSeTextObject.h"
#include "tests/skin/objects/SkinObjectTestSupport.h"

namespace {

// Gives every published property of instance, sub-objects included, a value that differs from
// the one it has and from the values given before, and returns their dotted paths. The
// component's own Name and Tag are left alone: skin objects copy neither as properties.
std::vector<std::string> SetEveryProperty(TPersistent& instance, const std::string& prefix = "") {
  static std::int32_t next = 0;
  std::vector<std::string> paths;
  const std::vector<const TPropertyInfo*> component = TComponent::StaticClassInfo().Properties();
  for (const TPropertyInfo* property : instance.ClassInfo().Properties()) {
    if (std::find(component.begin(), component.end(), property) != component.end()) continue;
    const std::string path = prefix + property->Name();
    const std::int32_t step = ++next;
    switch (property->Kind()) {
      case TPropertyKind::pkInteger:
        property->SetOrdinal(instance, property->GetOrdinal(instance) + step);
        break;
      case TPropertyKind::pkBoolean:
        property->SetOrdinal(instance, property->GetOrdinal(instance) == 0 ? 1 : 0);
        break;
      case TPropertyKind::pkEnum: {
        const std::int32_t count = property->EnumType()->Count();
        const std::int32_t shift = 1 + step % (count - 1);
        property->SetOrdinal(instance, (property->GetOrdinal(instance) + shift) % count);
        break;
      }
      case TPropertyKind::pkSet:
        property->SetOrdinal(instance, property->GetOrdinal(instance) ^ 1);
        break;
      case TPropertyKind::pkString:
        property->SetString(instance, property->GetString(instance) + "V" + std::to_string(step));
        break;
      case TPropertyKind::pkObject: {
        auto more = SetEveryProperty(*property->GetObject(instance), path + ".");
        paths.insert(paths.end(), more.begin(), more.end());
        continue;
      }
      default:
        ADD_FAILURE() << path << ": a kind of property the copy test does not set";
        continue;
    }
    paths.push_back(path);
  }
  return paths;
}

std::string WrittenText(TSeSkinObject& object) {
  TMemoryStream stream;
  {
    TWriter writer(stream);
    writer.WriteRootComponent(object);
  }
  return ObjectBinaryToText(stream.Bytes());
}

TSeSkinObject* Child(TSeSkinObject& parent, const char* name, TSeAlign align, TRect bounds) {
  auto* child = new TSeSkinObject(&parent);
  child->SetName(name);
  child->SetAlign(align);
  child->SetBounds(bounds);
  return child;
}

TEST(SkinObjectTree, ChildrenAreOwnedInOrderAndIndexOutsideIsNone) {
  TSeSkinObject root(nullptr);
  auto* a = new TSeSkinObject(&root);
  auto* b = new TSeSkinObject(&root);
  EXPECT_EQ(root.ObjectCount(), 2);
  EXPECT_EQ(root.Objects(0), a);
  EXPECT_EQ(root.Objects(1), b);
  EXPECT_EQ(root.Objects(-1), nullptr);
  EXPECT_EQ(root.Objects(2), nullptr);
  delete a;  // a child that goes leaves its parent's list
  EXPECT_EQ(root.ObjectCount(), 1);
  EXPECT_EQ(root.Objects(0), b);
}

TEST(SkinObjectLayout, SetBoundsClampsNegativeSizeAndSkipsEqualBounds) {
  TSeSkinObject root(nullptr);
  root.SetBounds({10, 10, 5, 0});
  EXPECT_EQ(root.Width(), 0);
  EXPECT_EQ(root.Height(), 0);

  root.SetBounds({0, 0, 100, 50});
  auto* client = Child(root, "c", TSeAlign::saClient, {});
  root.SetBounds({0, 0, 100, 60});
  EXPECT_EQ(client->BoundsRect(), (TRect{0, 0, 100, 60}));
  // Moving the child by hand shows whether the same bounds lay the children out again.
  client->SetBounds({1, 1, 2, 2});
  root.SetBounds({0, 0, 100, 60});
  EXPECT_EQ(client->BoundsRect(), (TRect{1, 1, 2, 2}));
  EXPECT_EQ(root.PrevWidth(), 100);
}

TEST(SkinObjectLayout, EdgePassesRunMostFirstThenSidesThenClient) {
  TSeSkinObject root(nullptr);
  auto* top1 = Child(root, "top1", TSeAlign::saTop, {0, 0, 0, 10});
  auto* top2 = Child(root, "top2", TSeAlign::saTop, {0, 0, 0, 5});
  auto* left = Child(root, "left", TSeAlign::saLeft, {0, 0, 7, 0});
  auto* mostLeft = Child(root, "mostLeft", TSeAlign::saMostLeft, {0, 0, 3, 0});
  auto* mostTop = Child(root, "mostTop", TSeAlign::saMostTop, {0, 0, 0, 4});
  auto* bottom = Child(root, "bottom", TSeAlign::saBottom, {0, 0, 0, 6});
  auto* right = Child(root, "right", TSeAlign::saRight, {0, 0, 8, 0});
  auto* hidden = Child(root, "hidden", TSeAlign::saTop, {0, 0, 0, 50});
  hidden->SetVisible(false);
  auto* client1 = Child(root, "client1", TSeAlign::saClient, {});
  auto* client2 = Child(root, "client2", TSeAlign::saClient, {});
  auto* none = Child(root, "none", TSeAlign::saNone, {1, 2, 3, 4});

  root.SetBounds({100, 200, 200, 300});

  // The most-top child comes later in the list and still sits above the plain tops.
  EXPECT_EQ(mostTop->BoundsRect(), (TRect{100, 200, 200, 204}));
  // The most-left one spans below the most-top one only.
  EXPECT_EQ(mostLeft->BoundsRect(), (TRect{100, 204, 103, 300}));
  EXPECT_EQ(top1->BoundsRect(), (TRect{103, 204, 200, 214}));
  EXPECT_EQ(top2->BoundsRect(), (TRect{103, 214, 200, 219}));
  EXPECT_EQ(bottom->BoundsRect(), (TRect{103, 294, 200, 300}));
  EXPECT_EQ(left->BoundsRect(), (TRect{103, 219, 110, 294}));
  EXPECT_EQ(right->BoundsRect(), (TRect{192, 219, 200, 294}));
  EXPECT_EQ(client1->BoundsRect(), (TRect{110, 219, 192, 294}));
  EXPECT_EQ(client2->BoundsRect(), client1->BoundsRect());
  EXPECT_EQ(hidden->BoundsRect(), (TRect{0, 0, 0, 50}));
  EXPECT_EQ(none->BoundsRect(), (TRect{1, 2, 3, 4}));
}

TEST(SkinObjectLayout, TextChildrenTakeTheWidthOfTheirStateFontAndCentredOnesSitMidway) {
  TSeSkinObject root(nullptr);
  // A text box measured with the font its state shows (hot: 20 high), not its stored one.
  auto* text = new TSeTextObject(&root);
  text->SetAlign(TSeAlign::saText);
  text->SetBounds({0, 0, 1, 10});
  text->SetText(u"Caption");
  text->SetTextMarginLeft(3);
  text->SetTextMarginRight(4);
  TFont hot;
  hot.SetHeight(-20);
  text->SetFontHot(hot);
  text->SetState(TSeObjectState::osHot);
  auto* centred = Child(root, "c", TSeAlign::saCenter, {0, 0, 20, 10});
  root.SetBounds({0, 0, 101, 51});

#ifdef _WIN32
  // The platform measures the real glyphs; the stored font (11 high) would give less.
  EXPECT_EQ(text->Width(), SkinSeam::ScreenTextWidth(u"Caption", hot) + 7);
#else
  // The host's screen measures every character as half the font's height: 7 x 10 + 3 + 4.
  EXPECT_EQ(text->Width(), 77);
#endif
  EXPECT_EQ(text->Left(), 0);
  EXPECT_EQ(centred->BoundsRect(), (TRect{40, 20, 60, 30}));  // halves round toward zero
}

TEST(SkinObjectLayout, CaptionOfTheFrameKeepsButtonsAtTheRightEdge) {
  TSeSkinObject caption(nullptr);
  caption.SetBounds({0, 0, 375, 29});
  Child(caption, "CaptionLeft", TSeAlign::saLeft, {0, 0, 10, 29});
  Child(caption, "CaptionRight", TSeAlign::saRight, {0, 0, 10, 29});
  auto* title = Child(caption, "Title", TSeAlign::saClient, {});
  auto* container = Child(*title, "ButtonContainer", TSeAlign::saTopRight, {290, 5, 350, 26});
  auto* close = Child(*container, "Close", TSeAlign::saRight, {0, 0, 21, 0});
  auto* max = Child(*container, "Max", TSeAlign::saRight, {0, 0, 21, 0});
  auto* glyph = Child(*close, "Glyph", TSeAlign::saCenter, {0, 0, 9, 9});
  caption.Realign();
  EXPECT_EQ(title->BoundsRect(), (TRect{10, 0, 365, 29}));

  // Widen the window by 100: the container keeps its 15 pixels from the title's right edge.
  caption.SetBounds({0, 0, 475, 29});
  EXPECT_EQ(title->Width(), 455);
  EXPECT_EQ(container->Left(), 390);
  // The buttons follow their container, and the glyph its button.
  EXPECT_EQ(close->BoundsRect(), (TRect{429, 5, 450, 26}));
  EXPECT_EQ(max->BoundsRect(), (TRect{408, 5, 429, 26}));
  EXPECT_EQ(glyph->BoundsRect(), (TRect{435, 11, 444, 20}));

  // Bitmap objects lay out again at every paint; that must not move the container again.
  title->Realign();
  title->Realign();
  EXPECT_EQ(container->Left(), 390);
}

TEST(SkinObjectLayout, BottomCornersFollowTheBottomEdge) {
  TSeSkinObject root(nullptr);
  root.SetBounds({0, 0, 100, 100});
  auto* bl = Child(root, "bl", TSeAlign::saBottomLeft, {0, 90, 10, 100});
  auto* br = Child(root, "br", TSeAlign::saBottomRight, {90, 90, 100, 100});
  root.SetBounds({0, 0, 150, 120});
  EXPECT_EQ(bl->Top(), 110);
  EXPECT_EQ(bl->Left(), 0);
  EXPECT_EQ(br->Left(), 140);
  EXPECT_EQ(br->Top(), 110);
}

TEST(SkinObjectHitTest, LaterChildWinsEdgesAreOutsideTransparentIsNeverHit) {
  TSeSkinObject root(nullptr);
  root.SetBounds({0, 0, 100, 100});
  auto* under = Child(root, "under", TSeAlign::saNone, {10, 10, 60, 60});
  auto* over = Child(root, "over", TSeAlign::saNone, {40, 40, 80, 80});
  auto* glyph = Child(*over, "glyph", TSeAlign::saNone, {45, 45, 55, 55});
  glyph->SetKind(TSeKind::skTranparent);
  auto* hidden = Child(root, "hidden", TSeAlign::saNone, {0, 0, 5, 5});
  hidden->SetVisible(false);

  EXPECT_EQ(root.ObjectAtPoint({50, 50}), over);  // inside the glyph: it falls to its button
  EXPECT_EQ(root.ObjectAtPoint({20, 20}), under);
  EXPECT_EQ(root.ObjectAtPoint({59, 30}), under);
  EXPECT_EQ(root.ObjectAtPoint({60, 30}), &root);  // right edge of under is outside it
  EXPECT_EQ(root.ObjectAtPoint({2, 2}), &root);
  EXPECT_EQ(root.ObjectAtPoint({100, 5}), nullptr);
  over->SetKind(TSeKind::skTranparent);
  EXPECT_EQ(root.ObjectAtPoint({50, 50}), under);
}

TEST(SkinObjectLookup, NameIgnoresCaseInPreOrderAndKindFindsTheFirst) {
  TSeSkinObject root(nullptr);
  root.SetName("Button");
  auto* frame = Child(root, "Frame", TSeAlign::saNone, {});
  auto* face1 = Child(*frame, "Face", TSeAlign::saNone, {});
  auto* face2 = Child(root, "face", TSeAlign::saNone, {});
  face1->SetKind(TSeKind::skClient);
  face2->SetKind(TSeKind::skClient);
  EXPECT_EQ(root.FindByName("face"), face1);
  EXPECT_EQ(root.FindByName("BUTTON"), &root);
  EXPECT_EQ(root.FindByName("Glyph"), nullptr);
  EXPECT_EQ(root.FindByKind(TSeKind::skClient), face1);
  EXPECT_EQ(root.FindByKind(TSeKind::skNone), &root);
  EXPECT_EQ(root.FindByKind(TSeKind::skTitle), nullptr);
  (void)face2;
}

TEST(SkinObjectState, ActiveShortCutsStateAndControlReachTheWholeTree) {
  TSeSkinObject root(nullptr);
  auto* child = new TSeSkinObject(&root);
  auto* grandchild = new TSeSkinObject(child);

  root.SetActive(true);
  EXPECT_TRUE(grandchild->Active());
  // The root already holds False after this, so a later False stops at the root.
  root.SetActive(false);
  grandchild->SetActive(true);
  root.SetActive(false);
  EXPECT_TRUE(grandchild->Active());

  root.SetState(TSeObjectState::osHot);
  EXPECT_EQ(grandchild->State(), TSeObjectState::osHot);

  FakeControl control;
  control.Mode = TSeBiDiMode::bdRightToLeft;
  root.SetControl(&control);
  EXPECT_EQ(grandchild->Control(), &control);
  EXPECT_EQ(grandchild->BiDiMode(), TSeBiDiMode::bdRightToLeft);
  root.SetControl(nullptr);
  EXPECT_EQ(grandchild->Control(), nullptr);
  EXPECT_EQ(grandchild->BiDiMode(), TSeBiDiMode::bdRightToLeft);

  root.SetCharset(0);
  EXPECT_EQ(grandchild->GetFont().Charset(), 0);
}

TEST(SkinObjectRegion, TreeRegionUnitesVisibleChildrenUnlessTheObjectPaintsItself) {
  TSeSkinObject form(nullptr);
  form.SetBounds({0, 0, 100, 80});
  Child(form, "caption", TSeAlign::saNone, {0, 0, 100, 20});
  Child(form, "client", TSeAlign::saNone, {0, 20, 100, 80});
  auto* hidden = Child(form, "hidden", TSeAlign::saNone, {200, 200, 210, 210});
  hidden->SetVisible(false);
  Child(form, "empty", TSeAlign::saNone, {0, 0, 0, 0});

  auto region = form.CreateTreeRegion();
  ASSERT_TRUE(region);
  ASSERT_EQ(region->Rects.size(), 2u);
  EXPECT_EQ(region->Rects[1], (TRect{0, 20, 100, 80}));
  EXPECT_EQ(region->Bounds, (TRect{0, 0, 100, 80}));

  form.SetDrawIfOwner(true);
  region = form.CreateTreeRegion();
  ASSERT_EQ(region->Rects.size(), 1u);
  EXPECT_EQ(region->Rects[0], form.BoundsRect());

  form.SetDrawIfOwner(false);
  for (int i = 0; i < form.ObjectCount(); ++i) form.Objects(i)->SetBounds({});
  region = form.CreateTreeRegion();
  ASSERT_TRUE(region);
  EXPECT_TRUE(region->Rects.empty());

  form.SetBounds({0, 0, 0, 80});
  EXPECT_FALSE(form.CreateTreeRegion());
}

TEST(SkinObjectCopy, AssignCopiesStoredPartChildrenAndBoundsButNotRunTimeFields) {
  TSeActiveObject source(nullptr);
  source.SetName("Item");
  source.SetColor(0x112233);
  source.SetKind(TSeKind::skPopupMenuItem);
  source.SetMargins(1, 2, 3, 4);
  source.SetTextMarginTop(5);
  source.SetActiveColor(0x445566);
  source.SetText(u"run time");
  source.SetVisible(false);
  auto* child = new TSeTextObject(&source);
  child->SetName("Text");
  TFont hot;
  hot.SetColor(0x0000FF);
  child->SetFontHot(hot);
  source.SetBounds({10, 20, 110, 40});
  child->SetBounds({0, 0, 5, 5});  // not where a layout would put it

  // Across classes only the skin object part is copied.
  TSeBitmapObject other(nullptr);
  other.Assign(&source);
  EXPECT_EQ(other.Name(), "Item");
  EXPECT_EQ(other.Color(), 0x112233);
  EXPECT_EQ(other.MarginBottom(), 4);
  EXPECT_EQ(other.BoundsRect(), (TRect{10, 20, 110, 40}));
  EXPECT_TRUE(other.Visible());
  EXPECT_TRUE(other.Text().empty());
  ASSERT_EQ(other.ObjectCount(), 1);
  auto* copiedChild = dynamic_cast<TSeTextObject*>(other.Objects(0));
  ASSERT_NE(copiedChild, nullptr);
  EXPECT_EQ(copiedChild->FontHot().Color(), 0x0000FF);
  EXPECT_EQ(copiedChild->BoundsRect(), (TRect{0, 0, 5, 5}));

  // Within the class the own part comes too; existing children stay and clones are appended.
  TSeActiveObject same(nullptr);
  new TSeSkinObject(&same);
  same.Assign(&source);
  EXPECT_EQ(same.ActiveColor(), 0x445566);
  EXPECT_EQ(same.ObjectCount(), 2);

  TSeActiveObject fromPlain(nullptr);
  fromPlain.SetActiveColor(0x777777);
  fromPlain.Assign(&other);
  EXPECT_EQ(fromPlain.ActiveColor(), 0x777777);
  EXPECT_EQ(fromPlain.Color(), 0x112233);
}

TEST(SkinObjectRegistry, EveryClassIsRegisteredByItsExactNameAndClonesWhole) {
  const char* names[] = {"TSeSkinObject",
                         "TSeActiveObject",
                         "TSeBitmapObject",
                         "TSeActiveBitmap",
                         "TSeSystemButton",
                         "TSeButtonObject",
                         "TSeTextObject",
                         "TSeLinkSkinObject",
                         "TSeBitmapSkinObject",
                         "TSeFormBitmapSkinObject",
                         "TSeSysButtonSkinObject",
                         "TSeActiveSkinObject",
                         "TSeColorButtonObject",
                         "TSeBitmapBoxObject",
                         "TSeActiveBitmapBoxObject",
                         "TSeButtonBitmapBoxObject",
                         "TSeRollPanelObject"};
  for (const char* name : names) {
    const TClassInfo* cls = FindSkinObjectClass(name);
    ASSERT_NE(cls, nullptr) << name;
    std::unique_ptr<TComponent> made(cls->Create(nullptr));
    auto* object = ObjectAs<TSeSkinObject>(made.get());
    ASSERT_NE(object, nullptr) << name;
    EXPECT_EQ(object->ClassName(), name);
    // A copy writes the same form as its original: a property that Assign forgets shows.
    object->SetName("Sample");
    const std::vector<std::string> paths = SetEveryProperty(*object);
    const std::string written = WrittenText(*object);
    for (const std::string& path : paths)
      EXPECT_NE(written.find("  " + path + " = "), std::string::npos) << name << " " << path;
    auto copy = CloneSkinObject(*object);
    ASSERT_TRUE(copy) << name;
    EXPECT_EQ(copy->ClassName(), name);
    EXPECT_EQ(WrittenText(*copy), written) << name;
  }
  EXPECT_EQ(FindSkinObjectClass("tseskinobject"), nullptr);
  EXPECT_EQ(FindSkinObjectClass("TSeUnknown"), nullptr);

  TSeSkinObject root(nullptr);
  auto* child = new TSeButtonObject(&root);
  new TSeSkinObject(child);
  TSeSkinObject parent(nullptr);
  TSeSkinObject* copy = CloneSkinObject(root, &parent);
  ASSERT_EQ(parent.ObjectCount(), 1);
  EXPECT_EQ(parent.Objects(0), copy);
  ASSERT_EQ(copy->ObjectCount(), 1);
  EXPECT_NE(copy->Objects(0), child);
  EXPECT_EQ(copy->Objects(0)->ObjectCount(), 1);
}

}  // namespace
