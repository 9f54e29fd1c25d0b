#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvia {

// One item as handed to callers, the delimiting '#' stripped.
struct Eintrag {
    int nummer = 0;
    std::string lateinisch;
    std::string deutsch;

    friend bool operator==(const Eintrag&, const Eintrag&) = default;
};

// A decrypted data text kept whole (Windows-1252, CR LF). Items are found by their
// marker line "#n#"; nothing is parsed into a table.
class Eintragsliste {
public:
    Eintragsliste() = default;
    explicit Eintragsliste(std::string text) : text_(std::move(text)) {}

    const std::string& text() const noexcept { return text_; }

    // Item n; an empty item (nummer 0, empty lines) when its marker is absent.
    Eintrag eintrag(int n) const;
    // Items erste to letzte, each as eintrag(n) gives it, read in one pass over the text.
    std::vector<Eintrag> eintraege(int erste, int letzte) const;
    // The number of the record whose two lines are exactly these.
    std::optional<int> nummerVon(std::string_view lateinisch, std::string_view deutsch) const;
    // Number of records, counted by probing markers 1, 2, ...
    int anzahl() const;
    // Appends the pair as the next record unless it is present.
    void anhaengen(std::string_view lateinisch, std::string_view deutsch);
    // Removes the pair's record if present and renumbers the ones after it.
    void entfernen(std::string_view lateinisch, std::string_view deutsch);

private:
    std::string text_;
};

} // namespace quorvia
