#include "framework/core/TComponent.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/core/Exception.h"
#include "framework/core/TClassRegistry.h"
#include "framework/core/TFont.h"
#include "framework/core/TPropertyBuilder.h"
#include "framework/core/TStringList.h"
#include "tests/framework/core/TestClasses.h"

namespace {

using namespace TestClasses;

// Records what it is told and when it goes.
class TWatcher : public TComponent {
  QM_CLASS(TWatcher, TComponent)
 public:
  TWatcher(TComponent* owner, std::string name, std::vector<std::string>& log)
      : TComponent(owner), log_(log) {
    SetName(name);
  }
  ~TWatcher() override { log_.push_back("destroy " + Name()); }
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    const bool destroying = component->ComponentState().Contains(TComponentStateFlag::csDestroying);
    log_.push_back(Name() + (operation == TOperation::opInsert ? " +" : " -") + component->Name() +
                   (destroying ? " (destroying)" : ""));
  }

 private:
  std::vector<std::string>& log_;
};

template <class E, class F>
std::string MessageOf(F&& f) {
  try {
    f();
  } catch (const E& e) {
    return e.Message();
  }
  return "no error";
}

TEST(Component, OwnerKeepsItsComponentsInInsertionOrderAndFindsThemIgnoringCase) {
  TComponent owner(nullptr);
  auto* a = new TComponent(&owner);
  a->SetName("Alpha");
  auto* b = new TComponent(&owner);
  b->SetName("beta");
  auto* unnamed = new TComponent(&owner);

  ASSERT_EQ(owner.ComponentCount(), 3);
  EXPECT_EQ(owner.Components(0), a);
  EXPECT_EQ(owner.Components(2), unnamed);
  EXPECT_EQ(b->ComponentIndex(), 1);
  EXPECT_EQ(owner.ComponentIndex(), -1);
  EXPECT_EQ(owner.FindComponent("ALPHA"), a);
  EXPECT_EQ(owner.FindComponent("Beta"), b);
  EXPECT_EQ(owner.FindComponent(""), nullptr);
  EXPECT_EQ(owner.FindComponent("gamma"), nullptr);
  EXPECT_EQ(MessageOf<EListError>([&] { owner.Components(3); }), "List index out of bounds (3)");
  EXPECT_THROW(owner.Components(-1), EListError);

  owner.RemoveComponent(a);
  EXPECT_EQ(a->Owner(), nullptr);
  EXPECT_EQ(owner.ComponentCount(), 2);
  EXPECT_EQ(owner.Components(0), b);
  delete a;
}

TEST(Component, DestroyingTheOwnerDestroysItsComponentsLastFirstAndTellsTheOthers) {
  std::vector<std::string> log;
  {
    TComponent owner(nullptr);
    new TWatcher(&owner, "A", log);
    new TWatcher(&owner, "B", log);
    new TWatcher(&owner, "C", log);
    log.clear();
  }
  const std::vector<std::string> expected = {"destroy C", "B -C (destroying)", "A -C (destroying)",
                                             "destroy B", "A -B (destroying)", "destroy A"};
  EXPECT_EQ(log, expected);
}

TEST(Component, InsertionAndRemovalReachEveryComponentOfTheOwnerAndTheirs) {
  std::vector<std::string> log;
  TComponent owner(nullptr);
  auto* a = new TWatcher(&owner, "A", log);
  new TWatcher(a, "Inner", log);
  log.clear();

  auto* b = new TComponent(&owner);  // unnamed while it is inserted
  b->SetName("B");
  EXPECT_EQ(log, (std::vector<std::string>{"Inner +", "A +"}));
  log.clear();
  delete b;
  EXPECT_EQ(log, (std::vector<std::string>{"Inner -B (destroying)", "A -B (destroying)"}));
  EXPECT_EQ(owner.ComponentCount(), 1);
}

TEST(Component, FreeNotificationWorksBothWaysAndEndsWithEitherSide) {
  std::vector<std::string> log;
  TComponent ownerX(nullptr);
  TComponent ownerY(nullptr);
  auto* a = new TWatcher(&ownerX, "A", log);
  auto* b = new TWatcher(&ownerY, "B", log);
  a->FreeNotification(b);
  a->FreeNotification(b);  // once only
  log.clear();
  delete b;
  EXPECT_EQ(log, (std::vector<std::string>{"destroy B", "A -B (destroying)"}));
  log.clear();
  delete a;  // the link to B is gone: nothing reaches freed memory
  EXPECT_EQ(log, (std::vector<std::string>{"destroy A"}));

  auto* c = new TWatcher(&ownerX, "C", log);
  auto* d = new TWatcher(&ownerY, "D", log);
  d->FreeNotification(c);
  d->RemoveFreeNotification(c);
  log.clear();
  delete c;
  EXPECT_EQ(log, (std::vector<std::string>{"destroy C"}));
  delete d;

  // Ownerless components link too.
  auto e = std::make_unique<TWatcher>(nullptr, "E", log);
  auto f = std::make_unique<TWatcher>(nullptr, "F", log);
  f->FreeNotification(e.get());
  log.clear();
  e.reset();
  EXPECT_EQ(log, (std::vector<std::string>{"destroy E", "F -E (destroying)"}));
}

