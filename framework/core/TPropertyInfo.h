#pragma once

#include <any>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class TObject;
class TPersistent;
class TComponent;
class TClassInfo;
class TEnumInfo;
class TIdentMap;

enum class TPropertyKind {
  pkInteger,     // 32-bit signed; with an identifier map, named values are written as identifiers
  pkBoolean,     // False / True
  pkEnum,        // written as the value's identifier
  pkSet,         // written as the members' identifiers
  pkString,      // 8-bit string
  pkWideString,  // UTF-16 string
  pkObject,      // owned sub-object, written as dotted paths ("Font.Height")
  pkReference,   // another component, written by name and resolved after the whole read
  pkEvent,       // handler, written by the root's method name and bound to it when read
};

// When a property is written.
enum class TStoredRule {
  srDefault,  // when it differs from its default (ordinals without a default: always)
  srAlways,
  srNever,
};

// One published property. Entries are made only by TPropertyBuilder, which wraps the class's
// typed members or accessors; the streams read and write through the accessors of the kind.
class TPropertyInfo {
 public:
  const std::string& Name() const { return name_; }
  TPropertyKind Kind() const { return kind_; }
  const TEnumInfo* EnumType() const { return enumType_; }
  const TIdentMap* Idents() const { return idents_; }
  // The class of sub-objects and references.
  const TClassInfo* ObjectClass() const { return objectClass_ ? &objectClass_() : nullptr; }
  TStoredRule StoredRule() const { return storedRule_; }
  const std::optional<std::int32_t>& DefaultOrdinal() const { return defaultOrdinal_; }

  // Whether the stored rule, the stored predicate and the default say it is written. For a
  // sub-object it says whether its own properties are considered at all.
  bool IsStored(const TObject& instance) const;

  // Integer, Boolean (0/1), enumeration (value index) and set (bit mask) values.
  std::int32_t GetOrdinal(const TObject& instance) const { return getOrdinal_(instance); }
  void SetOrdinal(TObject& instance, std::int32_t value) const { setOrdinal_(instance, value); }
  std::string GetString(const TObject& instance) const { return getString_(instance); }
  void SetString(TObject& instance, const std::string& value) const { setString_(instance, value); }
  std::u16string GetWideString(const TObject& instance) const { return getWide_(instance); }
  void SetWideString(TObject& instance, const std::u16string& value) const {
    setWide_(instance, value);
  }
  TPersistent* GetObject(const TObject& instance) const { return getObject_(instance); }
  TComponent* GetReference(const TObject& instance) const { return getReference_(instance); }
  // False when the component is not of the property's class.
  bool SetReference(TObject& instance, TComponent* value) const;
  std::string GetMethodName(const TObject& instance) const { return getMethodName_(instance); }
  // Binds the event to a bound method (the result of TMethodInfo::Bind), or clears it when
  // handler is empty; false when the method's signature is not the event's.
  bool SetMethod(TObject& instance, const std::any& handler, const std::string& name) const {
    return setMethod_(instance, handler, name);
  }

 private:
  template <class C>
  friend class TPropertyBuilder;
  template <class C, class V>
  friend class TPropertyDecl;

  std::string name_;
  TPropertyKind kind_ = TPropertyKind::pkInteger;
  const TEnumInfo* enumType_ = nullptr;
  const TIdentMap* idents_ = nullptr;
  const TClassInfo& (*objectClass_)() = nullptr;
  TStoredRule storedRule_ = TStoredRule::srDefault;
  std::function<bool(const TObject&)> storedIf_;
  std::optional<std::int32_t> defaultOrdinal_;
  std::string defaultString_;
  std::u16string defaultWide_;

  std::function<std::int32_t(const TObject&)> getOrdinal_;
  std::function<void(TObject&, std::int32_t)> setOrdinal_;
  std::function<std::string(const TObject&)> getString_;
  std::function<void(TObject&, const std::string&)> setString_;
  std::function<std::u16string(const TObject&)> getWide_;
  std::function<void(TObject&, const std::u16string&)> setWide_;
  std::function<TPersistent*(const TObject&)> getObject_;
  std::function<TComponent*(const TObject&)> getReference_;
  std::function<void(TObject&, TComponent*)> setReference_;
  std::function<std::string(const TObject&)> getMethodName_;
  std::function<bool(TObject&, const std::any&, const std::string&)> setMethod_;
};
