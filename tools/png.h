// Writes 8-bit RGB PNG files: the README's screenshots and the game's icons.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Pixels as 0xRRGGBB (the top byte ignored), row by row from the top.
bool ecritpng(const std::string& chemin, int largeur, int hauteur,
              const std::vector<uint32_t>& rgb);
