// The worked-example table as the SVG export writes it: the groups, the paths and the text
// anchors, exactly.
#include "Svg.h"
#include "TableHote.h"

#include <sstream>

namespace table_test {
namespace {

// The `d` of every path and the translation of every text in the group labelled `nom`.
std::vector<std::string> Contenu(const std::string& svg, const std::string& nom)
{
    const std::string debut = "<g inkscape:label=\"" + nom + "\">\n";
    const size_t ouvert = svg.find(debut);
    if (ouvert == std::string::npos)
        return {"no group " + nom};
    const size_t ferme = svg.find("</g>", ouvert);
    const std::string groupe = svg.substr(ouvert + debut.size(), ferme - ouvert - debut.size());
    std::vector<std::string> contenu;
    const std::string chemin = "<path d=\"", texte = "<text transform=\"translate(";
    for (size_t i = groupe.find('<'); i != std::string::npos; i = groupe.find('<', i + 1)) {
        if (groupe.compare(i, chemin.size(), chemin) == 0) {
            const size_t valeur = i + chemin.size();
            contenu.push_back(groupe.substr(valeur, groupe.find('"', valeur) - valeur));
        } else if (groupe.compare(i, texte.size(), texte) == 0) {
            const size_t valeur = i + texte.size();
            contenu.push_back("text " + groupe.substr(valeur, groupe.find(')', valeur) - valeur));
        }
    }
    return contenu;
}

// Equal word for word, the numbers within 32-bit float precision (4 units in the last place):
// "L303.19998" is the float the host holds for 303.2 after the frame's translation.
testing::AssertionResult MemeContenu(const std::vector<std::string>& lu, const std::vector<std::string>& attendu)
{
    const auto mots = [](const std::string& texte) {
        std::vector<std::string> resultat;
        std::istringstream flux(texte);
        for (std::string mot; flux >> mot;)
            resultat.push_back(mot);
        return resultat;
    };
    const auto echec = [&] {
        return testing::AssertionFailure() << testing::PrintToString(lu) << "\n  expected "
                                           << testing::PrintToString(attendu);
    };
    if (lu.size() != attendu.size())
        return echec();
    for (size_t i = 0; i < lu.size(); ++i) {
        const auto a = mots(lu[i]), b = mots(attendu[i]);
        if (a.size() != b.size())
            return echec();
        for (size_t k = 0; k < a.size(); ++k) {
            const size_t chiffres = b[k].find_first_of("-0123456789");
            if (a[k].substr(0, chiffres) != b[k].substr(0, chiffres))
                return echec();
            if (chiffres == std::string::npos)
                continue;
            const testing::internal::FloatingPoint<float> x(std::stof(a[k].substr(chiffres))),
                y(std::stof(b[k].substr(chiffres)));
            if (!x.AlmostEquals(y))
                return echec();
        }
    }
    return testing::AssertionSuccess();
}

TEST_F(TableHote, TheWorkedExampleExportsItsPathsAndAnchors)
{
    TraceTout();
    const std::string svg = host::render::svgOf(host_.document(), host_.fonts());

    const size_t table = svg.find("<g inkscape:label=\"Table\">");
    ASSERT_NE(table, std::string::npos);
    size_t avant = table;
    for (const char* groupe : {"Columns", "Lines", "Frame", "Title", "Text"}) {
        const size_t ici = svg.find(std::string("<g inkscape:label=\"") + groupe + "\">", table);
        EXPECT_GT(ici, avant) << groupe << " paints after the group before it, inside the table";
        avant = ici;
    }

    using Liste = std::vector<std::string>;
    EXPECT_TRUE(MemeContenu(Contenu(svg, "Columns"), (Liste{"M73.5 -30 L73.5 -90", "M75.5 -30 L75.5 -90", "M149 -30 L149 -90",
                                              "M151 -30 L151 -90", "M224.5 -30 L224.5 -90", "M226.5 -30 L226.5 -90"})));
    EXPECT_TRUE(MemeContenu(Contenu(svg, "Lines"), (Liste{"M0 -30 L300 -30", "M0 -60 L73.5 -60", "M75.5 -60 L149 -60",
                                            "M151 -60 L224.5 -60", "M226.5 -60 L300 -60"})));
    EXPECT_TRUE(MemeContenu(Contenu(svg, "Frame"),
              (Liste{"M-3.2 3.2 L303.2 3.2 L303.2 -93.2 L-3.2 -93.2 Z", "M0 0 L0 -90", "M300 0 L300 -90",
                     "M0 -90 L73.5 -90", "M75.5 -90 L149 -90", "M151 -90 L224.5 -90", "M226.5 -90 L300 -90",
                     "M0 0 L300 0"})));
    EXPECT_TRUE(MemeContenu(Contenu(svg, "Title"), (Liste{"text 150 -18.96"})));
    EXPECT_TRUE(MemeContenu(Contenu(svg, "Text"),
              (Liste{"text 36.75 -48.96", "text 112.25 -48.96", "text 187.75 -48.96", "text 263.25 -48.96",
                     "text 36.75 -78.96", "text 112.25 -78.96", "text 187.75 -78.96", "text 263.25 -78.96"})));

    EXPECT_NE(svg.find("<text transform=\"translate(150 -18.96) scale(1 -1)\" font-family=\"Test Sans\" "
                       "font-size=\"12\" text-anchor=\"middle\" fill=\"rgb(128,128,128)\" data-fill-color=\"gray 0.5\""),
              std::string::npos);
    EXPECT_NE(svg.find("stroke=\"rgb(128,128,128)\" data-stroke-color=\"gray 0.5\" stroke-width=\"4\""),
              std::string::npos)
        << "the outer frame";
}

} // namespace
} // namespace table_test
