#pragma once

// The library's own scroll bar: a windowless control that paints a track, two arrow buttons and
// a thumb, follows the mouse, repeats while a button or the track is held, and reports scroll
// requests through OnScroll (which may alter the position) and changes through OnChange. Range,
// geometry, stepping and dragging are TSeScrollBarModel's; this class adds the platform.

#include <windows.h>

#include <memory>

#include "framework/ui/TTimer.h"
#include "skin/controls/win/TSeGraphicControl.h"
#include "skin/controls/TSeScrollBarModel.h"

const TEnumInfo& ScrollBarKindInfo();

using TSeScrollEvent = TEvent<TObject*, TScrollCode, std::int32_t&>;

class TSeCustomScrollBar : public TSeGraphicControl {
  QM_CLASS(TSeCustomScrollBar, TSeGraphicControl)
  // clang-format off
  QM_MESSAGE_TABLE(TSeCustomScrollBar, TSeGraphicControl,
    QM_MESSAGE(CM_MOUSELEAVE, CMMouseLeave))
  // clang-format on

 public:
  explicit TSeCustomScrollBar(TComponent* owner);
  ~TSeCustomScrollBar() override;
  static void DeclareProperties(TPropertyBuilder<TSeCustomScrollBar>& p);

  TScrollBarKind Kind() const { return model_.Kind(); }
  void SetKind(TScrollBarKind value);
  std::int32_t Min() const { return model_.Min(); }
  void SetMin(std::int32_t value);
  std::int32_t Max() const { return model_.Max(); }
  void SetMax(std::int32_t value);
  std::int32_t PageSize() const { return model_.PageSize(); }
  void SetPageSize(std::int32_t value);
  std::int32_t Position() const { return model_.Position(); }
  void SetPosition(std::int32_t value);
  std::int32_t LargeChange() const { return model_.LargeChange(); }
  void SetLargeChange(std::int32_t value) { model_.SetLargeChange(value); }
  std::int32_t SmallChange() const { return model_.SmallChange(); }
  void SetSmallChange(std::int32_t value) { model_.SetSmallChange(value); }
  bool ShowButtons() const { return model_.ShowButtons(); }
  void SetShowButtons(bool value);
  std::int32_t BorderWidth() const { return model_.BorderWidth(); }
  void SetBorderWidth(std::int32_t value);

  // The geometry as painted (control coordinates).
  const TSeScrollBarModel& Model();
  bool Dragging() const { return model_.Dragging(); }

  TNotifyEvent OnChange;
  TSeScrollEvent OnScroll;

  void SetBounds(int left, int top, int width, int height) override;

 protected:
  void PaintClient() override;
  // The parts, painted in this order after the border and the track.
  virtual void DrawBorder(HDC dc);
  virtual void DrawTrack(HDC dc, const RECT& r);
  virtual void DrawFirstButton(HDC dc, const RECT& r);
  virtual void DrawSecondButton(HDC dc, const RECT& r);
  virtual void DrawThumb(HDC dc, const RECT& r);
  virtual void DrawPageBefore(HDC dc, const RECT& r);
  virtual void DrawPageAfter(HDC dc, const RECT& r);
  // Buttons start from this size (the skinned bar takes its button picture's).
  virtual std::int32_t ButtonMetric();

  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

  // Hot and pressed parts, as the painting reads them.
  struct TPartFlags {
    bool Thumb = false;
    bool First = false;
    bool Second = false;
    bool PageBefore = false;
    bool PageAfter = false;
    bool operator==(const TPartFlags&) const = default;
  };
  TPartFlags hot_;
  TPartFlags pressed_;

 private:
  void CMMouseLeave(TMessage& message);
  // One request through OnScroll; the position is set from what the handler leaves.
  void Scroll(TScrollCode code);
  void ScrollTo(TScrollCode code, std::int32_t position);
  void SetPositionNotify(std::int32_t value);
  TPartFlags HotAt(POINT p);
  void StartRepeat();
  void RepeatStep();
  std::int32_t ThumbMetric() const;

  TSeScrollBarModel model_;
  POINT lastPointer_{-1, -1};
  std::unique_ptr<TTimer> timer_;
};
