#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/TComponent.h"
#include "framework/core/TPropertyBuilder.h"
#include "skin/objects/Geometry.h"
#include "skin/objects/SeColor.h"
#include "skin/objects/SkinObjectSeam.h"
#include "skin/objects/SkinObjectTypes.h"
#include "skin/objects/TSeBitmapLink.h"
#include "skin/objects/TSeBitmapList.h"
#include "skin/objects/TSeObjectControl.h"

class TSeSkinFormActions;

// A node of a skin object tree. It owns its children (in insertion order), lays them out inside
// its own bounds by their Align, paints itself and them, answers which object lies under a
// point and passes state, hue, charset and mouse notifications down. All objects of one tree
// share the root's coordinate space: Left and Top are not relative to the parent.
class TSeSkinObject : public TComponent {
  QM_CLASS(TSeSkinObject, TComponent)

 public:
  // The owner, when given, takes the new object as its last child.
  explicit TSeSkinObject(TComponent* owner);
  ~TSeSkinObject() override;

  static void DeclareProperties(TPropertyBuilder<TSeSkinObject>& p);
  // "Objects": the children, always stored, after the published properties.
  void DefineProperties(TFiler& filer) override;
  // Children travel in "Objects", never in the component stream's own child list.
  void GetChildren(const std::function<void(TComponent*)>&, TComponent*) override {}
  // Nested object records of a text source become children of the object they stand in.
  TComponent* GetChildOwner() override { return this; }

  int ObjectCount() const { return ComponentCount(); }
  // None outside the list.
  TSeSkinObject* Objects(int index) const;
  // The owner when it is a skin object.
  TSeSkinObject* ParentObject() const;

  // The children blob: a count word with the binary marker, then one record per child. A
  // record of an unregistered class is passed over by its length and its class noted in the
  // thread's skipped-class log.
  void WriteObjects(TStream& stream) const;
  void ReadObjects(TStream& stream);

  // Published properties.
  TSeAlign Align() const { return align_; }
  void SetAlign(TSeAlign value) { align_ = value; }
  TColor Color() const { return color_; }
  void SetColor(TColor value) { color_ = value; }
  bool DrawIfOwner() const { return drawIfOwner_; }
  void SetDrawIfOwner(bool value) { drawIfOwner_ = value; }
  // The stored font; GetFont names the one the current state shows.
  const TFont& Font() const { return font_; }
  TFont& Font() { return font_; }
  void SetFont(const TFont& value) { font_.Assign(&value); }
  TSeKind Kind() const { return kind_; }
  void SetKind(TSeKind value) { kind_ = value; }
  bool Masked() const { return masked_; }
  void SetMasked(bool value) { masked_ = value; }
  std::int32_t Left() const { return left_; }
  std::int32_t Top() const { return top_; }
  std::int32_t Width() const { return width_; }
  std::int32_t Height() const { return height_; }
  void SetLeft(std::int32_t value);
  void SetTop(std::int32_t value);
  void SetWidth(std::int32_t value);
  void SetHeight(std::int32_t value);
  std::int32_t MarginLeft() const { return marginLeft_; }
  std::int32_t MarginRight() const { return marginRight_; }
  std::int32_t MarginTop() const { return marginTop_; }
  std::int32_t MarginBottom() const { return marginBottom_; }
  void SetMarginLeft(std::int32_t value) { marginLeft_ = value; }
  void SetMarginRight(std::int32_t value) { marginRight_ = value; }
  void SetMarginTop(std::int32_t value) { marginTop_ = value; }
  void SetMarginBottom(std::int32_t value) { marginBottom_ = value; }
  void SetMargins(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);
  TSeTextAlign TextAlign() const { return textAlign_; }
  void SetTextAlign(TSeTextAlign value) { textAlign_ = value; }
  TSeTextEffect TextEffect() const { return textEffect_; }
  void SetTextEffect(TSeTextEffect value) { textEffect_ = value; }
  std::int32_t TextMarginLeft() const { return textMarginLeft_; }
  std::int32_t TextMarginRight() const { return textMarginRight_; }
  std::int32_t TextMarginTop() const { return textMarginTop_; }
  void SetTextMarginLeft(std::int32_t value) { textMarginLeft_ = value; }
  void SetTextMarginRight(std::int32_t value) { textMarginRight_ = value; }
  void SetTextMarginTop(std::int32_t value) { textMarginTop_ = value; }

