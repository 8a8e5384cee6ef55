// The arguments of a target that works in a folder of its own: its corpus
// and other paths made absolute, and its crash files written where the
// fuzzer was started unless an -artifact_prefix is given.
#pragma once

#include <string>
#include <vector>

std::vector<std::string> AnchoredArguments(int argc, char** argv);
