// The name display rule: Tarvisco's "Surname, First name" turned into the name every list shows.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace wex {

// Raw names, their parts and the joined name are held within this many characters.
constexpr std::size_t kRawNameLimit = 49;
// What fits into _ergdateilist::name.
constexpr std::size_t kDisplayNameLimit = 29;

// The display name of a raw name (Windows-1252): the surname, the first name and the rest, in the order
// firstNameFirst chooses, with the marks ¹ and ² moved to the end. A raw name longer than 49 characters
// is cut there first. A display name longer than 29 characters is cut so that it fits the participant's
// name field: the name text is cut (and blanks left at the cut removed) so that the marks still follow
// in full, because they carry a meaning that a lost surname tail does not.
std::string FormatDisplayName(bool firstNameFirst, std::string_view raw);

}  // namespace wex
