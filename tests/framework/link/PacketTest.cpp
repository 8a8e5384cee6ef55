// Texts, packet lists and their text form, and the pointer list.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "framework/link/KeyValueList.h"
#include "framework/link/PtrList.h"
#include "framework/link/Text.h"
#include "framework/link/WholeNumbers.h"

namespace {

std::string EncodeOf(const CKeyValueList& list) {
  char* text = list.Encode();
  std::string s = text ? text : "<null>";
  std::free(text);
  return s;
}

struct Pair {
  std::string key;
  std::string value;
};

std::vector<Pair> PairsOf(const CKeyValueList& list) {
  std::vector<Pair> pairs;
  for (CKeyValue* n = list.head; n; n = n->Next()) pairs.push_back({n->key, n->value});
  return pairs;
}

std::vector<Pair> Decoded(const char* text) {
  CKeyValueList list;
  int n = list.Decode(text);
  std::vector<Pair> pairs = PairsOf(list);
  EXPECT_EQ(n, static_cast<int>(pairs.size()));
  return pairs;
}

std::string DecodedValue(const char* text) {
  CKeyValueList list;
  list.Decode(text);
  return list.head && list.head->value ? list.head->value : "<none>";
}

}  // namespace

TEST(StrICmp, FoldsBit20ButAnswersRawDifference) {
  EXPECT_EQ(StrICmp("COMMAND", "command"), 0);
  EXPECT_EQ(StrICmp("@", "`"), 0);
  EXPECT_EQ(StrICmp("[\\]^_", "{|}~\x7f"), 0);
  EXPECT_EQ(StrICmp("\x01", "!"), 0);
  EXPECT_EQ(StrICmp("a", "b"), -1);
  EXPECT_EQ(StrICmp("b", "a"), 1);
  EXPECT_EQ(StrICmp("abc", "ab"), 'c');
  EXPECT_EQ(StrICmp("ab", "abc"), -'c');
  // Stops at b/C (folded 0x62 vs 0x63) and answers 'b' - 'C', not 'b' - 'c'.
  EXPECT_EQ(StrICmp("Ab", "aC"), 'b' - 'C');
  EXPECT_EQ(StrICmp("", ""), 0);
  // A trailing blank folds onto the other text's zero byte: never read past it.
  EXPECT_EQ(StrICmp("ab ", "ab"), ' ');
  EXPECT_EQ(StrICmp("ab", "ab "), -' ');
  EXPECT_EQ(StrICmp(nullptr, "x"), -1);
  EXPECT_EQ(StrICmp("x", nullptr), -1);
}

TEST(StrDup, CopiesAndKeepsNull) {
  char* copy = StrDup("abc");
  ASSERT_NE(copy, nullptr);
  EXPECT_STREQ(copy, "abc");
  std::free(copy);
  EXPECT_EQ(StrDup(nullptr), nullptr);
  EXPECT_EQ(StrLen(nullptr), 0u);
  EXPECT_EQ(StrLen("four"), 4u);
}

TEST(PacketEncode, WorkedExamples) {
  CKeyValueList list;
  EXPECT_EQ(EncodeOf(list), "");
  list.Add("command", "CLIENTINIT");
  EXPECT_EQ(EncodeOf(list), "command=CLIENTINIT");
  list.Add("v", "a b&c=d%");
  EXPECT_EQ(EncodeOf(list), "command=CLIENTINIT&v=a+b%26c%3Dd%25");

  CKeyValueList bytes;
  bytes.Add("k", "x\ny\xE9+");
  EXPECT_EQ(EncodeOf(bytes), "k=x%0Ay%E9%2B");

  CKeyValueList plain;
  plain.Add("URL", "/?:#;\"Az~");
  EXPECT_EQ(EncodeOf(plain), "URL=/?:#;\"Az~");

  CKeyValueList nullValue;
  nullValue.Add("k", nullptr);
  nullValue.Add("m=1", "");
  EXPECT_EQ(EncodeOf(nullValue), "k=&m%3D1=");
}

TEST(PacketEncode, EveryByteRoundTrips) {
  std::string all;
  for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
  CKeyValueList list;
  list.Add(all.c_str(), all.c_str());
  char* text = list.Encode();
  ASSERT_NE(text, nullptr);
  CKeyValueList back;
  EXPECT_EQ(back.Decode(text), 1);
  std::free(text);
  EXPECT_EQ(std::string(back.head->key), all);
  EXPECT_EQ(std::string(back.head->value), all);
}

