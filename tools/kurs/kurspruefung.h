#pragma once

#include "data/lektionstabelle.h"

#include <string>
#include <string_view>
#include <vector>

namespace quorvia::kurs {

// What is wrong with a course text against the record layout and the lesson table, one
// German line (UTF-8) per finding; empty when the text is sound.
std::vector<std::string> befunde(std::string_view text, Kursart art);

} // namespace quorvia::kurs
