#include "mz/VideoPokerProgram.h"

int main(int argc, char** argv) { return mz::VideoPokerMain(argc, argv); }
