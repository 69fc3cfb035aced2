#pragma once

#include "ui/Platform.h"
#include "ui/Printer.h"

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace kelvaro {

// Makes a printer that writes a PDF file; the desktop build supplies it.
using PdfDruckerFabrik = std::function<std::unique_ptr<ui::Printer>(const std::filesystem::path& datei)>;

// The command line for teachers and scripts: `kelvaro <command> [options]`. Returns the
// process exit code; results go to out, German messages to err. Without a PDF printer the
// sheet cannot be printed.
int KommandozeileAusfuehren(const std::vector<std::string>& argumente, std::ostream& out, std::ostream& err,
                            const ui::Datum& heute, const PdfDruckerFabrik& pdfDrucker = {});
// The same with what a command reads from standard input (`scan`) coming from `in`.
int KommandozeileAusfuehren(const std::vector<std::string>& argumente, std::istream& in, std::ostream& out,
                            std::ostream& err, const ui::Datum& heute, const PdfDruckerFabrik& pdfDrucker = {});

}  // namespace kelvaro
