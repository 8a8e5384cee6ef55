#include "framework/link/Transport.h"

CTransport::~CTransport() = default;
