#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/TClassRegistry.h"
#include "framework/core/TFiler.h"
#include "framework/core/TValueType.h"

class TStream;
class TComponent;
class TPersistent;
class TPropertyInfo;

// Reads a component from the binary component stream:
//   "TPF0", class name, object name, properties (name, value)..., 0, child components..., 0
// (names are short strings: a length byte, then 8-bit characters; a dotted property name such
// as "Font.Height" addresses a property of a sub-object). Each child is a record like the root
// without the signature, nested to at most kMaxNesting levels (counted across readers, so
// blocks that read components of their own are bounded too).
//
// ReadRootComponent fills the given root (a form) or creates one by class name, creates the
// children through the class registry (owner: the reading component's GetChildOwner, else the
// root; then SetParentComponent(GetChildParent())), and after the whole stream: resolves
// references by name within the root, then calls Loaded once on every component read, in
// reading order. Events are bound to the root's published methods as they are read.
//
// Every count and length is checked against what the stream holds before anything is
// allocated. Errors: EReadError "Invalid stream format" (bad signature, unknown tag, nesting
// too deep), "Property %s does not exist", "Invalid property value" (a value of the wrong
// kind, an unknown identifier, an event whose method the root does not publish, a reference
// that names no component of the root), "Stream read error" (truncated); EClassNotFound
// "Class %s not found". A root that the reader created is deleted when reading fails.
class TReader : public TFiler {
 public:
  static constexpr int kMaxNesting = 64;

  explicit TReader(TStream& stream, const TClassRegistry& registry = TClassRegistry::Global());
  ~TReader() override;

  TComponent* ReadRootComponent(TComponent* root = nullptr);

  // The component whose definition is being read (events bind to its methods, references
  // resolve among its components).
  TComponent* Root() const { return root_; }

  // Value level, for DefineProperty readers.
  TValueType NextValue();
  TValueType ReadValue();
  std::int32_t ReadInteger();
  bool ReadBoolean();
  // 8-bit strings (vaString, vaLString); wide strings are narrowed, characters above 255
  // becoming '?'.
  std::string ReadString();
  // Any string tag; 8-bit strings widen one character per byte.
  std::u16string ReadWideString();
  std::string ReadIdent();
  std::vector<std::uint8_t> ReadBinary();
  void ReadListBegin();
  bool EndOfList();
  void ReadListEnd();
  void SkipValue();

  void DefineProperty(const std::string& name, const TReaderProc& read, const TWriterProc& write,
                      bool hasData) override;
  void DefineBinaryProperty(const std::string& name, const TStreamProc& read,
                            const TStreamProc& write, bool hasData) override;

 private:
  struct TFixup {
    TPersistent* instance;
    const TPropertyInfo* property;
    std::string name;
  };

  std::string ReadShortString();
  void ReadSignature();
  TComponent* ReadComponent(TComponent* parent);
  void ReadComponentBody(TComponent* component);
  void ReadProperty(TPersistent* instance);
  void ReadPropertyValue(TPersistent* instance, const TPropertyInfo& property);
  void ReadSetValue(TPersistent* instance, const TPropertyInfo& property);
  void ResolveFixups();
  void CheckAvailable(std::int64_t count);
  [[noreturn]] void InvalidValue() const;

  TStream& stream_;
  const TClassRegistry& registry_;
  TComponent* root_ = nullptr;
  std::vector<TComponent*> loaded_;
  std::vector<TFixup> fixups_;
  // The property name being read while DefineProperties runs, and whether one matched.
  std::string propertyName_;
  bool propertyFound_ = false;
  int listDepth_ = 0;
};
