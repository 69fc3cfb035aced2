#pragma once

#include "evaluation/Notenbuch.h"
#include "plan/Katalog.h"
#include "ui/Controls.h"
#include "ui/Window.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>

namespace kelvaro {

class Programm;

// The main window's logic (`TForm1`): the course grid with its choice boxes, stage cells,
// Abitur and written boxes, the model and deselection boxes, the course-count and hour
// displays, the file buttons, and the operations that keep them in step with the plan.
// The handlers are split over several source files by topic: subject choice, focus and
// replacement subject, models, Abitur roles, clearing, start-up, showing and files.
class TForm1 : public ui::Window {
 public:
  explicit TForm1(Programm& programm);

  // Design widths of the stage cells: a whole stage, a course that ends after the first
  // half-year, and one half of the split sport cell. Scaled by `Skalierung` when set.
  static constexpr int VolleBreite = 145;
  static constexpr int HalbeBreite = 81;
  static constexpr int SportHalbeBreite = 70;

  // Grid rows: choice box, the EF/Q1/Q2 cells, Abitur box, written box.
  ui::ChoiceBox WahlFS1{"WahlFS1"}, WahlFS2{"WahlFS2"}, WahlNW1{"WahlNW1"}, WahlNW2{"WahlNW2"};
  ui::ChoiceBox WahlErsatzfach{"WahlErsatzfach"}, WahlGW{"WahlGW"}, WahlEt{"WahlEt"}, WahlKM{"WahlKM"};
  ui::ChoiceBox WahlWa1{"WahlWa1"}, WahlWa2{"WahlWa2"}, WahlVK10{"WahlVK10"}, WahlPK{"WahlPK"};
  ui::ChoiceBox WahlVK30{"WahlVK30"};

  ui::EditField FS11{"FS11", true}, FS12{"FS12", true}, FS13{"FS13", true};
  ui::EditField FS21{"FS21", true}, FS22{"FS22", true}, FS23{"FS23", true};
  ui::EditField NW11{"NW11", true}, NW12{"NW12", true}, NW13{"NW13", true};
  ui::EditField NW21{"NW21", true}, NW22{"NW22", true}, NW23{"NW23", true};
  ui::EditField Deu1{"Deu1", true}, Deu2{"Deu2", true}, Deu3{"Deu3", true};
  ui::EditField Edit15{"Edit15", true}, Edit16{"Edit16", true}, Edit17{"Edit17", true};
  ui::EditField SP1{"SP1", true}, Sp2{"Sp2", true}, Sp3{"Sp3", true};
  ui::EditField Sp1a{"Sp1a", true}, SP2a{"SP2a", true}, Sp3a{"Sp3a", true};
  ui::EditField GW1{"GW1", true}, GW2{"GW2", true}, GW3{"GW3", true};
  ui::EditField Et1{"Et1", true}, Et2{"Et2", true}, Et3{"Et3", true};
  ui::EditField KM1{"KM1", true}, KM2{"KM2", true}, KM3{"KM3", true};
  ui::EditField Wa11{"Wa11", true}, Wa12{"Wa12", true}, Wa13{"Wa13", true};
  ui::EditField Wa21{"Wa21", true}, VK11{"VK11", true}, PK1{"PK1", true}, VK33{"VK33", true};
  ui::EditField ZK13{"ZK13", true}, ZK23{"ZK23", true};

  ui::ChoiceBox AbiDeu{"AbiDeu"}, AbiFS1{"AbiFS1"}, AbiFS2{"AbiFS2"}, AbiMa{"AbiMa"}, AbiNW1{"AbiNW1"};
  ui::ChoiceBox AbiNW2{"AbiNW2"}, AbiGW{"AbiGW"}, AbiEt{"AbiEt"}, AbiKM{"AbiKM"}, AbiSp{"AbiSp"};
  ui::ChoiceBox AbiWa1{"AbiWa1"};

  ui::CheckBox FS1BoxSchriftl{"FS1BoxSchriftl"}, FS2BoxSchriftl{"FS2BoxSchriftl"};
  ui::CheckBox NW1BoxSchriftl{"NW1BoxSchriftl"}, NW2BoxSchriftl{"NW2BoxSchriftl"};
  ui::CheckBox DeuBoxSchriftl{"DeuBoxSchriftl"}, MaBoxSchriftl{"MaBoxSchriftl"};
  ui::CheckBox SpBoxSchriftl{"SpBoxSchriftl"}, GWBoxSchriftl{"GWBoxSchriftl"};
  ui::CheckBox EtBoxSchriftl{"EtBoxSchriftl"}, KMBoxSchriftl{"KMBoxSchriftl"};
  ui::CheckBox Wa1BoxSchriftl{"Wa1BoxSchriftl"}, Wa2BoxSchriftl{"Wa2BoxSchriftl"};
  ui::CheckBox Wa3BoxSchriftl{"Wa3BoxSchriftl"};

