#include "cash/CardTypes.h"

namespace {

constexpr CardTypeRow kInitialCardTypes[kCardTypeCount] = {
    {"VISA", "VISA", 0, 1, '4', 145},
    {"MasterCard", "MasterCard", 0, 1, '5', 146},
    {"American Express", "AmericanExpress", 0, 1, '3', 147},
    {"JCB", "JCB", 0, 1, '3', 149},
};

}  // namespace

CardTypeRow gCardTypes[kCardTypeCount] = {
    kInitialCardTypes[0], kInitialCardTypes[1], kInitialCardTypes[2], kInitialCardTypes[3]};

void ResetCardTypes() {
  for (int i = 0; i < kCardTypeCount; ++i) gCardTypes[i] = kInitialCardTypes[i];
}
