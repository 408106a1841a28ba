// The printout exported as PDF through the File menu on the real window: the
// pages the printout's lines were cut into, and their text, read back from the
// file with poppler's pdfinfo and pdftotext.
#include "windowfixture.h"

#include "mainwindow/MainWindowPrint.h"
#include "table/printout.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

namespace qm {

class PrintTest : public QObject, public test::WindowFixture {
    Q_OBJECT

  private:
    std::optional<std::string> answer_; // what the save dialog answers
    std::vector<FileDialogSpec> asked_;

    void started() override {
        w_->commands()->fileDialogHook = [this](const FileDialogSpec& spec) {
            asked_.push_back(spec);
            return answer_;
        };
    }
    static QString output(const QString& program, const QStringList& args) {
        QProcess p;
        p.start(program, args);
        if (!p.waitForFinished(60000) || p.exitCode() != 0) return program + " failed";
        return QString::fromUtf8(p.readAllStandardOutput());
    }

  private slots:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void shippedTableExportedPageByPage() {
        const std::string table = path("default.dat");
        QVERIFY(QFile::copy(QStringLiteral(QM_SHIPPED_DATA_DIR "/default.dat"),
                            QString::fromStdString(table)));
        put("File", "SaveFilePath", table);
        start();
        const MainMenus& m = w_->commands()->menus;
        QVERIFY(m.mnuFileArray[4]->isEnabled() &&
                w_->commands()->button(QStringLiteral("Print"))->isEnabled());
        answer_ = path("table.pdf");
        m.mnuFilePrintArray[1]->trigger();
        QCOMPARE(asked_.at(0).initialFileName, std::string("default.pdf"));

        const QString pdf = QString::fromStdString(*answer_);
        QPrinter printer(QPrinter::HighResolution);
        setPdfOutput(printer, pdf);
        const PrintoutLayout layout = printoutLayout(printer, printoutFont(program_->settings));
        QVERIFY(layout.linesPerPage > 40 && layout.charsPerLine > 60); // 10 point on a sheet
        const ConversionTable& t = program_->table;
        const std::size_t pages =
            printoutPages(printoutLines(t), layout.linesPerPage, layout.charsPerLine).size();
        qInfo("%d lines a page, %d characters a line, %zu pages", layout.linesPerPage,
              layout.charsPerLine, pages);
        const QString info = output(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages: +%1\n").arg(pages))),
                 qPrintable(info));
        const QString text = output(QStringLiteral("pdftotext"),
                                    {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        const int last = t.pnNodeCategory[t.pnNodeCount];
        const auto columns = [](const UnitRecord& u) { // pdftotext narrows the gaps
            const auto esc = [](const std::string& s) {
                return QRegularExpression::escape(QString::fromStdString(s));
            };
            return QRegularExpression(esc(u.Name) + QStringLiteral("\\s+") + esc(u.Ratio));
        };
        for (const UnitRecord& u :
             {t.units[t.pnNodeCategory[1]][1], t.units[last][t.pnUnitCount[last]]})
            QVERIFY2(text.contains(columns(u)), u.Name.c_str());

        answer_ = path("no such folder/table.pdf"); // cannot be written: said so
        m.mnuFilePrintArray[1]->trigger();
        QCOMPARE(prompt_.messages.size(), std::size_t{1});
        QVERIFY(prompt_.messages[0].text.find(*answer_) != std::string::npos);
    }
};

} // namespace qm

QTEST_MAIN(qm::PrintTest)
#include "print_gui_test.moc"
