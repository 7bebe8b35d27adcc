// The name display rule: split at the first comma and the first two blanks, join, move the marks.
#include "core/competition/display_name.hpp"

namespace wex {
namespace {

constexpr char kMark1 = '\xB9';  // ¹
constexpr char kMark2 = '\xB2';  // ²

void RemoveTrailingBlanks(std::string& text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
}

}  // namespace

std::string FormatDisplayName(bool firstNameFirst, std::string_view raw) {
  if (raw.size() > kRawNameLimit) raw = raw.substr(0, kRawNameLimit);

  // Surname (blanks kept), first name, rest. Blanks before the comma count too, so a surname with a
  // blank sends the first name to the rest.
  std::string surname, first, rest;
  bool mark1 = false, mark2 = false;
  int commas = 0, blanks = 0;
  for (char c : raw) {
    if (c == ',') ++commas;
    if (c == ' ') ++blanks;
    if (c == kMark1) mark1 = true;
    if (c == kMark2) mark2 = true;
    if (c == kMark1 || c == kMark2) continue;
    if (commas == 0) {
      surname += c;
    } else if (c != ' ' && c != ',') {
      (commas == 1 && blanks < 2 ? first : rest) += c;
    }
  }

  std::string name;
  const auto join = [&name](const std::string& a, const std::string& b, const std::string& c) {
    name = a + ' ' + b + ' ' + c;
  };
  if (!firstNameFirst) {
    join(surname, first, rest);
  } else if (surname == "Dr.") {
    join(surname, rest, first);
  } else if (first.empty() && rest.empty()) {
    name = surname;
  } else if (rest.empty() || rest == "jun." || rest == "sen.") {
    join(first, surname, rest);
  } else {
    join(first, rest, surname);
  }
  if (name.size() > kRawNameLimit) name.resize(kRawNameLimit);
  RemoveTrailingBlanks(name);

  std::string marks;
  if (mark1) marks += {' ', kMark1};
  if (mark2) marks += {' ', kMark2};
  if (name.size() + marks.size() > kDisplayNameLimit) {
    name.resize(kDisplayNameLimit - marks.size());
    RemoveTrailingBlanks(name);
  }
  return name + marks;
}

}  // namespace wex
