#include "skin/objects/TSeSkinObject.h"
#include "framework/core/TMemoryStream.h"
#include "framework/core/TReadOnlyMemoryStream.h"
#include "framework/core/TStreamView.h"

#include <algorithm>

#include "framework/core/ObjectText.h"
#include "framework/core/TReader.h"
#include "framework/core/TWriter.h"
#include "skin/objects/SeDrawing.h"
#include "skin/objects/SeHue.h"
#include "skin/objects/SkinObjectRegistry.h"
#include "skin/objects/SkinString.h"
#include "skin/objects/TSeSkinFormActions.h"
#include "skin/objects/TSeSkippedClassLog.h"

namespace {

bool SameNameIgnoringAsciiCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

using namespace SeTextFormat;

std::uint32_t TextFormatFor(TSeTextAlign align, bool mirrored) {
  std::uint32_t vertical = tfTop;
  std::uint32_t horizontal = tfLeft;
  switch (align) {
    case TSeTextAlign::taTopLeft:
      horizontal = tfLeft;
      break;
    case TSeTextAlign::taTopCenter:
      horizontal = tfCenter;
      break;
    case TSeTextAlign::taTopRight:
      horizontal = tfRight;
      break;
    case TSeTextAlign::taLeft:
      vertical = tfVCenter;
      horizontal = tfLeft;
      break;
    case TSeTextAlign::taCenter:
      vertical = tfVCenter;
      horizontal = tfCenter;
      break;
    case TSeTextAlign::taRight:
      vertical = tfVCenter;
      horizontal = tfRight;
      break;
    case TSeTextAlign::taBottomLeft:
      vertical = tfBottom;
      horizontal = tfLeft;
      break;
    case TSeTextAlign::taBottomCenter:
      vertical = tfBottom;
      horizontal = tfCenter;
      break;
    case TSeTextAlign::taBottomRight:
      vertical = tfBottom;
      horizontal = tfRight;
      break;
  }
  if (mirrored && horizontal != tfCenter) horizontal = horizontal == tfLeft ? tfRight : tfLeft;
  return tfSingleLine | vertical | horizontal;
}

}  // namespace

TSeSkinObject::TSeSkinObject(TComponent* owner) : TComponent(owner) {}

// The children go while this object's fonts and links still exist.
TSeSkinObject::~TSeSkinObject() {
  DestroyComponents();
}

void TSeSkinObject::DeclareProperties(TPropertyBuilder<TSeSkinObject>& p) {
  using T = TSeSkinObject;
  p.Enum("Align", SeAlignInfo(), &T::align_).Default(TSeAlign::saNone);
  p.Color("Color", &T::color_).Default(clWhite);
  p.Boolean("DrawIfOwner", &T::drawIfOwner_).Default(false);
  p.Object("Font", &T::font_);
  p.Enum("Kind", SeKindInfo(), &T::kind_).Default(TSeKind::skNone);
  p.Boolean("Masked", &T::masked_).Default(true);
  p.Integer("Left", &T::Left, &T::SetLeft).Default(0);
  p.Integer("Top", &T::Top, &T::SetTop).Default(0);
  p.Integer("Height", &T::Height, &T::SetHeight).Default(0);
  p.Integer("Width", &T::Width, &T::SetWidth).Default(0);
  p.Integer("MarginLeft", &T::marginLeft_).Default(0);
  p.Integer("MarginRight", &T::marginRight_).Default(0);
  p.Integer("MarginTop", &T::marginTop_).Default(0);
  p.Integer("MarginBottom", &T::marginBottom_).Default(0);
  p.Enum("TextAlign", SeTextAlignInfo(), &T::textAlign_).Default(TSeTextAlign::taLeft);
  p.Enum("TextEffect", SeTextEffectInfo(), &T::textEffect_).Default(TSeTextEffect::teNone);
  p.Integer("TextMarginLeft", &T::textMarginLeft_).Default(0);
  p.Integer("TextMarginRight", &T::textMarginRight_).Default(0);
  p.Integer("TextMarginTop", &T::textMarginTop_).Default(0);
}

