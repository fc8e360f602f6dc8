#include "comptage.h"

#include <SDL.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long> allocations{0};
SDL_malloc_func mallocsdl;
SDL_calloc_func callocsdl;
SDL_realloc_func reallocsdl;
SDL_free_func freesdl;

void* comptemalloc(size_t n) {
    ++allocations;
    return mallocsdl(n);
}
void* comptecalloc(size_t n, size_t t) {
    ++allocations;
    return callocsdl(n, t);
}
void* comptereallocs(void* p, size_t n) {
    ++allocations;
    return reallocsdl(p, n);
}

}  // namespace

long allocationsfaites() {
    return allocations.load();
}

void comptesdl(bool oui) {
    SDL_GetOriginalMemoryFunctions(&mallocsdl, &callocsdl, &reallocsdl, &freesdl);
    if (oui)
        SDL_SetMemoryFunctions(comptemalloc, comptecalloc, comptereallocs, freesdl);
    else
        SDL_SetMemoryFunctions(mallocsdl, callocsdl, reallocsdl, freesdl);
}

// Every form of new a library may call is counted and taken from malloc, as every delete gives
// back to free: GCC 14's std::stable_sort takes its buffer with the nothrow form.
void* operator new(size_t n, const std::nothrow_t&) noexcept {
    ++allocations;
    return std::malloc(n ? n : 1);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
void* operator new(size_t n) {
    ++allocations;
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, size_t) noexcept {
    std::free(p);
}