  // Row captions that change with the focus and the models.
  ui::Label FS20{"FS20"}, NW20{"NW20"}, Wa20{"Wa20"}, VK10{"VK10"}, PK0{"PK0"}, VK30{"VK30"};
  // Fixed captions: the other rows, the column headings, the boxes below the grid.
  ui::Label FS10{"FS10"}, NW10{"NW10"}, Deu0{"Deu0"}, Ma0{"Ma0"}, Sp0{"Sp0"}, GW0{"GW0"}, Et0{"Et0"};
  ui::Label KM0{"KM0"}, Wa10{"Wa10"};
  ui::Label KopfEF{"KopfEF"}, KopfQ1{"KopfQ1"}, KopfQ2{"KopfQ2"}, KopfAbitur{"KopfAbitur"};
  ui::Label KopfKlausur{"KopfKlausur"};
  ui::Label KurszahlLab{"KurszahlLab"}, StundenzahlLab{"StundenzahlLab"};
  ui::Label VK10EntLab{"VK10EntLab"}, PKEntLab{"PKEntLab"}, LitJNLab{"LitJNLab"}, VK12JNLab{"VK12JNLab"};
  ui::Label ErsatzfachLab{"ErsatzfachLab"}, ErsatzVonLab{"ErsatzVonLab"}, ErsatzBisLab{"ErsatzBisLab"};

  // Keeping-open note and the EF drop box.
  ui::Label Offenhaltung1{"Offenhaltung1"}, Offenhaltung2{"Offenhaltung2"}, Offenhaltung3{"Offenhaltung3"};
  ui::Label AbwEFLab{"AbwEFLab"};
  ui::ChoiceBox AbwEFBox{"AbwEFBox"};

  // Focus, models and deselections.
  ui::ChoiceBox Schwerpunkt{"Schwerpunkt"};
  ui::ChoiceBox VK10EntBox{"VK10EntBox"}, PKEntBox{"PKEntBox"}, LitJNBox{"LitJNBox"}, VK12JNBox{"VK12JNBox"};
  ui::ChoiceBox AbwKMBox{"AbwKMBox"}, AbwEtBox{"AbwEtBox"}, AbwWa1Box{"AbwWa1Box"};
  ui::Label AbwKMLab{"AbwKMLab"}, AbwEtLab{"AbwEtLab"}, AbwWa1Lab{"AbwWa1Lab"};

  // Replacement subject for sport.
  ui::Button ErsatzfachBut{"ErsatzfachBut"};
  ui::Panel ErsatzfachPanel{"ErsatzfachPanel"};
  ui::ChoiceBox ErsatzFachStartBox{"ErsatzFachStartBox"}, ErsatzFachEndeBox{"ErsatzFachEndeBox"};
  ui::Button ErsatzfachLoeschen{"ErsatzfachLoeschen"}, Button4{"Button4"};

  // Action and file buttons, teacher navigation.
  ui::Button Button2{"Button2"}, Button1{"Button1"}, AbiFaecherPruefen{"AbiFaecherPruefen"};
  ui::Button AufraeumenBut{"AufraeumenBut"}, ScanBut{"ScanBut"}, Button3{"Button3"}, Button5{"Button5"};
  ui::Button VorherigerSchuelerBut{"VorherigerSchuelerBut"}, NaechsterSchuelerBut{"NaechsterSchuelerBut"};
  ui::Button ImStufenVerzeichnisSuchenBut{"ImStufenVerzeichnisSuchenBut"};

  // Counts and hours.
  ui::Label KurszahlEFLab{"KurszahlEFLab"}, KurszahlQ1Lab{"KurszahlQ1Lab"}, KurszahlQ2Lab{"KurszahlQ2Lab"};
  ui::Label StundenzahlLabelEF{"StundenzahlLabelEF"}, StundenzahlLabelQ1{"StundenzahlLabelQ1"};
  ui::Label StundenzahlLabelQ2{"StundenzahlLabelQ2"};
  ui::Label KennungsLab{"KennungsLab"};
  ui::Label StufentextLabel{"StufentextLabel"};
  ui::Panel Panel1{"Panel1"};
  ui::EditField StuDiffQualiEdit{"StuDiffQualiEdit", true};
  ui::Label VielWenigLabel{"VielWenigLabel"}, StundenLabel{"StundenLabel"}, KursAbwahlLabel{"KursAbwahlLabel"};
  ui::Label AbwaehlbarLabel{"AbwaehlbarLabel"};
  ui::ListBox ListBox1{"ListBox1"};
  // Diagnostic fields that nothing reads; kept hidden.
  ui::EditField TestEdit{"TestEdit", true}, FaecherEdit{"FaecherEdit", true};

