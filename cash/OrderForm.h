// The order the transaction dialog fills and the client sends: one
// program-wide record of fixed, zero-terminated fields.
#pragma once

#include <cstddef>
#include <cstdint>

struct OrderForm {
  std::int32_t orderType;  // 0-5
  char amount[21];
  char cardOnFile;  // 1 when GETCREDITCARDINFO gave a card
  char cardholder[31];
  char cardType[21];  // a card protocol name
  char cardNumber[31];
  char expiryDate[9];  // mmyy
  char securityCode[8];
  char startDate[9];
  char issueNo[3];
  char bankPhone[25];
  char requestCode;  // 1: the player asked for a new security code
  char swift[27];
  char routing[21];
  char aba[21];
  char accountNo[26];
  char accountName[31];
  char bankName[31];
  char bankAddress1[31];
  char bankAddress2[31];
  char bankAddress3[31];
  char bankZipCode[11];
  char bankTown[21];
  char bankState[3];
  char bankCountry[21];
};
static_assert(offsetof(OrderForm, amount) == 4);
static_assert(offsetof(OrderForm, cardOnFile) == 25);
static_assert(offsetof(OrderForm, cardholder) == 26);
static_assert(offsetof(OrderForm, cardType) == 57);
static_assert(offsetof(OrderForm, cardNumber) == 78);
static_assert(offsetof(OrderForm, expiryDate) == 109);
static_assert(offsetof(OrderForm, securityCode) == 118);
static_assert(offsetof(OrderForm, startDate) == 126);
static_assert(offsetof(OrderForm, issueNo) == 135);
static_assert(offsetof(OrderForm, bankPhone) == 138);
static_assert(offsetof(OrderForm, requestCode) == 163);
static_assert(offsetof(OrderForm, swift) == 164);
static_assert(offsetof(OrderForm, routing) == 191);
static_assert(offsetof(OrderForm, aba) == 212);
static_assert(offsetof(OrderForm, accountNo) == 233);
static_assert(offsetof(OrderForm, accountName) == 259);
static_assert(offsetof(OrderForm, bankName) == 290);
static_assert(offsetof(OrderForm, bankAddress1) == 321);
static_assert(offsetof(OrderForm, bankAddress2) == 352);
static_assert(offsetof(OrderForm, bankAddress3) == 383);
static_assert(offsetof(OrderForm, bankZipCode) == 414);
static_assert(offsetof(OrderForm, bankTown) == 425);
static_assert(offsetof(OrderForm, bankState) == 446);
static_assert(offsetof(OrderForm, bankCountry) == 449);
static_assert(sizeof(OrderForm) == 472);

extern OrderForm gOrderForm;

// Copies at most size - 1 bytes of text (null: empty) into a field of size
// bytes and terminates it: every value from outside goes in through here.
void CopyField(char* field, std::size_t size, const char* text);
template <std::size_t N>
void CopyField(char (&field)[N], const char* text) {
  CopyField(field, N, text);
}
