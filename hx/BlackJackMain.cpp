#include "hx/BlackJackProgram.h"

int main(int argc, char** argv) { return hx::BlackJackMain(argc, argv); }