TEST(PacketDecode, PiecesAndSplitting) {
  auto p = Decoded("x=1&&y=2");
  ASSERT_EQ(p.size(), 3u);
  EXPECT_EQ(p[0].key, "x");
  EXPECT_EQ(p[0].value, "1");
  EXPECT_EQ(p[1].key, "");
  EXPECT_EQ(p[1].value, "");
  EXPECT_EQ(p[2].key, "y");
  EXPECT_EQ(p[2].value, "2");

  EXPECT_EQ(Decoded("x=1&").size(), 1u);
  EXPECT_EQ(Decoded("").size(), 0u);
  EXPECT_EQ(Decoded("&x=1").size(), 2u);

  p = Decoded("flag");
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0].key, "flag");
  EXPECT_EQ(p[0].value, "");

  p = Decoded("k=a=b");
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0].key, "k");
  EXPECT_EQ(p[0].value, "a=b");

  EXPECT_EQ(DecodedValue("v=a+b%26c%3Dd%25"), "a b&c=d%");
}

TEST(PacketDecode, HexDigitsAreNotChecked) {
  EXPECT_EQ(DecodedValue("k=%2b%2B"), "++");
  // 'G': 0x47 - 55 = 16, so 16 * 16 + 1 = 257 -> 0x01.
  EXPECT_EQ(DecodedValue("k=%G1"), "\x01");
  // 'z': (0x7A & ~0x20) - 55 = 35, 35 * 16 + 35 = 595 -> 83 'S'.
  EXPECT_EQ(DecodedValue("k=%zz"), "S");
  // 0xE9 is below 'A' as a signed byte: -23 - 48 = -71; -71 * 16 + 1 = -1135 -> 0x91.
  EXPECT_EQ(DecodedValue("k=%\xE9" "1"), "\x91");
}

TEST(PacketDecode, TruncatedEscapeStaysInsideTheText) {
  EXPECT_EQ(DecodedValue("k=ab%"), "ab");
  EXPECT_EQ(DecodedValue("k=ab%4"), "ab");
  auto p = Decoded("k%4=v&x%=1");
  ASSERT_EQ(p.size(), 2u);
  EXPECT_EQ(p[0].key, "k");
  EXPECT_EQ(p[0].value, "v");
  EXPECT_EQ(p[1].key, "x");
}

TEST(PacketDecode, BoundedByLengthAndAppendsToWhatIsThere) {
  CKeyValueList list;
  list.Add("old", "1");
  const char unterminated[] = {'a', '=', '1', '&', 'b', '=', '2'};
  EXPECT_EQ(list.Decode(unterminated, 3), 1);
  EXPECT_EQ(list.Decode(unterminated, sizeof unterminated), 2);
  auto p = PairsOf(list);
  ASSERT_EQ(p.size(), 4u);
  EXPECT_EQ(p[0].key, "old");
  EXPECT_EQ(p[3].key, "b");
  EXPECT_EQ(p[3].value, "2");
}

TEST(PacketLookup, DuplicatesKeptFirstWinsCaseIgnored) {
  CKeyValueList list;
  list.Add("command", "A");
  CKeyValue* second = list.Add("COMMAND", "B");
  list.Add("x", "");
  EXPECT_STREQ(list.GetValue("Command"), "A");
  EXPECT_EQ(list.Find("command", second), second);
  EXPECT_EQ(list.Find("command", second->Next()), nullptr);
  EXPECT_EQ(list.GetValue("missing"), nullptr);
  EXPECT_EQ(list.head->ValueIs("a"), 1);
  EXPECT_EQ(list.head->ValueIs("ab"), 0);
  list.head->SetValue("changed");
  EXPECT_STREQ(list.head->value, "changed");
  list.Clear();
  EXPECT_EQ(list.head, nullptr);
  EXPECT_EQ(list.tail, nullptr);
  EXPECT_EQ(EncodeOf(list), "");
}

