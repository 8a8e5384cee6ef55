// Every target frees blocks by the million, and AddressSanitizer keeps 256 MB
// of freed blocks by default: a long run grew to hundreds of MB (the
// db_savef walk to 400, the packet decoder to 730) with no leak. A smaller
// quarantine keeps the memory near its real use and the runs faster.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=32"; }
