// The nine tabs of the main window, in index order: each one's caption, the
// object name of its page, the context number of its help topic, and when
// its start-up step runs. The main window, the help and the tests read this.
#pragma once

#include <array>
#include <cstdint>

namespace tabs {

class Page;

struct DefinitionOnglet {
    const char* titre;     // the tab's caption, UTF-8
    const char* nomPage;   // the page's object name
    std::int32_t contexte; // the help topic
    // Start-up steps run in increasing order of this rank; -1 for none.
    int rangDemarrage;
    Page* (*creer)();
};

const std::array<DefinitionOnglet, 9>& onglets();

// The tab the window opens on: "Vase d'expansion chauffage".
inline constexpr int ongletInitial = 3;

// The page of tab `index`, named and titled as the table says, with its help topic.
Page* creerPage(int index);

} // namespace tabs
