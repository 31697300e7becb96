#include "chm/memoire_mspack.h"

#include <mspack.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

namespace chm {

namespace {

// A damaged directory must not make us allocate without end: the help
// unpacks to far less than this.
constexpr std::size_t tailleMaxContenu = 64u << 20;

// The library reads the archive and writes each file it extracts through an
// mspack_system: ours serves the archive from a buffer and collects each
// extracted file into a string.

constexpr const char* nomArchive = "archive";
constexpr const char* nomSortie = "sortie";

struct Systeme {
    mspack_system base; // first member: libmspack hands back its address
    const std::string* archive = nullptr;
    std::string* sortie = nullptr;
    std::size_t ecrit = 0; // bytes extracted so far, all files together
};

struct Flux {
    mspack_file base;
    Systeme* systeme;
    bool ecriture;
    std::size_t position = 0;
};

Flux* flux(mspack_file* f) {
    return reinterpret_cast<Flux*>(f);
}

mspack_file* ouvrirFlux(mspack_system* self, const char* nom, int mode) {
    auto* systeme = reinterpret_cast<Systeme*>(self);
    const bool lecture = mode == MSPACK_SYS_OPEN_READ && std::strcmp(nom, nomArchive) == 0;
    const bool ecriture = mode == MSPACK_SYS_OPEN_WRITE && std::strcmp(nom, nomSortie) == 0;
    if (!lecture && !ecriture)
        return nullptr;
    auto* f = new (std::nothrow) Flux{{}, systeme, ecriture};
    if (f != nullptr && ecriture)
        systeme->sortie->clear();
    return reinterpret_cast<mspack_file*>(f);
}

void fermerFlux(mspack_file* f) {
    delete flux(f);
}

int lireFlux(mspack_file* f, void* tampon, int octets) {
    Flux* x = flux(f);
    if (x->ecriture || octets < 0)
        return -1;
    const std::string& archive = *x->systeme->archive;
    const std::size_t n = std::min(static_cast<std::size_t>(octets), archive.size() - x->position);
    std::memcpy(tampon, archive.data() + x->position, n);
    x->position += n;
    return static_cast<int>(n);
}

int ecrireFlux(mspack_file* f, void* tampon, int octets) {
    Flux* x = flux(f);
    Systeme* s = x->systeme;
    if (!x->ecriture || octets < 0 ||
        s->ecrit + static_cast<std::size_t>(octets) > tailleMaxContenu)
        return -1;
    try {
        s->sortie->append(static_cast<const char*>(tampon), static_cast<std::size_t>(octets));
    } catch (const std::bad_alloc&) {
        return -1;
    }
    s->ecrit += static_cast<std::size_t>(octets);
    return octets;
}

int deplacerFlux(mspack_file* f, off_t decalage, int mode) {
    Flux* x = flux(f);
    const auto taille =
        static_cast<off_t>(x->ecriture ? x->systeme->sortie->size() : x->systeme->archive->size());
    off_t origine = 0;
    if (mode == MSPACK_SYS_SEEK_CUR)
        origine = static_cast<off_t>(x->position);
    else if (mode == MSPACK_SYS_SEEK_END)
        origine = taille;
    else if (mode != MSPACK_SYS_SEEK_START)
        return -1;
    if (decalage < -origine || decalage > taille - origine)
        return -1;
    x->position = static_cast<std::size_t>(origine + decalage);
    return 0;
}

off_t positionFlux(mspack_file* f) {
    return static_cast<off_t>(flux(f)->position);
}

void messageFlux(mspack_file*, const char*, ...) {}

void* allouer(mspack_system*, std::size_t octets) {
    return std::malloc(octets);
}

void liberer(void* p) {
    std::free(p);
}

void copier(void* source, void* destination, std::size_t octets) {
    std::memcpy(destination, source, octets);
}

std::string raison(int erreur) {
    switch (erreur) {
    case MSPACK_ERR_SIGNATURE:
        return "ce n'est pas un fichier d'aide compilé";
    case MSPACK_ERR_OPEN:
    case MSPACK_ERR_READ:
    case MSPACK_ERR_SEEK:
        return "fichier tronqué ou illisible";
    case MSPACK_ERR_NOMEMORY:
        return "mémoire insuffisante";
    default:
        return "contenu endommagé";
    }
}

// The second GUID of the ITSF header is {7C01FD11-7BAA-11D0-9E0C-00A0C922E6EC};
// chmcmd writes the first one, {7C01FD10-…}, twice. Windows' viewer accepts
// both, libmspack only the right one: mend it before the library reads it.
void reparerEnTete(std::string& archive) {
    static constexpr unsigned char guidChmcmd[16] = {0x10, 0xfd, 0x01, 0x7c, 0xaa, 0x7b,
                                                     0xd0, 0x11, 0x9e, 0x0c, 0x00, 0xa0,
                                                     0xc9, 0x22, 0xe6, 0xec};
    constexpr std::size_t position = 0x28;
    if (archive.size() >= position + 16 && archive.compare(0, 4, "ITSF") == 0 &&
        std::memcmp(archive.data() + position, guidChmcmd, 16) == 0)
        archive[position] = 0x11;
}

} // namespace

std::variant<std::vector<FichierExtrait>, std::string> extraireArchive(std::string archive) {
    reparerEnTete(archive);

    int memeTaille = 0;
    MSPACK_SYS_SELFTEST(memeTaille);
    if (memeTaille != MSPACK_ERR_OK)
        return std::string("bibliothèque de lecture mal installée");

    std::string sortie;
    Systeme systeme{{ouvrirFlux, fermerFlux, lireFlux, ecrireFlux, deplacerFlux, positionFlux,
                     messageFlux, allouer, liberer, copier, nullptr},
                    &archive,
                    &sortie};
    const std::unique_ptr<mschm_decompressor, void (*)(mschm_decompressor*)> lecteur(
        mspack_create_chm_decompressor(&systeme.base), mspack_destroy_chm_decompressor);
    if (!lecteur)
        return std::string("mémoire insuffisante");
    const auto fermer = [&](mschmd_header* h) { lecteur->close(lecteur.get(), h); };
    const std::unique_ptr<mschmd_header, decltype(fermer)> entete(
        lecteur->open(lecteur.get(), nomArchive), fermer);
    if (!entete)
        return raison(lecteur->last_error(lecteur.get()));

    std::vector<FichierExtrait> fichiers;
    for (mschmd_file* f = entete->files; f != nullptr; f = f->next) {
        const int erreur = lecteur->extract(lecteur.get(), f, nomSortie);
        if (erreur != MSPACK_ERR_OK)
            return raison(erreur);
        fichiers.push_back({f->filename, std::move(sortie)});
        sortie = std::string();
    }
    return fichiers;
}

} // namespace chm
