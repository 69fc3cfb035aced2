#include "app/PlanJson.h"

#include "evaluation/LaufbahnMeldung2027G9.h"
#include "plan/Kelvaro2027G9.h"
#include "plan/Programm.h"

namespace kelvaro {

using nlohmann::ordered_json;

namespace {

ordered_json ControlAlsJson(const ui::Control& control) {
  ordered_json j;
  j["text"] = control.text();
  j["visible"] = control.visible();
  j["enabled"] = control.enabled();
  if (control.kind() == ui::ControlKind::CheckBox) {
    j["checked"] = static_cast<const ui::CheckBox&>(control).checked();
  }
  j["width"] = control.width();
  if (control.hasColor()) {
    const ui::Farbe farbe = control.color();
    j["color"] = {farbe.r, farbe.g, farbe.b};
  } else {
    j["color"] = nullptr;
  }
  j["bold"] = control.bold();
  if (control.hasFontColor()) {
    const ui::Farbe farbe = control.fontColor();
    j["fontColor"] = {farbe.r, farbe.g, farbe.b};
  }
  if (control.kind() == ui::ControlKind::ChoiceBox) {
    const auto& box = static_cast<const ui::ChoiceBox&>(control);
    j["items"] = box.items();
    j["index"] = box.itemIndex();
  }
  return j;
}

template <typename Array>
ordered_json Liste(const Array& array, std::size_t from = 0) {
  ordered_json j = ordered_json::array();
  for (std::size_t i = from; i < array.size(); ++i) {
    j.push_back(array[i]);
  }
  return j;
}

}  // namespace

ordered_json ControlsAlsJson(const ui::Window& window) {
  ordered_json j = ordered_json::object();
  for (const ui::Control* control : window.controls()) {
    j[control->name()] = ControlAlsJson(*control);
  }
  return j;
}

ordered_json PlanAlsJson(Programm& programm) {
  const Laufbahn& l = programm.laufbahn();
  const Abgeleitet& a = programm.abgeleitet();
  const Laufzeit& z = programm.laufzeit();
  ordered_json j;

  ordered_json fach = ordered_json::object();
  for (int row = 0; row < RasterAnzahl; ++row) {
    fach[std::string(RasterName(row))] = FachCodeName(l.Fach[static_cast<std::size_t>(row)]);
  }
  j["Fach"] = fach;
  ordered_json abiWahl = ordered_json::object();
  for (int position = 0; position < AbiPositionAnzahl; ++position) {
    abiWahl[std::string(RasterName(AbiPositionRaster(position)))] = l.AbiWahl[static_cast<std::size_t>(position)];
  }
  j["AbiWahl"] = abiWahl;
  ordered_json schriftlich = ordered_json::object();
  for (int row = 0; row < 13; ++row) {
    schriftlich[std::string(RasterName(row))] = l.Schriftlich[static_cast<std::size_t>(row)];
  }
  j["Schriftlich"] = schriftlich;

  j["SchwerpunktFS"] = l.SchwerpunktFS;
  j["AlternativPK"] = FachCodeName(l.AlternativPK);
  j["LitWahl"] = l.LitWahl;
  j["VKQ22"] = l.VKQ22;
  j["AbwahlEF"] = l.AbwahlEF;
  j["ErsatzfachAktiv"] = l.ErsatzfachAktiv;
  j["ZweiteFSSek1"] = l.ZweiteFSSek1;
  j["AbwahlWa1"] = l.AbwahlWa1;
  j["AbwahlEt"] = l.AbwahlEt;
  j["AbwahlKM"] = l.AbwahlKM;
  j["Q1Modell"] = l.Q1Modell;
  j["EFModell"] = l.EFModell;
  j["ErsatzfachVon"] = l.ErsatzfachVon;
  j["ErsatzfachBis"] = l.ErsatzfachBis;
  j["Nachname"] = l.Nachname;
  j["Vorname"] = l.Vorname;
  j["NotenKursZahl"] = l.NotenKursZahl;
  ordered_json noten = ordered_json::array();
  for (const auto& slot : l.Noten) {
    noten.push_back(Liste(slot, 1));
  }
  j["Noten"] = noten;
  ordered_json zaehlart = ordered_json::array();
  for (const auto& slot : l.KursZaehlart) {
    zaehlart.push_back(Liste(slot, 1));
  }
  j["KursZaehlart"] = zaehlart;
  j["KursKurzname"] = Liste(l.KursKurzname, 1);
  j["AbiNoteBerechnet"] = l.AbiNoteBerechnet;
  j["PruefungBestanden"] = l.PruefungBestanden;
  j["ZulassungBestanden"] = l.ZulassungBestanden;
  j["AbiNote"] = l.AbiNote;

  j["ZK1"] = FachCodeName(a.zusatzkurse.ZK1);
  j["ZK2"] = FachCodeName(a.zusatzkurse.ZK2);
  j["ZKAnzahl"] = a.zusatzkurse.ZKAnzahl;
  j["Kurszahl"] = Liste(a.Kurszahl, 1);
  j["StundenEF"] = a.stunden.StundenEF;
  j["StundenQ1"] = a.stunden.StundenQ1;
  j["StundenQ2"] = a.stunden.StundenQ2;
  j["StundenDiffQ"] = a.stunden.StundenDiffQ;
  j["Stunden60"] = Liste(a.stunden.Stunden60, 1);
  j["KurszahlQ"] = a.stunden.KurszahlQ;
  j["Kennung"] = a.stunden.Kennung;
  j["KennungAbwahl"] = a.stunden.KennungAbwahl;
  j["Wahlphase"] = z.Wahlphase();
  j["Halbjahr"] = z.Halbjahr();
  j["HalbjahrNr"] = z.HalbjahrNr();

  j["Controls"] = ControlsAlsJson(programm.hauptfenster());
  return j;
}

ordered_json PlanMitPruefungAlsJson(Programm& programm) {
  ordered_json j = PlanAlsJson(programm);
  const TForm2& meldung = programm.meldungsfenster();
  j["Meldungszahl"] = meldung.Meldungszahl();
  j["Report"] = meldung.Textfeld.lines();
  j["ReportControls"] = ControlsAlsJson(meldung);
  return j;
}

}  // namespace kelvaro
