#pragma once

#include <random>
#include <string>
#include <vector>

// Item pairs of about the course's length, the same in every benchmark so their figures
// compare: a Latin line with forms and a note, a German line with three meanings.
namespace quorvia::bench {

inline constexpr int anzahlWoerter = 1583;

struct Paar {
    std::string lateinisch, deutsch;
};

inline std::vector<Paar> paare(int n) {
    std::vector<Paar> p;
    std::mt19937 zufall(1583);
    std::uniform_int_distribution<int> laenge(4, 12);
    auto wort = [&] {
        std::string w(static_cast<std::size_t>(laenge(zufall)), 'a');
        for (auto& c : w) {
            c = static_cast<char>('a' + zufall() % 26);
        }
        return w;
    };
    for (int i = 0; i < n; ++i) {
        p.push_back({wort() + ", " + wort() + " m. Akk.", wort() + ", " + wort() + ", " + wort()});
    }
    return p;
}

} // namespace quorvia::bench