  // Run-time fields.
  bool Visible() const { return visible_; }
  void SetVisible(bool value) { visible_ = value; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value) { enabled_ = value; }
  bool Active() const { return active_; }
  TSeObjectState State() const { return state_; }
  const std::u16string& Text() const { return text_; }
  void SetText(const std::u16string& value) { text_ = value; }
  const std::u16string& ShortCutText() const { return shortCutText_; }
  void SetShortCutText(const std::u16string& value) { shortCutText_ = value; }
  TSeObjectControl* Control() const { return control_; }
  TSeBitmapList* Bitmaps() const { return bitmaps_; }
  TSeBiDiMode BiDiMode() const { return biDiMode_; }
  std::int32_t PrevWidth() const { return prevWidth_; }
  std::int32_t PrevHeight() const { return prevHeight_; }

  TRect BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
  void SetBounds(const TRect& rect);
  void Realign();

  TSeSkinObject* FindByName(const std::string& name);
  TSeSkinObject* FindByKind(TSeKind kind);
  TSeSkinObject* ObjectAtPoint(TPoint point);
  std::unique_ptr<TSeRegion> CreateTreeRegion();
  void PaintText(TSeCanvas& canvas);
  void PaintChildren(TSeCanvas& canvas);
  void SetActive(bool value);
  void SetControl(TSeObjectControl* control);
  void SetBitmaps(TSeBitmapList* list);
  void Invalidate();
  TSeSkinFormActions* GetSkinForm() const;

  // Virtual operations, in slot order.
  virtual TFont& GetFont() { return font_; }
  virtual void SetState(TSeObjectState state);
  virtual void ResolveBitmaps();
  virtual void Draw(TSeCanvas& canvas);
  virtual std::unique_ptr<TSeRegion> CreateRegion();
  virtual void ChangeHue(int delta);
  virtual void MouseEnter() {}
  virtual void MouseLeave() {}
  virtual void MouseDown(TSeMouseButton, std::int32_t, std::int32_t) {}
  virtual void MouseMove(TSeShiftState, std::int32_t, std::int32_t) {}
  virtual void MouseUp(TSeMouseButton, std::int32_t, std::int32_t) {}
  virtual void DblClick(TSeMouseButton, std::int32_t, std::int32_t) {}
  virtual void SetCharset(std::int32_t charset);
  // Copies the skin object part of source and clones its children; subclasses add their own
  // properties only when source is of their class. Other sources go to the framework.
  void Assign(const TPersistent* source) override;

 protected:
  // Sets the state of the children only (caption buttons show their glyphs in another state
  // than their own).
  void SetChildrenState(TSeObjectState state);
  // The shape of what Draw paints in the current state, at the object's place: painted at the
  // origin on a key-coloured bitmap, every pixel left in the key colour falls out.
  std::unique_ptr<TSeRegion> PaintedShape();
  // Shifts one colour property unless it means no fill.
  static void ShiftColor(TColor& color, int delta, bool skipNone = true);
  // Shifts a font's colour, also a system colour, which becomes a fixed one.
  static void ShiftFontColor(TFont& font, int delta);

  // Puts another fill colour and font in place of Color and Font for the length of a paint,
  // and puts them back also when painting raised.
  class TemporaryLook {
   public:
    TemporaryLook(TSeSkinObject& object, TColor color, const TFont& font)
        : object_(object), savedColor_(object.color_) {
      savedFont_.Assign(&object.font_);
      object_.color_ = color;
      object_.font_.Assign(&font);
    }
    ~TemporaryLook() {
      object_.color_ = savedColor_;
      object_.font_.Assign(&savedFont_);
    }
    TemporaryLook(const TemporaryLook&) = delete;
    TemporaryLook& operator=(const TemporaryLook&) = delete;