void TSeSkinObject::DefineProperties(TFiler& filer) {
  TComponent::DefineProperties(filer);
  filer.DefineBinaryProperty(
      "Objects", [this](TStream& s) { ReadObjects(s); }, [this](TStream& s) { WriteObjects(s); },
      true);
}

TSeSkinObject* TSeSkinObject::Objects(int index) const {
  if (index < 0 || index >= ObjectCount()) return nullptr;
  return ObjectAs<TSeSkinObject>(Components(index));
}

TSeSkinObject* TSeSkinObject::ParentObject() const {
  return ObjectAs<TSeSkinObject>(Owner());
}

std::vector<TSeSkinObject*> TSeSkinObject::Children() const {
  std::vector<TSeSkinObject*> children;
  children.reserve(static_cast<std::size_t>(ObjectCount()));
  for (int i = 0; i < ObjectCount(); ++i) {
    if (TSeSkinObject* child = Objects(i)) children.push_back(child);
  }
  return children;
}

void TSeSkinObject::SetLeft(std::int32_t value) {
  SetBounds({value, top_, value + width_, top_ + height_});
}
void TSeSkinObject::SetTop(std::int32_t value) {
  SetBounds({left_, value, left_ + width_, value + height_});
}
void TSeSkinObject::SetWidth(std::int32_t value) {
  SetBounds({left_, top_, left_ + value, top_ + height_});
}
void TSeSkinObject::SetHeight(std::int32_t value) {
  SetBounds({left_, top_, left_ + width_, top_ + value});
}

void TSeSkinObject::SetMargins(std::int32_t left, std::int32_t top, std::int32_t right,
                               std::int32_t bottom) {
  marginLeft_ = left;
  marginTop_ = top;
  marginRight_ = right;
  marginBottom_ = bottom;
}

void TSeSkinObject::SetBounds(const TRect& rect) {
  if (rect == BoundsRect()) return;
  prevWidth_ = width_;
  prevHeight_ = height_;
  left_ = rect.Left;
  top_ = rect.Top;
  width_ = std::max(0, rect.Right - rect.Left);
  height_ = std::max(0, rect.Bottom - rect.Top);
  Realign();
}

void TSeSkinObject::Realign() {
  // One snapshot for all passes; placing a child never changes this object's child list.
  const std::vector<TSeSkinObject*> children = Children();
  TRect r = BoundsRect();
  auto edgePass = [&](TSeAlign nearSide, TSeAlign farSide, bool vertical) {
    for (TSeSkinObject* child : children) {
      if (!child->visible_) continue;
      if (child->align_ == nearSide) {
        if (vertical) {
          std::int32_t h = child->height_;
          child->SetBounds({r.Left, r.Top, r.Right, r.Top + h});
          r.Top += h;
        } else {
          std::int32_t w = child->width_;
          child->SetBounds({r.Left, r.Top, r.Left + w, r.Bottom});
          r.Left += w;
        }
      } else if (child->align_ == farSide) {
        if (vertical) {
          std::int32_t h = child->height_;
          child->SetBounds({r.Left, r.Bottom - h, r.Right, r.Bottom});
          r.Bottom -= h;
        } else {
          std::int32_t w = child->width_;
          child->SetBounds({r.Right - w, r.Top, r.Right, r.Bottom});
          r.Right -= w;
        }
      }
    }
  };
  edgePass(TSeAlign::saMostTop, TSeAlign::saMostBottom, true);
  edgePass(TSeAlign::saMostLeft, TSeAlign::saMostRight, false);
  edgePass(TSeAlign::saTop, TSeAlign::saBottom, true);
  edgePass(TSeAlign::saLeft, TSeAlign::saRight, false);

  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    TSeSkinObject* child = *it;
    if (!child->visible_ || child->align_ != TSeAlign::saText) continue;
    std::int32_t textWidth = SkinSeam::ScreenTextWidth(child->text_, child->GetFont());
    child->SetWidth(textWidth + child->textMarginLeft_ + child->textMarginRight_);
  }
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    TSeSkinObject* child = *it;
    if (!child->visible_ || child->align_ != TSeAlign::saCenter) continue;
    std::int32_t left = r.Left + (RectWidth(r) - child->width_) / 2;
    std::int32_t top = r.Top + (RectHeight(r) - child->height_) / 2;
    child->SetBounds({left, top, left + child->width_, top + child->height_});
  }
  for (TSeSkinObject* child : children) {
    if (child->visible_ && child->align_ == TSeAlign::saClient) child->SetBounds(r);
  }

  // Corner children keep their distance from the right or bottom edge across a size change.
  // The remembered size is taken as consumed afterwards: bitmap objects lay out again at every
  // paint, and applying the same change twice would walk the children off the edge. A corner
  // child that moved lays out its own children again, so caption buttons follow their
  // container.
  const bool widthKnown = prevWidth_ > 0;
  for (TSeSkinObject* child : children) {
    const std::int32_t oldLeft = child->left_;
    const std::int32_t oldTop = child->top_;
    const bool right =
        child->align_ == TSeAlign::saTopRight || child->align_ == TSeAlign::saBottomRight;
    const bool bottom =
        child->align_ == TSeAlign::saBottomLeft || child->align_ == TSeAlign::saBottomRight;
    if (right && widthKnown) child->left_ = width_ - (prevWidth_ - child->left_);
    if (bottom) child->top_ = height_ - (prevHeight_ - child->top_);
    if (child->left_ != oldLeft || child->top_ != oldTop) child->Realign();
  }
  prevWidth_ = width_;
  prevHeight_ = height_;
}

