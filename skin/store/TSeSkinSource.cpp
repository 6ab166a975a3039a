#include "skin/store/TSeSkinSource.h"

#include <algorithm>
#include <mutex>

#include "framework/core/TFileStream.h"
#include "framework/core/TReadOnlyMemoryStream.h"
#include "framework/core/TStream.h"
#include "framework/core/TextCase.h"
#include "skin/store/ProgramDirectory.h"
#include "skin/store/SkinFilterRegistry.h"
#include "skin/store/TSeSkinFilter.h"

namespace {

std::string LowerExtension(const std::string& fileName) {
  const std::size_t dot = fileName.find_last_of('.');
  const std::size_t slash = fileName.find_last_of("/\\");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  return TextCase::LowerCase(fileName.substr(dot));
}

std::unique_ptr<TSeSkinFilter> CreateFilter(const TSeSkinFilterClass& cls, TSeSkinSource& source) {
  std::unique_ptr<TSeSkinFilter> filter = cls.Create();
  filter->SetSource(&source);
  return filter;
}

// A skin read from a stream, lent to every source that reads the same bytes while one of them
// still holds it unchanged.
struct TLentSkin {
  std::shared_ptr<const std::vector<std::uint8_t>> Bytes;
  std::weak_ptr<TSeSkinContent> Content;
};

// Kept for the whole process: sources may still go while static objects are destroyed.
std::mutex& LentSkinsMutex() {
  static auto* mutex = new std::mutex;
  return *mutex;
}
std::vector<TLentSkin>& LentSkins() {
  static auto* skins = new std::vector<TLentSkin>;
  return *skins;
}

}  // namespace

TSeSkinSource::TSeSkinSource(TComponent* owner)
    : TComponent(owner), content_(std::make_unique<TSeSkinContent>()) {
  content_->SkinName = "Untitled Skin";
  content_->SkinVersion = "3.1.5";
  content_->Author = "Quillmar Button Maker";
  content_->AuthorEMail = "skins@quillmar.example";
  content_->AuthorURL = "https://www.quillmar.example/";
}

TSeSkinSource::~TSeSkinSource() = default;

void TSeSkinSource::DeclareProperties(TPropertyBuilder<TSeSkinSource>& p) {
  using T = TSeSkinSource;
  p.String("SkinName", &T::SkinName, &T::SetSkinName);
  p.String("SkinVersion", &T::SkinVersion, &T::SetSkinVersion);
  p.String("Author", &T::Author, &T::SetAuthor);
  p.String("AuthorEMail", &T::AuthorEMail, &T::SetAuthorEMail);
  p.String("AuthorURL", &T::AuthorURL, &T::SetAuthorURL);
}

void TSeSkinSource::ClearSkin() {
  if (sharedBytes_) {
    // A lent content stays whole for the others: this source takes an empty one.
    auto empty = std::make_unique<TSeSkinContent>();
    empty->SkinName = content_->SkinName;
    empty->SkinVersion = content_->SkinVersion;
    empty->Author = content_->Author;
    empty->AuthorEMail = content_->AuthorEMail;
    empty->AuthorURL = content_->AuthorURL;
    ReplaceContent(std::move(empty));
    return;
  }
  // Objects first: they refer to the bitmaps.
  content_->Objects.clear();
  content_->Bitmaps.Clear();
  content_->SkippedClasses.clear();
}

void TSeSkinSource::LoadFromStream(TStream& stream) {
  CreateFilter(DefaultSkinFilter(), *this)->LoadFromStream(stream);
}

void TSeSkinSource::LoadSharedFromStream(TStream& stream) {
  auto bytes = std::make_shared<std::vector<std::uint8_t>>(
      static_cast<std::size_t>(std::max<std::int64_t>(stream.Remaining(), 0)));
  stream.ReadBuffer(bytes->data(), bytes->size());
  {
    const std::lock_guard<std::mutex> lock(LentSkinsMutex());
    std::vector<TLentSkin>& lent = LentSkins();
    lent.erase(std::remove_if(lent.begin(), lent.end(),
                              [](const TLentSkin& skin) { return skin.Content.expired(); }),
               lent.end());
    for (const TLentSkin& skin : lent) {
      if (*skin.Bytes != *bytes) continue;
      if (std::shared_ptr<TSeSkinContent> content = skin.Content.lock()) {
        content_ = std::move(content);
        sharedBytes_ = skin.Bytes;
        return;
      }
    }
  }
  TReadOnlyMemoryStream memory(bytes->data(), bytes->size());
  LoadFromStream(memory);
  sharedBytes_ = bytes;
  const std::lock_guard<std::mutex> lock(LentSkinsMutex());
  LentSkins().push_back(TLentSkin{bytes, content_});
}

