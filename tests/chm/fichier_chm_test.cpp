// The help file's reader, on the help file the build compiles.
#include "chm/fichier_chm.h"
#include "chm/sommaire.h"
#include "contextes.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>

namespace {

std::string lireOctets(const std::string& chemin) {
    std::ifstream entree(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(entree), std::istreambuf_iterator<char>()};
}

std::string ecrireCopie(const std::string& nom, const std::string& octets) {
    const std::string chemin = testing::TempDir() + nom;
    std::ofstream(chemin, std::ios::binary) << octets;
    return chemin;
}

const chm::FichierChm& aide() {
    static const auto lu = chm::FichierChm::ouvrir(BRIVANE_CHM);
    if (const auto* raison = std::get_if<std::string>(&lu))
        throw std::runtime_error(BRIVANE_CHM ": " + *raison);
    return std::get<chm::FichierChm>(lu);
}

TEST(FichierChm, AccueilEtSommaire) {
    EXPECT_EQ(aide().titre(), "Aide de Brivane");
    EXPECT_EQ(aide().pageParDefaut(), "/accueil.htm");
    ASSERT_NE(aide().contenu(aide().pageParDefaut()), nullptr);
    EXPECT_NE(aide().contenu("/accueil.htm")->find("<title>Brivane</title>"), std::string::npos);

    std::vector<std::string> lignes;
    for (const auto& entree : aide().sommaire()) {
        lignes.push_back(std::to_string(entree.niveau) + " " + entree.titre + " " + entree.page);
        EXPECT_NE(aide().contenu(entree.page), nullptr) << entree.page;
    }
    EXPECT_EQ(lignes, (std::vector<std::string>{
                          "0 Brivane /accueil.htm",
                          "1 Conversion d'unité /conversion.htm",
                          "1 PCI/PCS /pci_pcs.htm",
                          "1 Gicleur fioul /gicleur.htm",
                          "1 Vase d'expansion chauffage /expansion.htm",
                          "1 Déperditions conduite /deperdition.htm",
                          "1 Masse volumique /masse_volumique.htm",
                          "1 Combustion /combustion.htm",
                          "1 Conduit de fumées /conduit_fumees.htm",
                          "1 Vase d'expansion sanitaire /expansion_sanitaire.htm",
                      }));
}

// F1 reaches the topic of every tab through its context number.
TEST(FichierChm, UnSujetParOnglet) {
    const std::map<std::uint32_t, std::string> attendu = {
        {IDH_CONVERSION, "/conversion.htm"},
        {IDH_PCI_PCS, "/pci_pcs.htm"},
        {IDH_GICLEUR, "/gicleur.htm"},
        {IDH_EXPANSION, "/expansion.htm"},
        {IDH_DEPERDITION, "/deperdition.htm"},
        {IDH_MASSE_VOLUMIQUE, "/masse_volumique.htm"},
        {IDH_COMBUSTION, "/combustion.htm"},
        {IDH_CONDUIT_FUMEES, "/conduit_fumees.htm"},
        {IDH_EXPANSION_SANITAIRE, "/expansion_sanitaire.htm"},
    };
    EXPECT_EQ(aide().contextes(), attendu);
    for (const auto& [numero, page] : attendu)
        EXPECT_NE(aide().contenu(page), nullptr) << numero;
    EXPECT_EQ(aide().pageDuContexte(1), std::nullopt);
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

// The header as the format has it (second GUID {7C01FD11-…}) reads as well
// as chmcmd's; a cut, foreign or missing file is refused with its reason.
TEST(FichierChm, FormesDeLEnTeteEtRefus) {
    const std::string octets = lireOctets(BRIVANE_CHM);
    ASSERT_EQ(static_cast<unsigned char>(octets.at(0x28)), 0x10); // as chmcmd writes it
    std::string juste = octets;
    juste[0x28] = 0x11;
    const auto lu = chm::FichierChm::ouvrir(ecrireCopie("juste.chm", juste));
    ASSERT_TRUE(std::holds_alternative<chm::FichierChm>(lu));
    EXPECT_EQ(std::get<chm::FichierChm>(lu).contextes(), aide().contextes());

    for (const std::size_t taille : {std::size_t{0}, std::size_t{0x30}, std::size_t{0x200},
                                     octets.size() / 2, octets.size() - 1}) {
        const auto tronque =
            chm::FichierChm::ouvrir(ecrireCopie("tronque.chm", octets.substr(0, taille)));
        ASSERT_TRUE(std::holds_alternative<std::string>(tronque)) << taille;
        EXPECT_EQ(std::get<std::string>(tronque), "fichier tronqué ou illisible") << taille;
    }
    const auto etranger =
        chm::FichierChm::ouvrir(ecrireCopie("etranger.chm", std::string(4096, 'x')));
    EXPECT_EQ(std::get<std::string>(etranger), "ce n'est pas un fichier d'aide compilé");
    const auto absent = chm::FichierChm::ouvrir(testing::TempDir() + "absent.chm");
    EXPECT_EQ(std::get<std::string>(absent), "fichier introuvable ou illisible");
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
    std::vector<std::string> lignes;
    for (const auto& e : entrees)
        lignes.push_back(std::to_string(e.niveau) + "|" + e.titre + "|" + e.page);
    EXPECT_EQ(lignes, (std::vector<std::string>{"0|Chapitre|", "1|Ma & été \"x>|a.htm#b",
                                                "2|Fond|c.htm", "0|Fin|"}));
    EXPECT_EQ(chm::normaliserChemin("Images\\.\\..\\/A.HTM"), "/a.htm");
}

} // namespace
