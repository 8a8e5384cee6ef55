#include "sq/BaccaratProgram.h"

int main(int argc, char** argv) { return sq::BaccaratMain(argc, argv); }
