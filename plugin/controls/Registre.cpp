#include "Registre.h"

#include "Button.h"
#include "ClasseDeControle.h"
#include "ComboBox.h"
#include "PopUpButton.h"
#include "ScrollView.h"
#include "Slider.h"
#include "TextField.h"
#include "TextView.h"
#include "View.h"
#include "Window.h"

#include <vector>

// The toolkit's classes the interface file's controls are of.
template bool EstDeClasse<ns::View>(ns::Object&);
template bool EstDeClasse<ns::Button>(ns::Object&);
template bool EstDeClasse<ns::TextField>(ns::Object&);
template bool EstDeClasse<ns::ComboBox>(ns::Object&);
template bool EstDeClasse<ns::PopUpButton>(ns::Object&);
template bool EstDeClasse<ns::Slider>(ns::Object&);
template bool EstDeClasse<ns::ScrollView>(ns::Object&);
template bool EstDeClasse<ns::TextView>(ns::Object&);
template bool EstDeClasse<ns::Window>(ns::Object&);

namespace {

// Filled while the plug-in's code is loaded, before anything reads it: a function's static,
// so that it exists whichever declaration comes first.
std::vector<PriseDeclaree>& Declarees()
{
    static std::vector<PriseDeclaree> declarees;
    return declarees;
}

} // namespace

void DeclarePrise(PriseDeclaree prise)
{
    Declarees().push_back(prise);
}

std::span<const PriseDeclaree> PrisesDeclarees()
{
    return Declarees();
}

const PriseDeclaree* TrouvePriseDeclaree(std::string_view id)
{
    for (const PriseDeclaree& p : Declarees())
        if (p.id == id)
            return &p;
    return nullptr;
}

void RegistreControles::inscrit(std::string_view id, ns::Object& objet)
{
    controles_.insert_or_assign(std::string(id), &objet);
}

ns::Object* RegistreControles::trouve(std::string_view id) const
{
    const auto it = controles_.find(id);
    return it != controles_.end() ? it->second : nullptr;
}

RegistreControles& Registre()
{
    static RegistreControles registre;
    return registre;
}
