#include "skin/objects/TSeSkinObject.h"

#include <algorithm>

#include "skin/objects/SeDrawing.h"
#include "skin/objects/SeHue.h"
#include "skin/objects/SkinObjectRegistry.h"
#include "skin/objects/TSeSkinFormActions.h"

namespace {

using SkinSeam::Rect;

bool SameNameIgnoringAsciiCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

constexpr std::uint32_t dtTop = 0x0;
constexpr std::uint32_t dtLeft = SeTextFormat::DT_LEFT;
constexpr std::uint32_t dtCenter = SeTextFormat::DT_CENTER;
constexpr std::uint32_t dtRight = SeTextFormat::DT_RIGHT;
constexpr std::uint32_t dtVCenter = SeTextFormat::DT_VCENTER;
constexpr std::uint32_t dtBottom = SeTextFormat::DT_BOTTOM;
constexpr std::uint32_t dtSingleLine = SeTextFormat::DT_SINGLELINE;
constexpr std::uint32_t dtRtlReading = 0x20000;

std::uint32_t TextFormatFor(TSeTextAlign align, bool mirrored) {
  std::uint32_t vertical = dtTop;
  std::uint32_t horizontal = dtLeft;
  switch (align) {
    case TSeTextAlign::taTopLeft:
      horizontal = dtLeft;
      break;
    case TSeTextAlign::taTopCenter:
      horizontal = dtCenter;
      break;
    case TSeTextAlign::taTopRight:
      horizontal = dtRight;
      break;
    case TSeTextAlign::taLeft:
      vertical = dtVCenter;
      horizontal = dtLeft;
      break;
    case TSeTextAlign::taCenter:
      vertical = dtVCenter;
      horizontal = dtCenter;
      break;
    case TSeTextAlign::taRight:
      vertical = dtVCenter;
      horizontal = dtRight;
      break;
    case TSeTextAlign::taBottomLeft:
      vertical = dtBottom;
      horizontal = dtLeft;
      break;
    case TSeTextAlign::taBottomCenter:
      vertical = dtBottom;
      horizontal = dtCenter;
      break;
    case TSeTextAlign::taBottomRight:
      vertical = dtBottom;
      horizontal = dtRight;
      break;
  }
  if (mirrored && horizontal != dtCenter) horizontal = horizontal == dtLeft ? dtRight : dtLeft;
  return dtSingleLine | vertical | horizontal;
}

}  // namespace

TSeSkinObject::TSeSkinObject(TSeSkinObject* owner) {
  SetOwner(owner);
}

TSeSkinObject::~TSeSkinObject() {
  // Children detach themselves from this list as they go.
  while (!children_.empty()) delete children_.back();
  SetOwner(nullptr);
}

