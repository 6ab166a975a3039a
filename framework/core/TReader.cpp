#include "framework/core/TReader.h"

#include <cstring>

#include "framework/core/Exception.h"
#include "framework/core/TClassInfo.h"
#include "framework/core/TComponent.h"
#include "framework/core/TEnumInfo.h"
#include "framework/core/TIdentMap.h"
#include "framework/core/TMethodInfo.h"
#include "framework/core/TPropertyInfo.h"
#include "framework/core/TStream.h"
#include "framework/core/TStreamView.h"
#include "framework/core/TextCase.h"
#include "framework/core/UnicodeText.h"

using namespace FrameworkMessages;

namespace {

// Components being read right now on this thread, across readers: a block property that reads
// components of its own (a skin object's children) nests a second reader inside the first.
thread_local int gNesting = 0;

class TNestingGuard {
 public:
  TNestingGuard() {
    if (gNesting >= TReader::kMaxNesting) throw EReadError(SInvalidImage);
    ++gNesting;
  }
  ~TNestingGuard() { --gNesting; }
  TNestingGuard(const TNestingGuard&) = delete;
  TNestingGuard& operator=(const TNestingGuard&) = delete;
};

bool IsIntegerTag(TValueType t) {
  return t == TValueType::vaInt8 || t == TValueType::vaInt16 || t == TValueType::vaInt32;
}

bool IsStringTag(TValueType t) {
  return t == TValueType::vaString || t == TValueType::vaLString || t == TValueType::vaWString ||
         t == TValueType::vaUTF8String;
}

}  // namespace

TReader::TReader(TStream& stream, const TClassRegistry& registry)
    : stream_(stream), registry_(registry) {}

TReader::~TReader() = default;

TComponent* TReader::ReadRootComponent(TComponent* root) {
  ReadSignature();
  bool created = false;
  loaded_.clear();
  fixups_.clear();
  try {
    {
      TNestingGuard guard;
      const std::string className = ReadShortString();
      const std::string name = ReadShortString();
      if (root == nullptr) {
        root = registry_.Find(className).Create(nullptr);
        if (root == nullptr) throw EClassNotFound(FormatText(SClassNotFound, className));
        created = true;
      }
      root_ = root;
      root->IncludeState(TComponentStateFlag::csLoading);
      root->IncludeState(TComponentStateFlag::csReading);
      loaded_.push_back(root);
      root->SetName(name);
      ReadComponentBody(root);
    }
    ResolveFixups();
    for (TComponent* c : loaded_) c->ExcludeState(TComponentStateFlag::csReading);
    const std::vector<TComponent*> loaded = std::move(loaded_);
    loaded_.clear();
    for (TComponent* c : loaded) {
      c->Loaded();
      c->ExcludeState(TComponentStateFlag::csLoading);
    }
  } catch (...) {
    for (TComponent* c : loaded_) {
      c->ExcludeState(TComponentStateFlag::csReading);
      c->ExcludeState(TComponentStateFlag::csLoading);
    }
    loaded_.clear();
    fixups_.clear();
    if (created) delete root;
    root_ = nullptr;
    throw;
  }
  return root;
}

void TReader::ReadSignature() {
  char signature[4];
  if (stream_.Remaining() < 4) throw EReadError(SInvalidImage);
  stream_.ReadBuffer(signature, 4);
  if (std::memcmp(signature, "TPF0", 4) != 0) throw EReadError(SInvalidImage);
}

TComponent* TReader::ReadComponent(TComponent* parent) {
  TNestingGuard guard;
  const std::string className = ReadShortString();
  const std::string name = ReadShortString();
  const TClassInfo& info = registry_.Find(className);
  TComponent* owner = parent->GetChildOwner();
  if (owner == nullptr) owner = root_;
  TComponent* child = info.Create(owner);
  if (child == nullptr) throw EClassNotFound(FormatText(SClassNotFound, className));
  child->IncludeState(TComponentStateFlag::csLoading);
  child->IncludeState(TComponentStateFlag::csReading);
  loaded_.push_back(child);
  child->SetName(name);
  child->SetParentComponent(parent->GetChildParent());
  ReadComponentBody(child);
  return child;
}

