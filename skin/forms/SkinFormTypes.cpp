#include "skin/forms/SkinFormTypes.h"

const TEnumInfo& SeFormDragModeInfo() {
  static const TEnumInfo info{"TSeFormDragMode", {"kfdmBorder", "kfdmFullDrag"}};
  return info;
}

const TEnumInfo& SeDirectionInfo() {
  static const TEnumInfo info{"TSeDirection",
                              {"kdNone", "kdNoRotate", "kdRotate90", "kdRotate180", "kdRotate270"}};
  return info;
}

const TEnumInfo& KeEffectInfo() {
  static const TEnumInfo info{
      "TkeEffect",
      {"keRandomSelect", "keFade", "keDiagonal", "keDown", "keIn", "keOut", "keRectIn", "keRectOut",
       "kePixel", "kePixelLine", "keDiamondIn", "keDiamondOut", "keSmoothDiagonal",
       "keSmoothRectIn", "keSmoothRectOut"}};
  return info;
}
