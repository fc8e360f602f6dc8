// The picture's primitives: the retained picture every step draws into,
// copying a picture, presenting, and the black that erases.
#pragma once

#include "jeu.h"

// Makes the retained picture at this size, black, and draws into it from now on.
bool creetoile(jeu& j, int largeur, int hauteur);
void noir(jeu& j);
void bornefenetre(jeu& j);  // the window's maximum size, from the screens and the renderer
void ramene(jeu& j);        // the window back within its maximum size
void copie(jeu& j, image i, const SDL_Rect& ou);
void dessineblocs(jeu& j);
void presente(jeu& j);
void efface(jeu& j);
