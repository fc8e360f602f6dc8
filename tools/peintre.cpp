// Paints the game's nine pictures as Windows bitmaps, each as small as it can
// be exactly (a palette as long as its colours, run-length coded where that
// is smaller), and its icon.
// Usage: peintre FOLDER            writes FOLDER/lumor.bmp ... FOLDER/theend.bmp
//        peintre --icone FOLDER    writes FOLDER/lumor5-32.png, -64.png, -128.png,
//                                  -192.png, -512.png, -masquable-512.png (for the
//                                  browser) and lumor5.ico (for Windows)
//
// Every sprite is a text grid, one character a pixel, in one palette. The
// sizes scale by whole numbers at 800 x 600, so the pixels stay square there.
// The output is the same to the byte on every run and every machine.
#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "png.h"

namespace {

struct teinte {
    char code;
    Uint8 r, g, b;
};

constexpr teinte palette[] = {
    {'.', 0, 0, 0},       {'w', 255, 255, 255}, {'l', 176, 176, 176}, {'g', 104, 104, 104},
    {'d', 56, 56, 64},    {'r', 216, 40, 40},   {'R', 112, 16, 24},   {'o', 240, 136, 24},
    {'y', 248, 224, 64},  {'G', 72, 184, 64},   {'v', 24, 96, 40},    {'b', 56, 88, 224},
    {'k', 24, 32, 104},   {'c', 88, 208, 232},  {'m', 192, 64, 208},  {'B', 128, 72, 32},
    {'s', 216, 184, 136},
};

using grille = std::vector<std::string>;

// ---- Sprites -------------------------------------------------------------
// clang-format off

// The ship, seen from below: claws forward, a burning eye, exhausts behind.
const grille lumor = {
    "r........r",
    "rr..mm..rr",
    ".rmmmmmmr.",
    ".mmwyywmm.",
    "mmmyrrymmm",
    "m.mmmmmm.m",
    "m..dmmd..m",
    "...d..d...",
    "...o..o...",
    "...y..y...",
};

// The bomb, nose down, fins at the top.
const grille bombe = {
    "w...w",
    "ww.ww",
    "wlllw",
    ".lll.",
    ".lwl.",
    ".lwl.",
    ".lll.",
    ".yyy.",
    ".lll.",
    ".lwl.",
    ".lwl.",
    ".lll.",
    ".gll.",
    "..r..",
    "..r..",
};

// Atari: a bunker in wood grain and orange, like the console's front panel.
const grille blocatari = {
    "BBBBBBBBBBBBBBBB",
    "BoooBoooBoooBooo",
    "BBBBBBBBBBBBBBBB",
    "ooBoooBoooBoooBo",
    "BBBBBBBBBBBBBBBB",
    "BsssssssssssssBB",
    "BsdddddddsdddsBB",
    "BsssssssssssssBB",
    "BoooBoooBoooBooo",
    "BBBBBBBBBBBBBBBB",
};

// Sinclair: dark bricks crossed by the rainbow stripe. No black in a block:
// black is what a bomb's notch looks like.
const grille blosinclair = {
    "gggggggggggggggg",
    "dddddddgddrydddg",
    "gggggggggrryGggg",
    "dddgdddddryGcddd",
    "ggggggggryGcgggg",
    "dddddddgyGcddddg",
    "gggggggGcggggggg",
    "dddgdddcdddddddd",
    "gggggggggggggggg",
    "llllllllllllllll",
};

// Amiga: the bouncing ball's red and white checks, in a blue frame.
const grille bloamiga = {
    "bbbbbbbbbbbbbbbb",
    "bwwrrwwrrwwrrwwb",
    "bwwrrwwrrwwrrwwb",
    "brrwwrrwwrrwwrrb",
    "brrwwrrwwrrwwrrb",
    "bwwrrwwrrwwrrwwb",
    "bwwrrwwrrwwrrwwb",
    "brrwwrrwwrrwwrrb",
    "brrwwrrwwrrwwrrb",
    "bbbbbbbbbbbbbbbb",
};

// Oric: the Atmos's black and red, with grey mortar.
const grille bloric = {
    "gggggggggggggggg",
    "RrrrgRrrrgRrrrgR",
    "RRRRgRRRRgRRRRgR",
    "gggggggggggggggg",
    "rgRrrrgRrrrgRrrr",
    "RgRRRRgRRRRgRRRR",
    "gggggggggggggggg",
    "RrrrgRrrrgRrrrgR",
    "RRRRgRRRRgRRRRgR",
    "gggggggggggggggg",
};

// The tank, from the side, gun to the right.
const grille tank = {
    "................",
    "......GGGG......",
    ".....GGGGGGlllll",
    ".....GvGGGG.....",
    "..GGGGGGGGGGGG..",
    ".GGvGGvGGvGGvGG.",
    "gggggggggggggggg",
    "gldldldldldldlgg",
    ".gggggggggggggg.",
    "................",
};

// ---- Lettering: a 5 x 7 font for the few letters the screens use ---------

struct lettre {
    char c;
    const char* lignes[7];
};

constexpr lettre fonte[] = {
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
    {'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'H', {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'I', {".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
    {'N', {"#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'P', {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}},
    {'Q', {".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {':', {".....", "..#..", "..#..", ".....", "..#..", "..#..", "....."}},
    {' ', {".....", ".....", ".....", ".....", ".....", ".....", "....."}},
};

const lettre* glyphe(char c) {
    for (const lettre& l : fonte)
        if (l.c == c) return &l;
    std::fprintf(stderr, "peintre: no letter '%c' in the font\n", c);
    return nullptr;
}

// clang-format on

// ---- Painting on a grid of palette codes ---------------------------------

grille vierge(int largeur, int hauteur) {
    return grille(static_cast<size_t>(hauteur), std::string(static_cast<size_t>(largeur), '.'));
}

void pose(grille& fond, int x, int y, char code) {
    if (y >= 0 && y < static_cast<int>(fond.size()) && x >= 0 &&
        x < static_cast<int>(fond[static_cast<size_t>(y)].size()))
        fond[static_cast<size_t>(y)][static_cast<size_t>(x)] = code;
}

// Sprite black stays see-through here, so sprites can stand on the starfield.
void colle(grille& fond, const grille& motif, int x, int y, int echelle) {
    for (size_t v = 0; v < motif.size(); ++v)
        for (size_t u = 0; u < motif[v].size(); ++u)
            if (motif[v][u] != '.')
                for (int dy = 0; dy < echelle; ++dy)
                    for (int dx = 0; dx < echelle; ++dx)
                        pose(fond, x + static_cast<int>(u) * echelle + dx,
                             y + static_cast<int>(v) * echelle + dy, motif[v][u]);
}

// The top rows in one colour, the rest in another, for an 8-bit banner look.
void ecrit(grille& fond, const std::string& texte, int x, int y, int echelle, char haut, char bas) {
    for (char c : texte) {
        if (const lettre* l = glyphe(c))
            for (int v = 0; v < 7; ++v)
                for (int u = 0; u < 5; ++u)
                    if (l->lignes[v][u] == '#')
                        for (int dy = 0; dy < echelle; ++dy)
                            for (int dx = 0; dx < echelle; ++dx)
                                pose(fond, x + u * echelle + dx, y + v * echelle + dy,
                                     v < 4 ? haut : bas);
        x += 6 * echelle;
    }
}

int largeurtexte(const std::string& texte, int echelle) {
    return static_cast<int>(texte.size()) * 6 * echelle - echelle;
}

void ecritcentre(grille& fond, const std::string& texte, int y, int echelle, char haut, char bas) {
    const int x = (static_cast<int>(fond[0].size()) - largeurtexte(texte, echelle)) / 2;
    ecrit(fond, texte, x + echelle / 2, y + echelle / 2, echelle, 'R', 'R');  // shadow
    ecrit(fond, texte, x, y, echelle, haut, bas);
}

// A fixed integer hash, not rand(), so the stars fall alike on every machine.
uint32_t melange(uint32_t x) {
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

grille cieletoile(int largeur, int hauteur) {
    grille ciel = vierge(largeur, hauteur);
    for (int y = 0; y < hauteur; ++y)
        for (int x = 0; x < largeur; ++x) {
            const uint32_t h = melange(static_cast<uint32_t>(y * largeur + x) + 0x1234567U);
            if (h % 160 == 0) pose(ciel, x, y, "wlcgy"[(h >> 8) % 5]);
        }
    return ciel;
}

grille accueil() {
    grille ecran = cieletoile(400, 300);
    ecritcentre(ecran, "LUMOR", 24, 8, 'y', 'o');
    for (int k = 0; k < 4; ++k) colle(ecran, lumor, 110 + k * 50, 106, 3);
    ecritcentre(ecran, "SOURIS : DEPLACER LE CHAR", 160, 2, 'c', 'c');
    ecritcentre(ecran, "UNE TOUCHE : QUITTER", 184, 2, 'w', 'l');
    colle(ecran, blocatari, 72, 252, 2);
    colle(ecran, blosinclair, 136, 252, 2);
    colle(ecran, bloamiga, 232, 252, 2);
    colle(ecran, bloric, 296, 252, 2);
    colle(ecran, tank, 176, 262, 3);
    return ecran;
}

grille theend() {
    grille ecran = cieletoile(400, 300);
    ecritcentre(ecran, "THE END", 122, 8, 'y', 'o');
    return ecran;
}

// The icon: a ship over a notched block, its bomb on the way.
// clang-format off
const grille icone = {
    "................",
    "...r........r...",
    "...rr..mm..rr...",
    "....rmmmmmmr....",
    "....mmwyywmm....",
    "...mmmyrrymmm...",
    "...m.mmmmmm.m...",
    "...m..dmmd..m...",
    "......d..d......",
    "......o..o......",
    ".......ww.......",
    ".......ll.......",
    ".......yy.......",
    "BBsBBBs..sBBBsBB",
    "BsBBBsB..BsBBBsB",
    "BBBBBBBBBBBBBBBB",
};
// clang-format on

// ---- Writing ---------------------------------------------------------------

const teinte* couleur(char code) {
    for (const teinte& p : palette)
        if (p.code == code) return &p;
    return nullptr;
}

// The icon at k times its grid, pixels kept square, in a border of sky `marge`
// pixels wide (a maskable icon keeps its picture inside the middle circle).
bool enregistreicone(int k, const std::string& chemin, int marge = 0) {
    const int grand = static_cast<int>(icone.size()) * k, cote = grand + 2 * marge;
    std::vector<uint32_t> rgb;
    for (int y = -marge; y < cote - marge; ++y)
        for (int x = -marge; x < cote - marge; ++x) {
            const bool dedans = x >= 0 && y >= 0 && x < grand && y < grand;
            const teinte* t = couleur(
                dedans ? icone[static_cast<size_t>(y / k)][static_cast<size_t>(x / k)] : '.');
            rgb.push_back(static_cast<uint32_t>(t->r << 16 | t->g << 8 | t->b));
        }
    if (ecritpng(chemin, cote, cote, rgb)) return true;
    std::fprintf(stderr, "peintre: cannot write %s\n", chemin.c_str());
    return false;
}

// The Windows icon: the grid at 1 to 4 times its size, each a 32-bit bitmap
// stored bottom row first, and an empty mask (the pixels' alpha rules).
bool enregistreico(const std::string& chemin) {
    std::string o;
    const auto le = [&o](uint32_t v, int n) {
        for (int k = 0; k < n; ++k) o += static_cast<char>(v >> (8 * k));
    };
    const int cote = static_cast<int>(icone.size());
    le(0, 2), le(1, 2), le(4, 2);  // an icon of four pictures
    for (uint32_t k = 1, debut = 6 + 4 * 16; k <= 4; ++k) {
        const uint32_t c = k * cote, octets = 40 + c * c * 4 + c * ((c + 31) / 32 * 4);
        le(c, 1), le(c, 1), le(0, 2), le(1, 2), le(32, 2), le(octets, 4), le(debut, 4);
        debut += octets;
    }
    for (int k = 1; k <= 4; ++k) {
        const int c = k * cote;
        le(40, 4), le(c, 4), le(2 * c, 4), le(1, 2), le(32, 2), le(0, 24);
        for (int y = c - 1; y >= 0; --y)
            for (int x = 0; x < c; ++x) {
                const teinte* t =
                    couleur(icone[static_cast<size_t>(y / k)][static_cast<size_t>(x / k)]);
                le(0xFF000000u | static_cast<uint32_t>(t->r << 16 | t->g << 8 | t->b), 4);
            }
        o.append(static_cast<size_t>(c * ((c + 31) / 32 * 4)), '\0');
    }
    if (std::ofstream(chemin, std::ios::binary)
            .write(o.data(), static_cast<std::streamsize>(o.size())))
        return true;
    std::fprintf(stderr, "peintre: cannot write %s\n", chemin.c_str());
    return false;
}

// One row's packed palette indexes, largeur pixels, run-length coded as a bitmap
// codes them at 8 or 4 bits a pixel: runs of one byte, and the rest as literal
// stretches. At 4 bits every command covers whole bytes, two pixels each, but for
// the row's last odd pixel: SDL 3's reader starts each command on a byte.
void coderangee(std::string& o, const std::string& u, size_t largeur, int bits) {
    const size_t n = u.size(), parbyte = bits == 8 ? 1 : 2, plus = 255 / parbyte;
    const auto serie = [&](size_t x) {
        size_t y = x;
        while (y < n && y - x < plus && u[y] == u[x]) ++y;
        return y - x;
    };
    const auto pixels = [&](size_t x, size_t r) {
        return static_cast<char>(std::min(parbyte * (x + r), largeur) - parbyte * x);
    };
    for (size_t x = 0; x < n;) {
        size_t r = serie(x);
        if (r < 2) {  // a literal stretch, up to the next run of three
            size_t y = x;
            while (y < n && y - x < plus && serie(y) < 3) ++y;
            r = y - x;
        }
        if (static_cast<Uint8>(pixels(x, r)) >= 3 && serie(x) < r) {
            o += '\0', o += pixels(x, r);
            o.append(u, x, r);
            if (r % 2) o += '\0';  // literals end on a 16-bit boundary
        } else {
            r = std::max<size_t>(serie(x), 1);
            o += pixels(x, r), o += u[x];
        }
        x += r;
    }
}

// The smallest bitmap that holds the grid exactly: a palette as long as its
// colours at 4 or 8 bits a pixel, run-length coded where that is smaller;
// 24 bits past 256 colours.
std::string bitmap(const grille& g) {
    const int largeur = static_cast<int>(g[0].size()), hauteur = static_cast<int>(g.size());
    std::vector<const teinte*> couleurs;
    for (const teinte& t : palette)
        for (const std::string& ligne : g)
            if (ligne.find(t.code) != std::string::npos) {
                couleurs.push_back(&t);
                break;
            }
    const int nombre = static_cast<int>(couleurs.size());
    const int bits = nombre <= 16 ? 4 : nombre <= 256 ? 8 : 24;
    std::string brut, code;
    for (int y = hauteur - 1; y >= 0; --y) {  // bottom row first
        std::string rangee;
        for (int x = 0; x < largeur; ++x) {
            const teinte* t = couleur(g[static_cast<size_t>(y)][static_cast<size_t>(x)]);
            Uint8 i = 0;
            while (i < nombre && couleurs[i] != t) ++i;
            if (bits == 24)
                rangee += {static_cast<char>(t->b), static_cast<char>(t->g), static_cast<char>(t->r)};
            else if (bits == 8 || x % 2 == 0)
                rangee += static_cast<char>(bits == 8 ? i : i << 4);
            else
                rangee.back() = static_cast<char>(rangee.back() | i);
        }
        if (bits < 24) {  // the packed row, before its padding; then the end of row
            coderangee(code, rangee, static_cast<size_t>(largeur), bits);
            code += std::string(2, '\0');
        }
        rangee.resize((rangee.size() + 3) / 4 * 4, '\0');
        brut += rangee;
    }
    code += {'\0', '\1'};  // end of picture
    const bool rle = bits < 24 && code.size() < brut.size();
    const std::string& pixels = rle ? code : brut;
    std::string o;
    const auto le = [&o](uint32_t v, int n) {
        for (int k = 0; k < n; ++k) o += static_cast<char>(v >> (8 * k));
    };
    const uint32_t debut = 14 + 40 + 4 * (bits < 24 ? nombre : 0);
    o += "BM", le(debut + static_cast<uint32_t>(pixels.size()), 4), le(0, 4), le(debut, 4);
    le(40, 4), le(largeur, 4), le(hauteur, 4), le(1, 2), le(bits, 2);
    le(rle ? (bits == 8 ? 1 : 2) : 0, 4), le(static_cast<uint32_t>(pixels.size()), 4);
    le(2835, 4), le(2835, 4), le(bits < 24 ? nombre : 0, 4), le(0, 4);
    for (int k = 0; k < nombre && bits < 24; ++k)
        le(static_cast<uint32_t>(couleurs[k]->r << 16 | couleurs[k]->g << 8 | couleurs[k]->b), 4);
    return o + pixels;
}

// Written, then read back through SDL as the game reads it: every pixel must
// come back as painted.
bool enregistre(const grille& g, const std::string& chemin) {
    for (const std::string& ligne : g)
        for (char c : ligne)
            if (ligne.size() != g[0].size() || !couleur(c)) {
                std::fprintf(stderr, "peintre: %s: rows of unequal length or no colour '%c'\n",
                             chemin.c_str(), c);
                return false;
            }
    const std::string o = bitmap(g);
    if (!std::ofstream(chemin, std::ios::binary)
             .write(o.data(), static_cast<std::streamsize>(o.size()))) {
        std::fprintf(stderr, "peintre: cannot write %s\n", chemin.c_str());
        return false;
    }
    SDL_Surface* lu = SDL_LoadBMP(chemin.c_str());
    SDL_Surface* s = lu ? SDL_ConvertSurfaceFormat(lu, SDL_PIXELFORMAT_RGB24, 0) : nullptr;
    bool bon = s && s->w == static_cast<int>(g[0].size()) && s->h == static_cast<int>(g.size());
    for (int y = 0; bon && y < s->h; ++y)
        for (int x = 0; x < s->w; ++x) {
            const Uint8* p = static_cast<Uint8*>(s->pixels) + y * s->pitch + x * 3;
            const teinte* t = couleur(g[static_cast<size_t>(y)][static_cast<size_t>(x)]);
            bon = bon && p[0] == t->r && p[1] == t->g && p[2] == t->b;
        }
    if (!bon) std::fprintf(stderr, "peintre: %s does not read back as painted\n", chemin.c_str());
    SDL_FreeSurface(s);
    SDL_FreeSurface(lu);
    return bon;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc == 3 && std::string(argv[1]) == "--icone") {
        bool bon = true;
        for (int k : {2, 4, 8, 12, 32})
            bon = enregistreicone(
                      k, std::string(argv[2]) + "/lumor5-" + std::to_string(16 * k) + ".png") &&
                  bon;
        // 288 pixels of picture in 512: its corners within the circle of 80 %.
        bon = enregistreicone(18, std::string(argv[2]) + "/lumor5-masquable-512.png", 112) && bon;
        return enregistreico(std::string(argv[2]) + "/lumor5.ico") && bon ? 0 : 1;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: peintre FOLDER | peintre --icone FOLDER\n");
        return 2;
    }
    const std::string dossier = argv[1];
    const struct {
        const char* nom;
        grille image;
    } images[] = {
        {"lumor.bmp", lumor},         {"bombe.bmp", bombe},
        {"blocatari.bmp", blocatari}, {"blosinclair.bmp", blosinclair},
        {"bloamiga.bmp", bloamiga},   {"bloric.bmp", bloric},
        {"char.bmp", tank},           {"accueil.bmp", accueil()},
        {"theend.bmp", theend()},
    };
    bool bon = true;
    for (const auto& i : images) bon = enregistre(i.image, dossier + "/" + i.nom) && bon;
    return bon ? 0 : 1;
}
