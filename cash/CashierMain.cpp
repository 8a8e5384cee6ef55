#include "cash/CashierProgram.h"

int main(int argc, char** argv) { return cash::CashierMain(argc, argv); }
