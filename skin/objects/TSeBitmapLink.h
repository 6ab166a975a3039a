#pragma once

#include <cstdint>
#include <string>

#include "framework/core/TPersistent.h"
#include "framework/core/TPropertyBuilder.h"
#include "skin/objects/Geometry.h"

class TSeBitmap;

// A named bitmap and a rectangle in it (right and bottom exclusive). Image is resolved at run
// time against the skin's bitmap list and not owned.
class TSeBitmapLink : public TPersistent {
  QM_CLASS(TSeBitmapLink, TPersistent)

 public:
  TSeBitmapLink() = default;
  using TPersistent::Assign;

  // Streamed as Bitmap.Name, Bitmap.Left, ... of the skin objects that own links.
  static void DeclareProperties(TPropertyBuilder<TSeBitmapLink>& p) {
    p.String("Name", &TSeBitmapLink::GetName, &TSeBitmapLink::SetName);
    p.Integer("Left", &TSeBitmapLink::GetLeft, &TSeBitmapLink::SetLeft).Default(0);
    p.Integer("Top", &TSeBitmapLink::GetTop, &TSeBitmapLink::SetTop).Default(0);
    p.Integer("Right", &TSeBitmapLink::GetRight, &TSeBitmapLink::SetRight).Default(0);
    p.Integer("Bottom", &TSeBitmapLink::GetBottom, &TSeBitmapLink::SetBottom).Default(0);
  }

  const std::string& GetName() const { return name_; }
  void SetName(const std::string& value) { name_ = value; }
  std::int32_t GetLeft() const { return left_; }
  void SetLeft(std::int32_t value) { left_ = value; }
  std::int32_t GetTop() const { return top_; }
  void SetTop(std::int32_t value) { top_ = value; }
  std::int32_t GetRight() const { return right_; }
  void SetRight(std::int32_t value) { right_ = value; }
  std::int32_t GetBottom() const { return bottom_; }
  void SetBottom(std::int32_t value) { bottom_ = value; }
  TSeBitmap* GetImage() const { return image_; }
  void SetImage(TSeBitmap* value) { image_ = value; }

  TRect GetRect() const { return TRect{left_, top_, right_, bottom_}; }
  void SetRect(const TRect& r) {
    left_ = r.Left;
    top_ = r.Top;
    right_ = r.Right;
    bottom_ = r.Bottom;
  }

  void Assign(const TSeBitmapLink& source);
  // An image and a positive area (a negative width times a negative height does not count).
  bool IsValid() const;

 private:
  std::string name_;
  std::int32_t left_ = 0;
  std::int32_t top_ = 0;
  std::int32_t right_ = 0;
  std::int32_t bottom_ = 0;
  TSeBitmap* image_ = nullptr;
};
