// The printed selection sheet read back as a school office would: the PDF rendered at
// 300 dpi, the barcode read by a scanner program, the text extracted.

#include "plan/Katalog.h"
#include "plan/PlanDatei.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

// Runs a shell command; its standard output and exit code.
std::pair<std::string, int> Ausfuehren(const std::string& befehl) {
  std::string ausgabe;
  FILE* rohr = popen(befehl.c_str(), "r");
  if (rohr == nullptr) {
    return {"", -1};
  }
  std::array<char, 4096> puffer{};
  std::size_t gelesen = 0;
  while ((gelesen = std::fread(puffer.data(), 1, puffer.size(), rohr)) > 0) {
    ausgabe.append(puffer.data(), gelesen);
  }
  const int status = pclose(rohr);
  return {ausgabe, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

std::string Zitiert(const std::string& text) {
  return "'" + text + "'";
}

class Wahlzettel : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() /
            ("kelvaro-e2e-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
  }
  void TearDown() override { fs::remove_all(m_dir); }

  // A complete plan for Q1 as a student builds it, with the declarations made on the name
  // panel: a second foreign language in years 7 to 10 and an alternative project course.
  fs::path PlanBauen() {
    const fs::path plan = m_dir / "plan.abi";
    const std::string befehl =
        std::string(KELVARO_EXECUTABLE) +
        " edit --date 2026-02-10 --event 'WahlFS1=Englisch (ab 5)' --event WahlNW1=Physik --event WahlNW2=Chemie"
        " --event WahlGW=Geschichte --event 'WahlEt=evan. Religion' --event WahlKM=Musik"
        " --event 'WahlWa1=Französisch (ab 7)' --event WahlWa2=Informatik --event 'WahlVK10=VK Mathem.'"
        " --event 'WahlPK=Schüler experi.' --event 'AbiFS1=LK A' --event 'AbiNW1=LK B'"
        " --event 'AbiMa=3. Abifach, schriftlich' --event 'AbiGW=4. Abifach, mündlich' --event VK12JNBox=ja"
        " --event 'WahlVK30=VK Deutsch' --save " +
        Zitiert(plan.string()) + " > /dev/null";
    EXPECT_EQ(Ausfuehren(befehl).second, 0);
    Laufbahn l;
    EXPECT_EQ(PlanDateiLesen(plan, l).gelesen, 1);
    l.ZweiteFSSek1 = 1;
    l.AlternativPK = PKSF;
    EXPECT_FALSE(PlanDateiSchreiben(plan, l).has_value());
    return plan;
  }

  fs::path m_dir;
};

TEST_F(Wahlzettel, TheBarcodeOnThePrintedSheetReadsBackAsItsCharacters) {
  struct Fall {
    const char* name;
    const char* vorname;
    const char* nachname;
  };
  const Fall faelle[] = {
      {"plainNames", "Anna", "Schmidt"},
      {"umlautsAndHyphen", "Zoé", "Müller-Lüdenscheidt"},
      {"shortNamesAndSharpS", "Li", "Öß"},
  };
  const fs::path plan = PlanBauen();
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.name);
    const fs::path pdf = m_dir / (std::string(fall.name) + ".pdf");
    const std::string namen = " --vorname " + Zitiert(fall.vorname) + " --nachname " + Zitiert(fall.nachname);
    const auto [fehler, code] = Ausfuehren(std::string(KELVARO_EXECUTABLE) + " sheet " + Zitiert(plan.string()) +
                                           " --pdf " + Zitiert(pdf.string()) + " --date 2026-02-10" + namen + " 2>&1");
    ASSERT_EQ(code, 0) << fehler;
    ASSERT_TRUE(fs::exists(pdf));

    const auto [barcode, barcodeCode] = Ausfuehren(std::string(KELVARO_EXECUTABLE) + " barcode " +
                                                   Zitiert(plan.string()) + " --date 2026-02-10" + namen);
    ASSERT_EQ(barcodeCode, 0);
    const std::string zeichen = barcode.substr(barcode.rfind('\n', barcode.size() - 2) + 1);
    ASSERT_EQ(zeichen.size(), 28U) << zeichen;  // 27 characters and the line feed

    const fs::path bild = m_dir / fall.name;
    ASSERT_EQ(
        Ausfuehren("pdftoppm -r 300 -png -singlefile " + Zitiert(pdf.string()) + " " + Zitiert(bild.string())).second,
        0);
    const auto [gelesen, zbarCode] = Ausfuehren("zbarimg --raw -q --nodbus " + Zitiert(bild.string() + ".png"));
    ASSERT_EQ(zbarCode, 0);
    EXPECT_EQ(gelesen, zeichen);

    const auto [text, textCode] = Ausfuehren("pdftotext -layout " + Zitiert(pdf.string()) + " -");
    ASSERT_EQ(textCode, 0);
    for (const std::string& erwartet :
         {std::string("Tarnisches Gymnasium Velmarsk"),
          std::string("Wahlzettel für die Fächer der kommenden Jahrgangsstufe Q1 (12)"),
          std::string(fall.vorname) + " " + fall.nachname, std::string("1. Englisch (ab 5) (schriftl.)"),
          std::string("Leistungskurs Block A: Englisch (ab 5)"), std::string("Prüfkennung:")}) {
      EXPECT_NE(text.find(erwartet), std::string::npos) << erwartet << "\n" << text;
    }
  }
}

TEST_F(Wahlzettel, APlanThatBreaksARuleIsNotPrinted) {
  const fs::path plan = PlanBauen();
  Laufbahn l;
  ASSERT_EQ(PlanDateiLesen(plan, l).gelesen, 1);
  l.Fach[GW] = leer;
  ASSERT_FALSE(PlanDateiSchreiben(plan, l).has_value());
  const fs::path pdf = m_dir / "nein.pdf";
  const auto [fehler, code] =
      Ausfuehren(std::string(KELVARO_EXECUTABLE) + " sheet " + Zitiert(plan.string()) + " --pdf " +
                 Zitiert(pdf.string()) + " --date 2026-02-10 --vorname Anna --nachname Schmidt 2>&1");
  EXPECT_EQ(code, 1);
  EXPECT_NE(fehler.find("Es wurde keine Gesellschaftswissenschaft gewählt."), std::string::npos) << fehler;
  EXPECT_FALSE(fs::exists(pdf));
}

TEST_F(Wahlzettel, TheOutOfDateEditionRefusesToPrint) {
  const fs::path plan = PlanBauen();
  const fs::path pdf = m_dir / "veraltet.pdf";
  const auto [fehler, code] = Ausfuehren(std::string(KELVARO_EXECUTABLE) + " sheet " + Zitiert(plan.string()) +
                                         " --pdf " + Zitiert(pdf.string()) + " --vorname Anna --nachname Schmidt 2>&1");
  EXPECT_EQ(code, 1);
  EXPECT_NE(fehler.find("Das Programm ist nicht mehr aktuell !"), std::string::npos) << fehler;
  EXPECT_FALSE(fs::exists(pdf));
}

}  // namespace
}  // namespace kelvaro
