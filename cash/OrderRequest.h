// The DEPOSIT and WITHDRAW requests built from the order form.
#pragma once

class CComm;
struct OrderForm;

// Begins the DEPOSIT (withdraw 0) or WITHDRAW request of form on comm, with
// the tags the main client (online 1) or the play-for-fun server (online 0)
// reads (online withdrawals carry every order field). 1 built, ready to
// send; 0 when the send side is not free.
int BeginOrderRequest(CComm& comm, const OrderForm& form, int withdraw, int online);