  // Date, season and edition labels.
  ui::Label DatumLab{"DatumLab"}, StufenLabel{"StufenLabel"}, VersionsLab{"VersionsLab"};
  ui::Label LehrerVersionsLab{"LehrerVersionsLab"};

  // The out-of-date notice.
  ui::Panel VeraltertPanel{"VeraltertPanel"};
  ui::MultiLineText VeraltertText{"VeraltertText"};
  ui::Button VeraltertBut{"VeraltertBut"};

  // The scan panel of teacher mode: a barcode scanner types each sheet into ScanEdit.
  ui::Panel ScanPanel{"ScanPanel"};
  ui::Label Label28{"Label28"};
  ui::CheckBox SpeichernCheckBox{"SpeichernCheckBox"}, NachScanZurueckCheckBox{"NachScanZurueckCheckBox"};
  ui::Label ScanZahlLab{"ScanZahlLab"}, ScanSchuelerLab{"ScanSchuelerLab"}, ScanVerzeichnisLab{"ScanVerzeichnisLab"};
  ui::EditField ScanEdit{"ScanEdit"};
  ui::Button Button6{"Button6"}, Button7{"Button7"};
  ui::Label SpeicherNameLab{"SpeicherNameLab"}, ScanLab{"ScanLab"}, ScanTextIntLab{"ScanTextIntLab"};

  // The info buttons; the info window opens from them.
  ui::Panel InfoPanel{"InfoPanel"};
  ui::Label Label13{"Label13"};
  ui::Button LeistungsKurseBut{"LeistungsKurseBut"}, VertiefungsKurseBut{"VertiefungsKurseBut"};
  ui::Button ProjektkurseBut{"ProjektkurseBut"}, VersetzungBut{"VersetzungBut"};
  ui::Button ErlaubteDefiziteBut{"ErlaubteDefiziteBut"}, ZentralePruefungBut{"ZentralePruefungBut"};
  ui::Button AbiturfaecherBut{"AbiturfaecherBut"}, SchwerpunktBut{"SchwerpunktBut"};
  ui::Button StundenzahlBut{"StundenzahlBut"}, ZusatzkurseBut{"ZusatzkurseBut"}, Button8{"Button8"};

  // The written box of each row FS1..VK1 (index as in `Schriftlich`).
  std::array<ui::CheckBox*, 13> SchriftlBox{};
  // The Abitur box of each position of `AbiWahl`.
  std::array<ui::ChoiceBox*, AbiPositionAnzahl> AbiBox{};
  // The choice box of each grid row; nullptr for De and Ma.
  std::array<ui::ChoiceBox*, RasterAnzahl> WahlBox{};

  // Start-up and activation.
  void FormCreate();
  void FormActivate();
  void VeraltertButClick();

  // Teacher mode: the stage beside the program, walking its students, scanning sheets.
  // What the activation does for `Startaktion`: load the stage at the first activation,
  // then once the plan or the file dialog the student picker asked for.
  void StartaktionAusfuehren();
  void GanzeStufeLaden();
  void NaechsterSchuelerButClick();
  void VorherigerSchuelerButClick();
  void ImStufenVerzeichnisSuchenButClick();
  void ScanButClick();
  void ScanEditChange();
  void ScanTextLoeschenButClick();
  void ScanOKClick();

  // Subject choice and grid filling.
  void WahlSpalteSetzen(RasterTyp raster, const TextfeldTyp& liste);
  void FachSetzen(RasterTyp raster, FachTyp fach, const std::string& text);
  void WahlFS1Change();
  void WahlFS2Change();
  void WahlNW1Change();
  void WahlNW2Change();
  void WahlGWChange();
  void WahlEtChange();
  void WahlKMChange();
  void WahlWa1Change();
  void WahlWa2Change();
  void WahlVK10Change();
  void WahlPKChange();
  void WahlVK30Change();
  void OffenhaltungSetzen();
  void FS11TestfuerAbEFEnt();

  // Focus and replacement subject.
  void SchwerpunktChange();
  void SchwerpunktSetzen();
  void ErsatzfachButClick();
  void WahlErsatzfachChange();
  void ErstzfachSetzenClick();
  void ErsatzfachLoeschenClick();
  void ErsatzfachDarstellen();

