/* The browser's SDL without what the game never draws with. The game fills
   and copies upright pictures with blending off, so the software renderer's
   blending of points, lines and rectangles, its rotation and its triangles, a
   quarter of the browser's code, give way to these: asked for, they fail as
   unsupported operations and draw nothing. */
#include "SDL.h"

int SDL_BlendPoint(SDL_Surface *dst, int x, int y, SDL_BlendMode mode, Uint8 r, Uint8 g,
                   Uint8 b, Uint8 a) {
    return SDL_Unsupported();
}
int SDL_BlendPoints(SDL_Surface *dst, const SDL_Point *points, int count, SDL_BlendMode mode,
                    Uint8 r, Uint8 g, Uint8 b, Uint8 a) {
    return SDL_Unsupported();
}
int SDL_BlendLine(SDL_Surface *dst, int x1, int y1, int x2, int y2, SDL_BlendMode mode, Uint8 r,
                  Uint8 g, Uint8 b, Uint8 a) {
    return SDL_Unsupported();
}
int SDL_BlendLines(SDL_Surface *dst, const SDL_Point *points, int count, SDL_BlendMode mode,
                   Uint8 r, Uint8 g, Uint8 b, Uint8 a) {
    return SDL_Unsupported();
}
int SDL_BlendFillRect(SDL_Surface *dst, const SDL_Rect *rect, SDL_BlendMode mode, Uint8 r,
                      Uint8 g, Uint8 b, Uint8 a) {
    return SDL_Unsupported();
}
int SDL_BlendFillRects(SDL_Surface *dst, const SDL_Rect *rects, int count, SDL_BlendMode mode,
                       Uint8 r, Uint8 g, Uint8 b, Uint8 a) {
    return SDL_Unsupported();
}

void SDLgfx_rotozoomSurfaceSizeTrig(int width, int height, double angle, const SDL_FPoint *center,
                                    SDL_Rect *rect_dest, double *cangle, double *sangle) {
    rect_dest->x = rect_dest->y = 0;
    rect_dest->w = width;
    rect_dest->h = height;
    *cangle = 1.0;
    *sangle = 0.0;
}
SDL_Surface *SDLgfx_rotateSurface(SDL_Surface *src, double angle, int smooth, int flipx,
                                  int flipy, const SDL_Rect *rect_dest, double cangle,
                                  double sangle, const SDL_FPoint *center) {
    SDL_Unsupported();
    return NULL;
}

/* Triangles: their points still go to SDL's fixed point, one bit of fraction. */
void trianglepoint_2_fixedpoint(SDL_Point *a) {
    a->x <<= 1;
    a->y <<= 1;
}
int SDL_SW_FillTriangle(SDL_Surface *dst, SDL_Point *d0, SDL_Point *d1, SDL_Point *d2,
                        SDL_BlendMode blend, SDL_Color c0, SDL_Color c1, SDL_Color c2) {
    return SDL_Unsupported();
}
int SDL_SW_BlitTriangle(SDL_Surface *src, SDL_Point *s0, SDL_Point *s1, SDL_Point *s2,
                        SDL_Surface *dst, SDL_Point *d0, SDL_Point *d1, SDL_Point *d2,
                        SDL_Color c0, SDL_Color c1, SDL_Color c2) {
    return SDL_Unsupported();
}
