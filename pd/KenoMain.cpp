#include "pd/KenoProgram.h"

int main(int argc, char** argv) { return pd::KenoMain(argc, argv); }
