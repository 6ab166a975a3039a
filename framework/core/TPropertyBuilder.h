#pragma once

#include <any>
#include <concepts>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>

#include "framework/core/Color.h"
#include "framework/core/TClassInfo.h"
#include "framework/core/TComponent.h"
#include "framework/core/TEnumInfo.h"
#include "framework/core/TEvent.h"
#include "framework/core/TFieldInfo.h"
#include "framework/core/TIdentMap.h"
#include "framework/core/TMethodInfo.h"
#include "framework/core/TPropertyTable.h"
#include "framework/core/TSet.h"

// Declaring a streamable class
// ----------------------------
// A class names itself and its parent with QM_CLASS and lists its published properties in a
// static DeclareProperties, in the order in which they are streamed (the parent's come first
// on their own). Each helper takes the property's name and either a data member or a getter
// and a setter (member functions or lambdas taking the object); the value type comes from the
// member or getter, so a wrong type does not compile. Extra properties that are not plain
// values (a binary block, a list) go through DefineProperties. A component class that can be
// created by name has a constructor taking its owner and is registered once:
// TClassRegistry::Global().Register<TSample>().
//
//   enum class TSampleAlign { saNone, saLeft, saTop };
//   inline const TEnumInfo SampleAlignInfo{"TSampleAlign", {"saNone", "saLeft", "saTop"}};
//
//   class TSampleBitmapLink : public TPersistent {   // owned sub-object, written "Bitmap.Name"
//     QM_CLASS(TSampleBitmapLink, TPersistent)
//    public:
//     std::string Name;
//     std::int32_t Left = 0;
//     static void DeclareProperties(TPropertyBuilder<TSampleBitmapLink>& p) {
//       p.String("Name", &TSampleBitmapLink::Name);
//       p.Integer("Left", &TSampleBitmapLink::Left).Default(0);
//     }
//   };
//
//   class TSample : public TComponent {
//     QM_CLASS(TSample, TComponent)
//    public:
//     explicit TSample(TComponent* owner) : TComponent(owner) {}
//     std::int32_t Width() const { return width_; }
//     void SetWidth(std::int32_t value) { width_ = value; }
//     TSample* Buddy() const { return buddy_; }
//     void SetBuddy(TSample* value);                   // asks for FreeNotification
//     TNotifyEvent OnClick;
//
//     static void DeclareProperties(TPropertyBuilder<TSample>& p) {
//       p.Integer("Width", &TSample::Width, &TSample::SetWidth).Default(0);
//       p.Boolean("Masked", &TSample::masked_).Default(true);
//       p.Enum("Align", SampleAlignInfo, &TSample::align_).Default(TSampleAlign::saNone);
//       p.Color("Color", &TSample::color_).Default(clWhite);
//       p.Object("Font", &TSample::font_);            // Font.Charset ... Font.Style
//       p.Object("Bitmap", &TSample::bitmap_);        // Bitmap.Name, Bitmap.Left
//       p.String("Version", [](const TSample&) { return std::string("3.1.5"); },
//                [](TSample&, const std::string&) {}).Always();
//       p.Reference("Buddy", &TSample::Buddy, &TSample::SetBuddy);
//       p.Event("OnClick", &TSample::OnClick);
//     }
//     void DefineProperties(TFiler& filer) override {  // "Objects", always last
//       TComponent::DefineProperties(filer);
//       filer.DefineBinaryProperty(
//           "Objects", [this](TStream& s) { ReadObjects(s); },
//           [this](TStream& s) { WriteObjects(s); }, true);
//     }
//
//    private:
//     std::int32_t width_ = 0;
//     bool masked_ = true;
//     TSampleAlign align_ = TSampleAlign::saNone;
//     TColor color_ = clWhite;
//     TFont font_;
//     std::unique_ptr<TSampleBitmapLink> bitmap_ = std::make_unique<TSampleBitmapLink>();
//     TSample* buddy_ = nullptr;
//   };
//
// A form publishes the methods its window definition binds events to, and fields that track
// its components by name:
//
//   static void DeclareProperties(TPropertyBuilder<TForm1>& p) {
//     p.Method("SeSkinButton1Click", &TForm1::SeSkinButton1Click);  // void(TObject* sender)
//     p.Field("SeSkinButton1", &TForm1::SeSkinButton1);              // TSeSkinButton*
//   }
//
// Stored rules: ordinals with a Default are written when they differ from it, ordinals without
// one always; strings when they differ from their default (empty unless given); sub-objects
// property by property; references and events when set. Always() and Never() override that,
// StoredIf(predicate) adds a condition.

