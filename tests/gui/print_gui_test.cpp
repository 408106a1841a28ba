// The printout exported as PDF through the File menu on the real window: the
// pages the printout's lines were cut into, and their text, read back from the
// file with poppler's pdftotext.
#include "windowfixture.h"

#include "mainwindow/MainWindowPrint.h"
#include "table/printout.h"

#include <QPrinter>
#include <QProcess>

namespace qm {

class PrintTest : public QObject, public test::WindowFixture {
    Q_OBJECT

  private slots:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void shippedTableExportedPageByPage() {
        const QString table = dir_->filePath(QStringLiteral("default.dat"));
        QVERIFY(QFile::copy(QStringLiteral(QM_SHIPPED_DATA_DIR "/default.dat"), table));
        put("File", "SaveFilePath", table.toStdString());
        start();
        std::string answer; // empty: the name the dialog proposes
        w_->commands()->fileDialogHook = [&answer](const FileDialogSpec& s) {
            return std::optional(answer.empty() ? s.initialFolder + "/" + s.initialFileName
                                                : answer);
        };
        QAction* exportPdf = w_->commands()->menus.mnuFilePrintArray[1];
        exportPdf->trigger();

        QPrinter printer(QPrinter::HighResolution);
        setPdfOutput(printer, dir_->filePath(QStringLiteral("default.pdf")));
        const PrintoutLayout layout = printoutLayout(printer, printoutFont(program_->settings));
        const ConversionTable& t = program_->table;
        const auto pages =
            printoutPages(printoutLines(t), layout.linesPerPage, layout.charsPerLine);
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {"-layout", printer.outputFileName(), "-"});
        QVERIFY(pdftotext.waitForFinished(60000));
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QCOMPARE(std::size_t(text.count(QLatin1Char('\f'))), pages.size()); // a form feed a page
        const int last = t.pnNodeCategory[t.pnNodeCount];
        for (const UnitRecord& u :
             {t.units[t.pnNodeCategory[1]][1], t.units[last][t.pnUnitCount[last]]})
            QVERIFY2(text.simplified().contains(QString::fromStdString(u.Name + " " + u.Ratio)),
                     u.Name.c_str());

        answer = path("no such folder/table.pdf"); // cannot be written: said so
        exportPdf->trigger();
        QVERIFY(prompt_.messages.size() == 1 &&
                prompt_.messages[0].text.find(answer) != std::string::npos);
    }
};

} // namespace qm

QTEST_MAIN(qm::PrintTest)
#include "print_gui_test.moc"
