#include "tools/skintool/SkinRenderer.h"

#include <algorithm>
#include <vector>

#include "framework/core/UnicodeText.h"
#include "skin/objects/SeBitmap.h"
#include "skin/objects/SeCanvas.h"
#include "skin/objects/SkinObjectRegistry.h"
#include "skin/objects/TSeSkinObject.h"
#include "skin/store/TSeSkinSource.h"
#include "tools/skintool/SkinBitmapFile.h"
#include "tools/skintool/SkinFiles.h"
#include "tools/skintool/SkinToolError.h"

namespace skintool {

namespace {

constexpr std::uint32_t kPage = 0xFFDDE3EA;  // a soft grey-blue: masked corners show on it
constexpr std::uint32_t kInk = 0x00303840;
constexpr int kMaxSide = 4096;

struct NamedState {
  const char* name;
  TSeObjectState state;
};
constexpr NamedState kStates[] = {
    {"normal", TSeObjectState::osNormal},       {"hot", TSeObjectState::osHot},
    {"pressed", TSeObjectState::osPressed},     {"focused", TSeObjectState::osFocused},
    {"disabled", TSeObjectState::osDisabled},   {"maximized", TSeObjectState::osMaximized},
    {"minimized", TSeObjectState::osMinimized}, {"rolledup", TSeObjectState::osRolledUp},
};

// Controls put their captions into the text parts; the sheet shows the object's name there.
void Label(TSeSkinObject& object, const std::u16string& text) {
  const std::string& name = object.Name();
  if (name == "Text" || name == "Title" || name == "Caption" || name == "Item" ||
      object.ClassName() == "TSeTextObject")
    object.SetText(text);
  for (int i = 0; i < object.ObjectCount(); ++i)
    if (TSeSkinObject* child = object.Objects(i)) Label(*child, text);
}

void DrawObject(TSeSkinObject& top, TSeCanvas& canvas, int x, int y, int width, int height,
                SkinRenderer::Look look) {
  std::unique_ptr<TSeSkinObject> copy = CloneSkinObject(top);
  if (!copy) throw ESkinToolError(top.ClassName() + " is not a registered skin object class");
  copy->SetBitmaps(top.Bitmaps());
  copy->ResolveBitmaps();
  Label(*copy, UnicodeText::FromUtf8(top.Name()).value_or(u""));
  copy->SetBounds({0, 0, width, height});
  copy->SetActive(look.active);
  copy->SetState(look.state);
  const TPoint origin = canvas.Origin();
  canvas.SetOrigin({origin.X + x, origin.Y + y});
  const TRect clip{0, 0, width, height};
  canvas.SetClipRect(&clip);
  copy->Draw(canvas);
  canvas.SetClipRect(nullptr);
  canvas.SetOrigin(origin);
}

void Caption(TSeCanvas& canvas, const std::string& text, const TRect& rect, bool bold) {
  TSeFont font;
  font.Name = "Tahoma";
  font.Height = -11;
  font.Color = kInk;
  font.Style = bold ? fsBold : 0;
  canvas.SetFont(font);
  TRect r = rect;
  canvas.DrawText(UnicodeText::FromUtf8(text).value_or(u""), r,
                  SeTextFormat::tfLeft | SeTextFormat::tfVCenter | SeTextFormat::tfSingleLine |
                      SeTextFormat::tfNoPrefix);
}

}  // namespace

TSeObjectState SkinRenderer::ParseState(const std::string& name) {
  for (const NamedState& s : kStates)
    if (name == s.name) return s.state;
  throw ESkinToolError("unknown state \"" + name +
                       "\" (normal, hot, pressed, focused, disabled, maximized, minimized, "
                       "rolledup)");
}

std::unique_ptr<TSeBitmap> SkinRenderer::Render(TSeSkinSource& source, const std::string& object,
                                                int width, int height, Look look) {
  TSeSkinObject* top = source.GetObjectByName(object);
  if (top == nullptr) throw ESkinToolError("no top-level object named \"" + object + "\"");
  if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide)
    throw ESkinToolError("the size must be 1 to " + std::to_string(kMaxSide) + " each way");
  auto bitmap = std::make_unique<TSeBitmap>();
  bitmap->SetSize(width, height);
  if (bitmap->IsEmpty()) throw ESkinToolError("out of memory for the picture");
  bitmap->Fill(kPage);
  {
    std::unique_ptr<TSeCanvas> canvas = CreateBitmapCanvas(*bitmap);
    DrawObject(*top, *canvas, 0, 0, width, height, look);
  }
  return bitmap;
}

