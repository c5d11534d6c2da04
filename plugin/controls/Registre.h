// The interface's controls by their identifiers in the interface file: one registry, filled
// once when the file is loaded (each object with an identifier the plug-in declares), read by
// every piece of the plug-in that shows or reads a control. The controller owns the controls;
// the registry only names them. Before the file is loaded, or once its controller is gone, a
// control is null, and writing to an absent control does nothing.
#pragma once

#include "Object.h"

#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

namespace ns {
class View;
}

// An identifier the plug-in declares, with the class its object must have.
struct PriseDeclaree {
    std::string_view id;
    bool (*accepte)(ns::Object& objet);
};

// Made known by each identifier's declaration, before the plug-in's code runs.
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
    // Forgets every control, when the controller that owned them goes.
    void efface() { controles_.clear(); }
    bool vide() const { return controles_.empty(); }

private:
    struct Hachage {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>()(s); }
    };
    std::unordered_map<std::string, ns::Object*, Hachage, std::equal_to<>> controles_;
};

// The process's registry: the plug-in loads one interface file.
RegistreControles& Registre();

// An identifier of the interface file and the class of its object. Declared once, as a
// constant of Prises.h; the registry then takes the object of that name, and a wrong class in
// the file is an error of the file's loading.
template <typename T>
class Prise {
public:
    explicit Prise(const char* id) : id_(id) { DeclarePrise({id_, &Accepte}); }
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
    // The same control as one of the plug-in's own classes, or null.
    template <typename U>
    U* en() const
    {
        return dynamic_cast<U*>(Registre().trouve(id_));
    }

private:
    static bool Accepte(ns::Object& objet) { return dynamic_cast<T*>(&objet) != nullptr; }

    std::string_view id_;
};
