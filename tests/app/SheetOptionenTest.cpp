// `kelvaro sheet` with the name panel's inputs on the command line: the alternative project
// course and the lower-secondary languages, checked by the panel itself.

#include "app/Kommandozeile.h"
#include "plan/Katalog.h"
#include "plan/PlanDatei.h"
#include "support/Faelle.h"
#include "support/Plaene.h"
#include "support/Testprogramm.h"
#include "ui/Printer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

struct Fall {
  std::string name;
  std::vector<std::string> optionen;
  int code;
  std::string meldung;   // what stderr starts with; empty for a printed sheet
  std::string gedruckt;  // a line the printed sheet holds
};

// Hands every call on to a recorder the test keeps after the command has let go of its printer.
class Weitergabe : public ui::Printer {
 public:
  explicit Weitergabe(ui::RecordingPrinter& ziel) : m_ziel(ziel) {}
  int pageWidth() const override { return m_ziel.pageWidth(); }
  bool beginJob(const std::string& title) override { return m_ziel.beginJob(title); }
  bool endJob() override { return m_ziel.endJob(); }
  void text(int x, int y, const std::string& text, const std::string& font, int size, bool bold) override {
    m_ziel.text(x, y, text, font, size, bold);
  }
  void line(int x1, int y1, int x2, int y2) override { m_ziel.line(x1, y1, x2, y2); }
  void setFillColor(ui::Farbe color) override { m_ziel.setFillColor(color); }
  void fillRect(const ui::Rechteck& rect) override { m_ziel.fillRect(rect); }
  void outlineRect(const ui::Rechteck& rect) override { m_ziel.outlineRect(rect); }
  void picture(const ui::Rechteck& rect, const std::string& name) override { m_ziel.picture(rect, name); }

 private:
  ui::RecordingPrinter& m_ziel;
};

class Sheet : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::replace(name.begin(), name.end(), '/', '-');
    m_dir = fs::temp_directory_path() / ("kelvaro-sheet-" + name);
    fs::create_directories(m_dir);
  }
  void TearDown() override { fs::remove_all(m_dir); }

  int Ausfuehren(const std::vector<std::string>& argumente) {
    m_out.str("");
    m_err.str("");
    const PdfDruckerFabrik drucker = [this](const fs::path&) -> std::unique_ptr<ui::Printer> {
      m_drucker = std::make_unique<ui::RecordingPrinter>();
      return std::make_unique<Weitergabe>(*m_drucker);
    };
    m_drucker.reset();
    return KommandozeileAusfuehren(argumente, m_out, m_err, ui::Datum{2026, 2, 10}, drucker);
  }

  // The clean Q1 plan with the project course "Schüler experi." and nothing declared on the
  // name panel yet, as a copy the test may change.
  std::string PlanBauen() {
    const fs::path plan = m_dir / "plan.abi";
    fs::copy_file(test::Testdatei("q1-gueltig.abi"), plan, fs::copy_options::overwrite_existing);
    return plan.string();
  }

  std::string Gedruckt() const {
    std::string text;
    if (m_drucker != nullptr) {
      for (const auto& aufruf : m_drucker->aufrufe()) {
        text += aufruf.text + "\n";
      }
    }
    return text;
  }

  fs::path m_dir;
  std::ostringstream m_out;
  std::ostringstream m_err;
  std::unique_ptr<ui::RecordingPrinter> m_drucker;
};

class SheetOptionen : public Sheet, public ::testing::WithParamInterface<Fall> {};

TEST_P(SheetOptionen, EnterTheNamePanelsInputsAndItsChecksDecide) {
  const Fall& fall = GetParam();
  std::vector<std::string> argumente = {"sheet",     PlanBauen(), "--pdf",      (m_dir / "z.pdf").string(),
                                        "--vorname", "Anna",      "--nachname", "Schmidt",
                                        "--date",    "2026-02-10"};
  argumente.insert(argumente.end(), fall.optionen.begin(), fall.optionen.end());
  EXPECT_EQ(Ausfuehren(argumente), fall.code) << m_err.str();
  EXPECT_EQ(m_err.str().substr(0, fall.meldung.size()), fall.meldung);
  if (fall.gedruckt.empty()) {
    EXPECT_EQ(m_drucker, nullptr);
  } else {
    EXPECT_NE(Gedruckt().find(fall.gedruckt), std::string::npos) << Gedruckt();
  }
}

