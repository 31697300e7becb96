// The program's compiled HTML help file (the CHM format), read whole into
// memory through libmspack: its pages, pictures and style sheets by path,
// its default topic, its table of contents and its context-number map.
#pragma once

#include "chm/sommaire.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace chm {

class FichierChm {
public:
    // Reads and unpacks the whole file. On failure, the reason in French,
    // for the user ("fichier tronqué ou illisible", ...). The file is never
    // written; a damaged one is refused, never half read.
    static std::variant<FichierChm, std::string> ouvrir(const std::string& chemin);

    // The help's title, "" when the file gives none.
    const std::string& titre() const { return titre_; }
    // The page shown when no topic is asked for, as a path ("/accueil.htm").
    const std::string& pageParDefaut() const { return pageParDefaut_; }
    const std::vector<EntreeSommaire>& sommaire() const { return sommaire_; }
    // Context number → page path, only the numbers whose page is in the file.
    const std::map<std::uint32_t, std::string>& contextes() const { return contextes_; }
    // The page of a context number, nullopt when the map has none.
    std::optional<std::string> pageDuContexte(std::uint32_t numero) const;

    // The bytes of a file of the help ("/images/x.svg"; letter case and a
    // missing leading "/" do not matter), nullptr when there is none.
    const std::string* contenu(std::string_view chemin) const;

private:
    FichierChm() = default;

    std::map<std::string, std::string> fichiers_; // by normalised path
    std::string titre_;
    std::string pageParDefaut_;
    std::vector<EntreeSommaire> sommaire_;
    std::map<std::uint32_t, std::string> contextes_;
};

// A path of the help in the form its files are kept under: "/" first,
// "\" read as "/", "." and ".." resolved, ASCII letters in lower case.
std::string normaliserChemin(std::string_view chemin);

} // namespace chm