TSeSkinObject* TSeSkinObject::FindByName(const std::string& name) {
  if (SameNameIgnoringAsciiCase(Name(), name)) return this;
  for (int i = 0, n = ObjectCount(); i < n; ++i) {
    TSeSkinObject* child = Objects(i);
    if (TSeSkinObject* found = child != nullptr ? child->FindByName(name) : nullptr) return found;
  }
  return nullptr;
}

TSeSkinObject* TSeSkinObject::FindByKind(TSeKind kind) {
  if (kind_ == kind) return this;
  for (int i = 0, n = ObjectCount(); i < n; ++i) {
    TSeSkinObject* child = Objects(i);
    if (TSeSkinObject* found = child != nullptr ? child->FindByKind(kind) : nullptr) return found;
  }
  return nullptr;
}

TSeSkinObject* TSeSkinObject::ObjectAtPoint(TPoint point) {
  if (!visible_ || !PtInRect(BoundsRect(), point) || kind_ == TSeKind::skTranparent) return nullptr;
  if (ObjectCount() == 0) return this;
  TSeSkinObject* hit = nullptr;
  ForEachChild([&](TSeSkinObject* child) {
    if (TSeSkinObject* found = child->ObjectAtPoint(point)) hit = found;
  });
  return hit != nullptr ? hit : this;
}

std::unique_ptr<TSeRegion> TSeSkinObject::CreateTreeRegion() {
  if (width_ <= 0 || height_ <= 0) return nullptr;
  if (ObjectCount() == 0 || drawIfOwner_ || !masked_) return CreateRegion();
  auto region = std::make_unique<TSeRegion>();
  ForEachChild([&](TSeSkinObject* child) {
    if (!child->visible_) return;
    if (auto part = child->CreateTreeRegion()) SkinSeam::UnionRegion(*region, *part);
  });
  return region;
}

std::unique_ptr<TSeRegion> TSeSkinObject::CreateRegion() {
  auto region = std::make_unique<TSeRegion>();
  region->Bounds = BoundsRect();
  region->Rects.push_back(BoundsRect());
  return region;
}

