#include "skin/objects/SkinObjectTypes.h"

const TEnumInfo& SeAlignInfo() {
  static const TEnumInfo info{
      "TSeAlign",
      {"saNone", "saLeft", "saMostLeft", "saTop", "saMostTop", "saRight", "saMostRight", "saBottom",
       "saMostBottom", "saClient", "saTopLeft", "saTopRight", "saBottomLeft", "saBottomRight",
       "saCenter", "saText"}};
  return info;
}

const TEnumInfo& SeKindInfo() {
  static const TEnumInfo info{"TSeKind",
                              {"skNone",
                               "skForm",
                               "skCaption",
                               "skTitle",
                               "skTop",
                               "skLeft",
                               "skRight",
                               "skBottom",
                               "skTopLeft",
                               "skTopRight",
                               "skBottomLeft",
                               "skBottomRight",
                               "skSysButton",
                               "skClient",
                               "skMenuBar",
                               "skMenuBarItem",
                               "skMenuBarItemText",
                               "skPopupMenu",
                               "skPopupMenuItem",
                               "skPopupMenuItemText",
                               "skItemText",
                               "skTranparent"}};
  return info;
}

const TEnumInfo& SeTextAlignInfo() {
  static const TEnumInfo info{"TSeTextAlign",
                              {"taTopLeft", "taTopCenter", "taTopRight", "taLeft", "taCenter",
                               "taRight", "taBottomLeft", "taBottomCenter", "taBottomRight"}};
  return info;
}

const TEnumInfo& SeTextEffectInfo() {
  static const TEnumInfo info{"TSeTextEffect", {"teNone", "teShadow"}};
  return info;
}

const TEnumInfo& SeActionInfo() {
  static const TEnumInfo info{
      "TSeAction",
      {"sbaNone", "sbaClose", "sbaHelp", "sbaMinimize", "sbaMaximize", "sbaRestore", "sbaRollUp",
       "sbaRollDown", "sbaTray", "sbaSysMenu", "sbaRollPanel", "sbaCustom"}};
  return info;
}

const TEnumInfo& SeRollKindInfo() {
  static const TEnumInfo info{"TSeRollKind", {"rkLeft", "rkTop", "rkRight", "rkBottom"}};
  return info;
}

const TEnumInfo& ScTileStyleInfo() {
  static const TEnumInfo info{"TscTileStyle", {"tsTile", "tsStretch", "tsCenter"}};
  return info;
}
