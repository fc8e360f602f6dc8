// GCC's unwinder, linked in statically, finds a frame's unwind table through
// _dl_find_object, which glibc has only from 2.35. This one finds it with
// dl_iterate_phdr (glibc 2.2.5) instead, so that the game starts on glibc 2.34.
#include <dlfcn.h>
#include <link.h>

namespace {

struct recherche {
    ElfW(Addr) pc;
    dl_find_object* trouve;
};

int regarde(dl_phdr_info* info, size_t, void* donnees) {
    auto* r = static_cast<recherche*>(donnees);
    const ElfW(Phdr)* table = nullptr;
    bool dedans = false;
    for (ElfW(Half) k = 0; k < info->dlpi_phnum; ++k) {
        const ElfW(Phdr)& p = info->dlpi_phdr[k];
        const ElfW(Addr) debut = info->dlpi_addr + p.p_vaddr;
        if (p.p_type == PT_LOAD && r->pc >= debut && r->pc < debut + p.p_memsz) dedans = true;
        if (p.p_type == PT_GNU_EH_FRAME) table = &p;
    }
    if (!dedans) return 0;
    *r->trouve = {};
    r->trouve->dlfo_map_start = reinterpret_cast<void*>(info->dlpi_addr);
    if (table) r->trouve->dlfo_eh_frame = reinterpret_cast<void*>(info->dlpi_addr + table->p_vaddr);
    return 1;
}

}  // namespace

// Hidden: the game's own unwinder takes it, and no library loaded later sees it.
extern "C" __attribute__((visibility("hidden"))) int _dl_find_object(void* pc,
                                                                     dl_find_object* trouve) {
    recherche r = {reinterpret_cast<ElfW(Addr)>(pc), trouve};
    return dl_iterate_phdr(regarde, &r) ? 0 : -1;
}