void TReader::ReadComponentBody(TComponent* component) {
  while (!EndOfList()) ReadProperty(component);
  ReadListEnd();
  while (!EndOfList()) ReadComponent(component);
  ReadListEnd();
}

void TReader::ReadProperty(TPersistent* instance) {
  const std::string path = ReadShortString();
  const auto unknown = [&path]() { return EReadError(FormatText(SUnknownProperty, path)); };
  TPersistent* target = instance;
  std::size_t start = 0;
  for (std::size_t dot = path.find('.'); dot != std::string::npos;
       start = dot + 1, dot = path.find('.', start)) {
    const TPropertyInfo* property =
        target->ClassInfo().FindProperty(std::string_view(path).substr(start, dot - start));
    if (property == nullptr || property->Kind() != TPropertyKind::pkObject) throw unknown();
    target = property->GetObject(*target);
    if (target == nullptr) throw unknown();
  }
  const std::string name = path.substr(start);
  if (const TPropertyInfo* property = target->ClassInfo().FindProperty(name)) {
    ReadPropertyValue(target, *property);
    return;
  }
  propertyName_ = name;
  propertyFound_ = false;
  target->DefineProperties(*this);
  const bool found = propertyFound_;
  propertyName_.clear();
  propertyFound_ = false;
  if (!found) throw unknown();
}

void TReader::ReadPropertyValue(TPersistent* instance, const TPropertyInfo& property) {
  const TValueType tag = NextValue();
  switch (property.Kind()) {
    case TPropertyKind::pkInteger:
      if (IsIntegerTag(tag)) {
        property.SetOrdinal(*instance, ReadInteger());
      } else if (tag == TValueType::vaIdent && property.Idents() != nullptr) {
        const auto value = property.Idents()->ToValue(ReadIdent());
        if (!value) InvalidValue();
        property.SetOrdinal(*instance, *value);
      } else {
        InvalidValue();
      }
      break;
    case TPropertyKind::pkBoolean:
      property.SetOrdinal(*instance, ReadBoolean() ? 1 : 0);
      break;
    case TPropertyKind::pkEnum: {
      if (tag != TValueType::vaIdent) InvalidValue();
      const auto value = property.EnumType()->Value(ReadIdent());
      if (!value) InvalidValue();
      property.SetOrdinal(*instance, *value);
      break;
    }
    case TPropertyKind::pkSet:
      ReadSetValue(instance, property);
      break;
    case TPropertyKind::pkString:
      if (!IsStringTag(tag)) InvalidValue();
      property.SetString(*instance, ReadString());
      break;
    case TPropertyKind::pkWideString:
      if (!IsStringTag(tag)) InvalidValue();
      property.SetWideString(*instance, ReadWideString());
      break;
    case TPropertyKind::pkObject:
      // A sub-object is read through its own dotted properties, never as one value.
      InvalidValue();
    case TPropertyKind::pkReference:
      if (tag == TValueType::vaNil) {
        ReadValue();
        property.SetReference(*instance, nullptr);
      } else if (tag == TValueType::vaIdent) {
        fixups_.push_back({instance, &property, ReadIdent()});
      } else {
        InvalidValue();
      }
      break;
    case TPropertyKind::pkEvent:
      if (tag == TValueType::vaNil) {
        ReadValue();
        property.SetMethod(*instance, std::any(), std::string());
      } else if (tag == TValueType::vaIdent) {
        const std::string name = ReadIdent();
        const TMethodInfo* method =
            root_ != nullptr ? root_->ClassInfo().FindMethod(name) : nullptr;
        if (method == nullptr) InvalidValue();
        if (!property.SetMethod(*instance, method->Bind(*root_), method->Name())) InvalidValue();
      } else {
        InvalidValue();
      }
      break;
  }
}

