#pragma once

// The scroll bar drawn from a skin object (default "ScrollBar"): the frame child as the track,
// the button children in their states, the slider as the thumb.

#include "skin/controls/win/TSeCustomScrollBar.h"
#include "skin/objects/SkinObjectTypes.h"

class TSeSkinScrollBar : public TSeCustomScrollBar {
  QM_CLASS(TSeSkinScrollBar, TSeCustomScrollBar)

 public:
  explicit TSeSkinScrollBar(TComponent* owner);
  static void DeclareProperties(TPropertyBuilder<TSeSkinScrollBar>& p);
  TSeSkinBinding* SkinBinding() override { return &binding_; }

 protected:
  void DrawBorder(HDC dc) override;
  void DrawTrack(HDC dc, const RECT& r) override;
  void DrawFirstButton(HDC dc, const RECT& r) override;
  void DrawSecondButton(HDC dc, const RECT& r) override;
  void DrawThumb(HDC dc, const RECT& r) override;
  void DrawPageBefore(HDC dc, const RECT& r) override;
  void DrawPageAfter(HDC dc, const RECT& r) override;
  std::int32_t ButtonMetric() override;
  void SkinBound() override;

 private:
  // The first child of the copy found under NAME, else under FALLBACK.
  TSeSkinObject* Part(const char* name, const char* fallback = nullptr);
  void DrawPart(TSeSkinObject* part, TSeObjectState state, const RECT& r);
  bool Horizontal() const { return Kind() == TScrollBarKind::sbHorizontal; }

  TSeSkinBinding binding_;
};