   private:
    TSeSkinObject& object_;
    TColor savedColor_;
    TFont savedFont_;
  };

  using LinkPtr = std::unique_ptr<TSeBitmapLink>;
  // Replaces the link by one resolved against the bitmap list; an unknown name keeps the
  // unresolved link, which then paints nothing.
  void ResolveLink(LinkPtr& link);
  static void CopyLink(LinkPtr& target, const LinkPtr& source);
  static bool IsValidLink(const LinkPtr& link) { return link && link->IsValid(); }
  static bool IsValidLink(const LinkPtr* link) { return link != nullptr && IsValidLink(*link); }

  // The per-state pictures of a button-like object; any may be missing.
  struct StatePictures {
    LinkPtr* Hot = nullptr;
    LinkPtr* Pressed = nullptr;
    LinkPtr* Focused = nullptr;
    LinkPtr* Disabled = nullptr;
    // The picture that state shows in place of the normal one: none when the state has no
    // picture or its picture is not valid.
    LinkPtr* For(TSeObjectState state) const;
  };

  // Shows another picture in place of a link for the length of a paint (also when painting
  // raised); nothing changes when the replacement is none or not valid.
  class SwappedLink {
   public:
    SwappedLink(LinkPtr& target, LinkPtr* replacement)
        : target_(target), replacement_(IsValidLink(replacement) ? replacement : nullptr) {
      if (replacement_ != nullptr) target_.swap(*replacement_);
    }
    ~SwappedLink() {
      if (replacement_ != nullptr) target_.swap(*replacement_);
    }
    SwappedLink(const SwappedLink&) = delete;
    SwappedLink& operator=(const SwappedLink&) = delete;

   private:
    LinkPtr& target_;
    LinkPtr* replacement_;
  };

 private:
  // A snapshot, for passes that may change the tree while they run.
  std::vector<TSeSkinObject*> Children() const;
  // Visits the children in order without a snapshot (painting, hit tests, notifications).
  template <class F>
  void ForEachChild(F&& visit) const {
    for (int i = 0, n = ObjectCount(); i < n; ++i) {
      if (TSeSkinObject* child = Objects(i)) visit(child);
    }
  }
  void ReadChild(TStream& stream, bool binary);
  std::uint32_t AdjustForRightToLeft(std::uint32_t format) const;
  void DrawTextRun(TSeCanvas& canvas, const std::u16string& text, const TRect& rect,
                   std::uint32_t format, const TSeFont& font);

  TSeAlign align_ = TSeAlign::saNone;
  TColor color_ = clWhite;
  bool drawIfOwner_ = false;
  TFont font_;
  TSeKind kind_ = TSeKind::skNone;
  bool masked_ = true;
  std::int32_t left_ = 0;
  std::int32_t top_ = 0;
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
  std::int32_t marginLeft_ = 0;
  std::int32_t marginRight_ = 0;
  std::int32_t marginTop_ = 0;
  std::int32_t marginBottom_ = 0;
  TSeTextAlign textAlign_ = TSeTextAlign::taLeft;
  TSeTextEffect textEffect_ = TSeTextEffect::teNone;
  std::int32_t textMarginLeft_ = 0;
  std::int32_t textMarginRight_ = 0;
  std::int32_t textMarginTop_ = 0;

  bool visible_ = true;
  bool enabled_ = true;
  bool active_ = false;
  TSeObjectState state_ = TSeObjectState::osNormal;
  std::u16string text_;
  std::u16string shortCutText_;
  TSeObjectControl* control_ = nullptr;
  TSeBitmapList* bitmaps_ = nullptr;
  TSeBiDiMode biDiMode_ = TSeBiDiMode::bdLeftToRight;
  std::int32_t prevWidth_ = 0;
  std::int32_t prevHeight_ = 0;
};