void TSeSkinSource::OwnContent() {
  if (!sharedBytes_) return;
  const std::shared_ptr<const std::vector<std::uint8_t>> bytes = std::move(sharedBytes_);
  sharedBytes_.reset();
  if (content_.use_count() > 1) {
    // Another source uses it: this one reads its own from the same bytes (they were read
    // once already, so this read succeeds as that one did).
    TReadOnlyMemoryStream memory(bytes->data(), bytes->size());
    LoadFromStream(memory);
    return;
  }
  // No one else uses it: it is changed in place, and lent to nobody from now on.
  const std::lock_guard<std::mutex> lock(LentSkinsMutex());
  std::vector<TLentSkin>& lent = LentSkins();
  lent.erase(std::remove_if(lent.begin(), lent.end(),
                            [this](const TLentSkin& skin) {
                              return skin.Content.expired() || skin.Content.lock() == content_;
                            }),
             lent.end());
}

void TSeSkinSource::SaveToStream(TStream& stream) {
  CreateFilter(DefaultSkinFilter(), *this)->SaveToStream(stream);
}

void TSeSkinSource::LoadFromFile(const std::string& fileName) {
  if (fileName.empty()) return;
  std::string path = fileName;
  if (!FileExists(path)) {
    if (fileName.size() >= 2 && fileName[1] == ':') return;
    path = ProgramDirectory() + fileName;
    if (!FileExists(path)) return;
  }
  const TSeSkinFilterClass* cls = FindSkinFilterByExtension(LowerExtension(path));
  if (cls == nullptr) return;
  TFileStream file(path, TFileMode::fmOpenRead);
  CreateFilter(*cls, *this)->LoadFromStream(file);
}

void TSeSkinSource::SaveToFile(const std::string& fileName) {
  if (fileName.empty()) return;
  const TSeSkinFilterClass* cls = FindSkinFilterByExtension(LowerExtension(fileName));
  if (cls == nullptr) cls = &DefaultSkinFilter();
  TFileStream file(fileName, TFileMode::fmCreate);
  CreateFilter(*cls, *this)->SaveToStream(file);
}

TSeSkinObject* TSeSkinSource::Objects(int index) const {
  if (Busy || index < 0 || index >= Count()) return nullptr;
  return content_->Objects[static_cast<std::size_t>(index)].get();
}

TSeSkinObject* TSeSkinSource::GetObjectByName(const std::string& name) const {
  for (const auto& object : content_->Objects) {
    if (TextCase::SameText(object->Name(), name)) return object.get();
  }
  return nullptr;
}

TSeSkinObject* TSeSkinSource::GetObjectByKind(TSeKind kind) const {
  for (const auto& object : content_->Objects) {
    if (object->Kind() == kind) return object.get();
  }
  return nullptr;
}

TSeSkinObject* TSeSkinSource::GetFormObject() const {
  if (TSeSkinObject* form = GetObjectByName("Form")) return form;
  return GetObjectByKind(TSeKind::skForm);
}

void TSeSkinSource::AddObject(std::unique_ptr<TSeSkinObject> object) {
  TSeSkinContent& content = OwnedContent();
  object->SetBitmaps(&content.Bitmaps);
  content.Objects.push_back(std::move(object));
}

void TSeSkinSource::ReplaceContent(std::unique_ptr<TSeSkinContent> content) {
  // The old content goes only after the new one is in place, objects before bitmaps (unless
  // another source still uses it).
  std::shared_ptr<TSeSkinContent> old = std::move(content_);
  content_ = std::move(content);
  sharedBytes_.reset();
  for (const auto& object : content_->Objects) object->SetBitmaps(&content_->Bitmaps);
}
