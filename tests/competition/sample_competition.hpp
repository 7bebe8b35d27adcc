// A small competition description shared by the loading tests, and byte comparison of records.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "cli/tarvisco_writer.hpp"
#include "core/competition/model.hpp"
#include "core/platform/cp1252.hpp"

namespace wex::test {

// Three participants on two targets, with marks, team results and two home teams (one unused number).
inline cli::CompetitionDescription SampleDescription() {
  cli::CompetitionDescription d;
  SetFieldText(d.config.veranstalter, "SG Gröbenried"_w);
  SetFieldText(d.config.wettbewerb1, "Rundenwettkampf 2026");
  SetFieldText(d.config.klassen[0], "Schützenklasse"_w);
  SetFieldText(d.config.scheiben[0].bezeichnung, "LG 40 Schuss");
  SetFieldText(d.config.scheiben[1].bezeichnung, "Teiler");
  d.config.scheiben[1].teiler = 1;
  SetFieldText(d.config.disziplinen[0], "Luftgewehr");
  SetFieldText(d.config.disziplinen[1], "Luftpistole");
  SetFieldText(d.config.disziplinen[2], "Zimmerstutzen");
  SetFieldText(d.config.disziplinen[3], "Armbrust");

  cli::ParticipantDescription huber;
  huber.tlnr = 1;
  huber.rawName = "Huber, Josef jun.";
  huber.stammmannschaft = 2;
  huber.klasse = 0;
  huber.zusatz1 = 1;
  huber.series = {{0, 0, 9850, 1}, {0, 1, 9700, 1}, {1, 0, 12340, 0}};
  huber.teamResults = {{0, 1950, 1}};

  cli::ParticipantDescription maier;
  maier.tlnr = 2;
  maier.rawName = "Maier¹, Anna"_w;
  maier.stammmannschaft = 5;
  maier.disziplin = 1;
  maier.klasse = 3;
  maier.zusatz2 = 1;
  maier.series = {{0, 0, 10010, 0}, {49, 19, 1, 1}};
  maier.teamResults = {{0, 1000, 0}, {49, 10, 1}};

  cli::ParticipantDescription schmid;  // no results at all
  schmid.tlnr = 4;
  schmid.rawName = "Dr., Schmid Eva";
  schmid.stammmannschaft = 7;

  d.participants = {huber, maier, schmid};
  d.homeTeams = {{2, "SG Gröbenried I"_w}, {5, "SV Tell"}};
  return d;
}

template <typename T>
std::string Bytes(const T& record) {
  return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

// Records equal byte for byte (gtest shows the differing bytes).
#define EXPECT_SAME_RECORDS(a, b)                                                             \
  do {                                                                                        \
    ASSERT_EQ((a).size(), (b).size());                                                        \
    for (std::size_t i_ = 0; i_ < (a).size(); ++i_)                                           \
      EXPECT_EQ(::wex::test::Bytes((a)[i_]), ::wex::test::Bytes((b)[i_])) << "record " << i_; \
  } while (0)

}  // namespace wex::test
