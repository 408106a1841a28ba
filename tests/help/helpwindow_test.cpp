// The help window on the real widgets, and the shipped help file.
#include "auxwindows/HelpWindow.h"
#include "auxwindows/helpcontext.h"
#include "core/recordingprompt.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QXmlStreamReader>

using namespace qm;

namespace {

const QString kShipped = QStringLiteral(QM_SHIPPED_DATA_DIR "/Qmtrxdoc.hlp");

// The heading each dialog's Help button must land on.
struct Topic {
    int context;
    const char* heading;
};
const Topic kTopics[] = {
    {30, "The Options dialog"},
    {31, "The Font and Color dialog"},
    {52, "The Category Properties dialog"},
    {53, "The Unit Properties dialog"},
    {57, "The List Properties dialog (column headers)"},
    {58, "The Constant Properties dialog"},
};

QByteArray readAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

QList<HelpWindow*> openHelpWindows() {
    QList<HelpWindow*> out;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* h = qobject_cast<HelpWindow*>(w); h && h->isVisible()) out << h;
    return out;
}

void closeHelp() {
    if (HelpWindow* w = HelpWindow::instance()) w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// True when the heading that carries the anchor reads as expected and lies
// inside the browser's viewport.
bool sectionVisible(QTextBrowser* b, const QString& anchor, const QString& heading) {
    for (QTextBlock block = b->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (!it.fragment().charFormat().anchorNames().contains(anchor)) continue;
            if (block.text() != heading) return false;
            QTextCursor c(block);
            const QRect r = b->cursorRect(c);
            return r.top() >= 0 && r.bottom() <= b->viewport()->height();
        }
    }
    return false;
}

