// The name display rule in both name orders, and how over-long names are cut.
#include "core/competition/display_name.hpp"

#include <gtest/gtest.h>

#include "core/platform/cp1252.hpp"

namespace wex {
namespace {

struct NameCase {
  std::string raw;
  std::string surnameFirst;
  std::string firstNameFirst;
};

TEST(display_name, parts_are_joined_in_both_name_orders) {
  const NameCase cases[] = {
      {"Nachname, Vorname", "Nachname Vorname", "Vorname Nachname"},
      {"Nachname, Vorname Zweitname", "Nachname Vorname Zweitname", "Vorname Zweitname Nachname"},
      {"Nachname, Vorname jun.", "Nachname Vorname jun.", "Vorname Nachname jun."},
      {"Nachname, Vorname sen.", "Nachname Vorname sen.", "Vorname Nachname sen."},
      {"Dr., Nachname Vorname", "Dr. Nachname Vorname", "Dr. Vorname Nachname"},
      {"Nachname", "Nachname", "Nachname"},
      {"Nachname¹, Vorname"_w, "Nachname Vorname ¹"_w, "Vorname Nachname ¹"_w},
      // The blank inside the surname counts: the first name lands in the rest.
      {"von Nachname, Vorname", "von Nachname  Vorname", " Vorname von Nachname"},
      // A title without its own comma is part of the surname.
      {"Dr. Nachname, Vorname", "Dr. Nachname  Vorname", " Vorname Dr. Nachname"},
      // An empty rest leaves its blank inside the name.
      {"Dr., Nachname", "Dr. Nachname", "Dr.  Nachname"},
      // Everything after a second comma is rest; commas are dropped.
      {"Nachname,Vorname,Zweit", "Nachname Vorname Zweit", "Vorname Zweit Nachname"},
      {"Nachname, Vorname, Zweit", "Nachname Vorname Zweit", "Vorname Zweit Nachname"},
      // Marks move to the end, ¹ before ², from wherever they stand.
      {"²Nach¹name, Vor²name"_w, "Nachname Vorname ¹ ²"_w, "Vorname Nachname ¹ ²"_w},
      {"Nachname ²"_w, "Nachname ²"_w, "Nachname ²"_w},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatDisplayName(false, c.raw), c.surnameFirst) << c.raw;
    EXPECT_EQ(FormatDisplayName(true, c.raw), c.firstNameFirst) << c.raw;
  }
}

TEST(display_name, long_names_are_cut_to_the_name_field_keeping_the_marks) {
  const NameCase cases[] = {
      {"Müller-Lüdenscheidt, Hans-Peter Maria"_w, "Müller-Lüdenscheidt Hans-Pete"_w,
       "Hans-Peter Maria Müller-Lüden"_w},
      {"Müller-Lüdenscheidt, Hans-Peter Maria¹"_w, "Müller-Lüdenscheidt Hans-Pe ¹"_w,
       "Hans-Peter Maria Müller-Lüd ¹"_w},
      // A cut right behind a blank drops the blank before the marks.
      {"Abcdefghijklmnopqrstuvwxyz, Vorname¹"_w, "Abcdefghijklmnopqrstuvwxyz ¹"_w,
       "Vorname Abcdefghijklmnopqrs ¹"_w},
      // Only the first 49 characters of a raw name count: the mark in the 50th is lost.
      {std::string(45, 'x') + ", Ab¹"_w, std::string(29, 'x'), "Ab " + std::string(26, 'x')},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatDisplayName(false, c.raw), c.surnameFirst) << c.raw;
    EXPECT_EQ(FormatDisplayName(true, c.raw), c.firstNameFirst) << c.raw;
  }
  EXPECT_EQ(FormatDisplayName(true, std::string(5000, ',')), "");
}

}  // namespace
}  // namespace wex
