// Every sheet the generator stages. A game's issue adds its sheet here.
#pragma once

#include <span>

#include "artwork/Sheet.h"

namespace artwork {

std::span<const Sheet* const> AllSheets();

}  // namespace artwork