std::unique_ptr<TSeRegion> TSeSkinObject::PaintedShape() {
  const TRect bounds = BoundsRect();
  // The bounds come back also when painting fails.
  struct RestoreBounds {
    TSeSkinObject& self;
    TRect bounds;
    ~RestoreBounds() { self.SetBounds(bounds); }
  } restore{*this, bounds};
  SetBounds({0, 0, width_, height_});
  return std::make_unique<TSeRegion>(SkinSeam::PaintedRegion(
      width_, height_, bounds.Left, bounds.Top, [this](TSeCanvas& canvas) { Draw(canvas); }));
}

std::uint32_t TSeSkinObject::AdjustForRightToLeft(std::uint32_t format) const {
  if (control_ == nullptr || !control_->LocaleIsRightToLeft() ||
      biDiMode_ == TSeBiDiMode::bdLeftToRight) {
    return format;
  }
  if (format & tfRight) {
    format &= ~static_cast<std::uint32_t>(tfRight);
  } else if (!(format & tfCenter)) {
    format |= tfRight;
  }
  if (biDiMode_ == TSeBiDiMode::bdRightToLeft) format |= tfRtlReading;
  return format;
}

void TSeSkinObject::DrawTextRun(TSeCanvas& canvas, const std::u16string& text, const TRect& rect,
                                std::uint32_t format, const TSeFont& font) {
  if (textEffect_ == TSeTextEffect::teShadow) {
    TSeFont shadow = font;
    shadow.Color = clBlack;
    canvas.SetFont(shadow);
    TRect moved = OffsetRect(rect, 1, 1);
    canvas.DrawText(text, moved, format);
  }
  canvas.SetFont(font);
  TRect target = rect;
  canvas.DrawText(text, target, format);
}

void TSeSkinObject::PaintText(TSeCanvas& canvas) {
  if (text_ == u"-") {
    TRect line = BoundsRect();
    const std::int32_t inset = height_ / 2 - 1;
    line.Left += 3;
    line.Right -= 3;
    line.Top += inset;
    line.Bottom = line.Top + 1;
    canvas.FillRect(line, GetFont().Color());
    return;
  }
  TRect textRect = BoundsRect();
  textRect.Left += textMarginLeft_;
  textRect.Right -= textMarginRight_;
  textRect.Top += textMarginTop_;
  TSeFont font = SkinSeam::CanvasFont(font_);
  if (!enabled_) font.Color = clGray;
  if (!text_.empty()) {
    std::u16string shown = text_;
    if (kind_ == TSeKind::skTitle) {
      canvas.SetFont(font);
      shown = EllipsisText(canvas, text_, width_ - textMarginLeft_ - textMarginRight_);
    }
    DrawTextRun(canvas, shown, textRect, AdjustForRightToLeft(TextFormatFor(textAlign_, false)),
                font);
  }
  if (!shortCutText_.empty()) {
    DrawTextRun(canvas, shortCutText_, textRect,
                AdjustForRightToLeft(TextFormatFor(textAlign_, true)), font);
  }
}

void TSeSkinObject::PaintChildren(TSeCanvas& canvas) {
  ForEachChild([&](TSeSkinObject* child) {
    if (child->visible_ && child->width_ > 0 && child->height_ > 0) child->Draw(canvas);
  });
}

void TSeSkinObject::Draw(TSeCanvas& canvas) {
  if (!visible_ || width_ <= 0 || height_ <= 0) return;
  if (ObjectCount() == 0 || drawIfOwner_) {
    if (color_ != clNone) canvas.FillRect(BoundsRect(), color_);
    PaintText(canvas);
  }
  PaintChildren(canvas);
}

void TSeSkinObject::SetActive(bool value) {
  if (active_ == value) return;
  active_ = value;
  ForEachChild([&](TSeSkinObject* child) { child->SetActive(value); });
}

void TSeSkinObject::SetControl(TSeObjectControl* control) {
  control_ = control;
  if (control != nullptr) biDiMode_ = control->BiDiMode();
  ForEachChild([&](TSeSkinObject* child) { child->SetControl(control); });
}

void TSeSkinObject::SetBitmaps(TSeBitmapList* list) {
  bitmaps_ = list;
  ForEachChild([&](TSeSkinObject* child) { child->SetBitmaps(list); });
}

