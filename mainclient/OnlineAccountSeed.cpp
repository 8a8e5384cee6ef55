#include "mainclient/OnlineAccount.h"

OnlineAccount SeedOnlineAccount() {
  OnlineAccount a;
  a.balance = 100000;
  a.securityCode = "K7Q2M9X";
  a.user = {"4711-0032", "Player", "12 Harbour Road", "", "", "40210", "Lakeside", "KY", "USA"};
  a.figures.securityLimit = 50000;
  a.figures.maxDepositPer30Days = 500000;
  a.figures.maxWithdrawPer30Days = 1000000;
  a.figures.maxDeposit = 250000;
  a.figures.maxWithdraw = 500000;
  a.figures.max24HourCardDeposit = 100000;
  a.figures.max24HourCardDepositCount = 3;
  a.cardTypes = {"VISA", "MasterCard", "AmericanExpress"};
  // protocol id, deposit charge, min, max, withdraw charge, min, max
  a.orderTypes = {
      {"creditcard", 0, 2000, 200000, 0, 0, 0},
      {"bankdraft", 0, 10000, 0, 1500, 5000, 200000},
      {"WUMoneyTransfer", 1000, 5000, 100000, 0, 0, 0},
      {"wiretransfer", 0, 0, 0, 2500, 20000, 500000},
      {"security", 0, 0, 0, 0, 0, 0},
  };
  return a;
}
