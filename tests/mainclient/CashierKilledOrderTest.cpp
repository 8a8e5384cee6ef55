// A main client killed while it places the cashier's orders: the reopened
// store holds every order that was answered, none twice, and a balance
// that matches its orders to the cent.
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <random>
#include <string>

#include "mainclient/CashierDesk.h"
#include "tests/mainclient/CashierTags.h"
#include "tests/support/TempFolder.h"

namespace {

constexpr int kKills = 200;
constexpr std::int64_t kNow = 1'800'000'000;

// Orders without end, each answered one reported on out as "id cents".
[[noreturn]] void PlaceOrders(const std::string& path, int out, unsigned seed) {
  CAccountStore store;
  if (store.Open(path, "") != 0) _exit(2);
  std::mt19937 random(seed);
  for (;;) {
    const OnlineAccount& a = store.Online();
    const bool withdraw = a.balance > 100000 && random() % 2;
    const std::int64_t cents = withdraw ? 5000 + random() % 95001 : 2000 + random() % 198001;
    char amount[32];
    std::snprintf(amount, sizeof amount, "%lld.%02lld", static_cast<long long>(cents / 100),
                  static_cast<long long>(cents % 100));
    TagList request = {{"command", withdraw ? "WITHDRAW" : "DEPOSIT"},
                       {"type", withdraw ? "bankdraft" : "creditcard"},
                       {"amount", amount},
                       {"securitycode", a.securityCode}};
    if (!a.hasCard) request.insert(request.end(), {{"cardtype", "VISA"}, {"number", "4111111111111111"}});
    const TagList answer = TagsOf(AnswerCashierRequest(store, RequestText(request).c_str(), kNow, 0));
    if (TagValue(answer, "answer") != "ok") _exit(3);
    char line[64];
    const int n = std::snprintf(line, sizeof line, "%s %lld\n", TagValue(answer, "ORDERID").c_str(),
                                static_cast<long long>(withdraw ? -cents : cents));
    if (write(out, line, static_cast<std::size_t>(n)) != n) _exit(4);
  }
}

TEST(CashierKilledOrder, EveryAnsweredOrderSurvivesAKillAndNoneIsBookedTwice) {
  TempFolder folder;
  ASSERT_FALSE(folder.Path().empty());
  const std::string path = folder.Path() + "/account.db";
  {
    CAccountStore store;
    ASSERT_EQ(store.Open(path, ""), 0) << store.Error();
  }
  // No account-wide figures, so the orders go on for as long as the child lives.
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(db,
                         "UPDATE online_user SET security_limit = 0, max_deposit_30_days = 0,"
                         " max_withdraw_30_days = 0, max_deposit = 0, max_withdraw = 0,"
                         " max_24_hour_card_deposit = 0, max_24_hour_card_count = 0",
                         nullptr, nullptr, nullptr),
            SQLITE_OK);
  sqlite3_close(db);

  const unsigned seed = std::random_device{}();
  std::printf("seed %u\n", seed);
  std::mt19937 random(seed);
  std::map<std::int64_t, std::int64_t> reported;  // order id -> signed cents
  const std::int64_t seedBalance = 100000;
  for (int round = 0; round < kKills; ++round) {
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(pipeEnds[0]);
      PlaceOrders(path, pipeEnds[1], seed + static_cast<unsigned>(round));
    }
    close(pipeEnds[1]);
    usleep(static_cast<useconds_t>(random() % 30000));
    kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the child ended by itself, status " << status << ", seed " << seed;
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<std::size_t>(n));
    close(pipeEnds[0]);
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
      long long id = 0, cents = 0;
      ASSERT_EQ(std::sscanf(text.c_str() + start, "%lld %lld", &id, &cents), 2);
      ASSERT_TRUE(reported.emplace(id, cents).second) << "order " << id << " answered twice, seed " << seed;
    }

    CAccountStore store;
    ASSERT_EQ(store.Open(path, ""), 0) << store.Error() << ", seed " << seed;
    const OnlineAccount& a = store.Online();
    std::map<std::int64_t, std::int64_t> stored;
    std::int64_t sum = seedBalance;
    for (const OnlineOrder& o : a.orders) {
      ASSERT_TRUE(stored.emplace(o.id, o.amount).second) << "order " << o.id << " stored twice";
      sum += o.amount;
    }
    for (const auto& [id, cents] : reported) {
      ASSERT_EQ(stored.count(id), 1u) << "answered order " << id << " lost, seed " << seed;
      ASSERT_EQ(stored[id], cents) << "order " << id << ", seed " << seed;
    }
    // At most the one order whose answer the kill cut off is stored unreported.
    ASSERT_LE(stored.size(), reported.size() + 1) << "seed " << seed;
    ASSERT_EQ(a.balance, sum) << "seed " << seed;
    // What is stored counts from now on, reported or not.
    reported = stored;
  }
  std::printf("%zu orders over %d kills\n", reported.size(), kKills);
}

}  // namespace
