#include "tools/skinart/SkinLayout.h"

namespace skinart {

SkinLayout::SkinLayout(const SkinTextObject& source) : source_(&source) {
  bounds_ = StoredBounds();
  for (const auto& child : source.children)
    children_.push_back(std::make_unique<SkinLayout>(*child));
}

LayoutRect SkinLayout::StoredBounds() const {
  const long long left = source_->Int("Left");
  const long long top = source_->Int("Top");
  return {left, top, left + source_->Int("Width"), top + source_->Int("Height")};
}

const SkinLayout* SkinLayout::Find(const std::string& name) const {
  // The source's own search decides whether this object matches (same name rule).
  if (source_->FindByName(name) == source_) return this;
  for (const auto& c : children_)
    if (const SkinLayout* found = c->Find(name)) return found;
  return nullptr;
}

void SkinLayout::SetBounds(const LayoutRect& rect) {
  if (rect == bounds_) return;
  prevWidth_ = bounds_.Width();
  prevHeight_ = bounds_.Height();
  bounds_ = rect;
  if (bounds_.right < bounds_.left) bounds_.right = bounds_.left;
  if (bounds_.bottom < bounds_.top) bounds_.bottom = bounds_.top;
  Realign();
}

void SkinLayout::Realign() {
  LayoutRect r = bounds_;
  auto align = [](const SkinLayout& c) { return c.source_->Ident("Align", "saNone"); };
  auto vertical = [&](const char* top, const char* bottom) {
    for (auto& c : children_) {
      const std::string a = align(*c);
      const long long h = c->bounds_.Height();
      if (a == top) {
        c->SetBounds({r.left, r.top, r.right, r.top + h});
        r.top += h;
      } else if (a == bottom) {
        c->SetBounds({r.left, r.bottom - h, r.right, r.bottom});
        r.bottom -= h;
      }
    }
  };
  auto horizontal = [&](const char* left, const char* right) {
    for (auto& c : children_) {
      const std::string a = align(*c);
      const long long w = c->bounds_.Width();
      if (a == left) {
        c->SetBounds({r.left, r.top, r.left + w, r.bottom});
        r.left += w;
      } else if (a == right) {
        c->SetBounds({r.right - w, r.top, r.right, r.bottom});
        r.right -= w;
      }
    }
  };
  vertical("saMostTop", "saMostBottom");
  horizontal("saMostLeft", "saMostRight");
  vertical("saTop", "saBottom");
  horizontal("saLeft", "saRight");
  for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
    SkinLayout& c = **it;
    if (align(c) != "saCenter") continue;
    const long long w = c.bounds_.Width();
    const long long h = c.bounds_.Height();
    const long long left = r.left + (r.Width() - w) / 2;
    const long long top = r.top + (r.Height() - h) / 2;
    c.SetBounds({left, top, left + w, top + h});
  }
  for (auto& c : children_)
    if (align(*c) == "saClient") c->SetBounds(r);
  for (auto& c : children_) {
    const std::string a = align(*c);
    if (a == "saTopRight" && prevWidth_ > 0) {
      const long long w = c->bounds_.Width();
      c->bounds_.left = bounds_.Width() - (prevWidth_ - c->bounds_.left);
      c->bounds_.right = c->bounds_.left + w;
    } else if (a == "saBottomLeft") {
      const long long h = c->bounds_.Height();
      c->bounds_.top = bounds_.Height() - (prevHeight_ - c->bounds_.top);
      c->bounds_.bottom = c->bounds_.top + h;
    }
  }
}

}  // namespace skinart
