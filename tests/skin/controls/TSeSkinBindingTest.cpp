// The skin binding every skinned control holds, against a real engine and its announcements.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "../engine/EngineTestSkin.h"
#include "framework/core/TComponent.h"
#include "skin/SkinMessages.h"
#include "skin/controls/TSeSkinBinding.h"
#include "skin/engine/TSeChangeBroadcaster.h"
#include "skin/engine/TSeSkinEngine.h"
#include "skin/objects/TSeSkinObject.h"
#include "skin/store/TSeSkinSource.h"

namespace {

// A client as the controls are: it holds a binding and hears the engine's removal.
class TClient : public TComponent {
 public:
  TClient() : TComponent(nullptr), binding(*this, "Button", nullptr) {
    binding.OnBound = [this] { ++bound; };
  }
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove) binding.ComponentRemoved(component);
  }
  void StartDestroying() { Destroying(); }
  TSeSkinBinding binding;
  int bound = 0;
};

// Delivers the announcements to the clients as the windows' broadcaster would.
class TDelivery : public TSeChangeBroadcaster {
 public:
  void Broadcast(std::uint32_t message, TSeSkinEngine& engine) override {
    for (TClient* c : clients)
      c->binding.ChangeMessage(message, reinterpret_cast<std::intptr_t>(&engine));
  }
  std::vector<TClient*> clients;
};

class SkinBinding : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterSkinEngineClass();
    for (auto* e : {&engine, &other}) {
      *e = std::make_unique<TSeSkinEngine>(nullptr);
      (*e)->SetBroadcaster(&delivery);
    }
    EngineTestSkin::Fill(*engine->Source(), 1);
    EngineTestSkin::Fill(*other->Source(), 2);
    delivery.clients = {&client};
  }
  std::string CopyName() const {
    return client.binding.Copy() ? client.binding.Copy()->Name() : std::string("(none)");
  }
  TDelivery delivery;
  std::unique_ptr<TSeSkinEngine> engine, other;
  TClient client;
};

TEST_F(SkinBinding, TakesAPrivateCopyAndFollowsOnlyItsOwnEngine) {
  client.binding.SetEngine(engine.get());
  ASSERT_TRUE(client.binding.IsSkinActive());
  EXPECT_EQ("Button", CopyName());
  EXPECT_NE(engine->FindObject("Button"), client.binding.Copy());
  EXPECT_EQ(engine->FindObject("Button")->Color(), client.binding.Copy()->Color());

  // Another engine's change leaves the copy alone.
  const TSeSkinObject* copy = client.binding.Copy();
  other->BeforeChange();
  EXPECT_EQ(copy, client.binding.Copy());
  other->AfterChange();
  EXPECT_EQ(copy, client.binding.Copy());

  // Its own: dropped before, bound again after, with a name changed in between.
  engine->BeforeChange();
  EXPECT_EQ(nullptr, client.binding.Copy());
  EXPECT_FALSE(client.binding.IsSkinActive());
  client.binding.SetObjectName("Extra");
  EXPECT_EQ(nullptr, client.binding.Copy()) << "a new name waits for the next binding";
  engine->AfterChange();
  EXPECT_EQ("Extra", CopyName());
  EXPECT_TRUE(client.binding.IsSkinActive());
}

TEST_F(SkinBinding, IsPlainWithoutAUsableSkinWhileLoadingOrDestroyingAndWhenTheEngineGoes) {
  client.binding.SetObjectName("Missing");
  client.binding.SetEngine(engine.get());
  EXPECT_EQ(nullptr, client.binding.Copy());
  EXPECT_FALSE(client.binding.IsSkinActive());

  auto empty = std::make_unique<TSeSkinEngine>(nullptr);
  client.binding.SetObjectName("Button");
  client.binding.SetEngine(empty.get());
  EXPECT_FALSE(client.binding.EngineUsable());
  EXPECT_FALSE(client.binding.IsSkinActive());

  client.binding.SetEngine(engine.get());
  ASSERT_TRUE(client.binding.IsSkinActive());
  const int boundBefore = client.bound;
  engine.reset();
  EXPECT_EQ(nullptr, client.binding.Engine());
  EXPECT_EQ(nullptr, client.binding.Copy());
  EXPECT_EQ(boundBefore + 1, client.bound) << "the control repaints plain";

  client.binding.SetEngine(other.get());
  ASSERT_TRUE(client.binding.IsSkinActive());
  client.StartDestroying();
  EXPECT_FALSE(client.binding.IsSkinActive());
}

}  // namespace
