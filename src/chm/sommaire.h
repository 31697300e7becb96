// The table of contents of HTML help, read from its sitemap text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace chm {

// One line of the table of contents: its title, the page it opens ("" for a
// heading without a page) and its depth, 0 for the top level.
struct EntreeSommaire {
    std::string titre;
    std::string page;
    int niveau = 0;
};

// The entries of a table of contents in the sitemap form of HTML help
// (nested <UL>, <OBJECT type="text/sitemap"> with Name and Local params).
// Pages are given as the file has them; unreadable parts are skipped.
std::vector<EntreeSommaire> lireSommaire(std::string_view texte);

} // namespace chm
