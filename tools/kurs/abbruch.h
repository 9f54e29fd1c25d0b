#pragma once

#include <stdexcept>
#include <string>

namespace quorvia::kurs {

// A refusal of the course tool: one German line for standard error, exit status 1.
class Abbruch : public std::runtime_error {
public:
    explicit Abbruch(const std::string& meldung) : std::runtime_error(meldung) {}
};

} // namespace quorvia::kurs
