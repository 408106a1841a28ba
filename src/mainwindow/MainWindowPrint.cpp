// The File menu's Print..., Print Preview... and Export as PDF... commands:
// the printout's lines painted through the printer dialog, the preview dialog
// or a PDF printer writing the file chosen in a save dialog.
#include "mainwindow/MainWindowPrint.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/MainWindowCommands.h"

#include "table/printout.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QMenu>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace qm {

QFont printoutFont(const Settings& s) {
    QFont font(QString::fromStdString(s.FontName[5]));
    font.setPointSize(s.FontSize[5] > 0 ? s.FontSize[5] : 10);
    font.setStyleHint(QFont::TypeWriter);
    font.setBold(s.FontStyle[5][0] != 0);
    font.setItalic(s.FontStyle[5][1] != 0);
    font.setUnderline(s.FontStyle[5][2] != 0);
    return font;
}

PrintoutLayout printoutLayout(QPrinter& printer, const QFont& font) {
    const QFontMetricsF fm(font, &printer);
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const double charWidth = std::max(1.0, fm.horizontalAdvance(QLatin1Char('M')));
    PrintoutLayout layout;
    layout.linesPerPage = std::max(1, static_cast<int>(page.height() / fm.lineSpacing()));
    layout.charsPerLine = std::max(1, static_cast<int>(page.width() / charWidth));
    return layout;
}

bool paintPrintout(QPrinter& printer, const std::vector<std::string>& lines, const QFont& font) {
    const PrintoutLayout layout = printoutLayout(printer, font);
    const auto pages = printoutPages(lines, layout.linesPerPage, layout.charsPerLine);
    const int count = static_cast<int>(pages.size());
    const int first = std::clamp(printer.fromPage(), 1, std::max(1, count));
    const int last = printer.toPage() > 0 ? std::min(printer.toPage(), count) : count;
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    painter.setFont(font);
    const QFontMetricsF fm(font, &printer);
    for (int p = first; p <= last; ++p) {
        if (p > first && !printer.newPage()) return false;
        double y = fm.ascent();
        for (const std::string& line : pages[static_cast<std::size_t>(p - 1)]) {
            painter.drawText(QPointF(0, y), QString::fromStdString(line));
            y += fm.lineSpacing();
        }
    }
    return painter.end();
}

void setPdfOutput(QPrinter& printer, const QString& path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setDocName(QFileInfo(path).fileName());
}

void MainWindowCommands::buildPrintItems() {
    MainMenus& m = menus;
    const char* captions[] = {"Print Pre&view...", "Export as P&DF..."};
    for (std::size_t i = 0; i < m.mnuFilePrintArray.size(); ++i) {
        auto* item = new QAction(QString::fromLatin1(captions[i]), m.mnuFile);
        m.mnuFile->insertAction(m.mnuFileArray[5], item); // after "&Print..."
        m.mnuFilePrintArray[i] = item;
        connect(item, &QAction::triggered, this,
                [this, i] { filePrintClick(static_cast<int>(i)); });
    }
    hooks.print = [this] { mPrint(); };
}

void MainWindowCommands::filePrintClick(int i) {
    if (i == 0) mPrintPreview();
    if (i == 1) mExportPdf();
}

void MainWindowCommands::mPrint() {
    w_.pSetTopmost(false);
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, &w_);
    dialog.setWindowTitle(QStringLiteral(" Print"));
    if (dialog.exec() == QDialog::Accepted &&
        !paintPrintout(printer, printoutLines(w_.program_.table),
                       printoutFont(w_.program_.settings)))
        w_.prompt_.message("The printer cannot be started. Check the printer and try again.",
                           kDataTitle, MsgIcon::Exclamation, MsgButtons::OK);
    w_.pRestoreTopmost();
}

void MainWindowCommands::mPrintPreview() {
    w_.pSetTopmost(false);
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, &w_);
    dialog.setObjectName(QStringLiteral("dlgPrintPreview"));
    dialog.setWindowTitle(QStringLiteral(" Print Preview"));
    // Most of the screen, the page as wide as the view: the text readable.
    if (const QScreen* screen = w_.screen()) {
        const QRect room = screen->availableGeometry();
        dialog.resize(room.width() * 3 / 4, room.height() * 9 / 10);
    }
    const QList<QAction*> actions = dialog.findChildren<QAction*>();
    const auto fitWidth = std::find_if(actions.begin(), actions.end(), [](const QAction* a) {
        return a->text() == QLatin1String("Fit width");
    });
    if (fitWidth != actions.end()) (*fitWidth)->trigger();
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* target) {
        paintPrintout(*target, printoutLines(w_.program_.table),
                      printoutFont(w_.program_.settings));
    });
    dialog.exec();
    w_.pRestoreTopmost();
}

void MainWindowCommands::mExportPdf() {
    const Program& p = w_.program_;
    const QFileInfo table(QString::fromStdString(p.table.psTableFile));
    FileDialogSpec spec;
    spec.kind = FileDialogSpec::Kind::SaveAs;
    spec.title = " Export as PDF";
    spec.filter = "PDF Files (*.pdf)|*.pdf|All Files (*.*)|*.*|";
    spec.initialFolder = table.absolutePath().toStdString();
    spec.initialFileName = (table.completeBaseName().isEmpty() ? QStringLiteral("Quantimetrix")
                                                               : table.completeBaseName())
                               .toStdString() +
                           ".pdf";
    spec.overwritePrompt = true;
    w_.pSetTopmost(false);
    const std::optional<std::string> path = pdfFileDialog(spec);
    if (path) {
        QPrinter printer(QPrinter::HighResolution);
        setPdfOutput(printer, QString::fromStdString(*path));
        if (!paintPrintout(printer, printoutLines(p.table), printoutFont(p.settings)))
            w_.prompt_.message("'" + *path +
                                   "'\r\n\r\nThis file cannot be written. Choose another "
                                   "folder or file name.",
                               kDataTitle, MsgIcon::Exclamation, MsgButtons::OK);
    }
    w_.pRestoreTopmost();
}

std::optional<std::string> MainWindowCommands::pdfFileDialog(const FileDialogSpec& spec) {
    if (fileDialogHook) return fileDialogHook(spec);
    QFileDialog dialog(&w_, QString::fromStdString(spec.title),
                       QString::fromStdString(spec.initialFolder),
                       QString::fromStdString(qtFileFilter(spec.filter)));
    dialog.setObjectName(QStringLiteral("dlgExportPdf"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(QString::fromStdString(spec.initialFileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst()).toStdString();
}

} // namespace qm
