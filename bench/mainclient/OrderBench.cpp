// One credit-card deposit answered by the main client online, from the
// request's text to the committed order: what a cashier waits for. The
// store lies in the system's temporary folder, so its file system decides
// what a full synchronisation costs.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "mainclient/AccountStore.h"
#include "mainclient/CashierDesk.h"
#include "tests/support/TempFolder.h"

namespace {

constexpr std::int64_t kStart = 1'800'000'000;
constexpr std::int64_t kTwoDays = 2 * 24 * 3600;  // clear of the 24-hour figures

class OrderFixture : public benchmark::Fixture {
 public:
  void SetUp(const benchmark::State&) override {
    folder_.emplace();
    if (folder_->Path().empty() || store_.Open(folder_->Path() + "/account.db", "") != 0) std::abort();
    request_ = "command=DEPOSIT&type=creditcard&amount=50&securitycode=" + store_.Online().securityCode +
               "&cardtype=VISA&number=4111111111111111&expdate=1229&name=Ann";
  }
  void TearDown(const benchmark::State&) override {
    store_.Close();
    folder_.reset();
  }

 protected:
  std::optional<TempFolder> folder_;
  CAccountStore store_;
  std::string request_;
};

BENCHMARK_DEFINE_F(OrderFixture, CardDepositCommitted)(benchmark::State& state) {
  std::int64_t now = kStart;
  for (auto _ : state) {
    const std::string answer = AnswerCashierRequest(store_, request_.c_str(), now, 1);
    if (answer.rfind("command=DEPOSIT&answer=ok", 0) != 0) std::abort();
    now += kTwoDays;
  }
}

}  // namespace

BENCHMARK_REGISTER_F(OrderFixture, CardDepositCommitted)->Unit(benchmark::kMillisecond);
