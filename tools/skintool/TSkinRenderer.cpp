#include "tools/skintool/TSkinRenderer.h"

#include <algorithm>
#include <vector>

#include "framework/core/UnicodeText.h"
#include "skin/objects/SkinObjectRegistry.h"
#include "skin/objects/TSeBitmap.h"
#include "skin/objects/TSeCanvas.h"
#include "skin/objects/TSeSkinObject.h"
#include "skin/store/TSeSkinSource.h"
#include "tools/skinsource/TSkinBitmapFile.h"
#include "tools/skinsource/TWholeFile.h"
#include "tools/skintool/ESkinToolError.h"

namespace skintool {

namespace {

constexpr std::uint32_t kPage = 0xFFDDE3EA;  // a soft grey-blue: masked corners show on it
constexpr std::uint32_t kInk = 0x00303840;

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

// Controls put their captions into the text parts and size a button's or tab's text to its
// face; the sheet does the same with a short sample text.
void Label(TSeSkinObject& object, const std::u16string& text) {
  const std::string& name = object.Name();
  if (name == "Text" || name == "Title" || name == "Caption" || name == "Item" ||
      object.ClassName() == "TSeTextObject")
    object.SetText(text);
  for (int i = 0; i < object.ObjectCount(); ++i)
    if (TSeSkinObject* child = object.Objects(i)) Label(*child, text);
}

void PlaceText(TSeSkinObject& object) {
  TSeSkinObject* face = nullptr;
  for (int i = 0; i < object.ObjectCount(); ++i) {
    TSeSkinObject* child = object.Objects(i);
    if (child != nullptr && (child->Name() == "Face" || child->Name() == "Tab")) face = child;
  }
  for (int i = 0; i < object.ObjectCount() && face != nullptr; ++i) {
    TSeSkinObject* child = object.Objects(i);
    if (child != nullptr && child->Name() == "Text" &&
        (child->Width() <= 0 || child->Height() <= 0))
      child->SetBounds(face->BoundsRect());
  }
}

std::u16string SampleText(const std::string& object) {
  if (object == "MenuBar") return u"File";
  if (object == "PopupMenu") return u"Open...";
  if (object == "ListBox") return u"Item";
  if (object == "Tabs") return u"Tab";
  if (object == "SpeedButton") return u"S";
  return UnicodeText::FromUtf8(object).value_or(u"");
}

void DrawObject(TSeSkinObject& top, TSeCanvas& canvas, int x, int y, int width, int height,
                TSkinRenderer::Look look) {
  std::unique_ptr<TSeSkinObject> copy = CloneSkinObject(top);
  if (!copy) throw ESkinToolError(top.ClassName() + " is not a registered skin object class");
  copy->SetBitmaps(top.Bitmaps());
  copy->ResolveBitmaps();
  Label(*copy, SampleText(top.Name()));
  copy->SetBounds({0, 0, width, height});
  PlaceText(*copy);
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

TSeObjectState TSkinRenderer::ParseState(const std::string& name) {
  for (const NamedState& s : kStates)
    if (name == s.name) return s.state;
  throw ESkinToolError("unknown state \"" + name +
                       "\" (normal, hot, pressed, focused, disabled, maximized, minimized, "
                       "rolledup)");
}

std::unique_ptr<TSeBitmap> TSkinRenderer::Render(TSeSkinSource& source, const std::string& object,
                                                 int width, int height, Look look) {
  TSeSkinObject* top = source.GetObjectByName(object);
  if (top == nullptr) throw ESkinToolError("no top-level object named \"" + object + "\"");
  // As large as a picture the tools read back, no larger.
  using skinsource::TSkinBitmapFile;
  if (width < 1 || height < 1 || width > TSkinBitmapFile::kMaxSide ||
      height > TSkinBitmapFile::kMaxSide ||
      std::int64_t{width} * height > TSkinBitmapFile::kMaxPixels)
    throw ESkinToolError("the size must be 1 to " + std::to_string(TSkinBitmapFile::kMaxSide) +
                         " each way and " + std::to_string(TSkinBitmapFile::kMaxPixels) +
                         " pixels in all");
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

std::unique_ptr<TSeBitmap> TSkinRenderer::Sheet(TSeSkinSource& source) {
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
  constexpr int kSheetWidth = 1300, kGap = 10, kTitle = 18, kMargin = 12;
  struct Cell {
    TSeSkinObject* object;
    std::string title;
    Look look;
    int x, y, w, h, captionWidth;
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
    if (object->FindByKind(TSeKind::skClient) != nullptr) {
      // A frame takes its state from the window, not from the mouse: active or not, rolled
      // up or not (the caption buttons track the mouse themselves).
      looks = {{"active", {TSeObjectState::osNormal, true}},
               {"inactive", {TSeObjectState::osNormal, false}},
               {"rolled up", {TSeObjectState::osRolledUp, true}},
               {"rolled up, inactive", {TSeObjectState::osRolledUp, false}}};
    }
    const int cellWidth = std::max(w, 60) + kGap;
    const int perLine = std::max(
        1, std::min<int>(static_cast<int>(looks.size()), (kSheetWidth - 2 * kMargin) / cellWidth));
    const int blockWidth = perLine * cellWidth;
    if (x > kMargin && x + blockWidth > kSheetWidth - kMargin) {
      x = kMargin;
      y += rowHeight + kGap;
      rowHeight = 0;
    }
    titles.push_back({object->Name(), {x, y}});
    int lineTop = y + kTitle, lineHeight = 0;
    for (int i = 0; i < static_cast<int>(looks.size()); ++i) {
      if (i > 0 && i % perLine == 0) {
        lineTop += kTitle + lineHeight + kGap;
        lineHeight = 0;
      }
      const int cellHeight = looks[i].look.state == TSeObjectState::osRolledUp ? 34 : h;
      cells.push_back({object, looks[i].title, looks[i].look, x + (i % perLine) * cellWidth,
                       lineTop + kTitle, w, cellHeight, cellWidth});
      lineHeight = std::max(lineHeight, cellHeight);
    }
    x += blockWidth + kGap;
    rowHeight = std::max(rowHeight, lineTop + kTitle + lineHeight - y);
  }
  const int height = y + rowHeight + kMargin;
  auto sheet = std::make_unique<TSeBitmap>();
  sheet->SetSize(kSheetWidth, height);
  if (sheet->IsEmpty()) throw ESkinToolError("out of memory for the sheet");
  sheet->Fill(0xFFF7F8FA);
  TSeSkinObject* form = source.GetFormObject();
  const TColor face =
      form != nullptr && form->Color() != clNone ? form->Color() : static_cast<TColor>(0xEAE3DD);
  {
    std::unique_ptr<TSeCanvas> canvas = CreateBitmapCanvas(*sheet);
    for (const auto& [name, at] : titles)
      Caption(*canvas, name, {at.X, at.Y, at.X + 400, at.Y + kTitle}, true);
    for (const Cell& cell : cells) {
      Caption(*canvas, cell.title, {cell.x, cell.y - kTitle, cell.x + cell.captionWidth, cell.y},
              false);
      canvas->FillRect({cell.x - 1, cell.y - 1, cell.x + cell.w + 1, cell.y + cell.h + 1},
                       static_cast<TColor>(0xB8C0C8));
      // Controls stand on their window's face; a frame on the page, to show its corners.
      const bool frame = cell.object->FindByKind(TSeKind::skClient) != nullptr;
      canvas->FillRect({cell.x, cell.y, cell.x + cell.w, cell.y + cell.h},
                       frame ? static_cast<TColor>(0xEAE3DD) : face);
      DrawObject(*cell.object, *canvas, cell.x, cell.y, cell.w, cell.h, cell.look);
    }
  }
  return sheet;
}

void TSkinRenderer::RenderToFile(TSeSkinSource& source, const std::string& object, int width,
                                 int height, TSeObjectState state, bool active,
                                 const std::string& path) {
  std::unique_ptr<TSeBitmap> bitmap = Render(source, object, width, height, {state, active});
  bitmap->SetAlpha(255);
  skinsource::TWholeFile::Write(path, skinsource::TSkinBitmapFile::Encode(*bitmap));
}

void TSkinRenderer::SheetToFile(TSeSkinSource& source, const std::string& path) {
  std::unique_ptr<TSeBitmap> sheet = Sheet(source);
  sheet->SetAlpha(255);
  skinsource::TWholeFile::Write(path, skinsource::TSkinBitmapFile::Encode(*sheet));
}

}  // namespace skintool
