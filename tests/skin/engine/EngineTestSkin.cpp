#include "EngineTestSkin.h"

#include <memory>
#include <random>

#include "skin/objects/TSeBitmap.h"
#include "skin/objects/TSeButtonObject.h"
#include "skin/objects/TSeSkinObject.h"
#include "skin/store/TSeSkinSource.h"

namespace EngineTestSkin {

void Fill(TSeSkinSource& source, int seed) {
  source.SetSkinName("Seed " + std::to_string(seed));
  for (int i = 0; i < 2; ++i) {
    auto bitmap = std::make_unique<TSeBitmap>();
    bitmap->Name = i == 0 ? "FRAME.BMP" : "BUTTON.BMP";
    bitmap->SetSize(6 + i * 3, 4 + i);
    for (int y = 0; y < bitmap->Height(); ++y)
      for (int x = 0; x < bitmap->Width(); ++x) {
        const std::uint32_t r = static_cast<std::uint32_t>((x * 40 + seed * 17) & 0xFF);
        const std::uint32_t g = static_cast<std::uint32_t>((y * 50 + 30) & 0xFF);
        const std::uint32_t b = static_cast<std::uint32_t>((x * y * 9 + seed) & 0xFF);
        bitmap->SetPixel(x, y, 0xFF000000u | (r << 16) | (g << 8) | b);
      }
    source.Bitmaps().Add(std::move(bitmap));
  }
  auto form = std::make_unique<TSeSkinObject>(nullptr);
  form->SetName("Form");
  form->SetKind(TSeKind::skForm);
  form->SetColor(0x00306090);
  auto* caption = new TSeSkinObject(form.get());
  caption->SetName("Caption");
  caption->SetColor(0x00A04020);
  source.AddObject(std::move(form));

  auto button = std::make_unique<TSeButtonObject>(nullptr);
  button->SetName("Button");
  button->Bitmap().SetName("BUTTON.BMP");
  button->Bitmap().SetRect({0, 0, 4, 2});
  button->SetColor(0x00203040 + seed);
  source.AddObject(std::move(button));

  auto extra = std::make_unique<TSeSkinObject>(nullptr);
  extra->SetName("Extra" + std::to_string(seed));
  source.AddObject(std::move(extra));
}

std::vector<std::uint32_t> Pixels(const TSeSkinSource& source) {
  std::vector<std::uint32_t> pixels;
  for (int i = 0; i < source.Bitmaps().Count(); ++i) {
    const TSeBitmap& b = *source.Bitmaps().Bitmaps(i);
    for (int y = 0; y < b.Height(); ++y)
      for (int x = 0; x < b.Width(); ++x) pixels.push_back(b.Pixel(x, y));
  }
  return pixels;
}

std::vector<std::string> Names(const TSeSkinSource& source) {
  std::vector<std::string> names;
  for (const auto& object : source.AllObjects()) names.push_back(object->Name());
  return names;
}

TTempDir::TTempDir() {
  // Random names: the host and the Windows runs may share the folder at the same time.
  std::random_device random;
  path_ = std::filesystem::temp_directory_path() /
          ("qm_engine_" + std::to_string(random()) + "_" + std::to_string(random()));
  std::filesystem::create_directories(path_);
}

TTempDir::~TTempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void SaveSkin(const std::string& path, int seed) {
  TSeSkinSource source(nullptr);
  Fill(source, seed);
  source.SaveToFile(path);
}

}  // namespace EngineTestSkin
