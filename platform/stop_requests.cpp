// The count of requests to end.
#include "platform/stop_requests.h"

volatile std::sig_atomic_t stopRequests = 0;
