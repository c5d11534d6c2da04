#include "ThemeInterface.h"

#include "TableauSuites.h"

float RougeTheme, VertTheme, BleuTheme, AlphaTheme;
float RougeTexteTheme, VertTexteTheme, BleuTexteTheme, AlphaTexteTheme;
float RougeFondTheme, VertFondTheme, BleuFondTheme, AlphaFondTheme;
float RougeTexteEditTheme, VertTexteEditTheme, BleuTexteEditTheme, AlphaTexteEditTheme;
bool InterfaceSombre;

namespace {

struct CouleurTheme {
    ai_int32 element, genre;
    float *rouge, *vert, *bleu, *alpha;
};
const CouleurTheme kCouleursTheme[] = {
    {1, 0, &RougeTheme, &VertTheme, &BleuTheme, &AlphaTheme},
    {1, 1, &RougeTexteTheme, &VertTexteTheme, &BleuTexteTheme, &AlphaTexteTheme},
    {1, 4, &RougeFondTheme, &VertFondTheme, &BleuFondTheme, &AlphaFondTheme},
    {1, 3, &RougeTexteEditTheme, &VertTexteEditTheme, &BleuTexteEditTheme, &AlphaTexteEditTheme},
};

} // namespace

ASErr LitCouleursTheme()
{
    ASBoolean sombre = false;
    sAIUITheme->IsDarkUI(&sombre);
    InterfaceSombre = sombre != 0;
    // One record for the four queries: a failing one leaves what the one before read.
    AIUIThemeColor couleur{1, 0, 0, 0};
    ASErr status = kNoErr;
    for (const CouleurTheme& c : kCouleursTheme) {
        status = sAIUITheme->GetUIThemeColor(c.element, c.genre, &couleur);
        *c.rouge = couleur.red;
        *c.vert = couleur.green;
        *c.bleu = couleur.blue;
        *c.alpha = couleur.alpha;
    }
    return status;
}