std::unique_ptr<TSeBitmap> SkinRenderer::Sheet(TSeSkinSource& source) {
  struct Column {
    const char* title;
    Look look;
  };
  const Column columns[] = {
      {"normal", {TSeObjectState::osNormal, true}},
      {"hot", {TSeObjectState::osHot, true}},
      {"pressed", {TSeObjectState::osPressed, true}},
      {"focused", {TSeObjectState::osFocused, true}},
      {"disabled", {TSeObjectState::osDisabled, true}},
      {"inactive", {TSeObjectState::osNormal, false}},
  };
  constexpr int kSheetWidth = 1220, kGap = 10, kTitle = 18, kMargin = 12;
  struct Cell {
    TSeSkinObject* object;
    std::string title;
    Look look;
    int x, y, w, h;
  };
  std::vector<Cell> cells;
  std::vector<std::pair<std::string, TPoint>> titles;
  // Blocks of one object each flow left to right; a block's states wrap within the sheet.
  int x = kMargin, y = kMargin, rowHeight = 0;
  for (const auto& owned : source.AllObjects()) {
    TSeSkinObject* object = owned.get();
    const int w = std::clamp(object->Width() > 0 ? object->Width() : 100, 16, 400);
    const int h = std::clamp(object->Height() > 0 ? object->Height() : 24, 12, 300);
    std::vector<Column> looks(std::begin(columns), std::end(columns));
    if (object->Name() == "Form")
      looks.push_back({"rolled up", {TSeObjectState::osRolledUp, true}});
    const int cellWidth = std::max(w, 56) + kGap;
    const int perLine = std::max(
        1, std::min<int>(static_cast<int>(looks.size()), (kSheetWidth - 2 * kMargin) / cellWidth));
    const int lines = (static_cast<int>(looks.size()) + perLine - 1) / perLine;
    const int blockWidth = perLine * cellWidth;
    const int blockHeight = kTitle + lines * (kTitle + h + kGap);
    if (x > kMargin && x + blockWidth > kSheetWidth - kMargin) {
      x = kMargin;
      y += rowHeight + kGap;
      rowHeight = 0;
    }
    titles.push_back({object->Name(), {x, y}});
    for (int i = 0; i < static_cast<int>(looks.size()); ++i) {
      const int cx = x + (i % perLine) * cellWidth;
      const int cy = y + kTitle + (i / perLine) * (kTitle + h + kGap) + kTitle;
      const bool rolledUp = looks[i].look.state == TSeObjectState::osRolledUp;
      cells.push_back({object, looks[i].title, looks[i].look, cx, cy, w, rolledUp ? 34 : h});
    }
    x += blockWidth + kGap;
    rowHeight = std::max(rowHeight, blockHeight);
  }
  const int height = y + rowHeight + kMargin;
  auto sheet = std::make_unique<TSeBitmap>();
  sheet->SetSize(kSheetWidth, height);
  if (sheet->IsEmpty()) throw ESkinToolError("out of memory for the sheet");
  sheet->Fill(0xFFF7F8FA);
  {
    std::unique_ptr<TSeCanvas> canvas = CreateBitmapCanvas(*sheet);
    for (const auto& [name, at] : titles)
      Caption(*canvas, name, {at.X, at.Y, at.X + 400, at.Y + kTitle}, true);
    for (const Cell& cell : cells) {
      Caption(*canvas, cell.title, {cell.x, cell.y - kTitle, cell.x + cell.w + kGap, cell.y},
              false);
      canvas->FillRect({cell.x - 1, cell.y - 1, cell.x + cell.w + 1, cell.y + cell.h + 1},
                       static_cast<TColor>(0xB8C0C8));
      canvas->FillRect({cell.x, cell.y, cell.x + cell.w, cell.y + cell.h},
                       static_cast<TColor>(0xEAE3DD));  // kPage as a colour (BGR)
      DrawObject(*cell.object, *canvas, cell.x, cell.y, cell.w, cell.h, cell.look);
    }
  }
  return sheet;
}

void SkinRenderer::RenderToFile(TSeSkinSource& source, const std::string& object, int width,
                                int height, TSeObjectState state, bool active,
                                const std::string& path) {
  std::unique_ptr<TSeBitmap> bitmap = Render(source, object, width, height, {state, active});
  bitmap->SetAlpha(255);
  SkinFiles::WriteBytes(path, SkinBitmapFile::Encode(*bitmap));
}

void SkinRenderer::SheetToFile(TSeSkinSource& source, const std::string& path) {
  std::unique_ptr<TSeBitmap> sheet = Sheet(source);
  sheet->SetAlpha(255);
  SkinFiles::WriteBytes(path, SkinBitmapFile::Encode(*sheet));
}

}  // namespace skintool
