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

// Holds one loaded skin: its five header strings, its bitmaps and its top-level objects. Loads
// and saves go through a skin filter; a load replaces the content only once the whole stream
// was read, so a failed load keeps the skin that was there and still raises.
//
// A skin read with LoadSharedFromStream may be shared: sources that read the very same bytes
// (the two windows of a program, each with the program's skin in its definition) use one
// content, read once. A source changes only a content of its own: before any change it takes
// one (copy on write, OwnContent), so a hue shift of one window's skin leaves the other's as
// it was.
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
  void SetSkinName(const std::string& value) { OwnedContent().SkinName = value; }
  void SetSkinVersion(const std::string& value) { OwnedContent().SkinVersion = value; }
  void SetAuthor(const std::string& value) { OwnedContent().Author = value; }
  void SetAuthorEMail(const std::string& value) { OwnedContent().AuthorEMail = value; }
  void SetAuthorURL(const std::string& value) { OwnedContent().AuthorURL = value; }

  // While set, Objects(index) yields none: the engine sets it while it swaps skins.
  bool Busy = false;

  // Frees the objects and the bitmaps; the header strings stay.
  void ClearSkin();
  // Through the default filter.
  void LoadFromStream(TStream& stream);
  // The rest of the stream, through the default filter, or the content of a source of this
  // process that read the same bytes and still holds them unchanged.
  void LoadSharedFromStream(TStream& stream);
  // Makes the content this source's alone, ready to be changed: a shared one is read again
  // from its bytes for this source; one that is not shared (yet) is no longer lent out.
  void OwnContent();
  // Whether another source uses this source's content too.
  bool SharesContent() const { return content_.use_count() > 1; }
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
  // For changing the pictures: the content becomes this source's own first.
  TSeBitmapList& Bitmaps() { return OwnedContent().Bitmaps; }
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
  TSeSkinContent& OwnedContent() {
    OwnContent();
    return *content_;
  }

  std::shared_ptr<TSeSkinContent> content_;
  // The bytes the content was read from while it may be lent to other sources (it is in the
  // process's table of skins read from streams); none once it is this source's alone.
  std::shared_ptr<const std::vector<std::uint8_t>> sharedBytes_;
};