void TSeSkinObject::SetOwner(TSeSkinObject* owner) {
  if (owner_ == owner) return;
  if (owner_ != nullptr) {
    auto& siblings = owner_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  owner_ = owner;
  if (owner_ != nullptr) owner_->children_.push_back(this);
}

TSeSkinObject* TSeSkinObject::Objects(int index) const {
  if (index < 0 || index >= ObjectCount()) return nullptr;
  return children_[static_cast<std::size_t>(index)];
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

void TSeSkinObject::SetBounds(const Rect& rect) {
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
  Rect r = BoundsRect();
  auto edgePass = [&](TSeAlign nearSide, TSeAlign farSide, bool vertical) {
    for (TSeSkinObject* child : children_) {
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

  for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
    TSeSkinObject* child = *it;
    if (!child->visible_ || child->align_ != TSeAlign::saText) continue;
    std::int32_t textWidth = SkinSeam::ScreenTextWidth(child->text_, child->GetFont());
    child->SetWidth(textWidth + child->textMarginLeft_ + child->textMarginRight_);
  }
  for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
    TSeSkinObject* child = *it;
    if (!child->visible_ || child->align_ != TSeAlign::saCenter) continue;
    std::int32_t left = r.Left + (RectWidth(r) - child->width_) / 2;
    std::int32_t top = r.Top + (RectHeight(r) - child->height_) / 2;
    child->SetBounds({left, top, left + child->width_, top + child->height_});
  }
  for (TSeSkinObject* child : children_) {
    if (child->visible_ && child->align_ == TSeAlign::saClient) child->SetBounds(r);
  }

  // Corner children keep their distance from the right or bottom edge across a size change.
  // The remembered size is taken as consumed afterwards: bitmap objects lay out again at every
  // paint, and applying the same change twice would walk the children off the edge.
  const bool widthKnown = prevWidth_ > 0;
  for (TSeSkinObject* child : children_) {
    switch (child->align_) {
      case TSeAlign::saTopRight:
        if (widthKnown) child->left_ = width_ - (prevWidth_ - child->left_);
        break;
      case TSeAlign::saBottomLeft:
        child->top_ = height_ - (prevHeight_ - child->top_);
        break;
      case TSeAlign::saBottomRight:
        if (widthKnown) child->left_ = width_ - (prevWidth_ - child->left_);
        child->top_ = height_ - (prevHeight_ - child->top_);
        break;
      default:
        break;
    }
  }
  prevWidth_ = width_;
  prevHeight_ = height_;
}

TSeSkinObject* TSeSkinObject::FindByName(const std::string& name) {
  if (SameNameIgnoringAsciiCase(name_, name)) return this;
  for (TSeSkinObject* child : children_) {
    if (TSeSkinObject* found = child->FindByName(name)) return found;
  }
  return nullptr;
}

TSeSkinObject* TSeSkinObject::FindByKind(TSeKind kind) {
  if (kind_ == kind) return this;
  for (TSeSkinObject* child : children_) {
    if (TSeSkinObject* found = child->FindByKind(kind)) return found;
  }
  return nullptr;
}

TSeSkinObject* TSeSkinObject::ObjectAtPoint(Point point) {
  if (!visible_ || !PtInRect(BoundsRect(), point) || kind_ == TSeKind::skTranparent) return nullptr;
  if (children_.empty()) return this;
  TSeSkinObject* hit = nullptr;
  for (TSeSkinObject* child : children_) {
    if (TSeSkinObject* found = child->ObjectAtPoint(point)) hit = found;
  }
  return hit != nullptr ? hit : this;
}

std::unique_ptr<SkinSeam::Region> TSeSkinObject::CreateTreeRegion() {
  if (width_ <= 0 || height_ <= 0) return nullptr;
  if (children_.empty() || drawIfOwner_ || !masked_) return CreateRegion();
  auto region = std::make_unique<Region>();
  for (TSeSkinObject* child : children_) {
    if (!child->visible_) continue;
    if (auto part = child->CreateTreeRegion()) SkinSeam::UnionRegion(*region, *part);
  }
  return region;
}

std::unique_ptr<SkinSeam::Region> TSeSkinObject::CreateRegion() {
  auto region = std::make_unique<Region>();
  region->Bounds = BoundsRect();
  region->Rects.push_back(BoundsRect());
  return region;
}

std::uint32_t TSeSkinObject::AdjustForRightToLeft(std::uint32_t format) const {
  if (control_ == nullptr || !control_->LocaleIsRightToLeft() ||
      biDiMode_ == TSeBiDiMode::bdLeftToRight) {
    return format;
  }
  if (format & dtRight) {
    format &= ~static_cast<std::uint32_t>(dtRight);
  } else if (!(format & dtCenter)) {
    format |= dtRight;
  }
  if (biDiMode_ == TSeBiDiMode::bdRightToLeft) format |= dtRtlReading;
  return format;
}

void TSeSkinObject::DrawTextRun(Canvas& canvas, const std::u16string& text, const Rect& rect,
                                std::uint32_t format, const Font& font) {
  if (textEffect_ == TSeTextEffect::teShadow) {
    Font shadow = font;
    shadow.Color = clBlack;
    canvas.SetFont(shadow);
    Rect moved = OffsetRect(rect, 1, 1);
    canvas.DrawText(text, moved, format);
  }
  canvas.SetFont(font);
  Rect target = rect;
  canvas.DrawText(text, target, format);
}

void TSeSkinObject::PaintText(Canvas& canvas) {
  if (text_ == u"-") {
    Rect line = BoundsRect();
    const std::int32_t inset = height_ / 2 - 1;
    line.Left += 3;
    line.Right -= 3;
    line.Top += inset;
    line.Bottom = line.Top + 1;
    canvas.FillRect(line, GetFont().Color);
    return;
  }
  Rect textRect = BoundsRect();
  textRect.Left += textMarginLeft_;
  textRect.Right -= textMarginRight_;
  textRect.Top += textMarginTop_;
  Font font = font_;
  if (!enabled_) font.Color = SkinSeam::clGray;
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

void TSeSkinObject::PaintChildren(Canvas& canvas) {
  for (TSeSkinObject* child : children_) {
    if (child->visible_ && child->width_ > 0 && child->height_ > 0) child->Draw(canvas);
  }
}

void TSeSkinObject::Draw(Canvas& canvas) {
  if (!visible_ || width_ <= 0 || height_ <= 0) return;
  if (children_.empty() || drawIfOwner_) {
    if (color_ != clNone) canvas.FillRect(BoundsRect(), color_);
    PaintText(canvas);
  }
  PaintChildren(canvas);
}

void TSeSkinObject::SetActive(bool value) {
  if (active_ == value) return;
  active_ = value;
  for (TSeSkinObject* child : children_) child->SetActive(value);
}

void TSeSkinObject::ForceActive(bool value) {
  active_ = value;
  for (TSeSkinObject* child : children_) child->ForceActive(value);
}

void TSeSkinObject::SetControl(TSeObjectControl* control) {
  control_ = control;
  if (control != nullptr) biDiMode_ = control->BiDiMode();
  for (TSeSkinObject* child : children_) child->SetControl(control);
}

void TSeSkinObject::SetBitmaps(SkinSeam::BitmapList* list) {
  bitmaps_ = list;
  for (TSeSkinObject* child : children_) child->SetBitmaps(list);
}

void TSeSkinObject::Invalidate() {
  if (visible_ && control_ != nullptr) control_->ObjectChanged(this);
}

TSeSkinFormActions* TSeSkinObject::GetSkinForm() const {
  return control_ != nullptr ? control_->SkinForm() : nullptr;
}

void TSeSkinObject::SetState(TSeObjectState state) {
  state_ = state;
  for (TSeSkinObject* child : children_) child->SetState(state);
}

void TSeSkinObject::SetChildrenState(TSeObjectState state) {
  for (TSeSkinObject* child : children_) child->SetState(state);
}

void TSeSkinObject::ResolveBitmaps() {
  for (TSeSkinObject* child : children_) child->ResolveBitmaps();
}

void TSeSkinObject::ShiftColor(Color& color, int delta, bool skipNone) {
  if (skipNone && color == clNone) return;
  color = ShiftHueColor(color, delta);
}

void TSeSkinObject::ChangeHue(int delta) {
  ShiftColor(color_, delta);
  ShiftColor(font_.Color, delta);
  for (TSeSkinObject* child : children_) child->ChangeHue(delta);
}

void TSeSkinObject::SetCharset(std::int32_t charset) {
  GetFont().Charset = charset;
  for (TSeSkinObject* child : children_) child->SetCharset(charset);
}

void TSeSkinObject::Assign(const TSeSkinObject& source) {
  if (&source == this) return;
  name_ = source.name_;
  masked_ = source.masked_;
  align_ = source.align_;
  kind_ = source.kind_;
  bitmaps_ = source.bitmaps_;
  color_ = source.color_;
  drawIfOwner_ = source.drawIfOwner_;
  font_ = source.font_;
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
  const std::vector<TSeSkinObject*> sourceChildren = source.children_;
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

void TSeSkinObject::CopyLink(LinkPtr& target, const LinkPtr& source) {
  if (!source) {
    target = std::make_unique<SkinSeam::BitmapLink>();
    return;
  }
  if (!target) target = std::make_unique<SkinSeam::BitmapLink>();
  target->Assign(*source);
}
