#include "framework/core/Cursor.h"

const TIdentMap& CursorIdents() {
  static const TIdentMap map({
      {crDefault, "crDefault"},
      {crArrow, "crArrow"},
      {crCross, "crCross"},
      {crIBeam, "crIBeam"},
      {crSizeNESW, "crSizeNESW"},
      {crSizeNS, "crSizeNS"},
      {crSizeNWSE, "crSizeNWSE"},
      {crSizeWE, "crSizeWE"},
      {crUpArrow, "crUpArrow"},
      {crHourGlass, "crHourGlass"},
      {crDrag, "crDrag"},
      {crNoDrop, "crNoDrop"},
      {crHSplit, "crHSplit"},
      {crVSplit, "crVSplit"},
      {crMultiDrag, "crMultiDrag"},
      {crSQLWait, "crSQLWait"},
      {crNo, "crNo"},
      {crAppStart, "crAppStart"},
      {crHelp, "crHelp"},
      {crHandPoint, "crHandPoint"},
      {crSizeAll, "crSizeAll"},
      {crNone, "crNone"},
  });
  return map;
}
