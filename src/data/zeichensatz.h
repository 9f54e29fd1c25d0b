#pragma once

#include <optional>
#include <string>
#include <string_view>

// Windows-1252 <-> UTF-8 for the course tool, which reads and writes UTF-8 TSV. The
// windows convert over Qt on their own.
namespace quorvia::zeichensatz {

std::string nachUtf8(std::string_view windows1252);

// Nothing when the input is not valid UTF-8 or holds a character Windows-1252 cannot
// write (NUL included, since the data texts never hold one).
std::optional<std::string> nachWindows1252(std::string_view utf8);

} // namespace quorvia::zeichensatz
