#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "framework/core/TEvent.h"
#include "skin/forms/win/TSeCustomForm.h"
#include "skin/objects/TSeObjectControl.h"

class TSeSkinEngine;
class TSeSkinObject;
class TTimer;

using TCustomActionEvent = TEvent<TSeSkinObject*>;

// The component a window holds to skin its frame: a TSeCustomForm that keeps a private copy
// of the skin's "Form" tree and lets it answer the frame's questions (client rectangle,
// region, zones, painting), routes frame mouse events to the tree's objects (the caption
// buttons), tracks the hot object every 100 ms, and binds again at every skin change. Without
// a usable skin every answer falls back to the plain frame.
//
// Messages, before the window (after TSeCustomForm's own):
//   SE_OBJECTCHANGED   an object's look changed: PaintNonClient (not for the client)  handled
//   SE_GETSKINFORM     answers this component                                         handled
//   SE_BEFORECHANGE    our engine: drop the copy (timer stopped meanwhile)           not handled
//   SE_AFTERCHANGE     our engine: bind again, repaint                                not handled
class TSeSkinForm : public TSeCustomForm, public TSeObjectControl {
  QM_CLASS(TSeSkinForm, TSeCustomForm)
  // clang-format off
  QM_MESSAGE_TABLE(TSeSkinForm, TSeCustomForm,
    QM_MESSAGE(SE_OBJECTCHANGED, SEObjectChanged)
    QM_MESSAGE(SE_GETSKINFORM, SEGetSkinForm)
    QM_MESSAGE(SE_BEFORECHANGE, SEBeforeChange)
    QM_MESSAGE(SE_AFTERCHANGE, SEAfterChange))
  // clang-format on

 public:
  static constexpr const char* kVersion = "3.1.5";

  explicit TSeSkinForm(TComponent* owner);
  ~TSeSkinForm() override;
  static void DeclareProperties(TPropertyBuilder<TSeSkinForm>& p);

  TSeSkinEngine* SkinEngine() const { return engine_; }
  void SetSkinEngine(TSeSkinEngine* engine);
  const std::string& SkinObject() const { return skinObject_; }
  void SetSkinObject(const std::string& value) { skinObject_ = value; }
  TCustomActionEvent OnCustomAction;

  // The private copy of the skin (none while unskinned).
  TSeSkinObject* SkinCopy() const { return copy_.get(); }
  bool IsSkinned() const;
  void BindSkin(TSeSkinEngine* engine);
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  // Runs one tick of the hot tracking (the timer's work; tests call it directly too).
  void TrackHotObject();

  void CustomAction(TSeSkinObject* object) override;

  TRect GetCaptionButtonRect(TSeBorderIcon icon) override;
  TRect GetFrameClientRect() override;
  Handles::Region CreateFrameRegion() override;
  TSeFrameZone GetFrameZone(std::int32_t x, std::int32_t y) override;
  void FrameMouseDown(TSeMouseButton button, TShiftState shift, std::int32_t x,
                      std::int32_t y) override;
  void FrameMouseMove(TShiftState shift, std::int32_t x, std::int32_t y) override;
  void FrameMouseUp(TSeMouseButton button, TShiftState shift, std::int32_t x,
                    std::int32_t y) override;

  // TSeObjectControl: what the copy's objects ask of the window.
  void ObjectChanged(TSeSkinObject* object) override;
  TSeSkinFormActions* SkinForm() override { return this; }
  TSeBiDiMode BiDiMode() const override;
  bool DrawWindowIcon(TSeCanvas& canvas, std::int32_t x, std::int32_t y) override;
  TPoint ClientToScreen(TPoint point) const override;
  void ActivateHint(TPoint screen) override;

 protected:
  void PaintFrame(HDC dc) override;
  void PaintClientBackground(HDC dc) override;
  bool Skinned() const override { return IsSkinned(); }
  bool CachesFrame() const override { return Framed(); }
  const TSeSkinObject* PopupMenuObject() const override;

  void SEObjectChanged(TMessage& message);
  void SEGetSkinForm(TMessage& message);
  void SEBeforeChange(TMessage& message);
  void SEAfterChange(TMessage& message);

 private:
  // Frame painting and zones use the tree only for a framed window.
  bool Framed() const;
  void ReleaseCopy();
  void PositionLinkedControls();
  void TakeSkinSize();
  void NotifyComponents();
  void StateToTree();

  TSeSkinEngine* engine_ = nullptr;
  std::string skinObject_ = "Form";
  std::unique_ptr<TSeSkinObject> copy_;
  TSeSkinObject* client_ = nullptr;
  TSeSkinObject* title_ = nullptr;
  TSeSkinObject* hot_ = nullptr;
  TSeSkinObject* pressed_ = nullptr;
  TTimer* timer_ = nullptr;
};

// Makes TSeSkinForm known to window definitions.
void RegisterSkinFormClass();