void TReader::ReadSetValue(TPersistent* instance, const TPropertyInfo& property) {
  if (ReadValue() != TValueType::vaSet) InvalidValue();
  std::uint32_t bits = 0;
  for (;;) {
    const std::string name = ReadShortString();
    if (name.empty()) break;
    const auto value = property.EnumType()->Value(name);
    if (!value || *value >= 32) InvalidValue();
    bits |= std::uint32_t{1} << *value;
  }
  property.SetOrdinal(*instance, static_cast<std::int32_t>(bits));
}

void TReader::ResolveFixups() {
  for (const TFixup& fixup : fixups_) {
    TComponent* target = nullptr;
    if (TextCase::SameText(fixup.name, root_->Name())) {
      target = root_;
    } else {
      target = root_->FindComponent(fixup.name);
    }
    if (target == nullptr || !fixup.property->SetReference(*fixup.instance, target)) InvalidValue();
  }
  fixups_.clear();
}

TValueType TReader::NextValue() {
  const TValueType tag = ReadValue();
  stream_.Seek(-1, TSeekOrigin::soCurrent);
  return tag;
}

TValueType TReader::ReadValue() {
  return static_cast<TValueType>(stream_.ReadUInt8());
}

std::int32_t TReader::ReadInteger() {
  switch (ReadValue()) {
    case TValueType::vaInt8:
      return stream_.ReadInt8();
    case TValueType::vaInt16:
      return stream_.ReadInt16();
    case TValueType::vaInt32:
      return stream_.ReadInt32();
    default:
      InvalidValue();
  }
}

bool TReader::ReadBoolean() {
  switch (ReadValue()) {
    case TValueType::vaTrue:
      return true;
    case TValueType::vaFalse:
      return false;
    default:
      InvalidValue();
  }
}

std::string TReader::ReadString() {
  const TValueType tag = NextValue();
  if (tag == TValueType::vaString) {
    ReadValue();
    return ReadShortString();
  }
  if (tag == TValueType::vaLString) {
    ReadValue();
    const std::int32_t count = stream_.ReadInt32();
    CheckAvailable(count);
    std::string out(static_cast<std::size_t>(count), '\0');
    stream_.ReadBuffer(out.data(), out.size());
    return out;
  }
  const std::u16string wide = ReadWideString();
  std::string out;
  out.reserve(wide.size());
  for (char16_t c : wide) out.push_back(c <= 0xFF ? static_cast<char>(c) : '?');
  return out;
}

std::u16string TReader::ReadWideString() {
  const TValueType tag = NextValue();
  if (tag == TValueType::vaString || tag == TValueType::vaLString) {
    const std::string bytes = ReadString();
    std::u16string out;
    out.reserve(bytes.size());
    for (char c : bytes) out.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
    return out;
  }
  if (tag == TValueType::vaWString) {
    ReadValue();
    const std::int32_t count = stream_.ReadInt32();
    if (count < 0) InvalidValue();
    CheckAvailable(std::int64_t{count} * 2);
    std::u16string out(static_cast<std::size_t>(count), u'\0');
    for (char16_t& c : out)
      c = static_cast<char16_t>(static_cast<std::uint16_t>(stream_.ReadInt16()));
    return out;
  }
  if (tag == TValueType::vaUTF8String) {
    ReadValue();
    const std::int32_t count = stream_.ReadInt32();
    CheckAvailable(count);
    std::string bytes(static_cast<std::size_t>(count), '\0');
    stream_.ReadBuffer(bytes.data(), bytes.size());
    auto wide = UnicodeText::FromUtf8(bytes);
    if (!wide) InvalidValue();
    return *wide;
  }
  InvalidValue();
}

std::string TReader::ReadIdent() {
  switch (ReadValue()) {
    case TValueType::vaIdent:
      return ReadShortString();
    case TValueType::vaFalse:
      return "False";
    case TValueType::vaTrue:
      return "True";
    case TValueType::vaNil:
      return "nil";
    case TValueType::vaNull:
      return "Null";
    default:
      InvalidValue();
  }
}

