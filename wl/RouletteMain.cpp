#include "wl/RouletteProgram.h"

int main(int argc, char** argv) { return wl::RouletteMain(argc, argv); }
