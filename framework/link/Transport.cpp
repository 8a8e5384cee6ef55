#include "Transport.h"

CTransport::~CTransport() = default;
