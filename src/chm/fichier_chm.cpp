#include "chm/fichier_chm.h"

#include <mspack.h>

#include <algorithm>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <new>

namespace chm {

namespace {

// The help is a few hundred kilobytes; anything far larger is not ours, and
// a damaged directory must not make us allocate without end.
constexpr std::size_t tailleMaxFichier = 32u << 20;
constexpr std::size_t tailleMaxContenu = 64u << 20;

// ---- libmspack over memory -------------------------------------------------
// The library reads the archive and writes each file it extracts through an
// mspack_system: ours serves the archive from a buffer and collects each
// extracted file into a string, so nothing touches the disk.

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

// ---- Reading the help's own records ----------------------------------------

std::uint32_t mot32(const std::string& s, std::size_t position) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(s[position + static_cast<std::size_t>(i)]);
    return v;
}

// The text at `debut`, up to its NUL or to `fin`.
std::string texteC(const std::string& s, std::size_t debut, std::size_t fin) {
    fin = std::min(fin, s.size());
    if (debut >= fin)
        return {};
    const auto nul = s.find('\0', debut);
    return s.substr(debut, std::min(nul, fin) - debut);
}

char minuscule(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string enMinuscules(std::string_view s) {
    std::string r(s);
    std::transform(r.begin(), r.end(), r.begin(), minuscule);
    return r;
}

bool espace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

void ajouterUtf8(std::string& s, unsigned long c) {
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xc0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3f));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xe0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
        s += static_cast<char>(0x80 | (c & 0x3f));
    } else {
        s += static_cast<char>(0xf0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3f));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
        s += static_cast<char>(0x80 | (c & 0x3f));
    }
}

