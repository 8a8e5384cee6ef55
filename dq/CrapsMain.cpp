#include "dq/CrapsProgram.h"

int main(int argc, char** argv) { return dq::CrapsMain(argc, argv); }