QPushButton* button(HelpWindow* w, const QString& caption) {
    for (QPushButton* p : w->findChildren<QPushButton*>())
        if (p->text() == caption) return p;
    return nullptr;
}

} // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir dir_; // a program folder holding a copy of the shipped help file

  private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY(QFile::copy(kShipped, dir_.filePath("Qmtrxdoc.hlp")));
    }
    void cleanup() { closeHelp(); }

    void shippedFileIsWellFormedAndEveryLinkHasItsAnchor() {
        const QByteArray bytes = readAll(kShipped);
        QVERIFY(!bytes.isEmpty());
        QXmlStreamReader xml(bytes);
        QSet<QString> names, targets, headingAnchors;
        bool inHeading2 = false;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == QLatin1String("h2")) inHeading2 = true;
            if (xml.isEndElement() && xml.name() == QLatin1String("h2")) inHeading2 = false;
            if (xml.isStartElement() && xml.name() == QLatin1String("a")) {
                const auto attrs = xml.attributes();
                if (attrs.hasAttribute("name")) {
                    const QString n = attrs.value("name").toString();
                    QVERIFY2(!names.contains(n), qPrintable("anchor twice: " + n));
                    names << n;
                    if (inHeading2) headingAnchors << n;
                }
                const QString href = attrs.value("href").toString();
                if (href.startsWith('#')) targets << href.mid(1);
            }
        }
        QVERIFY2(!xml.hasError(),
                 qPrintable(xml.errorString() + " at line " + QString::number(xml.lineNumber())));
        for (const QString& t : std::as_const(targets))
            QVERIFY2(names.contains(t), qPrintable("no anchor for #" + t));
        QVERIFY(names.contains("contents"));
        for (int c : helpContexts())
            QVERIFY2(headingAnchors.contains(QString::fromStdString(helpAnchor(c))),
                     qPrintable(QString::number(c)));
        // The contents page links to every section.
        for (const QString& h : std::as_const(headingAnchors))
            QVERIFY2(targets.contains(h), qPrintable("section not in the contents: " + h));
        QVERIFY(headingAnchors.size() >= 20);
    }

    void browserKnowsEveryContextAnchor() {
        QTextDocument doc;
        doc.setHtml(QString::fromUtf8(readAll(kShipped)));
        QSet<QString> anchors;
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it)
                for (const QString& n : it.fragment().charFormat().anchorNames())
                    anchors << n;
        for (int c : helpContexts())
            QVERIFY(anchors.contains(QString::fromStdString(helpAnchor(c))));
        QVERIFY(anchors.contains("contents"));
        QVERIFY(doc.toPlainText().contains(QStringLiteral("12.3456 ±5.00E-05")));
    }

    void opensAtEachContextSection() {
        for (const Topic& t : kTopics) {
            RecordingPrompt prompt;
            HelpWindow* w = HelpWindow::showHelp(nullptr, dir_.path(), t.context, prompt);
            QVERIFY(w);
            QVERIFY(QTest::qWaitForWindowExposed(w));
            QCOMPARE(prompt.messages.size(), size_t(0));
            QCOMPARE(w->windowTitle(), QStringLiteral(" Quantimetrix Help"));
            QTextBrowser* b = w->browser();
            QCOMPARE(b->source().fragment(), QStringLiteral("ctx%1").arg(t.context));
            QCOMPARE(b->source().toLocalFile(), dir_.filePath("Qmtrxdoc.hlp"));
            QTRY_VERIFY2(sectionVisible(b, QStringLiteral("ctx%1").arg(t.context), t.heading),
                         t.heading);
            QVERIFY2(b->verticalScrollBar()->value() > 0, t.heading);
            QVERIFY(
                !sectionVisible(b, "contents", "Quantimetrix Help")); // the title is scrolled away
        }
    }

    void contextZeroAndUnknownNumbersShowTheContents() {
        for (int context : {0, 54, 999, -30}) {
            RecordingPrompt prompt;
            HelpWindow* w = HelpWindow::showHelp(nullptr, dir_.path(), 58, prompt);
            QVERIFY(w);
            QVERIFY(QTest::qWaitForWindowExposed(w));
            QTRY_VERIFY(w->browser()->verticalScrollBar()->value() > 0);
            QCOMPARE(HelpWindow::showHelp(nullptr, dir_.path(), context, prompt), w);
            QCOMPARE(w->browser()->source().fragment(), QStringLiteral("contents"));
            QTRY_COMPARE(w->browser()->verticalScrollBar()->value(), 0);
            QVERIFY(sectionVisible(w->browser(), "contents", "Quantimetrix Help"));
        }
    }

    void oneWindowIsReusedForEveryCall() {
        RecordingPrompt prompt;
        HelpWindow* first = HelpWindow::showHelp(nullptr, dir_.path(), 30, prompt);
        HelpWindow* second = HelpWindow::showHelp(nullptr, dir_.path(), 57, prompt);
        QVERIFY(first);
        QCOMPARE(second, first);
        QCOMPARE(openHelpWindows().size(), 1);
        QCOMPARE(HelpWindow::instance(), first);
        first->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(HelpWindow::instance(), nullptr);
        QVERIFY(HelpWindow::showHelp(nullptr, dir_.path(), 31, prompt)); // opens anew
        QCOMPARE(openHelpWindows().size(), 1);
    }

    void backForwardAndContentsButtons() {
        RecordingPrompt prompt;
        HelpWindow* w = HelpWindow::showHelp(nullptr, dir_.path(), 30, prompt);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QPushButton* back = button(w, "&Back");
        QPushButton* forward = button(w, "&Forward");
        QPushButton* contents = button(w, "&Contents");
        QVERIFY(back && forward && contents);
        QVERIFY(!back->isEnabled());
        HelpWindow::showHelp(nullptr, dir_.path(), 53, prompt);
        QVERIFY(back->isEnabled());
        QVERIFY(!forward->isEnabled());
        QTest::mouseClick(back, Qt::LeftButton);
        QCOMPARE(w->browser()->source().fragment(), QStringLiteral("ctx30"));
        QTRY_VERIFY(sectionVisible(w->browser(), "ctx30", "The Options dialog"));
        QVERIFY(forward->isEnabled());
        QTest::mouseClick(forward, Qt::LeftButton);
        QCOMPARE(w->browser()->source().fragment(), QStringLiteral("ctx53"));
        QTest::mouseClick(contents, Qt::LeftButton);
        QCOMPARE(w->browser()->source().fragment(), QStringLiteral("contents"));
        QTRY_COMPARE(w->browser()->verticalScrollBar()->value(), 0);
    }

    void aMissingOrBlankFileGivesTheMessageAndNoWindow() {
        QTemporaryDir empty;
        QTemporaryDir blank;
        {
            QFile f(blank.filePath("Qmtrxdoc.hlp"));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(" \r\n\r\n");
        }
        for (const QString& folder : {empty.path(), blank.path()}) {
            for (int context : {0, 30}) {
                RecordingPrompt prompt;
                QCOMPARE(HelpWindow::showHelp(nullptr, folder, context, prompt), nullptr);
                QCOMPARE(prompt.messages.size(), size_t(1));
                const std::string path = (folder + "/Qmtrxdoc.hlp").toStdString();
                QCOMPARE(prompt.messages[0].text, "'" + path +
                                                      "'\n\nThe help file cannot be found or read. "
                                                      "Reinstall the program to restore it.");
                QCOMPARE(prompt.messages[0].title, std::string(" Quantimetrix"));
                QVERIFY(prompt.messages[0].icon == MsgIcon::Exclamation);
                QVERIFY(prompt.messages[0].buttons == MsgButtons::OK);
                QCOMPARE(HelpWindow::instance(), nullptr);
                QCOMPARE(openHelpWindows().size(), 0);
            }
        }
    }

    void aMissingFileLeavesAnOpenWindowAlone() {
        RecordingPrompt prompt;
        HelpWindow* w = HelpWindow::showHelp(nullptr, dir_.path(), 52, prompt);
        QVERIFY(w);
        QTemporaryDir empty;
        QCOMPARE(HelpWindow::showHelp(nullptr, empty.path(), 30, prompt), nullptr);
        QCOMPARE(prompt.messages.size(), size_t(1));
        QCOMPARE(w->browser()->source().fragment(), QStringLiteral("ctx52"));
    }
};

QTEST_MAIN(HelpWindowTest)
#include "helpwindow_test.moc"