TEST(Component, ComponentsOfOneOwnerHearOfEachOtherThroughTheOwnerOnly) {
  std::vector<std::string> log;
  TComponent owner(nullptr);
  auto* a = new TWatcher(&owner, "A", log);
  auto* b = new TWatcher(&owner, "B", log);
  a->FreeNotification(b);  // not needed, so not recorded: B is told once
  log.clear();
  delete a;
  EXPECT_EQ(log, (std::vector<std::string>{"destroy A", "B -A (destroying)"}));
}

TEST(Component, NamesAreIdentifiersUniqueAmongTheOwnersComponentsIgnoringCase) {
  TComponent owner(nullptr);
  auto* a = new TComponent(&owner);
  a->SetName("Button1");
  auto* b = new TComponent(&owner);

  EXPECT_EQ(MessageOf<EComponentError>([&] { b->SetName("BUTTON1"); }),
            "A component named BUTTON1 already exists");
  EXPECT_EQ(b->Name(), "");
  for (const char* bad : {"1Button", "Button 1", "Bu-tton", "caf\xC3\xA9", "."})
    EXPECT_EQ(MessageOf<EComponentError>([&] { b->SetName(bad); }),
              std::string("'") + bad + "' is not a valid component name");
  b->SetName("_Button_2");
  EXPECT_EQ(b->Name(), "_Button_2");
  a->SetName("BUTTON1");  // its own name in another case
  EXPECT_EQ(a->Name(), "BUTTON1");
  a->SetName("");
  b->SetName("");
  auto* c = new TComponent(&owner);  // several may stay unnamed
  EXPECT_EQ(c->Name(), "");

  // Taking over a named component checks the name too; components without an owner may share
  // names.
  auto loose = std::make_unique<TComponent>(nullptr);
  loose->SetName("Dup");
  c->SetName("Dup");
  EXPECT_THROW(owner.InsertComponent(loose.get()), EComponentError);
  EXPECT_EQ(loose->Owner(), nullptr);
}

TEST(Component, OwnershipCannotLoop) {
  TComponent root(nullptr);
  auto* child = new TComponent(&root);
  auto* grandchild = new TComponent(child);
  EXPECT_THROW(grandchild->InsertComponent(&root), EComponentError);
  EXPECT_THROW(child->InsertComponent(child), EComponentError);
  EXPECT_EQ(grandchild->ComponentCount(), 0);
}

TEST(Component, InsertingMovesAComponentFromItsPreviousOwner) {
  std::vector<std::string> log;
  TComponent first(nullptr);
  TComponent second(nullptr);
  auto* watcher = new TWatcher(&first, "W", log);
  auto* moved = new TComponent(&first);
  moved->SetName("Moved");
  log.clear();
  second.InsertComponent(moved);
  EXPECT_EQ(moved->Owner(), &second);
  EXPECT_EQ(first.ComponentCount(), 1);
  EXPECT_EQ(log, (std::vector<std::string>{"W -Moved"}));
  (void)watcher;
}

TEST(Component, PublishedFieldsFollowTheComponentOfTheirName) {
  TTestForm form(nullptr);
  auto* button = new TTestControl(&form);
  EXPECT_EQ(form.Button1, nullptr);
  button->SetName("Button1");
  EXPECT_EQ(form.Button1, button);
  button->SetName("Button2");
  EXPECT_EQ(form.Button1, nullptr);
  button->SetName("button1");
  EXPECT_EQ(form.Button1, button);
  delete button;
  EXPECT_EQ(form.Button1, nullptr);

  // A component of another class does not fit the field.
  auto* engine = new TTestEngine(&form);
  engine->SetName("Button1");
  EXPECT_EQ(form.Button1, nullptr);
  engine->SetName("SeSkinEngine1");
  EXPECT_EQ(form.SeSkinEngine1, engine);
  form.RemoveComponent(engine);
  EXPECT_EQ(form.SeSkinEngine1, nullptr);
  delete engine;
}

TEST(Component, DesigningPassesToOwnedComponentsAndDestroyingMarksTheWholeTree) {
  TComponent owner(nullptr);
  auto* child = new TComponent(&owner);
  owner.SetDesigning(true);
  EXPECT_TRUE(child->ComponentState().Contains(TComponentStateFlag::csDesigning));
  auto* later = new TComponent(&owner);
  EXPECT_TRUE(later->ComponentState().Contains(TComponentStateFlag::csDesigning));
  owner.SetDesigning(false);
  EXPECT_TRUE(owner.ComponentState().Empty());
  EXPECT_TRUE(child->ComponentState().Empty());
}

