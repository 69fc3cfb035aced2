#include "app/PlanJson.h"
#include "plan/Kelvaro2027G9.h"
#include "plan/PlanDatei.h"
#include "plan/Programm.h"
#include "support/Testprogramm.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

struct Sitzung : test::Testprogramm {
  explicit Sitzung(ui::Datum heute, int stufe = 1, fs::path arbeitsverzeichnis = "/tmp")
      : Testprogramm({.stufe = stufe, .heute = heute, .verzeichnis = std::move(arbeitsverzeichnis)}) {
    f.activate();
  }
};

constexpr ui::Datum Dezember{2025, 12, 10};  // Q1.2; Q2.2 with stage 2
constexpr ui::Datum September{2025, 9, 10};  // Q1.1; Q2.1 with stage 2

std::vector<char> Inhalt(const fs::path& pfad) {
  std::ifstream in(pfad, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::int32_t Int32At(const std::vector<char>& bytes, std::size_t at) {
  std::uint32_t u = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    u |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
  }
  return static_cast<std::int32_t>(u);
}

class Darstellen : public ::testing::Test {
 protected:
  void SetUp() override {
    // No dot anywhere in the directory, so that a name without extension gets ".abi".
    fs::path basis = fs::temp_directory_path();
    if (basis.string().find('.') != std::string::npos) {
      basis = "/tmp";
    }
    m_dir =
        basis / ("kelvaro-darstellen-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    ASSERT_EQ(m_dir.string().find('.'), std::string::npos);
    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
  }
  void TearDown() override { fs::remove_all(m_dir); }

  fs::path Schreiben(const std::string& name, const Laufbahn& plan) {
    const fs::path pfad = m_dir / name;
    EXPECT_FALSE(PlanDateiSchreiben(pfad, plan).has_value());
    return pfad;
  }

  fs::path RohSchreiben(const std::string& name, const std::vector<PlanRecord>& records, std::size_t rest = 0) {
    const fs::path pfad = m_dir / name;
    std::ofstream out(pfad, std::ios::binary);
    for (const PlanRecord& record : records) {
      out.write(reinterpret_cast<const char*>(record.data()), static_cast<std::streamsize>(record.size()));
    }
    out << std::string(rest, '\x01');
    return pfad;
  }

  // "Öffnen" with the file as the dialog's answer.
  static void Oeffnen(Sitzung& s, const fs::path& pfad) {
    s.dialogs.queueFile(pfad);
    s.f.Button3.userClick();
  }

  fs::path m_dir;
};

// A plan built through the main window with something in every field the file holds.
void PlanWaehlen(Sitzung& s) {
  TForm1& f = s.f;
  f.Schwerpunkt.userChoose("Fremdsprachlicher Schwerpunkt");
  f.WahlFS1.userChoose("Französisch (ab 7)");
  f.WahlFS2.userChoose("Italienisch (ab 11)");
  f.WahlNW1.userChoose("Chemie");
  f.WahlGW.userChoose("Sozialwiss.");
  f.WahlEt.userChoose("evan. Religion");
  f.WahlKM.userChoose("Kunst");
  f.VK10EntBox.userChoose("kein VTK+12 GKs (3 Wahlfächer)");
  f.AbwEFBox.userChoose("nach 2. Hj. EF");
  f.WahlVK10.userChoose("Latein (ab 7)");
  f.WahlWa2.userChoose("Musik");
  f.PKEntBox.userChoose("Pro.ku. + Wa.fa.");
  f.WahlWa1.userChoose("Geschichte");
  f.WahlPK.userChoose("Lerntraining");
  f.VK12JNBox.userChoose("ja");
  f.WahlVK30.userChoose("VK Englisch");
  f.LitJNBox.userChoose("vok.prak. GK");
  f.ErsatzfachBut.userClick();
  f.WahlErsatzfach.userChoose("Erdkunde");
  f.ErsatzFachStartBox.userChoose("Q1.1");
  f.ErsatzFachEndeBox.userChoose("Q2.1");
  f.Button4.userClick();
  f.AbiFS2.userChoose("LK A");
  f.AbiDeu.userChoose("LK B");
  f.AbiNW1.userChoose("3. Abifach, schriftlich");
  f.AbiWa1.userChoose("4. Abifach, mündlich");
  f.KMBoxSchriftl.userClick();
  EXPECT_TRUE(f.AbwEtBox.reachable());
  f.AbwEtBox.userChoose("nach Q2.1");

  Laufbahn& l = s.l;
  l.Nachname = "Ørsted-Weiß";
  l.Vorname = "Renée";
  l.ZweiteFSSek1 = 1;
  l.AlternativPK = PKSF;
  for (std::size_t slot = 0; slot < NotenSlots; ++slot) {
    for (std::size_t spalte = 1; spalte <= NotenSpalten; ++spalte) {
      l.Noten[slot][spalte] = static_cast<std::int32_t>((3 * slot + spalte) % 16);
    }
  }
  l.NotenKursZahl = 14;
  for (std::size_t slot = 0; slot < ZaehlartSlots; ++slot) {
    for (std::size_t kurs = 1; kurs <= NotenSpalten; ++kurs) {
      l.KursZaehlart[slot][kurs] = static_cast<std::uint8_t>((slot * kurs) % 7);
    }
  }
  l.KursKurzname[1] = "Fra";
  l.KursKurzname[15] = "Sch.ex.";
  l.AbiNoteBerechnet = 1;
  l.PruefungBestanden = 1;
  l.ZulassungBestanden = 1;
  l.AbiNote = 1.7;
}

TEST_F(Darstellen, SavingAndOpeningRestoresEveryFieldAndControl) {
  Sitzung quelle(Dezember);
  PlanWaehlen(quelle);
  ASSERT_EQ(quelle.l.EFModell, 1);
  ASSERT_EQ(quelle.l.AbwahlEF, 0);
  ASSERT_EQ(quelle.l.Q1Modell, 2);
  ASSERT_EQ(quelle.l.LitWahl, 2);
  ASSERT_EQ(quelle.l.AbwahlEt, 3);
  ASSERT_EQ(quelle.l.ErsatzfachVon, 3);
  ASSERT_EQ(quelle.l.ErsatzfachBis, 5);
  ASSERT_EQ(quelle.l.AbiWahl[AbiPosWa1], 4);
  const fs::path pfad = m_dir / "renee.abi";
  ASSERT_TRUE(quelle.f.DateiSpeichern(pfad));
  EXPECT_EQ(fs::file_size(pfad), 920U);

  Sitzung ziel(Dezember);
  Oeffnen(ziel, pfad);
  EXPECT_EQ(ziel.dialogs.messages(), std::vector<std::string>{});
  EXPECT_EQ(ziel.z.Dateipfad, pfad);
  EXPECT_EQ(ziel.z.Dateiname, "renee.abi");

  auto vorher = PlanAlsJson(quelle.programm);
  auto nachher = PlanAlsJson(ziel.programm);
  // Controls that showing a plan writes differently from the handlers that built it:
  // the Q2 cell of a practical arts course, the caption of the second elective (kept when
  // model 1 is chosen from model 2), the text of a hidden additional-course cell, and the
  // semester boxes of the replacement subject (filled when its panel opens).
  for (const char* name : {"KM3", "Wa20", "ZK13", "ErsatzFachStartBox", "ErsatzFachEndeBox"}) {
    vorher["Controls"].erase(name);
    nachher["Controls"].erase(name);
  }
  EXPECT_EQ(nlohmann::ordered_json::diff(vorher, nachher), nlohmann::ordered_json::array());
  EXPECT_EQ(ziel.f.AbwEFMerker, quelle.f.AbwEFMerker);

  const TForm1& f = ziel.f;
  EXPECT_EQ(f.KM3.text(), "vokalprakt. Kurs");
  EXPECT_EQ(f.Wa20.text(), "2. Wahlfach");
  EXPECT_FALSE(f.ZK13.visible());
  ziel.f.ErsatzfachBut.userClick();
  EXPECT_EQ(f.ErsatzFachStartBox.text(), "Q1.1");
  EXPECT_EQ(f.ErsatzFachEndeBox.text(), "Q2.1");
}

TEST_F(Darstellen, TheElectiveModelsShowTheFirstElectiveInTheQPhase) {
  struct Fall {
    const char* name;
    std::uint8_t q1Modell;
    const char* pkEntBox;
    bool wahlfachInQ;
    bool projektkurs;
  };
  const Fall faelle[] = {
      {"projectCourse", 0, "Projekt", false, true},
      {"electiveContinues", 1, "Wahlfach", true, false},
      {"both", 2, "Pro.ku. + Wa.fa.", true, true},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Sitzung s(Dezember);
    Laufbahn plan;
    plan.Q1Modell = fall.q1Modell;
    plan.Fach[Wa1] = Ge;
    plan.Fach[PK] = fall.projektkurs ? PKKG : leer;
    Oeffnen(s, Schreiben(std::string(fall.name) + ".abi", plan));
    const TForm1& f = s.f;
    EXPECT_EQ(f.PKEntBox.text(), fall.pkEntBox);
    EXPECT_EQ(f.Wa11.text(), "Geschichte");
    EXPECT_EQ(f.WahlWa1.text(), "Geschichte");
    EXPECT_EQ(f.Wa12.visible(), fall.wahlfachInQ);
    EXPECT_EQ(f.Wa13.visible(), fall.wahlfachInQ);
    if (fall.wahlfachInQ) {
      EXPECT_EQ(f.Wa12.text(), "Geschichte");
      EXPECT_EQ(f.Wa13.text(), "Geschichte");
    }
    for (const ui::Control* c : std::initializer_list<const ui::Control*>{&f.PK0, &f.WahlPK, &f.PK1}) {
      EXPECT_EQ(c->visible(), fall.projektkurs) << c->name();
    }
    if (fall.projektkurs) {
      EXPECT_EQ(f.PK1.text(), "Künstl. Gestalten");
      EXPECT_EQ(f.WahlPK.text(), "Künstl. Gestalten");
    }
  }
}

TEST_F(Darstellen, TheEFModelReshapesTheElectiveRows) {
  struct Fall {
    const char* name;
    std::uint8_t efModell;
    std::uint8_t abwahlEF;
    RasterTyp italienisch;  // row holding "Italienisch (ab 11)"; PK for none
    std::uint8_t merker;
    bool abwahlSichtbar;
    const char* abwEFBox;  // checked only when shown
    const char* abwEFLab;
    int wa21, vk11;
    const char* vk10EntBox;
    const char* vk10;
    bool vk1Sichtbar;
    const char* wa20;
  };
  const char* const zweiWahlfaecher = "ein VTK+11 GKs (2 Wahlfächer)";
  const Fall faelle[] = {
      {"model2NewItalianOnlyInSecondElective", 2, 0, Wa2, 0, true, "nach 2. Hj. EF", "Abwahl 2. Wahlfa:", 145, 145,
       zweiWahlfaecher, "Vertief.k. Jg10", true, "2. Wahlfach"},
      {"model2NewItalianAsFirstLanguage", 2, 0, FS1, 1, true, "nach 2. Hj. EF", "Abwahl 2. Wahlfa:", 145, 145,
       zweiWahlfaecher, "Vertief.k. Jg10", true, "2. Wahlfach"},
      {"model2DroppedAfterEF1", 2, 1, FS1, 0, true, "nach 1. Hj. EF", "Abwahl 2. Wahlfa:", 81, 145, zweiWahlfaecher,
       "Vertief.k. Jg10", true, "2. Wahlfach"},
      {"model2WithoutNewItalian", 2, 0, PK, 0, false, "", "", 145, 145, zweiWahlfaecher, "Vertief.k. Jg10", true,
       "2. Wahlfach"},
      {"model1ThirdElectiveDropped", 1, 1, PK, 0, true, "nach 1. Hj. EF", "Abwahl 3. Wahlfa:", 145, 81,
       "kein VTK+12 GKs (3 Wahlfächer)", "3. Wahlfach", true, "2. Wahlfach"},
      {"model1ThirdElectiveKept", 1, 0, PK, 1, true, "nach 2. Hj. EF", "Abwahl 3. Wahlfa:", 145, 145,
       "kein VTK+12 GKs (3 Wahlfächer)", "3. Wahlfach", true, "2. Wahlfach"},
      // Model 0 leaves the caption of the second elective as it stood: the start caption here.
      {"model0", 0, 0, FS1, 0, false, "", "", 145, 145, "kein VTK+11 GKs (2 Wa.fä., nur mit It10/F10)", "2. Wahlfach",
       false, "2. WahlFach"},
      {"model3", 3, 0, FS1, 0, false, "", "", 145, 145, "zwei VTK+10 GKs (1 Wahlfach)", "2.Vertief.k. Jg11", true,
       "1.Vertief.k. Jg11"},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Sitzung s(Dezember);
    Laufbahn plan;
    plan.EFModell = fall.efModell;
    plan.AbwahlEF = fall.abwahlEF;
    if (fall.italienisch != PK) {
      plan.Fach[fall.italienisch] = I0;
    }
    Oeffnen(s, Schreiben(std::string(fall.name) + ".abi", plan));
    const TForm1& f = s.f;
    EXPECT_EQ(s.f.AbwEFMerker, fall.merker);
    EXPECT_EQ(s.l.AbwahlEF, fall.abwahlEF);  // showing a plan changes no stored choice
    EXPECT_EQ(f.AbwEFBox.visible(), fall.abwahlSichtbar);
    EXPECT_EQ(f.AbwEFLab.visible(), fall.abwahlSichtbar);
    if (fall.abwahlSichtbar) {
      EXPECT_EQ(f.AbwEFBox.text(), fall.abwEFBox);
      EXPECT_EQ(f.AbwEFLab.text(), fall.abwEFLab);
    }
    EXPECT_EQ(f.Wa21.width(), fall.wa21);
    EXPECT_EQ(f.VK11.width(), fall.vk11);
    EXPECT_EQ(f.VK10EntBox.text(), fall.vk10EntBox);
    EXPECT_EQ(f.VK10.text(), fall.vk10);
    for (const ui::Control* c : std::initializer_list<const ui::Control*>{&f.VK10, &f.WahlVK10, &f.VK11}) {
      EXPECT_EQ(c->visible(), fall.vk1Sichtbar) << c->name();
    }
    EXPECT_EQ(f.Wa20.text(), fall.wa20);
  }
}

TEST_F(Darstellen, TheRowListsFollowTheModels) {
  Sitzung s(Dezember);
  Laufbahn plan;
  plan.EFModell = 3;
  plan.VKQ22 = 1;
  plan.Fach[Wa2] = VKD;
  plan.Fach[VK3] = VKE;
  Oeffnen(s, Schreiben("vertiefung.abi", plan));
  const TForm1& f = s.f;
  EXPECT_EQ(f.WahlWa2.items(), (std::vector<std::string>{"VK Deutsch", "VK Mathem.", "VK Englisch"}));
  EXPECT_EQ(f.WahlWa2.text(), "VK Deutsch");
  EXPECT_EQ(f.WahlVK10.items().size(), 3U);
  EXPECT_EQ(f.VK12JNBox.text(), "ja");
  for (const ui::Control* c : std::initializer_list<const ui::Control*>{&f.VK30, &f.VK33, &f.WahlVK30}) {
    EXPECT_TRUE(c->visible()) << c->name();
  }
  EXPECT_EQ(f.VK33.text(), "VK Englisch");
  EXPECT_EQ(f.WahlVK30.text(), "VK Englisch");

  plan.EFModell = 1;
  plan.VKQ22 = 0;
  plan.Fach[Wa2] = Ku;
  plan.Fach[VK1] = Inf;
  Oeffnen(s, Schreiben("dreiWahlfaecher.abi", plan));
  EXPECT_EQ(f.WahlWa2.items().size(), 14U);
  EXPECT_EQ(f.WahlVK10.items().size(), 14U);
  EXPECT_EQ(f.WahlVK10.text(), "Informatik");
  EXPECT_EQ(f.VK12JNBox.text(), "nein");
  for (const ui::Control* c : std::initializer_list<const ui::Control*>{&f.VK30, &f.VK33, &f.WahlVK30}) {
    EXPECT_FALSE(c->visible()) << c->name();
  }
}

TEST_F(Darstellen, OptionAndDeselectionBoxesShowTheStoredValues) {
  struct Fall {
    std::uint8_t litWahl, abwahlKM, abwahlEt, abwahlWa1;
    const char* lit;
    const char* km;
    const char* et;
    const char* wa1;
  };
  const Fall faelle[] = {
      {0, 0, 0, 0, "Ku./Mu. bleibt", "keine Abw.", "keine Abw.", "keine Abw."},
      {1, 2, 3, 1, "Literatur", "nach Q1.2", "nach Q2.1", "nach Q1.1"},
      {2, 3, 2, 2, "vok.prak. GK", "nach Q2.1", "nach Q1.2", "nach Q1.2"},
      {3, 0, 0, 3, "inst.prak. GK", "keine Abw.", "keine Abw.", "nach Q2.1"},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.lit);
    Sitzung s(Dezember);
    // Enough hours in the Q phase that courses may be dropped at all.
    Laufbahn plan;
    plan.Q1Modell = 2;
    plan.Fach[Wa1] = I0;
    plan.Fach[PK] = PKSE;
    plan.Fach[GW] = Erd;
    plan.VKQ22 = 1;
    plan.Fach[VK3] = VKD;
    plan.LitWahl = fall.litWahl;
    plan.AbwahlKM = fall.abwahlKM;
    plan.AbwahlEt = fall.abwahlEt;
    plan.AbwahlWa1 = fall.abwahlWa1;
    Oeffnen(s, Schreiben("optionen.abi", plan));
    ASSERT_TRUE(s.f.AbwKMBox.enabled());
    EXPECT_EQ(s.l.AbwahlKM, fall.abwahlKM);
    EXPECT_EQ(s.f.LitJNBox.text(), fall.lit);
    EXPECT_EQ(s.f.AbwKMBox.text(), fall.km);
    EXPECT_EQ(s.f.AbwEtBox.text(), fall.et);
    EXPECT_EQ(s.f.AbwWa1Box.text(), fall.wa1);
  }
}

TEST_F(Darstellen, DefaultWrittenFlagsFollowStageAndRole) {
  struct Fall {
    const char* name;
    int stufe;
    ui::Datum heute;
    RasterTyp raster;
    int rolle;
    FachTyp fach;           // put into the row (leer keeps the start value)
    std::uint8_t q1Modell;  // the first elective counts only in the elective models
    std::uint8_t gespeichert;
    std::uint8_t gezeigt;
  };
  const Fall faelle[] = {
      {"q1OralArtsWithFourthSubjectBecomesWritten", 1, Dezember, KM, 4, Ku, 0, 0, 1},
      {"q1OralScienceWithoutRoleStaysOral", 1, Dezember, NW1, 0, Ph, 0, 0, 0},
      {"q1WrittenScienceWithoutRoleStaysWritten", 1, Dezember, NW1, 0, Ph, 0, 1, 1},
      {"q1FirstLanguageIsWritten", 1, Dezember, FS1, 0, E5, 0, 0, 1},
      {"q1GermanIsWritten", 1, Dezember, De, 0, leer, 0, 0, 1},
      {"q1ElectiveWithRoleInProjectModelKeepsItsFlag", 1, Dezember, Wa1, 4, Ge, 0, 0, 0},
      {"q1ElectiveWithRoleInElectiveModelIsWritten", 1, Dezember, Wa1, 4, Ge, 1, 0, 1},
      {"q21FourthSubjectBecomesWritten", 2, September, KM, 4, Mu, 0, 0, 1},
      {"q22FourthSubjectBecomesOral", 2, Dezember, KM, 4, Ku, 0, 1, 0},
      {"q22ThirdSubjectBecomesWritten", 2, Dezember, KM, 3, Ku, 0, 0, 1},
      {"q22GermanWithoutRoleBecomesOral", 2, Dezember, De, 0, leer, 0, 1, 0},
      {"q22FirstLanguageWithoutRoleBecomesOral", 2, Dezember, FS1, 0, E5, 0, 1, 0},
      {"efLanguageElectiveBecomesWritten", 0, Dezember, Wa1, 0, E5, 0, 0, 1},
      {"efOtherElectiveKeepsItsFlag", 0, Dezember, Wa1, 0, Ge, 0, 0, 0},
      {"efScienceKeepsItsFlag", 0, Dezember, NW1, 0, Ph, 0, 1, 1},
      {"efMathematicsIsWritten", 0, Dezember, Ma, 0, leer, 0, 0, 1},
      {"efSportWithoutReplacementIsOral", 0, Dezember, Sp, 0, Bi, 0, 1, 0},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Sitzung s(fall.heute, fall.stufe);
    Laufbahn plan;
    plan.Q1Modell = fall.q1Modell;
    if (fall.fach != leer) {
      plan.Fach[fall.raster] = fall.fach;
    }
    const int position = RasterAbiPosition(fall.raster);
    if (position >= 0) {
      plan.AbiWahl[static_cast<std::size_t>(position)] = fall.rolle;
    }
    plan.Schriftlich[fall.raster] = fall.gespeichert;
    Oeffnen(s, Schreiben("schriftlich.abi", plan));
    EXPECT_EQ(s.dialogs.messages(), std::vector<std::string>{});
    EXPECT_EQ(s.l.Schriftlich[fall.raster], fall.gezeigt);
  }
}

TEST_F(Darstellen, AnEmptyRowKeepsTheTextOfItsChoiceBox) {
  Sitzung s(Dezember);
  s.f.WahlGW.userChoose("Erdkunde");
  s.f.WahlKM.userChoose("Musik");
  s.f.WahlNW1.userChoose("Chemie");
  Laufbahn plan;
  plan.Fach[Sp] = leer;   // no further replacement subject
  plan.Fach[FS1] = I1;    // the older code, read as I0
  plan.Fach[PK] = PKIA;   // offered by no list
  plan.Fach[VK1] = PKSE;  // a project code where deep-dive courses belong
  Oeffnen(s, Schreiben("leer.abi", plan));
  const TForm1& f = s.f;
  EXPECT_EQ(f.GW1.text(), "");
  EXPECT_EQ(f.WahlGW.text(), "Erdkunde");
  EXPECT_EQ(f.KM3.text(), "");
  EXPECT_EQ(f.WahlKM.text(), "Musik");
  EXPECT_EQ(f.WahlNW1.text(), "Chemie");
  EXPECT_EQ(f.NW11.text(), "");
  EXPECT_EQ(f.WahlErsatzfach.text(), "kein weiteres Ersatzfach");
  EXPECT_EQ(f.WahlFS1.text(), "Italienisch (ab 11)");
  EXPECT_EQ(f.FS12.text(), "Italienisch");
  EXPECT_EQ(f.WahlPK.text(), "Israelprojekt");
  EXPECT_EQ(f.PK1.text(), "Israelprojekt");
  EXPECT_EQ(f.WahlVK10.text(), "Schüler experi.");
  EXPECT_EQ(f.VK11.color(), ui::farben::Silber);
}

TEST_F(Darstellen, RolesFocusAndTidyingAreShown) {
  Sitzung s(Dezember);
  s.f.AufraeumenBut.userClick();  // hides every empty Abitur box
  ASSERT_FALSE(s.f.AbiKM.visible());
  Laufbahn plan;
  plan.SchwerpunktFS = 1;
  plan.Fach[FS2] = F7;
  plan.AbiWahl[AbiPosFS2] = 1;
  plan.AbiWahl[AbiPosMa] = 2;
  plan.AbiWahl[AbiPosSp] = 3;
  plan.AbiWahl[AbiPosKM] = 4;
  Oeffnen(s, Schreiben("rollen.abi", plan));
  const TForm1& f = s.f;
  EXPECT_EQ(f.AbiFS2.itemIndex(), 1);
  EXPECT_EQ(f.AbiFS2.text(), "LK A");
  EXPECT_EQ(f.AbiMa.text(), "LK B");
  EXPECT_EQ(f.AbiSp.text(), "3. Abifach, schriftlich");
  EXPECT_EQ(f.AbiKM.text(), "4. Abifach, mündlich");
  EXPECT_EQ(f.AbiDeu.itemIndex(), 0);
  EXPECT_EQ(f.Schwerpunkt.text(), "Fremdsprachlicher Schwerpunkt");
  for (const ui::Control* c :
       std::initializer_list<const ui::Control*>{&f.AbiFS2, &f.FS20, &f.WahlFS2, &f.FS21, &f.FS22, &f.FS23}) {
    EXPECT_TRUE(c->visible()) << c->name();
  }
  for (const ui::Control* c :
       std::initializer_list<const ui::Control*>{&f.AbiNW2, &f.NW20, &f.WahlNW2, &f.NW21, &f.NW22, &f.NW23}) {
    EXPECT_FALSE(c->visible()) << c->name();
  }
  EXPECT_EQ(f.FS21.text(), "Französisch");
  for (const ui::ChoiceBox* box :
       {&f.AbiFS1, &f.AbiNW1, &f.AbiDeu, &f.AbiMa, &f.AbiKM, &f.AbiEt, &f.AbiGW, &f.AbiSp, &f.AbiWa1}) {
    EXPECT_TRUE(box->visible()) << box->name();
  }
  EXPECT_EQ(s.f.AbiLeerVerborgen, 0);
  EXPECT_EQ(f.AufraeumenBut.text(), "leere Abiturfächer verbergen");
  EXPECT_EQ(f.AufraeumenBut.hint(), "blendet nicht gewählte Abiturfächer aus");
  EXPECT_EQ(s.l.SchwerpunktFS, 1);
  EXPECT_EQ(s.l.Fach[FS2], F7);  // the focus is shown, not chosen again
}

TEST_F(Darstellen, TheVersionLabelNamesTheFileInTeacherMode) {
  const fs::path pfad = Schreiben("Muell_Jonas.abi", Laufbahn{});
  Sitzung schueler(Dezember);
  Oeffnen(schueler, pfad);
  EXPECT_EQ(schueler.f.VersionsLab.text(), "Abiturjahrgang 2027 G9 - Version 25.2");
  EXPECT_FALSE(schueler.f.LehrerVersionsLab.visible());

  Sitzung lehrer(Dezember);
  lehrer.z.Lehrermodus = 1;
  Oeffnen(lehrer, pfad);
  EXPECT_EQ(lehrer.f.VersionsLab.text(), "Muell_Jonas.abi");
  EXPECT_EQ(lehrer.f.LehrerVersionsLab.text(), " G9 - Version 25.2");
  EXPECT_TRUE(lehrer.f.LehrerVersionsLab.visible());

  // The file name is what follows the last backslash of the chosen path.
  const fs::path windowsName = Schreiben("Q1\\Kurz_Anna.abi", Laufbahn{});
  Oeffnen(lehrer, windowsName);
  EXPECT_EQ(lehrer.z.Dateiname, "Kurz_Anna.abi");
  EXPECT_EQ(lehrer.z.Dateipfad, windowsName);
  EXPECT_EQ(lehrer.f.VersionsLab.text(), "Kurz_Anna.abi");
}

TEST_F(Darstellen, AnEmptyFileCorrectsAndShowsTheCurrentPlan) {
  Sitzung s(Dezember);
  s.l.Fach[FS1] = I1;
  s.l.Fach[GW] = Ge;  // stored, but not yet shown
  s.l.ErsatzfachVon = 0;
  s.l.ErsatzfachBis = 9;
  const fs::path pfad = RohSchreiben("leer.abi", {});
  ASSERT_EQ(fs::file_size(pfad), 0U);
  Oeffnen(s, pfad);
  EXPECT_EQ(s.dialogs.messages(), std::vector<std::string>{});
  EXPECT_EQ(s.l.Fach[FS1], I0);
  EXPECT_EQ(s.l.ErsatzfachVon, 1);
  EXPECT_EQ(s.l.ErsatzfachBis, 6);
  EXPECT_EQ(s.f.GW1.text(), "Geschichte");
  EXPECT_EQ(s.f.WahlGW.text(), "Geschichte");
  EXPECT_EQ(s.f.FS11.text(), "Italienisch");
}

TEST_F(Darstellen, TheLastWholeRecordIsInForce) {
  Laufbahn erster;
  erster.Fach[GW] = Ge;
  erster.Nachname = "Erster";
  Laufbahn zweiter;
  zweiter.Fach[GW] = Sw;
  zweiter.Nachname = "Zweiter";
  struct Fall {
    const char* name;
    std::vector<PlanRecord> records;
    std::size_t rest;
    FachTyp gw;
    const char* nachname;
  };
  const Fall faelle[] = {
      {"twoRecords", {PlanRecordAus(erster), PlanRecordAus(zweiter)}, 0, Sw, "Zweiter"},
      {"trailingPartIsNotRead", {PlanRecordAus(erster)}, 919, Ge, "Erster"},
      {"onlyAPart", {}, 500, Erd, "Vorher"},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Sitzung s(Dezember);
    s.f.WahlGW.userChoose("Erdkunde");
    s.l.Nachname = "Vorher";
    const fs::path pfad = RohSchreiben(std::string(fall.name) + ".abi", fall.records, fall.rest);
    Oeffnen(s, pfad);
    EXPECT_EQ(s.dialogs.messages(), std::vector<std::string>{});
    EXPECT_EQ(s.l.Fach[GW], fall.gw);
    EXPECT_EQ(s.f.GW2.text(), FachName(fall.gw));
    EXPECT_EQ(s.l.Nachname, fall.nachname);
  }
}

TEST_F(Darstellen, ReplacedSemestersOutsideTheYearsGetTheirDefaults) {
  struct Fall {
    std::int32_t von, bis;
    std::int32_t vonGelesen, bisGelesen;
  };
  const Fall faelle[] = {
      {0, 7, 1, 6},   {7, 0, 1, 6}, {-1, 6, 1, 6},
      {3, 100, 3, 6}, {5, 2, 5, 2},  // a reversed range is accepted as it stands
      {6, 6, 6, 6},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(std::to_string(fall.von) + ".." + std::to_string(fall.bis));
    Sitzung s(Dezember);
    Laufbahn plan;
    plan.ErsatzfachAktiv = 1;
    plan.ErsatzfachVon = fall.von;
    plan.ErsatzfachBis = fall.bis;
    Oeffnen(s, Schreiben("ersatzfach.abi", plan));
    EXPECT_EQ(s.dialogs.messages(), std::vector<std::string>{});
    EXPECT_EQ(s.l.ErsatzfachVon, fall.vonGelesen);
    EXPECT_EQ(s.l.ErsatzfachBis, fall.bisGelesen);
  }
}

TEST_F(Darstellen, TheOlderItalianCodeIsReplacedInTheLanguageAndElectiveRowsOnly) {
  Sitzung s(Dezember);
  Laufbahn plan;
  plan.Fach.fill(I1);
  Oeffnen(s, Schreiben("italienisch.abi", plan));
  EXPECT_EQ(s.dialogs.messages(), std::vector<std::string>{});
  for (int raster = 0; raster < RasterAnzahl; ++raster) {
    const bool ersetzt = raster == FS1 || raster == FS2 || raster == Wa1 || raster == Wa2 || raster == VK1;
    EXPECT_EQ(s.l.Fach[static_cast<std::size_t>(raster)], ersetzt ? I0 : I1) << RasterName(raster);
  }
  EXPECT_EQ(s.f.WahlErsatzfach.text(), "Italienisch (ab 11)");
}

TEST_F(Darstellen, APlanWithUnknownValuesIsRefusedAndThePlanOnScreenStays) {
  struct Fall {
    const char* name;
    std::size_t offset;
    std::vector<std::uint8_t> bytes;
  };
  const Fall faelle[] = {
      {"subjectCodeBeyondTheCatalogue", 14, {41}},
      {"subjectCode255", 0, {255}},
      {"roleFive", 16 + 4 * AbiPosNW1, {5, 0, 0, 0}},
      {"negativeRole", 16, {0xFF, 0xFF, 0xFF, 0xFF}},
      {"litWahl4", 62, {4}},
      {"abwahlEF2", 64, {2}},
      {"abwahlWa1Four", 67, {4}},
      {"abwahlEtAfterQ11", 68, {1}},
      {"abwahlKMFour", 69, {4}},
      {"q1Modell3", 70, {3}},
      {"efModell4", 71, {4}},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Sitzung s(Dezember);
    s.f.WahlNW1.userChoose("Physik");
    s.f.AbiNW1.userChoose("LK A");
    s.programm.laufzeit().Dateiname = "vorher.abi";
    const auto vorher = PlanAlsJson(s.programm);

    Laufbahn plan;
    plan.Fach[GW] = Sw;
    PlanRecord record = PlanRecordAus(plan);
    std::copy(fall.bytes.begin(), fall.bytes.end(), record.begin() + static_cast<std::ptrdiff_t>(fall.offset));
    const fs::path pfad = RohSchreiben(std::string(fall.name) + ".abi", {record});
    Oeffnen(s, pfad);

    ASSERT_EQ(s.dialogs.messages().size(), 1U);
    EXPECT_NE(s.dialogs.messages()[0].find(pfad.string()), std::string::npos) << s.dialogs.messages()[0];
    EXPECT_EQ(nlohmann::ordered_json::diff(vorher, PlanAlsJson(s.programm)), nlohmann::ordered_json::array());
    EXPECT_EQ(s.programm.laufzeit().Dateiname, "vorher.abi");  // the plan on screen keeps its file
  }
}

// A byte flag other than 0 and 1 indexes no table; the file is read as it stands.
TEST_F(Darstellen, AnUnusualFlagByteIsTakenAsItStands) {
  Sitzung s(Dezember);
  Laufbahn plan;
  plan.Fach[GW] = Sw;
  PlanRecord record = PlanRecordAus(plan);
  record[65] = 2;  // ErsatzfachAktiv
  Oeffnen(s, RohSchreiben("flag.abi", {record}));
  EXPECT_EQ(s.dialogs.messages(), std::vector<std::string>{});
  EXPECT_EQ(FachCodeName(s.l.Fach[GW]), "Sw");
  EXPECT_EQ(static_cast<int>(s.l.ErsatzfachAktiv), 2);
  EXPECT_EQ(s.f.SP1.text(), "Sport");  // only 1 replaces sport
}

TEST_F(Darstellen, AMissingFileOrADirectoryIsReportedAndThePlanStays) {
  for (const fs::path& pfad : {m_dir / "fehlt.abi", m_dir}) {
    SCOPED_TRACE(pfad.string());
    Sitzung s(Dezember);
    s.f.WahlGW.userChoose("Erdkunde");
    const auto vorher = PlanAlsJson(s.programm);
    Oeffnen(s, pfad);
    ASSERT_EQ(s.dialogs.messages().size(), 1U);
    EXPECT_NE(s.dialogs.messages()[0].find(pfad.string()), std::string::npos);
    EXPECT_EQ(nlohmann::ordered_json::diff(vorher, PlanAlsJson(s.programm)), nlohmann::ordered_json::array());
  }
}

TEST_F(Darstellen, CancellingTheOpenDialogChangesNothing) {
  Sitzung s(Dezember);
  s.f.WahlGW.userChoose("Erdkunde");
  s.z.Dateiname = "alt.abi";
  const auto vorher = PlanAlsJson(s.programm);
  s.f.Button3.userClick();  // no answer queued: cancelled
  EXPECT_EQ(s.dialogs.messages(), std::vector<std::string>{});
  EXPECT_EQ(s.z.Dateiname, "alt.abi");
  EXPECT_EQ(nlohmann::ordered_json::diff(vorher, PlanAlsJson(s.programm)), nlohmann::ordered_json::array());
}

TEST_F(Darstellen, SavingAppendsTheExtensionOnlyToAPathWithoutADot) {
  fs::create_directories(m_dir / "stufe.q1");
  struct Fall {
    const char* name;
    fs::path antwort;
    fs::path datei;
  };
  const Fall faelle[] = {
      {"noExtension", m_dir / "plan", m_dir / "plan.abi"},
      {"ownExtension", m_dir / "plan.bak", m_dir / "plan.bak"},
      {"dotInTheDirectory", m_dir / "stufe.q1" / "plan", m_dir / "stufe.q1" / "plan"},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.name);
    Sitzung s(Dezember);
    s.f.WahlGW.userChoose("Sozialwiss.");
    s.dialogs.queueFile(fall.antwort);
    s.f.Button5.userClick();
    EXPECT_EQ(s.dialogs.messages(), std::vector<std::string>{});
    ASSERT_TRUE(fs::exists(fall.datei));
    EXPECT_EQ(fs::file_size(fall.datei), 920U);
    EXPECT_EQ(Inhalt(fall.datei)[GW], static_cast<char>(Sw));
    if (fall.antwort != fall.datei) {
      EXPECT_FALSE(fs::exists(fall.antwort));
    }
    fs::remove(fall.datei);
  }
}

