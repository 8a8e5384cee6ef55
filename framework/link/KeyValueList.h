// One packet: an ordered list of tags (name and text value) and its text form
// "name=value&name=value" with URL-style escapes.
#pragma once

#include <cstddef>

// One tag. Owns heap copies of both texts; a failed copy leaves that text null
// (it encodes as empty).
class CKeyValue {
 public:
  CKeyValue(const char* key, const char* value);
  ~CKeyValue();
  CKeyValue(const CKeyValue&) = delete;
  CKeyValue& operator=(const CKeyValue&) = delete;

  // Frees the old value and stores a copy of text (null stays null).
  void SetValue(const char* text);
  // 1 when the value equals text ignoring case (StrICmp), else 0.
  int ValueIs(const char* text) const;
  // The following node, null at the end.
  CKeyValue* Next() const { return next; }

  char* key;
  char* value;
  CKeyValue* next;
};

// A packet. Owns its nodes; keeps insertion order and duplicate names.
class CKeyValueList {
 public:
  CKeyValueList() = default;
  ~CKeyValueList();
  CKeyValueList(const CKeyValueList&) = delete;
  CKeyValueList& operator=(const CKeyValueList&) = delete;

  // Appends a new node with copies of both texts; answers it, null when no
  // memory (the list is then unchanged).
  CKeyValue* Add(const char* key, const char* value);
  // Links a ready heap node (made with new) at the tail; the list takes it.
  void Append(CKeyValue* node);
  // The first node from start itself (from the head when start is null) whose
  // key equals key ignoring case; null when none.
  CKeyValue* Find(const char* key, CKeyValue* start) const;
  // The value of Find(key, null), or null.
  const char* GetValue(const char* key) const;
  // Destroys every node.
  void Clear();
  // The text form as a new heap text (std::free), "" for an empty list; null
  // when memory runs out.
  char* Encode() const;
  // Appends the pairs of text (callers clear first) and answers how many.
  // "a&&b" gives three pairs, a trailing '&' none; a piece without '=' is a
  // key with an empty value; only the first '=' splits. A '%' without two
  // characters after it ends its key or value. Stops early, keeping what it
  // appended, when memory runs out.
  int Decode(const char* text);
  // As Decode, reading at most length bytes (up to the first zero byte).
  int Decode(const char* text, std::size_t length);

  CKeyValue* head = nullptr;
  CKeyValue* tail = nullptr;
};