void TSeSkinObject::Invalidate() {
  if (visible_ && control_ != nullptr) control_->ObjectChanged(this);
}

TSeSkinFormActions* TSeSkinObject::GetSkinForm() const {
  return control_ != nullptr ? control_->SkinForm() : nullptr;
}

void TSeSkinObject::SetState(TSeObjectState state) {
  state_ = state;
  ForEachChild([&](TSeSkinObject* child) { child->SetState(state); });
}

void TSeSkinObject::SetChildrenState(TSeObjectState state) {
  ForEachChild([&](TSeSkinObject* child) { child->SetState(state); });
}

void TSeSkinObject::ResolveBitmaps() {
  ForEachChild([&](TSeSkinObject* child) { child->ResolveBitmaps(); });
}

void TSeSkinObject::ShiftColor(TColor& color, int delta, bool skipNone) {
  if (skipNone && color == clNone) return;
  color = ShiftHueColor(color, delta);
}

void TSeSkinObject::ShiftFontColor(TFont& font, int delta) {
  font.SetColor(ShiftHueColor(font.Color(), delta));
}

void TSeSkinObject::ChangeHue(int delta) {
  ShiftColor(color_, delta);
  TColor fontColor = font_.Color();
  ShiftColor(fontColor, delta);
  font_.SetColor(fontColor);
  ForEachChild([&](TSeSkinObject* child) { child->ChangeHue(delta); });
}

void TSeSkinObject::SetCharset(std::int32_t charset) {
  GetFont().SetCharset(static_cast<TFontCharset>(charset));
  ForEachChild([&](TSeSkinObject* child) { child->SetCharset(charset); });
}

void TSeSkinObject::Assign(const TPersistent* persistent) {
  const TSeSkinObject* skinSource = ObjectAs<TSeSkinObject>(persistent);
  if (skinSource == nullptr) {
    TComponent::Assign(persistent);
    return;
  }
  if (skinSource == this) return;
  const TSeSkinObject& source = *skinSource;
  SetName(source.Name());
  masked_ = source.masked_;
  align_ = source.align_;
  kind_ = source.kind_;
  bitmaps_ = source.bitmaps_;
  color_ = source.color_;
  drawIfOwner_ = source.drawIfOwner_;
  font_.Assign(&source.font_);
  textAlign_ = source.textAlign_;
  textEffect_ = source.textEffect_;
  textMarginLeft_ = source.textMarginLeft_;
  textMarginRight_ = source.textMarginRight_;
  textMarginTop_ = source.textMarginTop_;
  marginLeft_ = source.marginLeft_;
  marginTop_ = source.marginTop_;
  marginRight_ = source.marginRight_;
  marginBottom_ = source.marginBottom_;
  // A snapshot: cloning into this object must not see its own new children.
  const std::vector<TSeSkinObject*> sourceChildren = source.Children();
  for (TSeSkinObject* child : sourceChildren) CloneSkinObject(*child, this);
  left_ = source.left_;
  top_ = source.top_;
  width_ = source.width_;
  height_ = source.height_;
}

void TSeSkinObject::ResolveLink(LinkPtr& link) {
  if (bitmaps_ == nullptr || !link) return;
  if (auto resolved = bitmaps_->GetLink(link->GetName(), link->GetRect()))
    link = std::move(resolved);
}

TSeSkinObject::LinkPtr* TSeSkinObject::StatePictures::For(TSeObjectState state) const {
  LinkPtr* picture = nullptr;
  switch (state) {
    case TSeObjectState::osHot:
      picture = Hot;
      break;
    case TSeObjectState::osPressed:
      picture = Pressed;
      break;
    case TSeObjectState::osFocused:
      picture = Focused;
      break;
    case TSeObjectState::osDisabled:
      picture = Disabled;
      break;
    default:
      break;
  }
  return IsValidLink(picture) ? picture : nullptr;
}

void TSeSkinObject::CopyLink(LinkPtr& target, const LinkPtr& source) {
  if (!source) {
    target = std::make_unique<TSeBitmapLink>();
    return;
  }
  if (!target) target = std::make_unique<TSeBitmapLink>();
  target->Assign(*source);
}