TEST_F(Darstellen, TheSaveDialogStartsInTheStageDirectoryOnceAStageIsLoaded) {
  struct Fall {
    int stufe;
    int stufeGeladen;
    fs::path verzeichnis;
    const char* vorschlag;
  };
  const fs::path wurzel = m_dir / "Lehrer";
  const Fall faelle[] = {
      {1, 0, fs::path(), ""},
      {0, 1, wurzel / "EF", "Muell_Jonas.abi"},
      {1, 1, wurzel / "Q1", "Muell_Jonas.abi"},
      {2, 1, wurzel / "Q2", "Muell_Jonas.abi"},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(std::to_string(fall.stufe) + "/" + std::to_string(fall.stufeGeladen));
    Sitzung s(Dezember, fall.stufe, wurzel);
    EXPECT_EQ(s.z.Stufenverzeichnis, wurzel);
    s.z.StufeGeladen = fall.stufeGeladen;
    s.z.Dateiname = "Muell_Jonas.abi";
    s.f.Button5.userClick();  // cancelled
    EXPECT_EQ(s.dialogs.lastInitialDirectory(), fall.verzeichnis);
    EXPECT_EQ(s.dialogs.lastProposedName(), fall.vorschlag);
    EXPECT_EQ(s.dialogs.messages(), std::vector<std::string>{});
  }
  EXPECT_TRUE(fs::is_empty(m_dir));
}

