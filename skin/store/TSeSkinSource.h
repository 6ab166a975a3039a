#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/TComponent.h"
#include "framework/core/TPropertyBuilder.h"
#include "skin/objects/SkinObjectTypes.h"
#include "skin/store/TSeSkinContent.h"

class TStream;

// Holds one loaded skin: its five header strings, its bitmaps and its top-level objects, all
// owned here. Loads and saves go through a skin filter; a load replaces the content only once
// the whole stream was read, so a failed load keeps the skin that was there and still raises.
class TSeSkinSource : public TComponent {
  QM_CLASS(TSeSkinSource, TComponent)

 public:
  explicit TSeSkinSource(TComponent* owner);
  ~TSeSkinSource() override;

  static void DeclareProperties(TPropertyBuilder<TSeSkinSource>& p);

  const std::string& SkinName() const { return content_->SkinName; }
  const std::string& SkinVersion() const { return content_->SkinVersion; }
  const std::string& Author() const { return content_->Author; }
  const std::string& AuthorEMail() const { return content_->AuthorEMail; }
  const std::string& AuthorURL() const { return content_->AuthorURL; }
  void SetSkinName(const std::string& value) { content_->SkinName = value; }
  void SetSkinVersion(const std::string& value) { content_->SkinVersion = value; }
  void SetAuthor(const std::string& value) { content_->Author = value; }
  void SetAuthorEMail(const std::string& value) { content_->AuthorEMail = value; }
  void SetAuthorURL(const std::string& value) { content_->AuthorURL = value; }

  // While set, Objects(index) yields none: the engine sets it while it swaps skins.
  bool Busy = false;

  // Frees the objects and the bitmaps; the header strings stay.
  void ClearSkin();
  // Through the default filter.
  void LoadFromStream(TStream& stream);
  void SaveToStream(TStream& stream);
  // The filter by the file's extension. Loading: a name that does not exist is also tried in
  // the program's directory unless it starts with a drive; a missing file or an unknown
  // extension loads nothing. Saving: an unknown extension takes the default filter.
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName);

  int Count() const { return static_cast<int>(content_->Objects.size()); }
  TSeSkinObject* Objects(int index) const;
  // Every top-level object, whatever Busy says.
  const std::vector<std::unique_ptr<TSeSkinObject>>& AllObjects() const {
    return content_->Objects;
  }
  // The classes of the top-level records that the last read passed over, unknown to this
  // library (a skin made for a later one); empty once the skin is cleared.
  const std::vector<std::string>& SkippedClasses() const { return content_->SkippedClasses; }
  TSeBitmapList& Bitmaps() { return content_->Bitmaps; }
  const TSeBitmapList& Bitmaps() const { return content_->Bitmaps; }

  // The first top-level object of that name (ASCII case ignored), or none.
  TSeSkinObject* GetObjectByName(const std::string& name) const;
  TSeSkinObject* GetObjectByKind(TSeKind kind) const;
  // "Form", else the first object of kind skForm.
  TSeSkinObject* GetFormObject() const;

  // Appends a top-level object built in code; it gets this skin's bitmaps.
  void AddObject(std::unique_ptr<TSeSkinObject> object);
  // Takes over a whole content that was read; the old one goes.
  void ReplaceContent(std::unique_ptr<TSeSkinContent> content);

 private:
  std::unique_ptr<TSeSkinContent> content_;
};