// The edges of an int, and the numbers glibc's scanf would have wrapped
// into small valid ones (2^32 + 1 read as 1).
TEST(WholeNumbers, AnIntIsReadAndWhatLiesBeyondItIsRefused) {
  struct Case {
    const char* text;
    int base;
    int ok;
    std::int32_t value;
    int used;
  };
  const Case cases[] = {
      {"2147483647", 10, 1, 2147483647, 10},   {"-2147483648,", 10, 1, INT32_MIN, 11},
      {"2147483648", 10, 0, 0, 0},             {"-2147483649", 10, 0, 0, 0},
      {"4294967297", 0, 0, 0, 0},              {"99999999999999999999999", 0, 0, 0, 0},
      {"  +7x", 10, 1, 7, 4},                  {"0x1f,", 0, 1, 31, 4},
      {"0x1f", 10, 1, 0, 1},                   {"010", 0, 1, 8, 3},
      {"010", 10, 1, 10, 3},                   {"", 0, 0, 0, 0},
      {"-", 0, 0, 0, 0},                       {",5", 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    const char* at = c.text;
    std::int32_t value = -99;
    EXPECT_EQ(ReadWholeNumber(&at, c.base, &value), c.ok) << c.text;
    EXPECT_EQ(value, c.ok ? c.value : -99) << c.text;
    EXPECT_EQ(at - c.text, c.used) << c.text;
  }
}

TEST(WholeNumbers, ALongTakesItsOwnRange) {
  const char* at = "-9223372036854775808 ";
  long value = 0;
  ASSERT_EQ(ReadWholeNumber(&at, 10, &value), 1);
  EXPECT_EQ(value, LONG_MIN);
  EXPECT_STREQ(at, " ");
  for (const char* bad : {"9223372036854775808", "-9223372036854775809", "x"}) {
    const char* p = bad;
    EXPECT_EQ(ReadWholeNumber(&p, 10, &value), 0) << bad;
    EXPECT_EQ(p, bad) << bad;
  }
}

TEST(WholeNumbers, AListTakesCommasBetweenAndLeavesWhatFollows) {
  std::int32_t v[3] = {};
  const char* at = "1, -2,3,4";
  ASSERT_EQ(ReadWholeNumberList(&at, 10, v, 3), 1);
  EXPECT_EQ(v[0], 1);
  EXPECT_EQ(v[1], -2);
  EXPECT_EQ(v[2], 3);
  EXPECT_STREQ(at, ",4");
  for (const char* bad : {"1,2", "1;2;3", "1,,3", "1,2,4294967296", "1 ,2,3"}) {
    const char* p = bad;
    EXPECT_EQ(ReadWholeNumberList(&p, 0, v, 3), 0) << bad;
    EXPECT_EQ(p, bad) << bad;
  }
}

TEST(PtrList, AppendSetsCursorOnlyOnFirstNode) {
  int a = 1, b = 2;
  CPtrList list;
  EXPECT_EQ(list.First(), 0);
  EXPECT_EQ(list.Next(), 0);
  EXPECT_EQ(list.Current(), nullptr);
  EXPECT_EQ(list.Append(&a), 1);
  EXPECT_EQ(list.Current(), &a);
  EXPECT_EQ(list.Append(&b), 1);
  EXPECT_EQ(list.Current(), &a);
  EXPECT_EQ(list.tail->prev, list.head);
  EXPECT_EQ(list.Next(), 1);
  EXPECT_EQ(list.Current(), &b);
  EXPECT_EQ(list.Next(), 0);
  EXPECT_EQ(list.HasCurrent(), 0);
}

TEST(PtrList, RemoveRelinksAndMovesCursor) {
  int a = 1, b = 2, c = 3;
  CPtrList list;
  list.Append(&a);
  list.Append(&b);
  list.Append(&c);
  list.First();
  list.Next();
  EXPECT_EQ(list.RemoveCurrent(), 1);
  EXPECT_EQ(list.Current(), &c);
  EXPECT_EQ(list.head->next, list.tail);
  EXPECT_EQ(list.tail->prev, list.head);

  EXPECT_EQ(list.Remove(&b), 0);
  EXPECT_EQ(list.HasCurrent(), 0);
  EXPECT_EQ(list.Remove(&c), 1);  // the tail: cursor runs off, a remains
  EXPECT_EQ(list.HasCurrent(), 0);
  EXPECT_EQ(list.tail, list.head);
  EXPECT_EQ(list.head->next, nullptr);

  list.First();
  EXPECT_EQ(list.RemoveCurrent(), 0);  // the only node
  EXPECT_EQ(list.head, nullptr);
  EXPECT_EQ(list.tail, nullptr);
  EXPECT_EQ(list.cursor, nullptr);
  EXPECT_EQ(list.RemoveCurrent(), 0);
}

TEST(PtrList, RemoveHeadRelinks) {
  int a = 1, b = 2;
  CPtrList list;
  list.Append(&a);
  list.Append(&b);
  list.First();
  EXPECT_EQ(list.RemoveCurrent(), 1);
  EXPECT_EQ(list.head->data, &b);
  EXPECT_EQ(list.head->prev, nullptr);
  EXPECT_EQ(list.Current(), &b);
}

TEST(PtrList, DeleteAllFreesDataRemoveAllKeepsIt) {
  CPtrList owned;
  owned.Append(std::malloc(8));
  owned.Append(std::malloc(8));
  owned.DeleteAll();  // the leak checker sees any block left
  EXPECT_EQ(owned.head, nullptr);

  int a = 1;
  CPtrList borrowed;
  borrowed.Append(&a);
  borrowed.RemoveAll();
  EXPECT_EQ(borrowed.head, nullptr);
  EXPECT_EQ(a, 1);
}
