// Readers of the cashier module answers: each takes the packet waiting on
// the client link end and fills the cashier's records. Values are cut to
// their fields; numbers that read as nan or infinity count as unreadable.
#pragma once

class CComm;
struct CashierClientRecord;

// The current tag's value with "%lf": 1 when one finite number was read.
int ReadDoubleTag(CComm& comm, double* value);
// GETUSER into gCashierUser (cleared first). 1, or 0 when a tag is missing.
int ParseUserInfo(CComm& comm);
// GETACCOUNTINFO into the record's figures. 1, or 0 when a tag is missing
// or unreadable (the record then unchanged).
int ParseAccountInfo(CComm& comm, CashierClientRecord* record);
// GETCREDITCARDINFO into gOrderForm's card fields. 1 (with or without a card
// on file), or 0 when one of the four card tags is missing.
int ParseCreditCardInfo(CComm& comm);
// GETVALIDCARDS: the accepted flag of each card type named by a "type" tag.
void ParseValidCards(CComm& comm);