const char* const Podcast = "Alternativwahl für den Projektkurs : Podcast";

INSTANTIATE_TEST_SUITE_P(
    Faelle, SheetOptionen,
    ::testing::Values(
        // Nothing declared: the panel's notice on the languages.
        Fall{"noDeclaration", {}, 1, "Wenn Sie in Klasse 7 bis 10 keine zweite Fremdsprache belegt haben, ", ""},
        Fall{"noAlternative", {"--zweite-fs-sek1", "1"}, 1, "Es wurde kein alternativer Projektkurs gewählt.", ""},
        Fall{"printed", {"--zweite-fs-sek1", "1", "--alternativ-pk", "Podcast"}, 0, "", Podcast},
        Fall{"bothLanguagesDeclared", {"--zweite-fs-sek1", "3", "--alternativ-pk", "Podcast"}, 0, "", Podcast},
        Fall{"sameAsFirstChoice",
             {"--zweite-fs-sek1", "1", "--alternativ-pk", "Schüler experi."},
             1,
             "Erstwahl nund Alternativwahl für den Projektkurs sind identisch.",
             ""},
        // Italian from year 9 declared but not continued in the plan.
        Fall{"italianNotContinued",
             {"--zweite-fs-sek1", "2", "--alternativ-pk", "Podcast"},
             1,
             "Wenn Sie in Klasse 7 bis 10 keine zweite Fremdsprache belegt haben, \njedoch Italienisch ab Klasse 9",
             ""},
        Fall{"notInTheList",
             {"--zweite-fs-sek1", "1", "--alternativ-pk", "Kochkurs"},
             2,
             "Unbekannter Projektkurs \"Kochkurs\" (--alternativ-pk): erlaubt sind \"Schüler experi.\", ",
             ""},
        Fall{"languagesOutOfRange", {"--zweite-fs-sek1", "4"}, 2, "Ungültiger Wert \"4\" für --zweite-fs-sek1", ""},
        Fall{"languagesNoNumber", {"--zweite-fs-sek1", "ja"}, 2, "Ungültiger Wert \"ja\" für --zweite-fs-sek1", ""},
        Fall{"missingValue", {"--alternativ-pk"}, 2, "Die Option --alternativ-pk braucht einen Wert.", ""}),
    test::FallName<Fall>);

TEST_F(Sheet, TheAlternativeOptionOverridesTheStoredOneAndHasNoPlaceInDecember) {
  std::string plan = PlanBauen();
  Laufbahn l;
  ASSERT_EQ(PlanDateiLesen(plan, l).gelesen, 1);
  l.AlternativPK = PKSF;
  l.ZweiteFSSek1 = 1;
  ASSERT_FALSE(PlanDateiSchreiben(plan, l).has_value());
  const std::vector<std::string> basis = {"sheet",     plan,        "--pdf",      (m_dir / "z.pdf").string(),
                                          "--vorname", "Anna",      "--nachname", "Schmidt",
                                          "--date",    "2026-02-10"};
  EXPECT_EQ(Ausfuehren(basis), 0) << m_err.str();
  EXPECT_NE(Gedruckt().find("Alternativwahl für den Projektkurs : Schülerfirma"), std::string::npos);
  std::vector<std::string> mitOption = basis;
  mitOption.insert(mitOption.end(), {"--alternativ-pk", "Podcast"});
  EXPECT_EQ(Ausfuehren(mitOption), 0) << m_err.str();
  EXPECT_NE(Gedruckt().find(Podcast), std::string::npos);

  // In December the exam choices of Q1.2 are made: the panel has no alternative to choose.
  std::vector<std::string> dezember = basis;
  dezember.insert(dezember.end(), {"--date", "2025-12-10", "--alternativ-pk", "Podcast"});
  EXPECT_EQ(Ausfuehren(dezember), 2);
  EXPECT_EQ(m_err.str(), "Für diese Laufbahn gibt es keine Alternativwahl für den Projektkurs (--alternativ-pk).\n");
  EXPECT_EQ(m_drucker, nullptr);
  dezember.resize(dezember.size() - 2);
  EXPECT_EQ(Ausfuehren(dezember), 0) << m_err.str();
}

}  // namespace
}  // namespace kelvaro