TEST_F(Darstellen, TheAbiturBoxesDecideTheStoredRoles) {
  Sitzung s(Dezember);
  s.f.AbiNW1.userChoose("LK A");
  s.f.AbiNW1.setText("LK C");  // a text that is no item: no selection
  ASSERT_EQ(s.f.AbiNW1.itemIndex(), -1);
  s.f.AbiFS1.setText("LK B");  // shown without its handler
  s.l.AbiWahl[AbiPosGW] = 3;   // no box shows it
  const fs::path pfad = m_dir / "rollen.abi";
  ASSERT_TRUE(s.f.DateiSpeichern(pfad));

  const std::vector<char> bytes = Inhalt(pfad);
  ASSERT_EQ(bytes.size(), 920U);
  EXPECT_EQ(Int32At(bytes, 16 + 4 * AbiPosNW1), 0);
  EXPECT_EQ(Int32At(bytes, 16 + 4 * AbiPosFS1), 2);
  EXPECT_EQ(Int32At(bytes, 16 + 4 * AbiPosGW), 0);
  EXPECT_EQ(s.l.AbiWahl[AbiPosNW1], 0);
  EXPECT_EQ(s.l.AbiWahl[AbiPosFS1], 2);
  EXPECT_EQ(s.l.AbiWahl[AbiPosGW], 0);
}

