#pragma once

// The tab control drawn from a skin object (default "Tabs"): tabs from "Tab" (or "TabTop",
// "TabBottom", "TabLeft", "TabRight" for the strip's side), the page area from "Frame", the
// captions in the fonts of "Text" and the scroll buttons from "LeftButton" and "RightButton".
// Without an active skin it paints the plain look.

#include "skin/controls/TSeSkinBinding.h"
#include "skin/controls/win/TSeCustomTabControl.h"

class TSeSkinObject;

class TSeSkinTabControl : public TSeCustomTabControl {
  QM_CLASS(TSeSkinTabControl, TSeCustomTabControl)
  // clang-format off
  QM_MESSAGE_TABLE(TSeSkinTabControl, TSeCustomTabControl,
    QM_MESSAGE(SE_AFTERCHANGE, SEAfterChange))
  // clang-format on

 public:
  explicit TSeSkinTabControl(TComponent* owner);
  static void DeclareProperties(TPropertyBuilder<TSeSkinTabControl>& p);
  TSeSkinBinding* SkinBinding() override { return &binding_; }
  void Loaded() override;

 protected:
  std::int32_t GetMarginLeft() override;
  std::int32_t GetMarginTop() override;
  std::int32_t GetMarginRight() override;
  std::int32_t GetMarginBottom() override;
  void PaintTab(HDC dc, std::int32_t index) override;
  void PaintPageFrame(HDC dc) override;
  void PaintLeftButton(HDC dc) override;
  void PaintRightButton(HDC dc) override;
  void SkinBound() override;
  void SEAfterChange(TMessage& message);

 private:
  // The copy's child of that name while the skin is active; none otherwise.
  TSeSkinObject* SkinPart(const char* name);
  bool PaintButtonObject(HDC dc, const char* name, const TRect& rect, bool hot, bool pressed);

  TSeSkinBinding binding_{*this, "Tabs", &Seam()};
};
