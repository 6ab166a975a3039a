#include "skin/controls/SkinControlTypes.h"

const TEnumInfo& PerformanceInfo() {
  static const TEnumInfo info{"TSePerformance",
                              {"kspNoBuffer", "kspSharedBuffer", "kspDoubleBuffer"}};
  return info;
}

const TEnumInfo& LeftRightInfo() {
  static const TEnumInfo info{"TSeLeftRight", {"ktaLeftJustify", "ktaRightJustify"}};
  return info;
}

const TEnumInfo& ButtonStateInfo() {
  static const TEnumInfo info{"TSeButtonState", {"kbsNormal", "kbsPressed"}};
  return info;
}

const TEnumInfo& BitBtnKindInfo() {
  static const TEnumInfo info{"TBitBtnKind",
                              {"bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo", "bkClose",
                               "bkAbort", "bkRetry", "bkIgnore", "bkAll"}};
  return info;
}

const TEnumInfo& ButtonLayoutInfo() {
  static const TEnumInfo info{"TButtonLayout",
                              {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"}};
  return info;
}

const TEnumInfo& PanelButtonKindInfo() {
  static const TEnumInfo info{"TSePanelButtonKind", {"pbkRoll", "pbkHide"}};
  return info;
}

const TEnumInfo& TextLayoutInfo() {
  static const TEnumInfo info{"TTextLayout", {"tlTop", "tlCenter", "tlBottom"}};
  return info;
}

const TSeButtonKindPreset* ButtonKindPreset(TBitBtnKind kind) {
  // Indexed by kind; the captions are the library's own strings (the Windows build also has
  // them in its string table for translation).
  static const TSeButtonKindPreset presets[] = {
      {u"", 0, false},       {u"OK", 1, true},       {u"Cancel", 2, false}, {u"&Help", 0, false},
      {u"&Yes", 6, true},    {u"&No", 7, false},     {u"&Close", 0, false}, {u"Abort", 3, false},
      {u"&Retry", 4, false}, {u"&Ignore", 5, false}, {u"&All", 8, false},
  };
  const auto index = static_cast<std::size_t>(kind);
  if (index == 0 || index >= sizeof(presets) / sizeof(presets[0])) return nullptr;
  return &presets[index];
}
