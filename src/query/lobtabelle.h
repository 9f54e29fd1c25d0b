#pragma once

#include <string>

namespace quorvia::Lobtabelle {

// The praise for a right answer, chosen by the run of right answers including this one.
std::string lob(int serie);

inline constexpr const char* falsch = "Non ita est!";

} // namespace quorvia::Lobtabelle
