#include "framework/core/TWriter.h"

#include "framework/core/Exception.h"
#include "framework/core/TClassInfo.h"
#include "framework/core/TComponent.h"
#include "framework/core/TEnumInfo.h"
#include "framework/core/TIdentMap.h"
#include "framework/core/TMemoryStream.h"
#include "framework/core/TPropertyInfo.h"
#include "framework/core/TStream.h"
#include "framework/core/TValueType.h"
#include "framework/core/TextCase.h"

namespace {

// Child lists and sub-objects deeper than this are a cycle, not a window definition.
constexpr int kMaxWriteNesting = 64;

class TNestingGuard {
 public:
  explicit TNestingGuard(int& depth) : depth_(depth) {
    if (++depth_ > kMaxWriteNesting) {
      --depth_;
      throw EWriteError("Components or sub-objects nested too deeply to write");
    }
  }
  ~TNestingGuard() { --depth_; }
  TNestingGuard(const TNestingGuard&) = delete;
  TNestingGuard& operator=(const TNestingGuard&) = delete;

 private:
  int& depth_;
};

}  // namespace

TWriter::TWriter(TStream& stream) : stream_(stream) {}

TWriter::~TWriter() = default;

void TWriter::WriteRootComponent(TComponent& root) {
  root_ = &root;
  prefix_.clear();
  stream_.WriteBuffer("TPF0", 4);
  WriteComponent(root);
}

void TWriter::WriteComponent(TComponent& component) {
  TNestingGuard guard(nesting_);
  const bool wasWriting = component.ComponentState().Contains(TComponentStateFlag::csWriting);
  component.IncludeState(TComponentStateFlag::csWriting);
  try {
    WriteShortString(component.ClassName());
    WriteShortString(component.Name());
    WriteProperties(component);
    stream_.WriteUInt8(0);
    component.GetChildren([this](TComponent* child) { WriteComponent(*child); }, root_);
    stream_.WriteUInt8(0);
  } catch (...) {
    if (!wasWriting) component.ExcludeState(TComponentStateFlag::csWriting);
    throw;
  }
  if (!wasWriting) component.ExcludeState(TComponentStateFlag::csWriting);
}

void TWriter::WriteProperties(const TPersistent& instance) {
  TNestingGuard guard(nesting_);
  for (const TPropertyInfo* property : instance.ClassInfo().Properties())
    if (property->IsStored(instance)) WriteProperty(instance, *property);
  // DefineProperties is not const: it hands out procedures that read into the object too.
  const_cast<TPersistent&>(instance).DefineProperties(*this);
}

void TWriter::WriteProperty(const TPersistent& instance, const TPropertyInfo& property) {
  switch (property.Kind()) {
    case TPropertyKind::pkInteger: {
      const std::int32_t value = property.GetOrdinal(instance);
      WritePropName(property.Name());
      if (property.Idents() != nullptr) {
        if (const auto ident = property.Idents()->ToIdent(value)) {
          WriteIdent(*ident);
          break;
        }
      }
      WriteInteger(value);
      break;
    }
    case TPropertyKind::pkBoolean:
      WritePropName(property.Name());
      WriteBoolean(property.GetOrdinal(instance) != 0);
      break;
    case TPropertyKind::pkEnum: {
      const std::int32_t value = property.GetOrdinal(instance);
      const std::string name = property.EnumType()->Name(value);
      WritePropName(property.Name());
      if (name.empty()) {
        WriteInteger(value);
      } else {
        WriteIdent(name);
      }
      break;
    }
    case TPropertyKind::pkSet: {
      const auto bits = static_cast<std::uint32_t>(property.GetOrdinal(instance));
      WritePropName(property.Name());
      WriteValue(static_cast<std::uint8_t>(TValueType::vaSet));
      const TEnumInfo& type = *property.EnumType();
      for (std::int32_t i = 0; i < type.Count() && i < 32; ++i)
        if ((bits & (std::uint32_t{1} << i)) != 0) WriteShortString(type.Name(i));
      WriteShortString("");
      break;
    }
    case TPropertyKind::pkString:
      WritePropName(property.Name());
      WriteString(property.GetString(instance));
      break;
    case TPropertyKind::pkWideString:
      WritePropName(property.Name());
      WriteWideString(property.GetWideString(instance));
      break;
    case TPropertyKind::pkObject: {
      const TPersistent* sub = property.GetObject(instance);
      if (sub == nullptr) break;
      const std::string saved = prefix_;
      prefix_ += property.Name() + ".";
      try {
        WriteProperties(*sub);
      } catch (...) {
        prefix_ = saved;
        throw;
      }
      prefix_ = saved;
      break;
    }
    case TPropertyKind::pkReference: {
      const TComponent* target = property.GetReference(instance);
      if (target == nullptr || target->Name().empty()) break;
      std::string name;
      if (target == root_ || target->Owner() == root_) {
        name = target->Name();
      } else if (target->Owner() != nullptr && !target->Owner()->Name().empty()) {
        name = target->Owner()->Name() + "." + target->Name();
      } else {
        break;
      }
      WritePropName(property.Name());
      WriteIdent(name);
      break;
    }
    case TPropertyKind::pkEvent:
      WritePropName(property.Name());
      WriteIdent(property.GetMethodName(instance));
      break;
  }
}

