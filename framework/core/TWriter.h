#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/core/TFiler.h"

class TStream;
class TComponent;
class TPersistent;
class TPropertyInfo;

// Writes a component in the binary component stream form that TReader reads: "TPF0", then
// the component's record (class name, object name, stored properties, 0, children, 0). The
// properties are the class's published ones, base class first in declaration order, then its
// DefineProperties; sub-objects are written as dotted paths. The children are those its
// GetChildren names, each a full record. Integers take the smallest tag; see ValueType.h for
// strings.
class TWriter : public TFiler {
 public:
  explicit TWriter(TStream& stream);
  ~TWriter() override;

  void WriteRootComponent(TComponent& root);

  TComponent* Root() const { return root_; }

  // Value level, for DefineProperty writers.
  void WriteInteger(std::int32_t value);
  void WriteBoolean(bool value);
  void WriteString(std::string_view value);
  void WriteWideString(std::u16string_view value);
  void WriteIdent(std::string_view ident);
  void WriteBinary(const void* data, std::size_t count);
  void WriteListBegin();
  void WriteListEnd();

  void DefineProperty(const std::string& name, const TReaderProc& read, const TWriterProc& write,
                      bool hasData) override;
  void DefineBinaryProperty(const std::string& name, const TStreamProc& read,
                            const TStreamProc& write, bool hasData) override;

 private:
  void WriteComponent(TComponent& component);
  void WriteProperties(const TPersistent& instance);
  void WriteProperty(const TPersistent& instance, const TPropertyInfo& property);
  void WritePropName(std::string_view name);
  void WriteShortString(std::string_view value);
  void WriteValue(std::uint8_t tag);

  TStream& stream_;
  TComponent* root_ = nullptr;
  std::string prefix_;
  int nesting_ = 0;
};