namespace PropertyDetail {

template <class T>
struct SetTraits : std::false_type {};
template <class E>
struct SetTraits<TSet<E>> : std::true_type {};

template <class V>
std::int32_t ToOrdinal(const V& value) {
  if constexpr (SetTraits<V>::value) {
    return static_cast<std::int32_t>(value.Bits());
  } else {
    return static_cast<std::int32_t>(value);
  }
}

template <class V>
V FromOrdinal(std::int32_t value) {
  if constexpr (SetTraits<V>::value) {
    return V::FromBits(static_cast<std::uint32_t>(value));
  } else if constexpr (std::is_same_v<V, bool>) {
    return value != 0;
  } else {
    return static_cast<V>(value);
  }
}

template <class T>
TPersistent* PointerOf(const T* p) {
  return const_cast<T*>(p);
}
template <class T>
TPersistent* PointerOf(T* p) {
  return p;
}
template <class T>
TPersistent* PointerOf(const std::unique_ptr<T>& p) {
  return p.get();
}
template <class T>
requires std::derived_from<T, TPersistent> TPersistent* PointerOf(const T& object) {
  return const_cast<T*>(&object);
}

template <class C>
TComponent* CreateInstance(TComponent* owner) {
  return new C(owner);
}

template <class C>
constexpr TClassInfo::TFactory FactoryOf() {
  if constexpr (std::is_base_of_v<TComponent, C> && !std::is_abstract_v<C> &&
                std::is_constructible_v<C, TComponent*>) {
    return &CreateInstance<C>;
  } else {
    return nullptr;
  }
}

}  // namespace PropertyDetail

template <class C>
class TPropertyBuilder;

// The value type of declarations that take no default (sub-objects, references, events).
struct TNoDefault {};

// The declaration just added; sets its default and stored rule.
template <class C, class V>
class TPropertyDecl {
 public:
  explicit TPropertyDecl(TPropertyInfo& info) : info_(info) {}

  TPropertyDecl& Default(const V& value) requires(!std::is_same_v<V, TNoDefault>) {
    if constexpr (std::is_same_v<V, std::string>) {
      info_.defaultString_ = value;
    } else if constexpr (std::is_same_v<V, std::u16string>) {
      info_.defaultWide_ = value;
    } else {
      info_.defaultOrdinal_ = PropertyDetail::ToOrdinal(value);
    }
    return *this;
  }
  TPropertyDecl& Always() {
    info_.storedRule_ = TStoredRule::srAlways;
    return *this;
  }
  TPropertyDecl& Never() {
    info_.storedRule_ = TStoredRule::srNever;
    return *this;
  }
  TPropertyDecl& StoredIf(std::function<bool(const C&)> predicate) {
    info_.storedIf_ = [predicate = std::move(predicate)](const TObject& o) {
      return predicate(static_cast<const C&>(o));
    };
    return *this;
  }

 private:
  TPropertyInfo& info_;
};

template <class C>
class TPropertyBuilder {
 public:
  explicit TPropertyBuilder(TPropertyTable& table) : table_(table) {}

  // 32-bit integers.
  auto Integer(std::string name, std::int32_t C::*field) {
    return Ordinal<std::int32_t>(std::move(name), TPropertyKind::pkInteger, field);
  }
  template <class G, class S>
  auto Integer(std::string name, G get, S set) {
    return Ordinal<std::int32_t>(std::move(name), TPropertyKind::pkInteger, get, set);
  }
  // Integers written as identifiers when the map names them (charsets, cursors).
  auto IntegerIdent(std::string name, const TIdentMap& idents, std::int32_t C::*field) {
    return WithIdents(Integer(std::move(name), field), idents);
  }
  template <class G, class S>
  auto IntegerIdent(std::string name, const TIdentMap& idents, G get, S set) {
    return WithIdents(Integer(std::move(name), get, set), idents);
  }
  // Colours: clXxx names for the standard and system colours, else integers.
  auto Color(std::string name, TColor C::*field) {
    return IntegerIdent(std::move(name), ColorIdents(), field);
  }
  template <class G, class S>
  auto Color(std::string name, G get, S set) {
    return IntegerIdent(std::move(name), ColorIdents(), get, set);
  }
  auto Boolean(std::string name, bool C::*field) {
    return Ordinal<bool>(std::move(name), TPropertyKind::pkBoolean, field);
  }
  template <class G, class S>
  auto Boolean(std::string name, G get, S set) {
    return Ordinal<bool>(std::move(name), TPropertyKind::pkBoolean, get, set);
  }
  template <class E>
  requires std::is_enum_v<E>
  auto Enum(std::string name, const TEnumInfo& info, E C::*field) {
    return Typed(Ordinal<E>(std::move(name), TPropertyKind::pkEnum, field), info);
  }
  template <class G, class S>
  auto Enum(std::string name, const TEnumInfo& info, G get, S set) {
    using E = std::decay_t<std::invoke_result_t<G, const C&>>;
    static_assert(std::is_enum_v<E>, "Enum needs a getter returning an enumeration");
    return Typed(Ordinal<E>(std::move(name), TPropertyKind::pkEnum, get, set), info);
  }
  template <class E>
  auto Set(std::string name, const TEnumInfo& info, TSet<E> C::*field) {
    return Typed(Ordinal<TSet<E>>(std::move(name), TPropertyKind::pkSet, field), info);
  }
  template <class G, class S>
  auto Set(std::string name, const TEnumInfo& info, G get, S set) {
    using V = std::decay_t<std::invoke_result_t<G, const C&>>;
    static_assert(PropertyDetail::SetTraits<V>::value, "Set needs a getter returning a TSet");
    return Typed(Ordinal<V>(std::move(name), TPropertyKind::pkSet, get, set), info);
  }

