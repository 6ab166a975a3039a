#pragma once

// Equal-sized images kept in one list, drawn by index; pixels of the mask colour are left out.

#include <memory>
#include <vector>

#include "framework/core/TComponent.h"
#include "framework/core/TPropertyBuilder.h"
#include "framework/ui/TBitmap.h"

class TImageList : public TComponent {
  QM_CLASS(TImageList, TComponent)

 public:
  explicit TImageList(TComponent* owner) : TComponent(owner) {}
  static void DeclareProperties(TPropertyBuilder<TImageList>& p);

  std::int32_t Width() const { return width_; }
  void SetWidth(std::int32_t value);
  std::int32_t Height() const { return height_; }
  void SetHeight(std::int32_t value);
  int Count() const { return static_cast<int>(images_.size()); }
  // Adds a copy of the image (cut or padded to the list's size); returns its index.
  int Add(TBitmap& image, TColor maskColor = clNone);
  // Adds each width-wide strip of a wider bitmap.
  int AddStrip(TBitmap& strip, TColor maskColor = clNone);
  void Delete(int index);
  void Clear() { images_.clear(); }
  void Draw(TCanvas& canvas, int x, int y, int index);
  void DrawTo(HDC dc, int x, int y, int index);

 private:
  struct Image {
    std::unique_ptr<TBitmap> bitmap;
    TColor mask;
  };
  std::int32_t width_ = 16;
  std::int32_t height_ = 16;
  std::vector<Image> images_;
};
