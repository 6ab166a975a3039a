#include "skin/store/TSeSkinSource.h"

#include "framework/core/TFileStream.h"
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
  // Objects first: they refer to the bitmaps.
  content_->Objects.clear();
  content_->Bitmaps.Clear();
  content_->SkippedClasses.clear();
}

void TSeSkinSource::LoadFromStream(TStream& stream) {
  CreateFilter(DefaultSkinFilter(), *this)->LoadFromStream(stream);
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
  object->SetBitmaps(&content_->Bitmaps);
  content_->Objects.push_back(std::move(object));
}

void TSeSkinSource::ReplaceContent(std::unique_ptr<TSeSkinContent> content) {
  // The old content goes only after the new one is in place, objects before bitmaps.
  std::unique_ptr<TSeSkinContent> old = std::move(content_);
  content_ = std::move(content);
  for (const auto& object : content_->Objects) object->SetBitmaps(&content_->Bitmaps);
}