  // Models and deselections.
  void VK10EntBoxChange();
  void AbwEFBoxChange();
  void PKEntBoxChange();
  void VK12JNBoxChange();
  void LitJNBoxChange();
  void AbwahlKMChange();
  void AbwahlEtChange();
  void AbwahlWa1Change();

  // Abitur roles; the written boxes' click handlers are bound in the constructor.
  void AbiRolleChange(int position);

  // Opens the check report window over the main window.
  void AbiFaecherPruefenClick();

  // Clearing and tidying.
  void FaecherLoeschenClick();
  void AbiFaecherLoeschenClick();
  void AufraeumenButClick();

  // Counts, hours and written courses.
  void ZusatzkurseSetzen();
  void KurszahlSetzen();
  // Recomputes the hours and shows them: the balance panel, the hour list, the stage
  // labels, the deselection boxes, the widths of dropped cells and the variant code; then
  // the course counts.
  void StundenzahlBerechnen();
  // Brings the written boxes up to date after a plan change: captions, checked and enabled
  // states, fonts and visibility; forces the flags the rules fix and writes the semester label.
  void SchriftlichkeitSetzen();

  // The recomputations a handler runs after changing the plan, in the order it names them.
  enum class Folge {
    EFAbwahl,         // FS11TestfuerAbEFEnt
    Offenhaltung,     // OffenhaltungSetzen
    Zusatzkurse,      // ZusatzkurseSetzen
    Stunden,          // StundenzahlBerechnen, which ends with the course counts
    Schriftlichkeit,  // SchriftlichkeitSetzen
    NoteVeraltet,     // NotenspalteLoeschen(0): a computed grade no longer belongs to the plan
  };
  void Neuberechnen(std::initializer_list<Folge> folge);
  // Clears the grade-book column of a course as the grade book stands now (no column: the
  // grade only stops being current).
  void KursspalteLoeschen(NotenbuchKurs kurs);
  // Sets a written box from code and keeps the row's flag equal to it, also when the box
  // already showed that state.
  void SchriftlBoxSetzen(int zeile, bool checked);
  // Sets a written box to the row's flag.
  void SchriftlBoxZeigtFlag(int zeile);

  // Showing a plan and the plan file.
  void LaufbahnDarstellen();
  void SchriftlichVorgaben();
  // Writes the plan to a file; false (with a message shown) when it failed.
  bool DateiSpeichern(const std::filesystem::path& pfad);
  // Reads the plan from `Dateipfad` and shows it; false (with a message shown, the plan
  // unchanged) when the file cannot be read or holds values the program does not know.
  bool SchuelerLaden();
  void DateiLadenClick();
  // The open-file dialog, then the chosen file is read and shown.
  void DateiAusDialogLaden();
  void DateiSpeichernClick();

  Programm& programm() { return m_programm; }

  // The student chose in the EF drop box to keep the second elective for the whole EF.
  std::uint8_t AbwEFMerker = 0;
  // The empty Abitur boxes are hidden.
  std::uint8_t AbiLeerVerborgen = 0;

  // The last complete scan, as typed, and whether it was a sheet that was taken.
  std::string ScanText;
  bool ScanAngenommen = false;
  // The plan file the last accepted scan was written to; empty when none was written.
  std::filesystem::path ScanDatei;

 private:
  void ControlsRegistrieren();
  // Design positions and fonts for a client area of 1276 x 756 on a 1280 x 800 screen.
  void Gestaltung();
  void Anfangszustand();
  void HandlerBinden();
  void SchriftlBoxChange(int zeile);
  void Farbregel(ui::Control& zelle, FachTyp fach, bool mitVertiefung);
  // Steps shared by the choice handlers: select item 0 when nothing is selected, then
  // store the subject whose text the box shows (nothing when no text matches).
  void FachAusBox(RasterTyp raster, ui::ChoiceBox& box, Wahlzuordnung zuordnung);
  // After a subject change of an elective row: a language there is written.
  void WahlfachSpracheSchriftlich(RasterTyp raster);
  void ZeileLeeren(RasterTyp raster, const TextfeldTyp& liste);
  // Rows GW .. VK3 get their start lists and are emptied.
  void UntereZeilenLeeren();
  // The written flags of an empty plan: languages, German and mathematics written except
  // in the second half of Q2, everything else oral.
  void SchriftlichStartwerte();
  void AbwahlAusBox(ui::ChoiceBox& box, std::uint8_t& abwahl, bool nachQ11Erlaubt);
  // A scan that is no sheet of this program: the reason in ScanLab, the panel red.
  void Fehlscan(const std::string& grund);
  // Opens the plan file of the current student of the stage table.
  void StufenSchuelerLaden();
  void WahlfachWeiterfuehren();

  Programm& m_programm;
};

}  // namespace kelvaro
