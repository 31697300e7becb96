#include "chm/fichier_chm.h"

#include "chm/memoire_mspack.h"

#include <algorithm>
#include <fstream>

namespace chm {

namespace {

// The help is a few hundred kilobytes; anything far larger is not ours.
constexpr std::size_t tailleMaxFichier = 32u << 20;

// The whole file into `archive`; the reason it cannot be read, "" when it can.
std::string lireArchive(const std::string& chemin, std::string& archive) {
    std::ifstream entree(chemin, std::ios::binary);
    if (!entree)
        return "fichier introuvable ou illisible";
    entree.seekg(0, std::ios::end);
    const auto taille = static_cast<long long>(entree.tellg());
    if (taille < 0)
        return "fichier introuvable ou illisible";
    if (static_cast<unsigned long long>(taille) > tailleMaxFichier)
        return "fichier trop volumineux pour être le fichier d'aide";
    entree.seekg(0, std::ios::beg);
    archive.resize(static_cast<std::size_t>(taille));
    if (!entree.read(archive.data(), taille))
        return "fichier tronqué ou illisible";
    return {};
}

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

// What #SYSTEM names, as the file writes it.
struct ProprietesSysteme {
    std::string sommaire;
    std::string pageParDefaut;
    std::string titre;
};

// #SYSTEM: a version, then records of a 16-bit code, a 16-bit length and the
// data; code 0 names the table of contents, 2 the default topic, 3 the title.
ProprietesSysteme lireSysteme(const std::string* s) {
    ProprietesSysteme systeme;
    for (std::size_t p = 4; s != nullptr && p + 4 <= s->size();) {
        const std::uint32_t code = mot32(*s, p) & 0xffff;
        const std::size_t longueur = mot32(*s, p) >> 16;
        const std::size_t debut = p + 4;
        if (code == 0)
            systeme.sommaire = texteC(*s, debut, debut + longueur);
        else if (code == 2)
            systeme.pageParDefaut = texteC(*s, debut, debut + longueur);
        else if (code == 3)
            systeme.titre = texteC(*s, debut, debut + longueur);
        p = debut + longueur;
    }
    return systeme;
}

// The path of a page of the file, a "#…" fragment kept, "" if none.
std::string resoudre(const FichierChm& fichier, std::string_view lien) {
    const auto diese = lien.find('#');
    const std::string page = normaliserChemin(lien.substr(0, diese));
    const std::string fragment(diese == std::string_view::npos ? "" : lien.substr(diese));
    // chmcmd records a mapped page under the absolute path its project had on
    // the compiling machine: the page is the longest tail of that path that
    // names a file of the help.
    for (std::size_t debut = 0; debut != std::string::npos; debut = page.find('/', debut + 1))
        if (fichier.contenu(page.substr(debut)) != nullptr)
            return page.substr(debut) + fragment;
    return {};
}

// The table of contents of the contents file `chemin`, its pages resolved.
std::vector<EntreeSommaire> lireSommaireDe(const FichierChm& fichier, const std::string& chemin) {
    const std::string* texte = chemin.empty() ? nullptr : fichier.contenu(chemin);
    if (texte == nullptr)
        return {};
    // Its pages are named from the contents file's own folder.
    const std::string dossier = normaliserChemin(chemin + "/..");
    std::vector<EntreeSommaire> entrees = lireSommaire(*texte);
    for (auto& entree : entrees)
        entree.page = entree.page.empty() ? "" : resoudre(fichier, dossier + "/" + entree.page);
    return entrees;
}

// #IVB: the byte length of the pairs that follow, then pairs of a context
// number and the offset of its page's name in #STRINGS.
std::map<std::uint32_t, std::string> lireContextes(const FichierChm& fichier) {
    std::map<std::uint32_t, std::string> contextes;
    const std::string* ivb = fichier.contenu("/#IVB");
    const std::string* chaines = fichier.contenu("/#STRINGS");
    if (ivb == nullptr || chaines == nullptr || ivb->size() < 4)
        return contextes;
    const std::size_t fin = std::min<std::size_t>(ivb->size(), 4 + std::size_t{mot32(*ivb, 0)});
    for (std::size_t p = 4; p + 8 <= fin; p += 8) {
        const std::string page =
            resoudre(fichier, texteC(*chaines, mot32(*ivb, p + 4), chaines->size()));
        if (!page.empty())
            contextes[mot32(*ivb, p)] = page;
    }
    return contextes;
}

} // namespace

std::string normaliserChemin(std::string_view chemin) {
    std::vector<std::string> parties;
    std::size_t i = 0;
    while (i <= chemin.size()) {
        std::size_t fin = i;
        while (fin < chemin.size() && chemin[fin] != '/' && chemin[fin] != '\\')
            ++fin;
        std::string partie(chemin.substr(i, fin - i));
        for (char& c : partie)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
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

std::variant<FichierChm, std::string> FichierChm::ouvrir(const std::string& chemin) {
    std::string archive;
    if (std::string raison = lireArchive(chemin, archive); !raison.empty())
        return raison;
    auto extraits = extraireArchive(std::move(archive));
    if (auto* raison = std::get_if<std::string>(&extraits))
        return std::move(*raison);

    FichierChm fichier;
    for (auto& [nom, octets] : std::get<std::vector<FichierExtrait>>(extraits))
        fichier.fichiers_[normaliserChemin(nom)] = std::move(octets);
    const ProprietesSysteme systeme = lireSysteme(fichier.contenu("/#SYSTEM"));
    fichier.titre_ = systeme.titre;
    fichier.pageParDefaut_ = resoudre(fichier, systeme.pageParDefaut);
    if (fichier.pageParDefaut_.empty())
        return std::string("contenu endommagé (aucune page d'accueil)");
    fichier.sommaire_ = lireSommaireDe(fichier, systeme.sommaire);
    fichier.contextes_ = lireContextes(fichier);
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