std::vector<std::uint8_t> TReader::ReadBinary() {
  if (ReadValue() != TValueType::vaBinary) InvalidValue();
  const std::int32_t count = stream_.ReadInt32();
  CheckAvailable(count);
  std::vector<std::uint8_t> out(static_cast<std::size_t>(count));
  stream_.ReadBuffer(out.data(), out.size());
  return out;
}

void TReader::ReadListBegin() {
  if (ReadValue() != TValueType::vaList) InvalidValue();
}

bool TReader::EndOfList() {
  return NextValue() == TValueType::vaNull;
}

void TReader::ReadListEnd() {
  if (ReadValue() != TValueType::vaNull) throw EReadError(SInvalidImage);
}

void TReader::SkipValue() {
  switch (ReadValue()) {
    case TValueType::vaNull:
    case TValueType::vaFalse:
    case TValueType::vaTrue:
    case TValueType::vaNil:
      break;
    case TValueType::vaList: {
      if (listDepth_ >= kMaxNesting) throw EReadError(SInvalidImage);
      ++listDepth_;
      try {
        while (!EndOfList()) SkipValue();
      } catch (...) {
        --listDepth_;
        throw;
      }
      --listDepth_;
      ReadListEnd();
      break;
    }
    case TValueType::vaInt8:
      stream_.ReadInt8();
      break;
    case TValueType::vaInt16:
      stream_.ReadInt16();
      break;
    case TValueType::vaInt32:
      stream_.ReadInt32();
      break;
    case TValueType::vaString:
    case TValueType::vaIdent:
      ReadShortString();
      break;
    case TValueType::vaSet:
      while (!ReadShortString().empty()) {
      }
      break;
    case TValueType::vaBinary:
    case TValueType::vaLString:
    case TValueType::vaUTF8String: {
      const std::int32_t count = stream_.ReadInt32();
      CheckAvailable(count);
      stream_.Seek(count, TSeekOrigin::soCurrent);
      break;
    }
    case TValueType::vaWString: {
      const std::int32_t count = stream_.ReadInt32();
      if (count < 0) InvalidValue();
      CheckAvailable(std::int64_t{count} * 2);
      stream_.Seek(std::int64_t{count} * 2, TSeekOrigin::soCurrent);
      break;
    }
    default:
      throw EReadError(SInvalidImage);
  }
}

void TReader::DefineProperty(const std::string& name, const TReaderProc& read, const TWriterProc&,
                             bool) {
  if (propertyFound_ || !read || !TextCase::SameText(name, propertyName_)) return;
  propertyFound_ = true;
  read(*this);
}

void TReader::DefineBinaryProperty(const std::string& name, const TStreamProc& read,
                                   const TStreamProc&, bool) {
  if (propertyFound_ || !read || !TextCase::SameText(name, propertyName_)) return;
  propertyFound_ = true;
  // The procedure sees exactly the block, so it cannot read past it whatever it does; a view,
  // not a copy, so nested blocks cost no memory of their own.
  if (ReadValue() != TValueType::vaBinary) InvalidValue();
  const std::int32_t count = stream_.ReadInt32();
  CheckAvailable(count);
  const std::int64_t start = stream_.Position();
  {
    TStreamView block(stream_, start, count);
    read(block);
  }
  stream_.SetPosition(start + count);
}

std::string TReader::ReadShortString() {
  const std::uint8_t length = stream_.ReadUInt8();
  std::string out(length, '\0');
  stream_.ReadBuffer(out.data(), out.size());
  return out;
}

void TReader::CheckAvailable(std::int64_t count) {
  if (count < 0 || count > stream_.Remaining()) throw EReadError(SReadError);
}

void TReader::InvalidValue() const {
  throw EReadError(SInvalidPropertyValue);
}
