// Painting the printout of the conversion table on a printer, in the preview
// or into a PDF file: the printout's lines in the printout font, page by page.
#pragma once

#include "settings/settings.h"

#include <QFont>
#include <QString>

#include <string>
#include <vector>

class QPrinter;

namespace qm {

// How many lines of the printout font, and how many of its characters, fit
// on a page of the printer.
struct PrintoutLayout {
    int linesPerPage = 1;
    int charsPerLine = 0;
};

// The printout font of the settings; when it is not installed a fixed-pitch
// font stands in, so that the columns stay aligned.
QFont printoutFont(const Settings& s);

PrintoutLayout printoutLayout(QPrinter& printer, const QFont& font);

// Paints the lines, cut into pages that fit (only the pages of a chosen page
// range). False when the printer or the file could not be opened.
bool paintPrintout(QPrinter& printer, const std::vector<std::string>& lines, const QFont& font);

// Makes the printer write a PDF file.
void setPdfOutput(QPrinter& printer, const QString& path);

} // namespace qm