TEST(ClassInfo, NamesAndAncestryComeFromTheClassesThemselves) {
  TTestBitmapObject object(nullptr);
  const TComponent& asComponent = object;
  EXPECT_EQ(asComponent.ClassName(), "TTestBitmapObject");
  EXPECT_EQ(TFont().ClassName(), "TFont");
  EXPECT_TRUE(object.Is<TTestObject>());
  EXPECT_TRUE(object.Is<TPersistent>());
  EXPECT_TRUE(object.InheritsFrom(TObject::StaticClassInfo()));
  EXPECT_FALSE(object.Is<TTestControl>());
  EXPECT_EQ(ObjectAs<TTestObject>(static_cast<TObject*>(&object)), &object);
  EXPECT_EQ(ObjectAs<TTestControl>(static_cast<TObject*>(&object)), nullptr);
  EXPECT_EQ(TTestBitmapObject::StaticClassInfo().Parent(), &TTestObject::StaticClassInfo());
  EXPECT_TRUE(TTestBitmapObject::StaticClassInfo().CanCreate());
  EXPECT_FALSE(TFont::StaticClassInfo().CanCreate());
  EXPECT_FALSE(TStrings::StaticClassInfo().CanCreate());
}

TEST(ClassRegistry, FindsByExactNameAndTheFirstRegisteredWins) {
  TClassRegistry registry;
  const TClassInfo impostor("TTestObject", &TComponent::StaticClassInfo(), nullptr, nullptr);
  registry.Register<TTestObject>();
  registry.Register(impostor);
  registry.Register<TTestObject>();
  EXPECT_EQ(registry.Classes().size(), 1u);
  EXPECT_EQ(registry.Get("TTestObject"), &TTestObject::StaticClassInfo());
  EXPECT_EQ(registry.Get("ttestobject"), nullptr);
  EXPECT_EQ(MessageOf<EClassNotFound>([&] { registry.Find("TTestobject"); }),
            "Class TTestobject not found");

  std::unique_ptr<TComponent> made(registry.Find("TTestObject").Create(nullptr));
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made->ClassName(), "TTestObject");
  TComponent owner(nullptr);
  TComponent* owned = registry.Find("TTestObject").Create(&owner);
  EXPECT_EQ(owned->Owner(), &owner);
}

TEST(Persistent, AssignCopiesKnownClassesAndNamesBothSidesOtherwise) {
  TFont source;
  source.SetName("Verdana");
  source.SetHeight(-27);
  source.SetStyle({TFontStyle::fsBold});
  source.SetColor(clRed);
  TFont copy;
  int changes = 0;
  copy.OnChange = TNotifyEvent([&](TObject*) { ++changes; });
  copy.Assign(&source);
  EXPECT_TRUE(copy == source);
  EXPECT_EQ(changes, 1);
  copy.Assign(&source);
  EXPECT_EQ(changes, 1);  // nothing changed, nothing announced

  TStringList list;
  EXPECT_EQ(MessageOf<EConvertError>([&] { copy.Assign(&list); }),
            "Cannot assign a TStringList to a TFont");
  EXPECT_EQ(MessageOf<EConvertError>([&] { list.Assign(&copy); }),
            "Cannot assign a TFont to a TStringList");
  EXPECT_EQ(MessageOf<EConvertError>([&] { copy.Assign(nullptr); }),
            "Cannot assign a nil to a TFont");
  TComponent component(nullptr);
  EXPECT_EQ(MessageOf<EConvertError>([&] { component.Assign(&copy); }),
            "Cannot assign a TFont to a TComponent");
}

TEST(Font, SizeFollowsHeightThroughPixelsPerInch) {
  TFont font;
  EXPECT_EQ(font.Height(), -11);
  EXPECT_EQ(font.Size(), 8);
  font.SetPixelsPerInch(120);
  font.SetSize(8);
  EXPECT_EQ(font.Height(), -13);
  font.SetHeight(-27);
  EXPECT_EQ(font.Size(), 16);
}

TEST(StringList, LinesTextAndChangeEvents) {
  TStringList list;
  int changing = 0;
  int changed = 0;
  list.OnChanging = TNotifyEvent([&](TObject*) { ++changing; });
  list.OnChange = TNotifyEvent([&](TObject*) { ++changed; });
  list.Add(u"one");
  list.Add(u"two");
  EXPECT_EQ(changed, 2);
  EXPECT_EQ(changing, 2);
  EXPECT_EQ(list.Text(), u"one\r\ntwo\r\n");

  list.SetText(u"a\r\nb\nc\rd\r\n\r\n");
  EXPECT_EQ(changed, 3);  // one announcement for the whole replacement
  EXPECT_EQ(changing, 3);
  ASSERT_EQ(list.Count(), 5);
  EXPECT_EQ(list[3], u"d");
  EXPECT_EQ(list[4], u"");
  EXPECT_EQ(list.IndexOf(u"c"), 2);
  EXPECT_EQ(list.IndexOf(u"z"), -1);

  list.Put(0, u"A");
  list.Insert(1, u"inserted");
  list.Delete(2);
  EXPECT_EQ(list.Text(), u"A\r\ninserted\r\nc\r\nd\r\n\r\n");
  EXPECT_THROW(list.Get(5), EListError);
  EXPECT_THROW(list.Insert(7, u"x"), EListError);
  EXPECT_THROW(list.Delete(-1), EListError);

  TStringList copy;
  copy.Assign(&list);
  EXPECT_EQ(copy.Text(), list.Text());
}

}  // namespace
