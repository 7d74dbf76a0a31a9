#include "NumerosChance.h"

#include "Arcanes.h"
#include "Cp1252.h"
#include "Erreurs.h"
#include "Langue.h"
#include "Tableau.h"

#include <algorithm>
#include <utility>

namespace lunespiral {

std::vector<int> tirerNumerosChance(Hasard& hasard, int nombre, int minimum, int maximum,
                                    const std::vector<int>& cartes) {
    // Stored options may hold a minimum above the maximum; the range is the same either way.
    if (minimum > maximum) std::swap(minimum, maximum);
    if (nombre < 1 || nombre > nbNumerosMax || minimum < 1 || maximum > valeurNumeroMax ||
        cartes.empty())
        throw ErreurEtendue();

    const int m = static_cast<int>(cartes.size());
    Tableau<bool, 0, valeurNumeroMax> deja{};
    std::vector<int> numeros;
    numeros.reserve(static_cast<std::size_t>(nombre));
    int somme = 0;
    int restants = maximum - minimum + 1;
    const int demiEcart = (maximum - minimum) / 2; // compared with the numbers themselves

    auto prendre = [&](int x) {
        deja[x] = true;
        numeros.push_back(x);
        somme += x;
        --restants;
    };
    auto k = [&numeros] { return static_cast<int>(numeros.size()); };

    // How many numbers the cards may give: more when the range sits low, where cards fall.
    int nbCartesRetenues = 1;
    if (minimum != maximum)
        nbCartesRetenues = ((nbArcanes - minimum) * 100 / (maximum - minimum)) * m / 100 + 1;
    nbCartesRetenues = std::min(nbCartesRetenues, m);
    nbCartesRetenues = std::max(nbCartesRetenues, 0);
    nbCartesRetenues = std::min(nbCartesRetenues, nombre);

    // Every third card from a random start: 3 is prime to 4 and 10, so each card comes once.
    int j = hasard.entre1Et(m);
    for (int passe = 1; passe <= m; ++passe) {
        if (k() >= nbCartesRetenues) continue;
        j += 3;
        if (j > m) j -= m;
        const int x = cartes[static_cast<std::size_t>(j - 1)];
        if (x >= minimum && x <= maximum && !deja[x]) prendre(x);
    }

    if (k() < nombre) {
        do {
            const int x = hasard.entre1Et(maximum - minimum + 1) + minimum - 1;
            if (deja[x]) continue;
            const int t = k() * demiEcart;
            if (t > somme && x >= demiEcart)
                prendre(x); // low so far: take a high one
            else if (t < somme && x <= demiEcart)
                prendre(x); // high so far: take a low one
            else if (hasard.entre1Et(100) < 30)
                prendre(x);
        } while (k() < nombre && restants > 0);
    }

    if (k() >= 2) {
        const int echanges = hasard.entre1Et(100) + 100;
        for (int i = 0; i < echanges; ++i) {
            const int a = hasard.entre1Et(k());
            const int b = hasard.entre1EtSauf(k(), {a});
            std::swap(numeros[static_cast<std::size_t>(a - 1)],
                      numeros[static_cast<std::size_t>(b - 1)]);
        }
    }
    return numeros;
}

std::string texteNumerosChance(const std::vector<int>& numeros) {
    std::string texte;
    for (std::size_t i = 0; i < numeros.size(); ++i) {
        if (i > 0) texte += " - ";
        texte += std::to_string(numeros[i]);
    }
    return texte;
}

std::string descriptionNumerosChance(int langue, int nombre, int minimum, int maximum) {
    // The range actually drawn: stored bounds may come in either order (see tirerNumerosChance).
    const std::string n = std::to_string(nombre);
    const std::string a = std::to_string(std::min(minimum, maximum));
    const std::string b = std::to_string(std::max(minimum, maximum));
    if (langue == langueAnglais) return "Your " + n + " lucky numbers from " + a + " to " + b;
    return cp1252("Vos " + n + " numéros de la chance de " + a + " à " + b);
}

} // namespace lunespiral