  // 8-bit strings.
  auto String(std::string name, std::string C::*field) {
    return StringLike<std::string>(std::move(name), FieldGetter(field), FieldSetter(field));
  }
  template <class G, class S>
  auto String(std::string name, G get, S set) {
    return StringLike<std::string>(std::move(name), get, set);
  }
  // UTF-16 strings.
  auto WideString(std::string name, std::u16string C::*field) {
    return StringLike<std::u16string>(std::move(name), FieldGetter(field), FieldSetter(field));
  }
  template <class G, class S>
  auto WideString(std::string name, G get, S set) {
    return StringLike<std::u16string>(std::move(name), get, set);
  }

  // An owned sub-object (TFont, TStrings, option objects): a member holding it by value, by
  // pointer or by unique_ptr, or a getter returning a pointer or reference.
  template <class M>
  auto Object(std::string name, M C::*field) {
    return ObjectOf(std::move(name),
                    [field](const C& c) { return PropertyDetail::PointerOf(c.*field); });
  }
  template <class G>
  requires(!std::is_member_object_pointer_v<G>) auto Object(std::string name, G get) {
    return ObjectOf(std::move(name),
                    [get](const C& c) { return PropertyDetail::PointerOf(std::invoke(get, c)); });
  }

  // A reference to another component of class T (or a descendant).
  template <class T>
  auto Reference(std::string name, T* C::*field) {
    return ReferenceOf<T>(std::move(name), FieldGetter(field), FieldSetter(field));
  }
  template <class G, class S>
  auto Reference(std::string name, G get, S set) {
    using P = std::decay_t<std::invoke_result_t<G, const C&>>;
    static_assert(std::is_pointer_v<P>, "Reference needs a getter returning a pointer");
    return ReferenceOf<std::remove_pointer_t<P>>(std::move(name), get, set);
  }

  // An event: a TEvent member, or a getter and setter of one.
  template <class... A>
  auto Event(std::string name, TEvent<A...> C::*field) {
    return EventOf<A...>(std::move(name), FieldGetter(field), FieldSetter(field));
  }
  template <class G, class S>
  auto Event(std::string name, G get, S set) {
    return EventFromAccessors(std::move(name), get, set,
                              std::decay_t<std::invoke_result_t<G, const C&>>{});
  }

  // A method that events in this class's window definition may name.
  template <class... A>
  void Method(std::string name, void (C::*method)(A...)) {
    TMethodInfo& info = table_.AddMethod();
    info.name_ = std::move(name);
    info.bind_ = [method](TObject& o) -> std::any {
      C* self = static_cast<C*>(&o);
      return std::function<void(A...)>(
          [self, method](A... args) { (self->*method)(std::forward<A>(args)...); });
    };
  }

  // A member pointer that follows the owned component of the same name.
  template <class T>
  void Field(std::string name, T* C::*field) {
    TFieldInfo& info = table_.AddField();
    info.name_ = std::move(name);
    info.fieldClass_ = &T::StaticClassInfo;
    info.set_ = [field](TObject& o, TComponent* c) {
      static_cast<C&>(o).*field = static_cast<T*>(c);
    };
  }

 private:
  template <class M>
  static auto FieldGetter(M C::*field) {
    return [field](const C& c) -> const M& { return c.*field; };
  }
  template <class M>
  static auto FieldSetter(M C::*field) {
    return [field](C& c, const M& v) { c.*field = v; };
  }

  template <class V, class M>
  TPropertyDecl<C, V> Ordinal(std::string name, TPropertyKind kind, M C::*field) {
    return Ordinal<V>(std::move(name), kind, FieldGetter(field), FieldSetter(field));
  }
  template <class V, class G, class S>
  TPropertyDecl<C, V> Ordinal(std::string name, TPropertyKind kind, G get, S set) {
    TPropertyInfo& info = table_.AddProperty();
    info.name_ = std::move(name);
    info.kind_ = kind;
    info.getOrdinal_ = [get](const TObject& o) {
      return PropertyDetail::ToOrdinal(static_cast<V>(std::invoke(get, static_cast<const C&>(o))));
    };
    info.setOrdinal_ = [set](TObject& o, std::int32_t v) {
      std::invoke(set, static_cast<C&>(o), PropertyDetail::FromOrdinal<V>(v));
    };
    return TPropertyDecl<C, V>(info);
  }
  template <class V>
  TPropertyDecl<C, V> Typed(TPropertyDecl<C, V> decl, const TEnumInfo& info) {
    table_.Properties().back()->enumType_ = &info;
    return decl;
  }
  template <class V>
  TPropertyDecl<C, V> WithIdents(TPropertyDecl<C, V> decl, const TIdentMap& idents) {
    table_.Properties().back()->idents_ = &idents;
    return decl;
  }

