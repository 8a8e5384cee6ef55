#include "kw/PaiGowProgram.h"

int main(int argc, char** argv) { return kw::PaiGowMain(argc, argv); }
