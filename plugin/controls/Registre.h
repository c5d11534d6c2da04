// The interface's controls by their identifiers in the interface file: one registry, filled
// once as the file loads (each object whose identifier the plug-in declares), read by every
// piece of the plug-in that shows or reads a control. The controller owns the controls; the
// registry only names them, and forgets them when the plug-in shuts down, when a run starts
// anew and before another controller loads. Before the file is loaded, and after, a control is
// null, and writing to an absent control does nothing.
#pragma once

#include "Object.h"
#include "View.h"

#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

// Whether an object is of class T. Only declared here: ClasseDeControle.h defines it, and it is
// instantiated once for each class an identifier names (the toolkit's in Registre.cpp, each of
// the plug-in's own views in its own file), so that a declaration needs only the class's name.
template <typename T>
bool EstDeClasse(ns::Object& objet);

// An identifier the plug-in declares, with the class its object must have.
struct PriseDeclaree {
    std::string_view id;
    bool (*accepte)(ns::Object& objet);
};

// Made known by each identifier's declaration, while the plug-in's code is loaded.
void DeclarePrise(PriseDeclaree prise);
// Every identifier declared, in the order of their declarations.
std::span<const PriseDeclaree> PrisesDeclarees();
// Null for an identifier the plug-in does not declare.
const PriseDeclaree* TrouvePriseDeclaree(std::string_view id);

class RegistreControles {
public:
    // The object the interface file gives `id`; the last one wins.
    void inscrit(std::string_view id, ns::Object& objet);
    // Null for an identifier the file did not give.
    ns::Object* trouve(std::string_view id) const;
    // Forgets every control.
    void efface() { controles_.clear(); }

private:
    struct Hachage {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>()(s); }
    };
    std::unordered_map<std::string, ns::Object*, Hachage, std::equal_to<>> controles_;
};

// The process's registry: the plug-in loads one interface file.
RegistreControles& Registre();

// An identifier of the interface file and the toolkit class of its object. Declared once, as
// a constant of Prises.h; the registry then takes the object of that name, and an object of
// another class is an error of the file's loading.
template <typename T>
class Prise {
public:
    explicit Prise(const char* id) : Prise(id, &EstDeClasse<T>) {}
    Prise(const Prise&) = delete;
    Prise& operator=(const Prise&) = delete;

    std::string_view id() const { return id_; }
    // The control, or null.
    T* operator()() const { return dynamic_cast<T*>(Registre().trouve(id_)); }
    // The control that sent an action: the sender when it is of the class, else the declared
    // control (an action run from code, with no sender or another one).
    T* envoyeur(ns::Object* expediteur) const
    {
        if (T* controle = dynamic_cast<T*>(expediteur))
            return controle;
        return (*this)();
    }

protected:
    Prise(const char* id, bool (*accepte)(ns::Object&)) : id_(id) { DeclarePrise({id_, accepte}); }

private:
    std::string_view id_;
};

// A view of one of the plug-in's own classes: reached as a view, or as its class with en();
// the file must make it of that class.
template <typename Classe>
class PriseVue : public Prise<ns::View> {
public:
    explicit PriseVue(const char* id) : Prise<ns::View>(id, &EstDeClasse<Classe>) {}

    Classe* en() const { return dynamic_cast<Classe*>(Registre().trouve(id())); }
};
