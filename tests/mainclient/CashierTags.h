// Reading the main client's answers to the cashier as the cashier walks
// them: tag by tag, in order.
#pragma once

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "framework/link/KeyValueList.h"

using TagList = std::vector<std::pair<std::string, std::string>>;

inline TagList TagsOf(const std::string& packet) {
  CKeyValueList list;
  list.Decode(packet.c_str());
  TagList tags;
  for (CKeyValue* t = list.head; t; t = t->Next()) tags.emplace_back(t->key ? t->key : "", t->value ? t->value : "");
  return tags;
}

inline std::vector<std::string> NamesOf(const TagList& tags) {
  std::vector<std::string> names;
  for (const auto& t : tags) names.push_back(t.first);
  return names;
}

inline std::string TagValue(const TagList& tags, const std::string& name) {
  for (const auto& t : tags) {
    if (t.first == name) return t.second;
  }
  return "(missing)";
}

// A request packet's text.
inline std::string RequestText(const TagList& tags) {
  CKeyValueList list;
  for (const auto& t : tags) list.Add(t.first.c_str(), t.second.c_str());
  char* text = list.Encode();
  std::string out = text ? text : "";
  std::free(text);
  return out;
}
