#include "EngineClientBinding.h"

#include <windows.h>

#include "skin/SkinMessages.h"
#include "skin/engine/TSeSkinEngine.h"
#include "skin/objects/SeHue.h"
#include "skin/objects/SkinObjectRegistry.h"
#include "skin/objects/TSeBitmap.h"
#include "skin/objects/TSeSkinObject.h"
#include "skin/store/TSeSkinSource.h"

namespace {
std::vector<std::string>* gLog = nullptr;
void Note(const std::string& line) {
  if (gLog) gLog->push_back(line);
}
}  // namespace

TClientBinding::TClientBinding(std::string id, std::string objectName)
    : ObjectName(std::move(objectName)), id_(std::move(id)) {}

TClientBinding::~TClientBinding() {
  delete copy_;
}

void TClientBinding::SetLog(std::vector<std::string>* log) {
  gLog = log;
}

void TClientBinding::Release() {
  delete copy_;
  copy_ = nullptr;
}

void TClientBinding::Bind() {
  Release();
  ++Binds;
  if (Binds == 1) SkinPresentAtFirstBind = Engine != nullptr && Engine->ObjectCount() > 0;
  if (Engine == nullptr || Engine->Busy() || Engine->ObjectCount() == 0) {
    Note(id_ + " bind none");
    return;
  }
  TSeSkinObject* found =
      ObjectName == "Form" ? Engine->FindFormObject() : Engine->FindObject(ObjectName);
  if (found) copy_ = CloneSkinObject(*found).release();
  Note(id_ + (copy_ ? " bind " + copy_->Name() : " bind none"));
}

void TClientBinding::Handle(std::uint32_t message, std::intptr_t lParam) {
  if (lParam != reinterpret_cast<std::intptr_t>(Engine)) {
    ++Ignored;
    return;
  }
  if (message == SE_BEFORECHANGE) {
    Release();
    Note(id_ + " release");
  } else if (message == SE_AFTERCHANGE) {
    Bind();
  }
}

std::uint32_t TClientBinding::CopyColor() const {
  return copy_ ? static_cast<std::uint32_t>(copy_->Color()) : 0xFFFFFFFFu;
}

namespace EngineProbe {

bool HasObject(TSeSkinEngine& engine, const std::string& name) {
  return engine.FindObject(name) != nullptr;
}

std::uint32_t ObjectColor(TSeSkinEngine& engine, const std::string& name) {
  TSeSkinObject* object = engine.FindObject(name);
  return object ? static_cast<std::uint32_t>(object->Color()) : 0xFFFFFFFFu;
}

std::vector<std::uint32_t> Pixels(TSeSkinEngine& engine, int index) {
  const TSeBitmap& bitmap = *engine.Source()->Bitmaps().Bitmaps(index);
  std::vector<std::uint32_t> out;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) out.push_back(bitmap.Pixel(x, y));
  return out;
}

void EnsureDeviceCopy(TSeSkinEngine& engine, int index) {
  TSeBitmap& bitmap = *engine.Source()->Bitmaps().Bitmaps(index);
  if (!bitmap.HasDeviceCopy()) bitmap.UpdateDeviceCopy();
}

std::vector<std::uint32_t> DevicePixels(TSeSkinEngine& engine, int index, bool deviceCopy) {
  TSeBitmap& bitmap = *engine.Source()->Bitmaps().Bitmaps(index);
  if (deviceCopy && !bitmap.HasDeviceCopy()) return {};
  HDC dc = static_cast<HDC>(bitmap.Surface().NativeContext());
  HDC copyDc = nullptr;
  HGDIOBJ old = nullptr;
  if (deviceCopy) {
    copyDc = CreateCompatibleDC(dc);
    old = SelectObject(copyDc, static_cast<HBITMAP>(bitmap.Surface().NativeDeviceCopy()));
    dc = copyDc;
  }
  std::vector<std::uint32_t> out;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) {
      const COLORREF c = GetPixel(dc, x, y);
      out.push_back((std::uint32_t(GetRValue(c)) << 16) | (std::uint32_t(GetGValue(c)) << 8) |
                    GetBValue(c));
    }
  if (copyDc) {
    SelectObject(copyDc, old);
    DeleteDC(copyDc);
  }
  return out;
}

std::vector<std::uint32_t> Shifted(std::vector<std::uint32_t> pixels, int delta) {
  for (auto& p : pixels) p = ShiftHuePixel(p, delta);
  return pixels;
}

std::vector<std::uint32_t> ShiftedRgb(std::vector<std::uint32_t> pixels, int delta) {
  for (auto& p : pixels) p = ShiftHuePixel(p, delta) & 0xFFFFFFu;
  return pixels;
}

}  // namespace EngineProbe
