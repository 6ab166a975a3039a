#include "SampleSkin.h"

#include "framework/core/TMemoryStream.h"
#include "skin/objects/TSeBitmap.h"
#include "skin/objects/TSeBitmapObject.h"
#include "skin/objects/TSeButtonObject.h"
#include "skin/objects/TSeSkinObject.h"
#include "skin/objects/TSeTextObject.h"
#include "skin/store/SkinFilterRegistry.h"
#include "skin/store/TSeSkinFilter.h"
#include "skin/store/TSeSkinSource.h"

namespace SampleSkin {

void Fill(TSeSkinSource& source, int bitmaps, int children) {
  source.SetSkinName("Sample Skin");
  source.SetSkinVersion("2.0.0");
  for (int i = 0; i < bitmaps; ++i) {
    auto bitmap = std::make_unique<TSeBitmap>();
    bitmap->Name = "PIC" + std::to_string(i) + ".BMP";
    const int w = 7 + i * 5, h = 3 + i * 2;
    bitmap->SetSize(w, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const std::uint32_t p = static_cast<std::uint32_t>((x * 37 + y * 11 + i * 97) & 0xFF) |
                                (static_cast<std::uint32_t>((x * y + i) & 0xFF) << 8) |
                                (static_cast<std::uint32_t>((y * 29 + 3) & 0xFF) << 16) |
                                (x % 3 == 0 ? 0xFF000000u : 0u);
        bitmap->SetPixel(x, y, p);
      }
    // Stored skins hold the key colour, never a near-magenta, once they were read.
    bitmap->ReplaceColor(clFuchsia);
    bitmap->SetPixel(0, 0, 0x007F007F);
    source.Bitmaps().Add(std::move(bitmap));
  }

  auto form = std::make_unique<TSeSkinObject>(nullptr);
  form->SetName("Form");
  form->SetKind(TSeKind::skForm);
  form->SetBounds({0, 0, 300, 200});
  for (int i = 0; i < children; ++i) {
    TSeSkinObject* child = nullptr;
    if (i % 3 == 0) {
      auto* picture = new TSeBitmapObject(form.get());
      picture->Bitmap().SetName("PIC" + std::to_string(i % (bitmaps > 0 ? bitmaps : 1)) + ".BMP");
      picture->Bitmap().SetRect({0, 0, 5, 3});
      child = picture;
      auto* inner = new TSeButtonObject(picture);
      inner->SetName("Glyph" + std::to_string(i));
      inner->BitmapHot().SetName("PIC0.BMP");
      inner->BitmapHot().SetRect({1, 1, 4, 3});
    } else if (i % 3 == 1) {
      auto* text = new TSeTextObject(form.get());
      text->Font().SetHeight(-11 - i);
      text->Font().SetName("Tahoma");
      child = text;
    } else {
      child = new TSeSkinObject(form.get());
      child->SetAlign(TSeAlign::saTop);
    }
    child->SetName("Part" + std::to_string(i));
    child->SetBounds({i, i * 2, i + 40, i * 2 + 20});
  }
  source.AddObject(std::move(form));

  auto button = std::make_unique<TSeButtonObject>(nullptr);
  button->SetName("Button");
  button->SetKind(TSeKind::skNone);
  button->Bitmap().SetName("PIC1.BMP");
  button->Bitmap().SetRect({0, 0, 4, 2});
  button->SetColor(0x00102030);
  source.AddObject(std::move(button));
}

std::vector<std::uint8_t> Saved(TSeSkinSource& source, const std::string& extension) {
  const TSeSkinFilterClass* cls = FindSkinFilterByExtension("." + extension);
  std::unique_ptr<TSeSkinFilter> filter = cls->Create();
  filter->SetSource(&source);
  TMemoryStream out;
  filter->SaveToStream(out);
  return out.Bytes();
}

}  // namespace SampleSkin
