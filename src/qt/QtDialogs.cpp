#include "qt/QtDialogs.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>

namespace kelvaro::qt {

namespace {

std::filesystem::path pfadAus(const QString& datei) {
  const QByteArray utf8 = datei.toUtf8();
  return std::filesystem::path(
      std::u8string(reinterpret_cast<const char8_t*>(utf8.constData()), static_cast<std::size_t>(utf8.size())));
}

QString textAus(const std::filesystem::path& pfad) {
  const std::u8string utf8 = pfad.u8string();
  return QString::fromUtf8(reinterpret_cast<const char*>(utf8.data()), static_cast<qsizetype>(utf8.size()));
}

std::optional<std::filesystem::path> dateiWaehlen(QWidget* parent, QFileDialog::AcceptMode modus, const QString& titel,
                                                  const QString& knopf, const QString& verzeichnis,
                                                  const QString& vorschlag) {
  QFileDialog dialog(parent, titel, verzeichnis);
  dialog.setAcceptMode(modus);
  dialog.setFileMode(modus == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  // The program asks itself, in German, before a file is replaced.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setNameFilters({QStringLiteral("Laufbahndateien (*.abi *.ABI)"), QStringLiteral("Alle Dateien (*)")});
  dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Suchen in:"));
  dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Dateiname:"));
  dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Dateityp:"));
  dialog.setLabelText(QFileDialog::Accept, knopf);
  dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Abbrechen"));
  if (!vorschlag.isEmpty()) {
    dialog.selectFile(vorschlag);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  return pfadAus(dialog.selectedFiles().constFirst());
}

}  // namespace

std::optional<std::filesystem::path> QtDialogs::openFile() {
  return dateiWaehlen(m_parent, QFileDialog::AcceptOpen, QStringLiteral("Datei öffnen"), QStringLiteral("Öffnen"),
                      QString(), QString());
}

std::optional<std::filesystem::path> QtDialogs::saveFile(const std::filesystem::path& initialDirectory,
                                                         const std::string& proposedName) {
  auto pfad =
      dateiWaehlen(m_parent, QFileDialog::AcceptSave, QStringLiteral("Datei speichern"), QStringLiteral("Speichern"),
                   textAus(initialDirectory), QString::fromStdString(proposedName));
  std::error_code fehler;
  if (pfad && std::filesystem::exists(*pfad, fehler) &&
      !askYesNo("Die Datei \"" + pfad->filename().string() + "\" gibt es schon. Soll sie ersetzt werden?")) {
    return std::nullopt;
  }
  return pfad;
}

void QtDialogs::showMessage(const std::string& text) {
  QMessageBox box(QMessageBox::Information, QStringLiteral("Kelvaro"), QString::fromStdString(text), QMessageBox::Ok,
                  m_parent);
  box.exec();
}

bool QtDialogs::askYesNo(const std::string& text) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("Kelvaro"), QString::fromStdString(text),
                  QMessageBox::Yes | QMessageBox::No, m_parent);
  box.button(QMessageBox::Yes)->setText(QStringLiteral("Ja"));
  box.button(QMessageBox::No)->setText(QStringLiteral("Nein"));
  return box.exec() == QMessageBox::Yes;
}

}  // namespace kelvaro::qt
