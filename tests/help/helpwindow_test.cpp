// The help window on the real widgets, showing the shipped help file.
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

#include <vector>

using namespace qm;

namespace {

// True when the block that carries the anchor lies inside the browser's viewport.
bool sectionVisible(QTextBrowser* b, const QString& anchor) {
    for (QTextBlock block = b->document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (!it.fragment().charFormat().anchorNames().contains(anchor)) continue;
            const QRect r = b->cursorRect(QTextCursor(block));
            return r.top() >= 0 && r.bottom() <= b->viewport()->height();
        }
    return false;
}

QPushButton* button(HelpWindow* w, const char* caption) {
    for (QPushButton* p : w->findChildren<QPushButton*>())
        if (p->text() == QLatin1String(caption)) return p;
    return nullptr;
}

} // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT
    RecordingPrompt prompt_;

    HelpWindow* show(int context) {
        return HelpWindow::showHelp(nullptr, QStringLiteral(QM_SHIPPED_DATA_DIR), context, prompt_);
    }

  private slots:
    void cleanup() {
        if (HelpWindow* w = HelpWindow::instance()) w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(prompt_.messages.empty());
    }

    void oneWindowOpensAtEachSectionOrTheContents() {
        // Context 0 and an unknown one open the contents, at the top.
        std::vector<int> contexts(helpContexts().begin(), helpContexts().end());
        contexts.insert(contexts.begin() + 1, 0);
        contexts.insert(contexts.begin() + 3, 999);
        HelpWindow* first = show(contexts[0]);
        QVERIFY(QTest::qWaitForWindowExposed(first));
        for (const int context : contexts) {
            const bool known = context % 999 != 0;
            const QString anchor = known ? QStringLiteral("ctx%1").arg(context) : "contents";
            QCOMPARE(show(context), first);
            QCOMPARE(first->browser()->source().fragment(), anchor);
            QTRY_VERIFY2(sectionVisible(first->browser(), anchor), qPrintable(anchor));
            QCOMPARE(first->browser()->verticalScrollBar()->value() > 0, known);
        }
        QVERIFY(first->browser()->toPlainText().contains(QStringLiteral("12.3456 ±5.00E-05")));
        QSet<QString> names, links; // every link within the file has its anchor
        for (QTextBlock b = first->browser()->document()->begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat f = it.fragment().charFormat();
                for (const QString& n : f.anchorNames())
                    names << n;
                if (f.anchorHref().startsWith('#')) links << f.anchorHref().mid(1);
            }
        QVERIFY(links.size() > 20 && names.contains(links));
        QTest::keyClick(first->browser(), Qt::Key_Escape);
        QVERIFY(!HelpWindow::instance()); // the next Help opens it anew
    }

    void backForwardAndContentsButtons() {
        HelpWindow* w = show(30);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QPushButton* back = button(w, "&Back");
        QPushButton* forward = button(w, "&Forward");
        QVERIFY(back && forward && !back->isEnabled());
        show(53);
        QVERIFY(back->isEnabled() && !forward->isEnabled());
        QTest::mouseClick(back, Qt::LeftButton);
        QTRY_VERIFY(sectionVisible(w->browser(), QStringLiteral("ctx30")));
        QTest::mouseClick(forward, Qt::LeftButton);
        QCOMPARE(w->browser()->source().fragment(), QStringLiteral("ctx53"));
        QTest::mouseClick(button(w, "&Contents"), Qt::LeftButton);
        QTRY_VERIFY(sectionVisible(w->browser(), QStringLiteral("contents")));
        QTest::mouseClick(button(w, "C&lose"), Qt::LeftButton);
        QVERIFY(!HelpWindow::instance());
    }

    void aMissingOrBlankFileGivesTheMessageAndLeavesAnOpenWindowAlone() {
        HelpWindow* open = show(52);
        QTemporaryDir missing, blank;
        QFile f(blank.filePath("Qmtrxdoc.hlp"));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(" \r\n\r\n") == 5 && f.flush());
        for (const QString& folder : {missing.path(), blank.path()}) {
            RecordingPrompt prompt;
            QCOMPARE(HelpWindow::showHelp(nullptr, folder, 30, prompt), nullptr);
            QVERIFY(prompt.messages.size() == 1 &&
                    prompt.messages[0].text.find(folder.toStdString()) != std::string::npos);
            QCOMPARE(open->browser()->source().fragment(), QStringLiteral("ctx52"));
        }
    }
};

QTEST_MAIN(HelpWindowTest)
#include "helpwindow_test.moc"
