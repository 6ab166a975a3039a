#include "skin/objects/TSeMemoryCanvas.h"

std::unique_ptr<TSeCanvas> CreateBitmapCanvas(TSeBitmap& bitmap) {
  return std::make_unique<TSeMemoryCanvas>(bitmap);
}
