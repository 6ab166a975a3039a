#pragma once

#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/core/ObjectText.h"
#include "framework/core/TReadOnlyMemoryStream.h"
#include "framework/core/TReader.h"
#include "skin/objects/SkinObjectRegistry.h"

#include "skin/objects/TSeBitmap.h"
#include "skin/objects/TSeBitmapList.h"
#include "skin/objects/TSeMemoryCanvas.h"
#include "skin/objects/TSeObjectControl.h"
#include "skin/objects/TSeSkinFormActions.h"
#include "skin/objects/TSeSkinObject.h"

// A memory canvas that also remembers the fills, texts and device-copy blits it was asked for,
// and can be told to fail so that restoring after a failed paint can be checked.
class RecordingCanvas : public TSeMemoryCanvas {
 public:
  struct TextCall {
    std::u16string Text;
    TRect Rect;
    std::uint32_t Format;
    TSeFont Font;
  };
  explicit RecordingCanvas(TSeBitmap& target) : TSeMemoryCanvas(target) {}

  void FillRect(const TRect& rect, TColor color) override {
    if (FailOnFill) throw std::runtime_error("paint failed");
    Fills.push_back({rect, color});
    TSeMemoryCanvas::FillRect(rect, color);
  }
  void SetFont(const TSeFont& font) override {
    font_ = font;
    TSeMemoryCanvas::SetFont(font);
  }
  int DrawText(std::u16string_view text, TRect& rect, std::uint32_t format) override {
    if (!(format & SeTextFormat::tfCalcRect)) {
      Texts.push_back({std::u16string(text), rect, format, font_});
    }
    return TSeMemoryCanvas::DrawText(text, rect, format);
  }
  void CopyDeviceCopy(const TSeBitmap& source, const TRect& dest, const TRect& src) override {
    Copies.push_back({src, dest});
    TSeMemoryCanvas::CopyDeviceCopy(source, dest, src);
  }

  std::vector<std::pair<TRect, TColor>> Fills;
  std::vector<TextCall> Texts;
  std::vector<std::pair<TRect, TRect>> Copies;  // source, destination
  bool FailOnFill = false;

 private:
  TSeFont font_;
};

// A frame that records what caption buttons asked of it.
class FakeForm : public TSeSkinFormActions {
 public:
  bool HasBorderIcon(TSeBorderIcon icon) const override {
    return (Icons & (1u << static_cast<unsigned>(icon))) != 0;
  }
  void DoClose() override { Calls.push_back("close"); }
  void DoHelp() override { Calls.push_back("help"); }
  void DoMinimize() override { Calls.push_back("minimize"); }
  void DoMaximize() override { Calls.push_back("maximize"); }
  void DoRestore() override { Calls.push_back("restore"); }
  void DoRollup() override { Calls.push_back("rollup"); }
  void DoMinimizeToTray() override { Calls.push_back("tray"); }
  void ShowSystemMenu() override { Calls.push_back("sysmenu"); }
  void CustomAction(TSeSkinObject*) override { Calls.push_back("custom"); }
  void ProcessMessages() override { Calls.push_back("process"); }

  void Remove(TSeBorderIcon icon) { Icons &= ~(1u << static_cast<unsigned>(icon)); }
  unsigned Icons = 0x7F;
  std::vector<std::string> Calls;
};

class FakeControl : public TSeObjectControl {
 public:
  void ObjectChanged(TSeSkinObject* object) override { Changed.push_back(object); }
  TSeSkinFormActions* SkinForm() override { return Form; }
  TSeBiDiMode BiDiMode() const override { return Mode; }
  bool LocaleIsRightToLeft() const override { return RightToLeftLocale; }
  bool DrawWindowIcon(TSeCanvas& canvas, std::int32_t x, std::int32_t y) override {
    canvas.FillRect(Bounds(x, y, 16, 16), 0x123456);
    return true;
  }
  void ActivateHint(TPoint) override { ++Hints; }

  TSeSkinFormActions* Form = nullptr;
  TSeBiDiMode Mode = TSeBiDiMode::bdLeftToRight;
  bool RightToLeftLocale = false;
  std::vector<TSeSkinObject*> Changed;
  int Hints = 0;
};

// A bitmap list with one named picture whose pixels the test fills.
struct OneBitmapSkin {
  TSeBitmapList List;
  TSeBitmap* Picture = nullptr;

  OneBitmapSkin(const std::string& name, std::int32_t w, std::int32_t h, std::uint32_t fill) {
    auto bitmap = std::make_unique<TSeBitmap>();
    bitmap->Name = name;
    bitmap->SetSize(w, h);
    bitmap->Fill(fill);
    bitmap->UpdateDeviceCopy();
    Picture = List.Add(std::move(bitmap));
  }
  TSeBitmap* AddPicture(const std::string& name, std::int32_t w, std::int32_t h,
                        std::uint32_t fill) {
    auto bitmap = std::make_unique<TSeBitmap>();
    bitmap->Name = name;
    bitmap->SetSize(w, h);
    bitmap->Fill(fill);
    bitmap->UpdateDeviceCopy();
    return List.Add(std::move(bitmap));
  }
};

inline void SetLink(TSeBitmapLink& link, const std::string& name, TRect rect) {
  link.SetName(name);
  link.SetRect(rect);
}

// The low 24 bits: fills leave alpha 0, copies keep the source's alpha.
inline std::uint32_t Rgb(const TSeBitmap& b, std::int32_t x, std::int32_t y) {
  return b.Pixel(x, y) & 0xFFFFFF;
}

// A tree from its binary form; none when the root is not a skin object.
inline std::unique_ptr<TSeSkinObject> ReadSkinObject(const std::vector<std::uint8_t>& bytes) {
  TReadOnlyMemoryStream stream(bytes.data(), bytes.size());
  TReader reader(stream, SkinObjectClasses());
  std::unique_ptr<TComponent> root(reader.ReadRootComponent(nullptr));
  auto* object = ObjectAs<TSeSkinObject>(root.get());
  if (object != nullptr) root.release();
  return std::unique_ptr<TSeSkinObject>(object);
}

// One of the program's skin trees from its source under resources/skin/objects (nested object
// records become children); none when the file is missing.
inline std::unique_ptr<TSeSkinObject> ReadProgramSkinObject(const std::string& name) {
  std::ifstream file(std::string(QM_SOURCE_DIR) + "/resources/skin/objects/" + name + ".txt",
                     std::ios::binary);
  if (!file) return nullptr;
  std::stringstream text;
  text << file.rdbuf();
  return ReadSkinObject(ObjectTextToBinary(text.str()));
}