  template <class V, class G, class S>
  TPropertyDecl<C, V> StringLike(std::string name, G get, S set) {
    TPropertyInfo& info = table_.AddProperty();
    info.name_ = std::move(name);
    auto getter = [get](const TObject& o) { return V(std::invoke(get, static_cast<const C&>(o))); };
    auto setter = [set](TObject& o, const V& v) { std::invoke(set, static_cast<C&>(o), v); };
    if constexpr (std::is_same_v<V, std::string>) {
      info.kind_ = TPropertyKind::pkString;
      info.getString_ = getter;
      info.setString_ = setter;
    } else {
      info.kind_ = TPropertyKind::pkWideString;
      info.getWide_ = getter;
      info.setWide_ = setter;
    }
    return TPropertyDecl<C, V>(info);
  }

  template <class G>
  TPropertyDecl<C, TNoDefault> ObjectOf(std::string name, G get) {
    TPropertyInfo& info = table_.AddProperty();
    info.name_ = std::move(name);
    info.kind_ = TPropertyKind::pkObject;
    info.getObject_ = [get](const TObject& o) { return get(static_cast<const C&>(o)); };
    return TPropertyDecl<C, TNoDefault>(info);
  }

  template <class T, class G, class S>
  TPropertyDecl<C, TNoDefault> ReferenceOf(std::string name, G get, S set) {
    static_assert(std::is_base_of_v<TComponent, T>, "references are to components");
    TPropertyInfo& info = table_.AddProperty();
    info.name_ = std::move(name);
    info.kind_ = TPropertyKind::pkReference;
    info.objectClass_ = &T::StaticClassInfo;
    info.getReference_ = [get](const TObject& o) -> TComponent* {
      return std::invoke(get, static_cast<const C&>(o));
    };
    info.setReference_ = [set](TObject& o, TComponent* c) {
      std::invoke(set, static_cast<C&>(o), static_cast<T*>(c));
    };
    return TPropertyDecl<C, TNoDefault>(info);
  }

  template <class G, class S, class... A>
  TPropertyDecl<C, TNoDefault> EventFromAccessors(std::string name, G get, S set, TEvent<A...>) {
    return EventOf<A...>(std::move(name), get, set);
  }
  template <class... A, class G, class S>
  TPropertyDecl<C, TNoDefault> EventOf(std::string name, G get, S set) {
    TPropertyInfo& info = table_.AddProperty();
    info.name_ = std::move(name);
    info.kind_ = TPropertyKind::pkEvent;
    info.getMethodName_ = [get](const TObject& o) {
      return TEvent<A...>(std::invoke(get, static_cast<const C&>(o))).MethodName();
    };
    info.setMethod_ = [set](TObject& o, const std::any& handler, const std::string& methodName) {
      if (!handler.has_value()) {
        std::invoke(set, static_cast<C&>(o), TEvent<A...>());
        return true;
      }
      const auto* f = std::any_cast<std::function<void(A...)>>(&handler);
      if (f == nullptr) return false;
      std::invoke(set, static_cast<C&>(o), TEvent<A...>(*f, methodName));
      return true;
    };
    return TPropertyDecl<C, TNoDefault>(info);
  }

  TPropertyTable& table_;
};

namespace PropertyDetail {

template <class C>
void Declare(TPropertyTable& table) {
  if constexpr (requires(TPropertyBuilder<C> & builder) { C::DeclareProperties(builder); }) {
    TPropertyBuilder<C> builder(table);
    C::DeclareProperties(builder);
  } else {
    (void)table;
  }
}

}  // namespace PropertyDetail

// Declares the class's description. Put it first in the class body; it leaves the access at
// public.
#define QM_CLASS(Class, Base)                                        \
 public:                                                             \
  using Inherited = Base;                                            \
  static const TClassInfo& StaticClassInfo() {                       \
    static const TClassInfo info(#Class, &Base::StaticClassInfo(),   \
                                 PropertyDetail::FactoryOf<Class>(), \
                                 &PropertyDetail::Declare<Class>);   \
    return info;                                                     \
  }                                                                  \
  const TClassInfo& ClassInfo() const override {                     \
    return StaticClassInfo();                                        \
  }
