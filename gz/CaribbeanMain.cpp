#include "gz/CaribbeanProgram.h"

int main(int argc, char** argv) { return gz::CaribbeanMain(argc, argv); }
