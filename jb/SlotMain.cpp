#include "jb/SlotProgram.h"

int main(int argc, char** argv) { return jb::SlotMain(argc, argv); }