namespace {

// The count word's marker for children written in binary form.
constexpr std::uint32_t kBinaryChildren = 0x000F0000;
// Trees nest through their blobs; a hostile skin must not exhaust the stack.
constexpr int kMaxObjectNesting = 64;
thread_local int objectNesting = 0;

class NestingGuard {
 public:
  NestingGuard() {
    if (++objectNesting > kMaxObjectNesting) {
      --objectNesting;
      throw EReadError(FrameworkMessages::SInvalidImage);
    }
  }
  ~NestingGuard() { --objectNesting; }
  NestingGuard(const NestingGuard&) = delete;
  NestingGuard& operator=(const NestingGuard&) = delete;
};

}  // namespace

void TSeSkinObject::WriteObjects(TStream& stream) const {
  const std::vector<TSeSkinObject*> children = Children();
  if (children.size() > 0xFFFF) throw EWriteError(FrameworkMessages::SWriteError);
  stream.WriteUInt32(static_cast<std::uint32_t>(children.size()) | kBinaryChildren);
  for (TSeSkinObject* child : children) {
    WriteSkinString(stream, child->ClassName());
    TMemoryStream form;
    {
      TWriter writer(form);
      writer.WriteRootComponent(*child);
    }
    stream.WriteInt32(static_cast<std::int32_t>(form.Size()));
    stream.WriteBuffer(form.Bytes().data(), form.Bytes().size());
  }
}

void TSeSkinObject::ReadObjects(TStream& stream) {
  NestingGuard nesting;
  const std::uint32_t word = stream.ReadUInt32();
  const bool binary = (word & kBinaryChildren) == kBinaryChildren;
  const std::uint32_t count = binary ? (word & ~kBinaryChildren) : word;
  // Every record holds at least two 4-byte lengths, so a count the block cannot hold is a lie.
  if (static_cast<std::int64_t>(count) > stream.Remaining() / 8) {
    throw EReadError(FrameworkMessages::SInvalidImage);
  }
  for (std::uint32_t i = 0; i < count; ++i) ReadChild(stream, binary);
}

void TSeSkinObject::ReadChild(TStream& stream, bool binary) {
  const std::string className = ReadSkinString(stream);
  // No library names a class with nothing: that is damage, not a later class.
  if (className.empty()) throw EReadError(FrameworkMessages::SInvalidImage);
  const TClassInfo* cls = FindSkinObjectClass(className);
  if (cls == nullptr) {
    // A class of a later library: the record gives its length in both forms, so the siblings
    // after it can still be read.
    if (binary) {
      const std::int32_t size = stream.ReadInt32();
      if (size < 0 || size > stream.Remaining()) throw EReadError(FrameworkMessages::SInvalidImage);
      stream.SetPosition(stream.Position() + size);
    } else {
      ReadSkinString(stream);
    }
    TSeSkippedClassLog::Note(className);
    return;
  }
  // Owned by this object from the start; a child that fails to read goes again.
  std::unique_ptr<TComponent> child(cls->Create(this));
  if (binary) {
    // Read in place through a view: a copy per level would let a deeply nested blob cost its
    // size once for every level.
    const std::int32_t size = stream.ReadInt32();
    if (size < 0 || size > stream.Remaining()) throw EReadError(FrameworkMessages::SInvalidImage);
    const std::int64_t start = stream.Position();
    {
      TStreamView input(stream, start, size);
      TReader reader(input, SkinObjectClasses());
      reader.ReadRootComponent(child.get());
    }
    stream.SetPosition(start + size);
  } else {
    const std::vector<std::uint8_t> form = ObjectTextToBinary(ReadSkinString(stream));
    TReadOnlyMemoryStream input(form.data(), form.size());
    TReader reader(input, SkinObjectClasses());
    reader.ReadRootComponent(child.get());
  }
  if (auto* object = ObjectAs<TSeSkinObject>(child.release())) object->SetCharset(1);
}
