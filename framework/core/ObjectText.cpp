#include "framework/core/ObjectText.h"

#include <cstring>
#include <limits>
#include <optional>

#include "framework/core/Exception.h"
#include "framework/core/TMemoryStream.h"
#include "framework/core/TReadOnlyMemoryStream.h"
#include "framework/core/TStream.h"
#include "framework/core/TValueType.h"
#include "framework/core/TextCase.h"
#include "framework/core/UnicodeText.h"

using namespace FrameworkMessages;

namespace {

// Objects, lists and sets nested deeper than this are refused both ways.
constexpr int kMaxNesting = 64;

bool IsIdentStart(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsIdentChar(char c) {
  return IsIdentStart(c) || (c >= '0' && c <= '9');
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Identifiers, possibly dotted ("Font.Height", "Form1.Engine").
bool IsDottedIdent(std::string_view s) {
  if (s.empty()) return false;
  bool atStart = true;
  for (char c : s) {
    if (c == '.') {
      if (atStart) return false;
      atStart = true;
    } else if (atStart ? !IsIdentStart(c) : !IsIdentChar(c)) {
      return false;
    } else {
      atStart = false;
    }
  }
  return !atStart;
}

// ---- binary to text ----

class TBinaryToText {
 public:
  TBinaryToText(TStream& input) : in_(input) {}

  std::string Convert() {
    char signature[4];
    if (in_.Remaining() < 4) throw EReadError(SInvalidImage);
    in_.ReadBuffer(signature, 4);
    if (std::memcmp(signature, "TPF0", 4) != 0) throw EReadError(SInvalidImage);
    ConvertObject(0);
    return std::move(out_);
  }

 private:
  void ConvertObject(int level) {
    if (level >= kMaxNesting) throw EReadError(SInvalidImage);
    const std::string className = ShortString();
    const std::string name = ShortString();
    if (!IsDottedIdent(className) || className.find('.') != std::string::npos)
      throw EReadError(SInvalidImage);
    if (!name.empty() && (!IsDottedIdent(name) || name.find('.') != std::string::npos))
      throw EReadError(SInvalidImage);
    Indent(level);
    out_ += "object ";
    if (!name.empty()) out_ += name + ": ";
    out_ += className + "\r\n";
    while (!EndOfList()) {
      const std::string property = ShortString();
      // "end" and "object" would read back as the words that close and open objects.
      if (!IsDottedIdent(property) || TextCase::SameText(property, "end") ||
          TextCase::SameText(property, "object"))
        throw EReadError(SInvalidImage);
      Indent(level + 1);
      out_ += property + " = ";
      ConvertValue(level + 1);
      out_ += "\r\n";
    }
    in_.ReadUInt8();
    while (!EndOfList()) ConvertObject(level + 1);
    in_.ReadUInt8();
    Indent(level);
    out_ += "end\r\n";
  }

  void ConvertValue(int level) {
    const auto tag = static_cast<TValueType>(in_.ReadUInt8());
    switch (tag) {
      case TValueType::vaList:
        if (level >= kMaxNesting) throw EReadError(SInvalidImage);
        out_ += '(';
        while (!EndOfList()) {
          out_ += "\r\n";
          Indent(level + 1);
          ConvertValue(level + 1);
        }
        in_.ReadUInt8();
        out_ += ')';
        break;
      case TValueType::vaInt8:
        out_ += std::to_string(in_.ReadInt8());
        break;
      case TValueType::vaInt16:
        out_ += std::to_string(in_.ReadInt16());
        break;
      case TValueType::vaInt32:
        out_ += std::to_string(in_.ReadInt32());
        break;
      case TValueType::vaInt64:
        out_ += std::to_string(in_.ReadInt64());
        break;
      case TValueType::vaString: {
        const std::string s = ShortString();
        QuoteBytes(s);
        break;
      }
      case TValueType::vaLString: {
        const std::string s = Block(1);
        QuoteBytes(s);
        break;
      }
      case TValueType::vaWString: {
        const std::int32_t count = in_.ReadInt32();
        if (count < 0) throw EReadError(SReadError);
        if (std::int64_t{count} * 2 > in_.Remaining()) throw EReadError(SReadError);
        std::u16string s(static_cast<std::size_t>(count), u'\0');
        for (char16_t& c : s)
          c = static_cast<char16_t>(static_cast<std::uint16_t>(in_.ReadInt16()));
        Quote(s);
        break;
      }
      case TValueType::vaUTF8String: {
        const auto wide = UnicodeText::FromUtf8(Block(1));
        if (!wide) throw EReadError(SInvalidImage);
        Quote(*wide);
        break;
      }
      case TValueType::vaIdent: {
        const std::string ident = ShortString();
        if (!IsDottedIdent(ident)) throw EReadError(SInvalidImage);
        out_ += ident;
        break;
      }
      case TValueType::vaFalse:
        out_ += "False";
        break;
      case TValueType::vaTrue:
        out_ += "True";
        break;
      case TValueType::vaNil:
        out_ += "nil";
        break;
      case TValueType::vaNull:
        out_ += "Null";
        break;
      case TValueType::vaBinary:
        Hex(Block(1), level);
        break;
      case TValueType::vaSet: {
        out_ += '[';
        bool first = true;
        for (;;) {
          const std::string member = ShortString();
          if (member.empty()) break;
          if (!IsDottedIdent(member) || member.find('.') != std::string::npos)
            throw EReadError(SInvalidImage);
          if (!first) out_ += ", ";
          out_ += member;
          first = false;
        }
        out_ += ']';
        break;
      }
      default:
        throw EReadError(SInvalidImage);
    }
  }

  // Bytes of an 8-bit string: each byte is one character.
  void QuoteBytes(const std::string& bytes) {
    std::u16string units;
    units.reserve(bytes.size());
    for (char c : bytes) units.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
    Quote(units);
  }

  void Quote(const std::u16string& s) {
    if (s.empty()) {
      out_ += "''";
      return;
    }
    bool inQuotes = false;
    for (char16_t c : s) {
      if (c >= 32 && c <= 126) {
        if (!inQuotes) out_ += '\'';
        inQuotes = true;
        if (c == u'\'') out_ += '\'';
        out_ += static_cast<char>(c);
      } else {
        if (inQuotes) out_ += '\'';
        inQuotes = false;
        out_ += '#';
        out_ += std::to_string(static_cast<unsigned>(c));
      }
    }
    if (inQuotes) out_ += '\'';
  }

  void Hex(const std::string& bytes, int level) {
    static const char kDigits[] = "0123456789ABCDEF";
    constexpr std::size_t kBytesPerLine = 32;
    const bool multiLine = bytes.size() >= kBytesPerLine;
    out_ += '{';
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      if (multiLine && i % kBytesPerLine == 0) {
        out_ += "\r\n";
        Indent(level + 1);
      }
      const auto b = static_cast<unsigned char>(bytes[i]);
      out_ += kDigits[b >> 4];
      out_ += kDigits[b & 15];
    }
    out_ += '}';
  }

  std::string ShortString() {
    const std::uint8_t length = in_.ReadUInt8();
    std::string s(length, '\0');
    in_.ReadBuffer(s.data(), s.size());
    return s;
  }

  // An int32 count of units of the given size, then the units.
  std::string Block(int unitSize) {
    const std::int32_t count = in_.ReadInt32();
    if (count < 0 || std::int64_t{count} * unitSize > in_.Remaining()) throw EReadError(SReadError);
    std::string s(static_cast<std::size_t>(count) * static_cast<std::size_t>(unitSize), '\0');
    in_.ReadBuffer(s.data(), s.size());
    return s;
  }

  bool EndOfList() {
    const std::uint8_t b = in_.ReadUInt8();
    in_.Seek(-1, TSeekOrigin::soCurrent);
    return b == 0;
  }

  void Indent(int level) { out_.append(static_cast<std::size_t>(level) * 2, ' '); }

  TStream& in_;
  std::string out_;
};

// ---- text to binary ----

enum class TToken { tkEOF, tkSymbol, tkString, tkInteger, tkChar };

class TTextParser {
 public:
  explicit TTextParser(std::string_view text) : text_(text) { NextToken(); }

  TToken Token() const { return token_; }
  char TokenChar() const { return tokenChar_; }
  const std::string& TokenSymbol() const { return symbol_; }
  const std::u16string& TokenString() const { return string_; }
  std::int64_t TokenInteger() const { return integer_; }
  bool IsChar(char c) const { return token_ == TToken::tkChar && tokenChar_ == c; }
  bool IsSymbol(std::string_view s) const {
    return token_ == TToken::tkSymbol && TextCase::SameText(symbol_, s);
  }

  [[noreturn]] void Error(const std::string& message) const {
    throw EParserError(FormatText(SParseError, message, std::to_string(tokenLine_)));
  }
  void Expect(char c) {
    if (!IsChar(c)) Error(std::string("'") + c + "' expected");
    NextToken();
  }

  void NextToken() {
    SkipBlanks();
    tokenLine_ = line_;
    if (pos_ >= text_.size()) {
      token_ = TToken::tkEOF;
      return;
    }
    const char c = text_[pos_];
    if (IsIdentStart(c)) {
      ReadSymbol();
    } else if (c == '\'' || c == '#') {
      ReadString();
    } else if (IsDigit(c) || c == '$' ||
               ((c == '-' || c == '+') && pos_ + 1 < text_.size() &&
                (IsDigit(text_[pos_ + 1]) || text_[pos_ + 1] == '$'))) {
      ReadInteger();
    } else {
      token_ = TToken::tkChar;
      tokenChar_ = c;
      ++pos_;
    }
  }

  // The hex digits up to the closing brace; the current token is the opening brace.
  std::string ReadHexBlock() {
    std::string bytes;
    int high = -1;
    for (;;) {
      if (pos_ >= text_.size()) Error("'}' expected");
      const char c = text_[pos_++];
      if (c == '}') break;
      if (c == '\n') {
        ++line_;
        continue;
      }
      if (c == ' ' || c == '\t' || c == '\r') continue;
      int digit = -1;
      if (c >= '0' && c <= '9') digit = c - '0';
      if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
      if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
      if (digit < 0) {
        tokenLine_ = line_;
        Error("Invalid binary value");
      }
      if (high < 0) {
        high = digit;
      } else {
        bytes.push_back(static_cast<char>(high * 16 + digit));
        high = -1;
      }
    }
    if (high >= 0) {
      tokenLine_ = line_;
      Error("Invalid binary value");
    }
    NextToken();
    return bytes;
  }

 private:
  void SkipBlanks() {
    while (pos_ < text_.size()) {
      const char c = text_[pos_];
      if (c == '\n') {
        ++line_;
      } else if (c != ' ' && c != '\t' && c != '\r') {
        break;
      }
      ++pos_;
    }
  }

  void ReadSymbol() {
    const std::size_t start = pos_;
    while (pos_ < text_.size() &&
           (IsIdentChar(text_[pos_]) ||
            (text_[pos_] == '.' && pos_ + 1 < text_.size() && IsIdentStart(text_[pos_ + 1]))))
      ++pos_;
    symbol_ = std::string(text_.substr(start, pos_ - start));
    if (symbol_.size() > 255) Error("Identifier too long");
    token_ = TToken::tkSymbol;
  }

  void ReadString() {
    string_.clear();
    while (pos_ < text_.size() && (text_[pos_] == '\'' || text_[pos_] == '#')) {
      if (text_[pos_] == '#') {
        ++pos_;
        std::uint32_t value = 0;
        std::size_t digits = 0;
        while (pos_ < text_.size() && IsDigit(text_[pos_])) {
          value = value * 10 + static_cast<std::uint32_t>(text_[pos_++] - '0');
          if (value > 0xFFFF) Error("Invalid character value");
          ++digits;
        }
        if (digits == 0) Error("Invalid character value");
        string_.push_back(static_cast<char16_t>(value));
        continue;
      }
      ++pos_;
      std::string raw;
      for (;;) {
        if (pos_ >= text_.size() || text_[pos_] == '\n' || text_[pos_] == '\r')
          Error("Unterminated string");
        const char c = text_[pos_++];
        if (c == '\'') {
          if (pos_ < text_.size() && text_[pos_] == '\'') {
            raw.push_back('\'');
            ++pos_;
            continue;
          }
          break;
        }
        raw.push_back(c);
      }
      // Characters typed directly beyond ASCII are taken as UTF-8, else byte by byte.
      if (auto wide = UnicodeText::FromUtf8(raw)) {
        string_ += *wide;
      } else {
        for (char c : raw) string_.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
      }
    }
    token_ = TToken::tkString;
  }

  void ReadInteger() {
    bool negative = false;
    if (text_[pos_] == '-' || text_[pos_] == '+') negative = text_[pos_++] == '-';
    std::uint64_t value = 0;
    std::size_t digits = 0;
    const bool hex = text_[pos_] == '$';
    if (hex) ++pos_;
    const std::uint64_t limit = std::uint64_t{1} << 63;
    while (pos_ < text_.size()) {
      const char c = text_[pos_];
      int digit = -1;
      if (IsDigit(c)) digit = c - '0';
      if (hex && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
      if (hex && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
      if (digit < 0) break;
      const std::uint64_t base = hex ? 16 : 10;
      if (value > (limit - static_cast<std::uint64_t>(digit)) / base)
        Error("Invalid integer value");
      value = value * base + static_cast<std::uint64_t>(digit);
      ++digits;
      ++pos_;
    }
    if (digits == 0 || (pos_ < text_.size() && (IsIdentChar(text_[pos_]) || text_[pos_] == '.')))
      Error("Invalid integer value");
    if (!negative && value == limit) Error("Invalid integer value");
    integer_ = negative ? static_cast<std::int64_t>(0 - value) : static_cast<std::int64_t>(value);
    token_ = TToken::tkInteger;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 1;
  int tokenLine_ = 1;
  TToken token_ = TToken::tkEOF;
  char tokenChar_ = 0;
  std::string symbol_;
  std::u16string string_;
  std::int64_t integer_ = 0;
};

class TTextToBinary {
 public:
  TTextToBinary(std::string_view text, TStream& output) : parser_(text), out_(output) {}

  void Convert() {
    out_.WriteBuffer("TPF0", 4);
    ConvertObject(0);
    if (parser_.Token() != TToken::tkEOF) parser_.Error("End of text expected");
  }

 private:
  void ConvertObject(int level) {
    if (level >= kMaxNesting) parser_.Error("Objects nested too deeply");
    if (!parser_.IsSymbol("object")) parser_.Error("'object' expected");
    parser_.NextToken();
    std::string name;
    std::string className = PlainIdent();
    if (parser_.IsChar(':')) {
      parser_.NextToken();
      name = className;
      className = PlainIdent();
    }
    ShortString(className);
    ShortString(name);
    while (!parser_.IsSymbol("end") && !parser_.IsSymbol("object")) {
      if (parser_.Token() != TToken::tkSymbol) parser_.Error("Identifier expected");
      ShortString(parser_.TokenSymbol());
      parser_.NextToken();
      parser_.Expect('=');
      ConvertValue(level + 1);
    }
    out_.WriteUInt8(0);
    while (parser_.IsSymbol("object")) ConvertObject(level + 1);
    out_.WriteUInt8(0);
    if (!parser_.IsSymbol("end")) parser_.Error("'end' expected");
    parser_.NextToken();
  }

  void ConvertValue(int level) {
    if (level > kMaxNesting) parser_.Error("Values nested too deeply");
    switch (parser_.Token()) {
      case TToken::tkInteger:
        Integer(parser_.TokenInteger());
        parser_.NextToken();
        return;
      case TToken::tkString: {
        std::u16string s = parser_.TokenString();
        parser_.NextToken();
        while (parser_.IsChar('+')) {
          parser_.NextToken();
          if (parser_.Token() != TToken::tkString) parser_.Error("String expected");
          s += parser_.TokenString();
          parser_.NextToken();
        }
        String(s);
        return;
      }
      case TToken::tkSymbol: {
        const std::string& ident = parser_.TokenSymbol();
        if (TextCase::SameText(ident, "False")) {
          Tag(TValueType::vaFalse);
        } else if (TextCase::SameText(ident, "True")) {
          Tag(TValueType::vaTrue);
        } else if (TextCase::SameText(ident, "nil")) {
          Tag(TValueType::vaNil);
        } else if (TextCase::SameText(ident, "Null")) {
          Tag(TValueType::vaNull);
        } else {
          Tag(TValueType::vaIdent);
          ShortString(ident);
        }
        parser_.NextToken();
        return;
      }
      case TToken::tkChar:
        break;
      case TToken::tkEOF:
        parser_.Error("Value expected");
    }
    switch (parser_.TokenChar()) {
      case '[':
        parser_.NextToken();
        Tag(TValueType::vaSet);
        if (!parser_.IsChar(']')) {
          for (;;) {
            ShortString(PlainIdent());
            if (parser_.IsChar(']')) break;
            parser_.Expect(',');
          }
        }
        parser_.NextToken();
        ShortString("");
        return;
      case '(':
        parser_.NextToken();
        Tag(TValueType::vaList);
        while (!parser_.IsChar(')')) ConvertValue(level + 1);
        parser_.NextToken();
        out_.WriteUInt8(0);
        return;
      case '{': {
        const std::string bytes = parser_.ReadHexBlock();
        Tag(TValueType::vaBinary);
        out_.WriteInt32(static_cast<std::int32_t>(bytes.size()));
        out_.WriteBuffer(bytes.data(), bytes.size());
        return;
      }
      default:
        parser_.Error("Value expected");
    }
  }

  std::string PlainIdent() {
    if (parser_.Token() != TToken::tkSymbol || parser_.TokenSymbol().find('.') != std::string::npos)
      parser_.Error("Identifier expected");
    std::string s = parser_.TokenSymbol();
    parser_.NextToken();
    return s;
  }

  void Integer(std::int64_t v) {
    if (v >= -128 && v <= 127) {
      Tag(TValueType::vaInt8);
      out_.WriteInt8(static_cast<std::int8_t>(v));
    } else if (v >= -32768 && v <= 32767) {
      Tag(TValueType::vaInt16);
      out_.WriteInt16(static_cast<std::int16_t>(v));
    } else if (v >= std::numeric_limits<std::int32_t>::min() &&
               v <= std::numeric_limits<std::int32_t>::max()) {
      Tag(TValueType::vaInt32);
      out_.WriteInt32(static_cast<std::int32_t>(v));
    } else {
      Tag(TValueType::vaInt64);
      out_.WriteInt64(v);
    }
  }

  void String(const std::u16string& s) {
    bool wide = false;
    for (char16_t c : s)
      if (c > 0xFF) wide = true;
    if (wide) {
      Tag(TValueType::vaWString);
      out_.WriteInt32(static_cast<std::int32_t>(s.size()));
      for (char16_t c : s) out_.WriteInt16(static_cast<std::int16_t>(c));
      return;
    }
    std::string bytes;
    for (char16_t c : s) bytes.push_back(static_cast<char>(c));
    if (bytes.size() <= 255) {
      Tag(TValueType::vaString);
      ShortString(bytes);
    } else {
      Tag(TValueType::vaLString);
      out_.WriteInt32(static_cast<std::int32_t>(bytes.size()));
      out_.WriteBuffer(bytes.data(), bytes.size());
    }
  }

  void Tag(TValueType tag) { out_.WriteUInt8(static_cast<std::uint8_t>(tag)); }

  void ShortString(const std::string& s) {
    out_.WriteUInt8(static_cast<std::uint8_t>(s.size()));
    out_.WriteBuffer(s.data(), s.size());
  }

  TTextParser parser_;
  TStream& out_;
};

std::string ReadAll(TStream& input) {
  const std::int64_t size = input.Remaining();
  std::string text(static_cast<std::size_t>(size), '\0');
  input.ReadBuffer(text.data(), text.size());
  return text;
}

}  // namespace

void ObjectBinaryToText(TStream& input, TStream& output) {
  const std::string text = TBinaryToText(input).Convert();
  output.WriteBuffer(text.data(), text.size());
}

void ObjectTextToBinary(TStream& input, TStream& output) {
  const std::string text = ReadAll(input);
  TMemoryStream binary;
  TTextToBinary(text, binary).Convert();
  output.WriteBuffer(binary.Bytes().data(), binary.Bytes().size());
}

std::string ObjectBinaryToText(const std::vector<std::uint8_t>& binary) {
  TReadOnlyMemoryStream input(binary.data(), binary.size());
  return TBinaryToText(input).Convert();
}

std::vector<std::uint8_t> ObjectTextToBinary(std::string_view text) {
  TMemoryStream binary;
  TTextToBinary(text, binary).Convert();
  return std::move(binary.Bytes());
}
