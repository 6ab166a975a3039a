#pragma once

// The memo drawn from a skin object (default "Edit"): the object's "Frame" child is the border
// (normal, or disabled), the object's colour becomes the memo's Color, and the covering bars
// are skinned scroll bars on the same engine.

#include "skin/SkinMessages.h"
#include "skin/controls/win/TSeCustomMemo.h"
#include "skin/controls/TSeSkinBinding.h"
#include "skin/controls/win/TSeControlSeam.h"

class TSeSkinEngine;

class TSeSkinMemo : public TSeCustomMemo {
  QM_CLASS(TSeSkinMemo, TSeCustomMemo)
  // clang-format off
  QM_MESSAGE_TABLE(TSeSkinMemo, TSeCustomMemo,
    QM_MESSAGE(SE_BEFORECHANGE, SEChange)
    QM_MESSAGE(SE_AFTERCHANGE, SEChange)
    QM_MESSAGE(SE_OBJECTCHANGED, SEObjectChanged))
  // clang-format on

 public:
  explicit TSeSkinMemo(TComponent* owner);
  static void DeclareProperties(TPropertyBuilder<TSeSkinMemo>& p);

  TSeSkinBinding* SkinBinding() { return &binding_; }
  bool IsSkinActive() const { return binding_.IsSkinActive(); }
  TSeSkinEngine* SkinEngine() const { return binding_.Engine(); }
  // Binds the memo and gives the engine to the drawn bars.
  void SetSkinEngine(TSeSkinEngine* engine);

  void Notification(TComponent* component, TOperation operation) override;
  void Loaded() override;

 protected:
  TSeCustomScrollBar* CreateScrollBarControl() override;
  void PaintBorder(HDC dc, const RECT& rect) override;

 private:
  void SkinBound();
  void SEChange(TMessage& message);
  void SEObjectChanged(TMessage& message);

  TSeControlSeam seam_{*this};
  TSeSkinBinding binding_;
};