void TWriter::WriteInteger(std::int32_t value) {
  if (value >= -128 && value <= 127) {
    WriteValue(static_cast<std::uint8_t>(TValueType::vaInt8));
    stream_.WriteInt8(static_cast<std::int8_t>(value));
  } else if (value >= -32768 && value <= 32767) {
    WriteValue(static_cast<std::uint8_t>(TValueType::vaInt16));
    stream_.WriteInt16(static_cast<std::int16_t>(value));
  } else {
    WriteValue(static_cast<std::uint8_t>(TValueType::vaInt32));
    stream_.WriteInt32(value);
  }
}

void TWriter::WriteBoolean(bool value) {
  WriteValue(static_cast<std::uint8_t>(value ? TValueType::vaTrue : TValueType::vaFalse));
}

void TWriter::WriteString(std::string_view value) {
  if (value.size() <= 255) {
    WriteValue(static_cast<std::uint8_t>(TValueType::vaString));
    WriteShortString(value);
  } else {
    if (value.size() > 0x7FFFFFFF) throw EWriteError(FrameworkMessages::SWriteError);
    WriteValue(static_cast<std::uint8_t>(TValueType::vaLString));
    stream_.WriteInt32(static_cast<std::int32_t>(value.size()));
    stream_.WriteBuffer(value.data(), value.size());
  }
}

void TWriter::WriteWideString(std::u16string_view value) {
  bool narrow = true;
  for (char16_t c : value)
    if (c > 0xFF) narrow = false;
  if (narrow) {
    std::string bytes;
    bytes.reserve(value.size());
    for (char16_t c : value) bytes.push_back(static_cast<char>(c));
    WriteString(bytes);
    return;
  }
  if (value.size() > 0x3FFFFFFF) throw EWriteError(FrameworkMessages::SWriteError);
  WriteValue(static_cast<std::uint8_t>(TValueType::vaWString));
  stream_.WriteInt32(static_cast<std::int32_t>(value.size()));
  for (char16_t c : value) stream_.WriteInt16(static_cast<std::int16_t>(c));
}

void TWriter::WriteIdent(std::string_view ident) {
  if (TextCase::SameText(ident, "False")) {
    WriteValue(static_cast<std::uint8_t>(TValueType::vaFalse));
  } else if (TextCase::SameText(ident, "True")) {
    WriteValue(static_cast<std::uint8_t>(TValueType::vaTrue));
  } else if (TextCase::SameText(ident, "nil")) {
    WriteValue(static_cast<std::uint8_t>(TValueType::vaNil));
  } else if (TextCase::SameText(ident, "Null")) {
    WriteValue(static_cast<std::uint8_t>(TValueType::vaNull));
  } else {
    WriteValue(static_cast<std::uint8_t>(TValueType::vaIdent));
    WriteShortString(ident);
  }
}

void TWriter::WriteBinary(const void* data, std::size_t count) {
  if (count > 0x7FFFFFFF) throw EWriteError(FrameworkMessages::SWriteError);
  WriteValue(static_cast<std::uint8_t>(TValueType::vaBinary));
  stream_.WriteInt32(static_cast<std::int32_t>(count));
  stream_.WriteBuffer(data, count);
}

void TWriter::WriteListBegin() {
  WriteValue(static_cast<std::uint8_t>(TValueType::vaList));
}

void TWriter::WriteListEnd() {
  stream_.WriteUInt8(0);
}

void TWriter::DefineProperty(const std::string& name, const TReaderProc&, const TWriterProc& write,
                             bool hasData) {
  if (!hasData || !write) return;
  WritePropName(name);
  write(*this);
}

void TWriter::DefineBinaryProperty(const std::string& name, const TStreamProc&,
                                   const TStreamProc& write, bool hasData) {
  if (!hasData || !write) return;
  TMemoryStream block;
  write(block);
  WritePropName(name);
  WriteBinary(block.Bytes().data(), block.Bytes().size());
}

void TWriter::WritePropName(std::string_view name) {
  WriteShortString(prefix_ + std::string(name));
}

void TWriter::WriteShortString(std::string_view value) {
  if (value.size() > 255) throw EWriteError(FrameworkMessages::SWriteError);
  stream_.WriteUInt8(static_cast<std::uint8_t>(value.size()));
  stream_.WriteBuffer(value.data(), value.size());
}

void TWriter::WriteValue(std::uint8_t tag) {
  stream_.WriteUInt8(tag);
}
