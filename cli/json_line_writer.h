#pragma once
// RapidJSON's writer with a faster way for the texts fixed when the program is built: member
// names and the names of the program's own tables go into the buffer as precomposed pieces
// (quotes and the colon included) in one move, without the writer's per-character escaping scan.
// Every piece is checked at build time to need no escaping, so the bytes are exactly those of
// the writer's own Key(), String() and value calls.
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <array>
#include <cstring>
#include <string_view>

namespace caelix {

// A text with its quotes in a block copied in one move; a member name also has the comma before
// it and the colon after it: ,"name":
class QuotedText {
 public:
  static constexpr std::size_t kBlock = 32;

  constexpr QuotedText() = default;

  // A value: "text". A member name: ,"name":. Evaluated when the program is built, where a text
  // that would need escaping, or is too long for the block, does not compile.
  static constexpr QuotedText Value(std::string_view text) { return QuotedText(text, false); }
  static constexpr QuotedText Name(std::string_view text) { return QuotedText(text, true); }

  const char* data() const { return bytes_.data(); }
  std::size_t size() const { return size_; }

 private:
  constexpr QuotedText(std::string_view text, bool name) {
    if (text.size() + 4 > kBlock) throw "a text too long for its block";
    for (const char c : text) {
      // RapidJSON's writer escapes control characters, the quote and the backslash; it passes
      // every other byte of UTF-8 through unchanged.
      if (static_cast<unsigned char>(c) < 0x20 || c == '"' || c == '\\') throw "a text that needs escaping";
    }
    if (name) bytes_[size_++] = ',';  // the separator from the member before, left out for the first
    bytes_[size_++] = '"';
    for (const char c : text) bytes_[size_++] = c;
    bytes_[size_++] = '"';
    if (name) bytes_[size_++] = ':';
  }

  std::array<char, kBlock + 1> bytes_{};  // a block copied from the first or the second byte
  std::size_t size_ = 0;
};

// A string literal as a template argument.
template <std::size_t N>
struct NameLiteral {
  consteval NameLiteral(const char (&literal)[N]) {  // NOLINT(google-explicit-constructor)
    for (std::size_t i = 0; i < N; ++i) text[i] = literal[i];
  }
  char text[N];
};

template <NameLiteral L>
inline constexpr QuotedText kQuotedName = QuotedText::Name(std::string_view(L.text, sizeof L.text - 1));

// "name"_name: the member name precomposed once, in the program's constant data (the writer
// copies it from there: a copy of a temporary made just before would wait on its stores).
template <NameLiteral L>
constexpr const QuotedText& operator""_name() {
  return kQuotedName<L>;
}

// The precomposed texts of a table, in its order.
template <std::size_t N>
constexpr std::array<QuotedText, N> QuotedValues(const std::array<std::string_view, N>& texts) {
  std::array<QuotedText, N> quoted{};
  for (std::size_t i = 0; i < N; ++i) quoted[i] = QuotedText::Value(texts[i]);
  return quoted;
}

class JsonLineWriter : public rapidjson::Writer<rapidjson::StringBuffer> {
 public:
  explicit JsonLineWriter(rapidjson::StringBuffer& buffer) : Writer(buffer) {}

  // A member's name; the value follows by the writer's own calls (an object, an array, a text).
  void Key(const QuotedText& name) {
    Prefix(rapidjson::kStringType);           // writes the comma when one is due
    Piece(name.data() + 1, name.size() - 2);  // without the colon, which the value's own call writes
  }

  // A member, name and value: the bytes of Key() and then Double(), Int(), Bool() or Null().
  void Member(const QuotedText& name, double v) {
    Name(name);
    WriteDouble(v);
  }
  void Member(const QuotedText& name, int v) {
    Name(name);
    WriteInt(v);
  }
  void MemberBool(const QuotedText& name, bool v) {
    Name(name);
    WriteBool(v);
  }
  void MemberNull(const QuotedText& name) {
    Name(name);
    WriteNull();
  }
  void MemberOrNull(const QuotedText& name, bool hasValue, double v) {
    Name(name);
    if (hasValue) {
      WriteDouble(v);
    } else {
      WriteNull();
    }
  }
  // A member whose value is a precomposed text of a table.
  void Member(const QuotedText& name, const QuotedText& value) {
    Name(name);
    Piece(value.data(), value.size());
  }
  // A member whose value is any text, escaped as String() escapes it.
  void Member(const QuotedText& name, std::string_view text) {
    Key(name);
    String(text.data(), static_cast<rapidjson::SizeType>(text.size()));
  }

 private:
  // The name with its colon, and the comma before it unless it is the object's first member;
  // counted as Prefix() counts a name and then its value. A name always opens a member of an
  // object, so the comma is due exactly when the object already has values.
  void Name(const QuotedText& name) {
    Level* level = level_stack_.template Top<Level>();
    const std::size_t skip = level->valueCount == 0 ? 1 : 0;
    level->valueCount += 2;
    Piece(name.data() + skip, name.size() - skip);
  }

  // Appends size bytes of a block: the whole block is copied (one fixed-size move, into room
  // reserved for it) and the buffer grows by size.
  void Piece(const char* block, std::size_t size) {
    os_->Reserve(QuotedText::kBlock);
    std::memcpy(os_->PushUnsafe(0), block, QuotedText::kBlock);
    os_->PushUnsafe(size);
  }
};

}  // namespace caelix
