#include "framework/ui/TImageList.h"

#include "framework/ui/UiErrors.h"

void TImageList::DeclareProperties(TPropertyBuilder<TImageList>& p) {
  p.Integer("Height", &TImageList::Height, &TImageList::SetHeight).Default(16);
  p.Integer("Width", &TImageList::Width, &TImageList::SetWidth).Default(16);
}

void TImageList::SetWidth(std::int32_t value) {
  if (value == width_) return;
  if (value <= 0) throw EInvalidOperation("Invalid image size");
  width_ = value;
  images_.clear();
}

void TImageList::SetHeight(std::int32_t value) {
  if (value == height_) return;
  if (value <= 0) throw EInvalidOperation("Invalid image size");
  height_ = value;
  images_.clear();
}

int TImageList::Add(TBitmap& image, TColor maskColor) {
  auto copy = std::make_unique<TBitmap>(width_, height_);
  copy->Canvas().SetBrushColor(maskColor == clNone ? clBlack : maskColor);
  copy->Canvas().FillRect(RECT{0, 0, width_, height_});
  if (!image.Empty())
    BitBlt(copy->DC(), 0, 0, std::min(width_, image.Width()), std::min(height_, image.Height()),
           image.DC(), 0, 0, SRCCOPY);
  images_.push_back(Image{std::move(copy), maskColor});
  return Count() - 1;
}

int TImageList::AddStrip(TBitmap& strip, TColor maskColor) {
  int first = -1;
  for (int x = 0; x + width_ <= strip.Width(); x += width_) {
    TBitmap part(width_, std::min(height_, strip.Height()));
    BitBlt(part.DC(), 0, 0, width_, part.Height(), strip.DC(), x, 0, SRCCOPY);
    const int index = Add(part, maskColor);
    if (first < 0) first = index;
  }
  return first;
}

void TImageList::Delete(int index) {
  if (index < 0 || index >= Count()) throw EInvalidOperation("List index out of bounds");
  images_.erase(images_.begin() + index);
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index) {
  DrawTo(canvas.Handle(), x, y, index);
}

void TImageList::DrawTo(HDC dc, int x, int y, int index) {
  if (index < 0 || index >= Count()) return;
  const Image& image = images_[index];
  if (image.mask == clNone)
    BitBlt(dc, x, y, width_, height_, image.bitmap->DC(), 0, 0, SRCCOPY);
  else
    TransparentBlt(dc, x, y, width_, height_, image.bitmap->DC(), 0, 0, width_, height_,
                   ColorToRGB(image.mask));
}