// An attribute value with its character references replaced.
std::string decoderEntites(std::string_view v) {
    std::string r;
    std::size_t i = 0;
    while (i < v.size()) {
        const auto pointVirgule = v.find(';', i);
        if (v[i] != '&' || pointVirgule == std::string_view::npos || pointVirgule - i > 10) {
            r += v[i++];
            continue;
        }
        const std::string_view nom = v.substr(i + 1, pointVirgule - i - 1);
        static constexpr std::pair<std::string_view, char> nommees[] = {
            {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
        bool lue = false;
        for (const auto& [entite, caractere] : nommees)
            if (nom == entite) {
                r += caractere;
                lue = true;
            }
        if (!lue && nom.size() > 1 && nom[0] == '#') {
            const bool hexa = nom[1] == 'x' || nom[1] == 'X';
            const std::string chiffres(nom.substr(hexa ? 2 : 1));
            char* finLue = nullptr;
            const unsigned long c = std::strtoul(chiffres.c_str(), &finLue, hexa ? 16 : 10);
            if (!chiffres.empty() && *finLue == '\0' && c > 0 && c <= 0x10ffff) {
                ajouterUtf8(r, c);
                lue = true;
            }
        }
        if (!lue) {
            r += v[i++];
            continue;
        }
        i = pointVirgule + 1;
    }
    return r;
}

// The value of attribute `nom` (lower case) in the inside of a tag.
std::optional<std::string> attribut(std::string_view balise, std::string_view nom) {
    std::size_t i = 0;
    while (i < balise.size() && !espace(balise[i]))
        ++i; // the tag's own name
    while (i < balise.size()) {
        while (i < balise.size() && (espace(balise[i]) || balise[i] == '/'))
            ++i;
        const std::size_t debutNom = i;
        while (i < balise.size() && !espace(balise[i]) && balise[i] != '=' && balise[i] != '/')
            ++i;
        const std::string nomLu = enMinuscules(balise.substr(debutNom, i - debutNom));
        while (i < balise.size() && espace(balise[i]))
            ++i;
        std::string_view valeur;
        if (i < balise.size() && balise[i] == '=') {
            ++i;
            while (i < balise.size() && espace(balise[i]))
                ++i;
            if (i < balise.size() && (balise[i] == '"' || balise[i] == '\'')) {
                const char guillemet = balise[i++];
                const auto fin = std::min(balise.find(guillemet, i), balise.size());
                valeur = balise.substr(i, fin - i);
                i = fin + 1;
            } else {
                const std::size_t debut = i;
                while (i < balise.size() && !espace(balise[i]))
                    ++i;
                valeur = balise.substr(debut, i - debut);
            }
        }
        if (nomLu.empty() && i == debutNom)
            break; // nothing more that reads as an attribute
        if (nomLu == nom)
            return decoderEntites(valeur);
    }
    return std::nullopt;
}

} // namespace

std::string normaliserChemin(std::string_view chemin) {
    std::vector<std::string> parties;
    std::size_t i = 0;
    while (i <= chemin.size()) {
        std::size_t fin = i;
        while (fin < chemin.size() && chemin[fin] != '/' && chemin[fin] != '\\')
            ++fin;
        const std::string partie = enMinuscules(chemin.substr(i, fin - i));
        if (partie == "..") {
            if (!parties.empty())
                parties.pop_back();
        } else if (!partie.empty() && partie != ".") {
            parties.push_back(partie);
        }
        i = fin + 1;
    }
    std::string r;
    for (const auto& partie : parties)
        r += "/" + partie;
    return r.empty() ? "/" : r;
}

std::vector<EntreeSommaire> lireSommaire(std::string_view texte) {
    std::vector<EntreeSommaire> entrees;
    int listesOuvertes = 0;
    std::optional<EntreeSommaire> courante;
    std::size_t position = 0;
    while ((position = texte.find('<', position)) != std::string_view::npos) {
        if (texte.substr(position, 4) == "<!--") {
            const auto fin = texte.find("-->", position + 4);
            if (fin == std::string_view::npos)
                break;
            position = fin + 3;
            continue;
        }
        // The end of the tag, outside quoted values.
        std::size_t fin = position + 1;
        char guillemet = 0;
        while (fin < texte.size() && (guillemet != 0 || texte[fin] != '>')) {
            if (guillemet == 0 && (texte[fin] == '"' || texte[fin] == '\''))
                guillemet = texte[fin];
            else if (texte[fin] == guillemet)
                guillemet = 0;
            ++fin;
        }
        if (fin >= texte.size())
            break;
        const std::string_view balise = texte.substr(position + 1, fin - position - 1);
        position = fin + 1;

        std::size_t finNom = 0;
        while (finNom < balise.size() && !espace(balise[finNom]) && balise[finNom] != '>')
            ++finNom;
        const std::string nom = enMinuscules(balise.substr(0, finNom));
        if (nom == "ul") {
            ++listesOuvertes;
        } else if (nom == "/ul") {
            listesOuvertes = std::max(0, listesOuvertes - 1);
        } else if (nom == "object") {
            if (enMinuscules(attribut(balise, "type").value_or("")) == "text/sitemap")
                courante = EntreeSommaire{{}, {}, std::max(0, listesOuvertes - 1)};
        } else if (nom == "param" && courante) {
            const std::string cle = enMinuscules(attribut(balise, "name").value_or(""));
            if (cle == "name")
                courante->titre = attribut(balise, "value").value_or("");
            else if (cle == "local")
                courante->page = attribut(balise, "value").value_or("");
        } else if (nom == "/object" && courante) {
            if (!courante->titre.empty() || !courante->page.empty())
                entrees.push_back(std::move(*courante));
            courante.reset();
        }
    }
    return entrees;
}

std::variant<FichierChm, std::string> FichierChm::ouvrir(const std::string& chemin) {
    std::string archive;
    {
        std::ifstream entree(chemin, std::ios::binary);
        if (!entree)
            return std::string("fichier introuvable ou illisible");
        entree.seekg(0, std::ios::end);
        const auto taille = static_cast<long long>(entree.tellg());
        if (taille < 0)
            return std::string("fichier introuvable ou illisible");
        if (static_cast<unsigned long long>(taille) > tailleMaxFichier)
            return std::string("fichier trop volumineux pour être le fichier d'aide");
        entree.seekg(0, std::ios::beg);
        archive.resize(static_cast<std::size_t>(taille));
        if (!entree.read(archive.data(), taille))
            return std::string("fichier tronqué ou illisible");
    }
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

    FichierChm fichier;
    for (mschmd_file* f = entete->files; f != nullptr; f = f->next) {
        const int erreur = lecteur->extract(lecteur.get(), f, nomSortie);
        if (erreur != MSPACK_ERR_OK)
            return raison(erreur);
        fichier.fichiers_[normaliserChemin(f->filename)] = std::move(sortie);
        sortie = std::string();
    }

    // #SYSTEM: a version, then records of a 16-bit code, a 16-bit length and
    // the data; code 0 names the table of contents, 2 the default topic, 3
    // the title.
    std::string sommaire;
    if (const std::string* s = fichier.contenu("/#SYSTEM")) {
        std::size_t p = 4;
        while (p + 4 <= s->size()) {
            const std::uint32_t code = mot32(*s, p) & 0xffff;
            const std::size_t longueur = mot32(*s, p) >> 16;
            const std::size_t debut = p + 4;
            if (code == 0)
                sommaire = texteC(*s, debut, debut + longueur);
            else if (code == 2)
                fichier.pageParDefaut_ = texteC(*s, debut, debut + longueur);
            else if (code == 3)
                fichier.titre_ = texteC(*s, debut, debut + longueur);
            p = debut + longueur;
        }
    }

    // The path of a page of the file, a "#…" fragment kept, "" if none.
    const auto resoudre = [&fichier](std::string_view lien) -> std::string {
        const auto diese = lien.find('#');
        const std::string page = normaliserChemin(lien.substr(0, diese));
        const std::string fragment(diese == std::string_view::npos ? "" : lien.substr(diese));
        // chmcmd records a mapped page under the absolute path its project
        // had on the compiling machine: the page is the longest tail of that
        // path that names a file of the help.
        for (std::size_t debut = 0; debut != std::string::npos; debut = page.find('/', debut + 1))
            if (fichier.fichiers_.count(page.substr(debut)) != 0)
                return page.substr(debut) + fragment;
        return {};
    };

    fichier.pageParDefaut_ = resoudre(fichier.pageParDefaut_);
    if (fichier.pageParDefaut_.empty())
        return std::string("contenu endommagé (aucune page d'accueil)");

    if (const std::string* texte = sommaire.empty() ? nullptr : fichier.contenu(sommaire)) {
        // Its pages are named from the contents file's own folder.
        const std::string dossier = normaliserChemin(sommaire + "/..");
        fichier.sommaire_ = lireSommaire(*texte);
        for (auto& entree : fichier.sommaire_)
            entree.page = entree.page.empty() ? "" : resoudre(dossier + "/" + entree.page);
    }

    // #IVB: the byte length of the pairs that follow, then pairs of a context
    // number and the offset of its page's name in #STRINGS.
    const std::string* ivb = fichier.contenu("/#IVB");
    const std::string* chaines = fichier.contenu("/#STRINGS");
    if (ivb != nullptr && chaines != nullptr && ivb->size() >= 4) {
        const std::size_t fin = std::min<std::size_t>(ivb->size(), 4 + std::size_t{mot32(*ivb, 0)});
        for (std::size_t p = 4; p + 8 <= fin; p += 8) {
            const std::string page =
                resoudre(texteC(*chaines, mot32(*ivb, p + 4), chaines->size()));
            if (!page.empty())
                fichier.contextes_[mot32(*ivb, p)] = page;
        }
    }
    return fichier;
}

std::optional<std::string> FichierChm::pageDuContexte(std::uint32_t numero) const {
    const auto trouve = contextes_.find(numero);
    if (trouve == contextes_.end())
        return std::nullopt;
    return trouve->second;
}

const std::string* FichierChm::contenu(std::string_view chemin) const {
    const auto trouve = fichiers_.find(normaliserChemin(chemin));
    return trouve == fichiers_.end() ? nullptr : &trouve->second;
}

} // namespace chm