TEST_F(Darstellen, AFailedSaveIsReportedAndLeavesTheOldFile) {
  Sitzung s(Dezember);
  s.f.WahlGW.userChoose("Geschichte");
  const fs::path alt = m_dir / "alt.abi";
  ASSERT_TRUE(s.f.DateiSpeichern(alt));
  const std::vector<char> altInhalt = Inhalt(alt);
  s.f.WahlGW.userChoose("Erdkunde");

  EXPECT_FALSE(s.f.DateiSpeichern(m_dir));
  ASSERT_EQ(s.dialogs.messages().size(), 1U);
  EXPECT_NE(s.dialogs.messages().back().find(m_dir.string()), std::string::npos) << s.dialogs.messages().back();

  // Through "Speichern": a name with a dot gets no extension, so the directory is the target.
  struct Fall {
    const char* name;
    fs::path pfad;
  };
  const Fall faelle[] = {
      {"directoryNamedLikeAPlan", m_dir / "verzeichnis.abi"},
      {"missingDirectory", m_dir / "fehlt" / "plan.abi"},
  };
  fs::create_directories(m_dir / "verzeichnis.abi");
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.name);
    const std::size_t meldungen = s.dialogs.messages().size();
    s.dialogs.queueFile(fall.pfad);
    s.f.Button5.userClick();
    ASSERT_EQ(s.dialogs.messages().size(), meldungen + 1);
    EXPECT_NE(s.dialogs.messages().back().find(fall.pfad.string()), std::string::npos) << s.dialogs.messages().back();
  }
  EXPECT_TRUE(fs::is_directory(m_dir / "verzeichnis.abi"));
  EXPECT_TRUE(fs::is_empty(m_dir / "verzeichnis.abi"));
  EXPECT_FALSE(fs::exists(m_dir / "fehlt"));
  EXPECT_EQ(Inhalt(alt), altInhalt);
  // Nothing but the old file and the directory is left behind.
  EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 2);
}

}  // namespace
}  // namespace kelvaro
