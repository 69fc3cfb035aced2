#include "app/Kommandozeile.h"
#include "info/InfoTexte.h"
#include "info/Infos2027G9.h"
#include "support/Testprogramm.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace kelvaro {
namespace {

struct Ergebnis {
  int code;
  std::string out;
  std::string err;
};

Ergebnis Ausfuehren(const std::vector<std::string>& argumente) {
  std::ostringstream out;
  std::ostringstream err;
  const int code = KommandozeileAusfuehren(argumente, out, err, ui::Datum{2026, 2, 10});
  return {code, out.str(), err.str()};
}

TEST(InfoBefehl, PrintsTheLinesTheInfoWindowShows) {
  // What the window shows after its button, line by line.
  test::Testprogramm t;
  t.f.ErlaubteDefiziteBut.userClick();
  std::string fenster;
  for (const std::string& zeile : t.programm.infofenster().ListBoxDefizite.lines()) {
    fenster += zeile + "\n";
  }
  const Ergebnis ergebnis = Ausfuehren({"info", "2"});
  EXPECT_EQ(ergebnis.code, 0);
  EXPECT_EQ(ergebnis.out, fenster);
  EXPECT_EQ(ergebnis.out.substr(0, ergebnis.out.find('\n')),
            "Informationen zu der Zahl der erlaubten Defizite in der Qulifikationsphase:");
  EXPECT_EQ(Ausfuehren({"info", "10", "--date", "2025-09-01"}).out.substr(0, 35),
            "Informationen zu den Klausurwahlen:");
}

TEST(InfoBefehl, WithoutATopicListsTheTopicsWithTheirButtonCaptions) {
  const Ergebnis ergebnis = Ausfuehren({"info"});
  EXPECT_EQ(ergebnis.code, 0);
  EXPECT_EQ(ergebnis.out,
            "0\tVertiefungskurse\n1\tProjektkurse\n2\terlaubte Defizite\n3\tLeistungskurse\n4\tVersetzung \n"
            "5\tZentrale Prüfung\n6\tAbiturfächer\n7\tSchwerpunkt\n8\tStundenzahlen\n9\tZusatzkurs u. Q2\n"
            "10\tKlausurwahl\n");
}

TEST(InfoBefehl, RefusesWhatIsNoTopic) {
  for (const std::vector<std::string>& argumente : std::vector<std::vector<std::string>>{{"info", "11"},
                                                                                         {"info", "-1"},
                                                                                         {"info", "Schwerpunkt"},
                                                                                         {"info", ""},
                                                                                         {"info", "1", "2"},
                                                                                         {"info", "007"}}) {
    SCOPED_TRACE(argumente[1]);
    const Ergebnis ergebnis = Ausfuehren(argumente);
    EXPECT_EQ(ergebnis.code, 2);
    EXPECT_TRUE(ergebnis.out.empty());
    EXPECT_NE(ergebnis.err.find("kelvaro info [THEMA]"), std::string::npos);
  }
}

TEST(DesktopOptionen, OnlyDateAndStageWithoutACommandStartTheDesktop) {
  const ui::Datum heute{2026, 2, 10};
  const auto beide = DesktopOptionenLesen({"--stufe", "2", "--date", "2026-08-15"}, heute);
  ASSERT_TRUE(beide.has_value());
  EXPECT_EQ(beide->heute, (ui::Datum{2026, 8, 15}));
  EXPECT_EQ(beide->stufe, 2);
  const auto keine = DesktopOptionenLesen({}, heute);
  ASSERT_TRUE(keine.has_value());
  EXPECT_FALSE(keine->heute.has_value());  // the real clock
  EXPECT_FALSE(keine->stufe.has_value());  // this edition's stage

  // A command, another option or a wrong value belongs to the command line, which explains it.
  for (const std::vector<std::string>& argumente :
       std::vector<std::vector<std::string>>{{"check", "plan.abi"},
                                             {"--date", "2026-08-15", "check"},
                                             {"--bunt"},
                                             {"--date"},
                                             {"--date", "2026-02-30"},
                                             {"--stufe", "3"},
                                             {"--event", "WahlFS1=Latein (ab 7)"}}) {
    SCOPED_TRACE(argumente[0]);
    EXPECT_FALSE(DesktopOptionenLesen(argumente, heute).has_value());
  }
  const Ergebnis unbekannt = Ausfuehren({"--bunt"});
  EXPECT_EQ(unbekannt.code, 2);
  EXPECT_NE(unbekannt.err.find("Aufruf: kelvaro <Befehl> [Optionen]"), std::string::npos);
}

}  // namespace
}  // namespace kelvaro
