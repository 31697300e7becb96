// The help file's reader, on the help file the build compiles.
#include "chm/fichier_chm.h"
#include "chm/sommaire.h"
#include "contextes.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>

namespace {

const chm::FichierChm& aide() {
    static const auto lu = chm::FichierChm::ouvrir(BRIVANE_CHM);
    if (const auto* raison = std::get_if<std::string>(&lu))
        throw std::runtime_error(BRIVANE_CHM ": " + *raison);
    return std::get<chm::FichierChm>(lu);
}

// "niveau|titre|page", one line an entry.
std::vector<std::string> lignes(const std::vector<chm::EntreeSommaire>& entrees) {
    std::vector<std::string> l;
    for (const auto& e : entrees)
        l.push_back(std::to_string(e.niveau) + "|" + e.titre + "|" + e.page);
    return l;
}

// Each tab: its entry in the contents, its page, the context number F1 asks for.
const std::tuple<const char*, const char*, std::uint32_t> onglets[] = {
    {"Conversion d'unité", "/conversion.htm", IDH_CONVERSION},
    {"PCI/PCS", "/pci_pcs.htm", IDH_PCI_PCS},
    {"Gicleur fioul", "/gicleur.htm", IDH_GICLEUR},
    {"Vase d'expansion chauffage", "/expansion.htm", IDH_EXPANSION},
    {"Déperditions conduite", "/deperdition.htm", IDH_DEPERDITION},
    {"Masse volumique", "/masse_volumique.htm", IDH_MASSE_VOLUMIQUE},
    {"Combustion", "/combustion.htm", IDH_COMBUSTION},
    {"Conduit de fumées", "/conduit_fumees.htm", IDH_CONDUIT_FUMEES},
    {"Vase d'expansion sanitaire", "/expansion_sanitaire.htm", IDH_EXPANSION_SANITAIRE}};

TEST(FichierChm, AccueilSommaireEtContextes) {
    EXPECT_EQ(std::tie(aide().titre(), aide().pageParDefaut()),
              std::tuple("Aide de Brivane", "/accueil.htm"));
    ASSERT_NE(aide().contenu(aide().pageParDefaut()), nullptr);
    EXPECT_NE(aide().contenu("/accueil.htm")->find("<title>Brivane</title>"), std::string::npos);

    std::vector<std::string> sommaire = {"0|Brivane|/accueil.htm"};
    for (const auto& [titre, page, numero] : onglets) {
        sommaire.push_back(std::string("1|") + titre + "|" + page);
        EXPECT_EQ(aide().pageDuContexte(numero), page) << numero;
    }
    EXPECT_EQ(lignes(aide().sommaire()), sommaire);
    EXPECT_EQ(aide().contextes().size(), std::size(onglets));
    EXPECT_EQ(aide().pageDuContexte(1), std::nullopt);
    for (const auto& entree : aide().sommaire())
        EXPECT_NE(aide().contenu(entree.page), nullptr) << entree.page;
}

// Every link, picture and style sheet of every page is in the file.
TEST(FichierChm, LiensResolus) {
    const std::regex lien(R"re((?:href|src)="([^"#:]+)[^"]*")re");
    int vus = 0;
    for (const auto& entree : aide().sommaire()) {
        const std::string& page = *aide().contenu(entree.page);
        for (std::sregex_iterator i(page.begin(), page.end(), lien), fin; i != fin; ++i, ++vus)
            EXPECT_NE(aide().contenu("/" + (*i)[1].str()), nullptr)
                << entree.page << " → " << (*i)[1];
    }
    EXPECT_GT(vus, 20);
    EXPECT_NE(aide().contenu("images/brivane.svg"), nullptr);
}

// A copy holding `octets`, and the reason a file is refused, "" when it is read.
std::string copie(const std::string& nom, const std::string& octets) {
    const std::string chemin = testing::TempDir() + nom;
    std::ofstream(chemin, std::ios::binary) << octets;
    return chemin;
}
std::string refus(const std::string& chemin) {
    const auto lu = chm::FichierChm::ouvrir(chemin);
    const auto* raison = std::get_if<std::string>(&lu);
    return raison ? *raison : "";
}

// The header as the format has it (second GUID {7C01FD11-…}) reads as well
// as chmcmd's; a cut, foreign or missing file is refused with its reason.
TEST(FichierChm, FormesDeLEnTeteEtRefus) {
    std::ifstream entree(BRIVANE_CHM, std::ios::binary);
    const std::string octets{std::istreambuf_iterator<char>(entree), {}};
    ASSERT_EQ(static_cast<unsigned char>(octets.at(0x28)), 0x10); // as chmcmd writes it
    std::string juste = octets;
    juste[0x28] = 0x11;
    const auto lu = chm::FichierChm::ouvrir(copie("juste.chm", juste));
    ASSERT_TRUE(std::holds_alternative<chm::FichierChm>(lu));
    EXPECT_EQ(std::get<chm::FichierChm>(lu).contextes(), aide().contextes());

    for (const std::size_t taille : {std::size_t{0}, std::size_t{0x30}, std::size_t{0x200},
                                     octets.size() / 2, octets.size() - 1})
        EXPECT_EQ(refus(copie("tronque.chm", octets.substr(0, taille))),
                  "fichier tronqué ou illisible")
            << taille;
    EXPECT_EQ(refus(copie("etranger.chm", std::string(4096, 'x'))),
              "ce n'est pas un fichier d'aide compilé");
    EXPECT_EQ(refus(testing::TempDir() + "absent.chm"), "fichier introuvable ou illisible");
}

TEST(Sommaire, Lecture) {
    const auto entrees = chm::lireSommaire(R"(<OBJECT type="text/site properties"></OBJECT>
        <UL><LI><OBJECT type="text/sitemap"><param name="Name" value="Chapitre">
        </OBJECT><!-- <UL> dans un commentaire -->
        <UL><LI><object TYPE="text/sitemap"><PARAM NAME="Local" VALUE='a.htm#b'>
        <param name="Name" value="Ma &amp; &#233;t&#xE9; &quot;x&gt;"></object>
        <UL><LI><OBJECT type="text/sitemap"><param name="Name" value="Fond"><param
        name="Local" value=c.htm></OBJECT></UL></UL>
        <LI><OBJECT type="text/sitemap"><param name="Name" value="Fin"></OBJECT></UL>)");
    EXPECT_EQ(lignes(entrees), (std::vector<std::string>{"0|Chapitre|", "1|Ma & été \"x>|a.htm#b",
                                                         "2|Fond|c.htm", "0|Fin|"}));
    EXPECT_EQ(chm::normaliserChemin("Images\\.\\..\\/A.HTM"), "/a.htm");
}

} // namespace
