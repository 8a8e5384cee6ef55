#include "mainclient/PlayerAccount.h"

#include "framework/link/Cents.h"

double CPlayerAccount::Balance() const {
  return MoneyOf(online_ ? store_.Online().balance : store_.BalanceCents());
}

CPlayerRecord CPlayerAccount::MakeRecord() const {
  CPlayerRecord record;
  record.SetName(kPlayerName);
  record.SetText(online_ ? kPlayerOnlineText : kPlayerText);
  record.SetMoney(Balance());
  return record;
}

int CPlayerAccount::Book(double base, double reported) {
  std::int64_t baseCents = 0;
  std::int64_t reportedCents = 0;
  if (!CentsOf(base, &baseCents) || !CentsOf(reported, &reportedCents)) return 0;
  if (baseCents == reportedCents) return 1;
  const std::int64_t delta = reportedCents - baseCents;
  return (online_ ? store_.BookOnline(delta) : store_.Book(delta)) ? 1 : kBookStoreFailed;
}
