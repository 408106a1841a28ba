// The help window on the real widgets, showing the shipped help file.
#include "auxwindows/HelpWindow.h"
#include "core/recordingprompt.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include <functional>
#include <tuple>

using namespace qm;

namespace {

// True when the block that carries the anchor reads as the heading and lies
// inside the browser's viewport.
bool sectionVisible(QTextBrowser* b, const char* anchor, const char* heading) {
    for (QTextBlock block = b->document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (!it.fragment().charFormat().anchorNames().contains(QLatin1String(anchor))) continue;
            const QRect r = b->cursorRect(QTextCursor(block));
            return block.text() == QLatin1String(heading) && r.top() >= 0 &&
                   r.bottom() <= b->viewport()->height();
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
    QTemporaryDir dir_; // a program folder with a copy of the shipped help file
    RecordingPrompt prompt_;

    HelpWindow* show(int context) {
        return HelpWindow::showHelp(nullptr, dir_.path(), context, prompt_);
    }

  private slots:
    void initTestCase() {
        QVERIFY(QFile::copy(QStringLiteral(QM_SHIPPED_DATA_DIR "/Qmtrxdoc.hlp"),
                            dir_.filePath("Qmtrxdoc.hlp")));
    }
    void cleanup() {
        if (HelpWindow* w = HelpWindow::instance()) w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(prompt_.messages.empty());
    }

    void oneWindowOpensAtEachSectionOrTheContents() {
        // Context 0 and an unknown one open the contents, at the top.
        const std::tuple<int, const char*, const char*> topics[] = {
            // clang-format off
            {30, "ctx30", "The Options dialog"}, {0, "contents", "Quantimetrix Help"},
            {31, "ctx31", "The Font and Color dialog"}, {999, "contents", "Quantimetrix Help"},
            {52, "ctx52", "The Category Properties dialog"},
            {53, "ctx53", "The Unit Properties dialog"},
            {57, "ctx57", "The List Properties dialog (column headers)"},
            {58, "ctx58", "The Constant Properties dialog"}
            // clang-format on
        };
        HelpWindow* first = show(30);
        QVERIFY(QTest::qWaitForWindowExposed(first));
        for (const auto& [context, anchor, heading] : topics) {
            QCOMPARE(show(context), first);
            QCOMPARE(first->browser()->source().fragment(), QLatin1String(anchor));
            QTRY_VERIFY2(sectionVisible(first->browser(), anchor, heading), heading);
            QCOMPARE(first->browser()->verticalScrollBar()->value() > 0, context % 999 != 0);
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
        QTRY_VERIFY(sectionVisible(w->browser(), "ctx30", "The Options dialog"));
        QTest::mouseClick(forward, Qt::LeftButton);
        QCOMPARE(w->browser()->source().fragment(), QStringLiteral("ctx53"));
        QTest::mouseClick(button(w, "&Contents"), Qt::LeftButton);
        QTRY_VERIFY(sectionVisible(w->browser(), "contents", "Quantimetrix Help"));
    }

    void closeButtonAndEscapeCloseTheWindow() {
        const std::function<void(HelpWindow*)> ways[] = {
            [](HelpWindow* w) { QTest::mouseClick(button(w, "C&lose"), Qt::LeftButton); },
            [](HelpWindow* w) { QTest::keyClick(w->browser(), Qt::Key_Escape); }};
        for (const auto& close : ways) {
            QPointer<HelpWindow> w = show(52);
            QVERIFY(QTest::qWaitForWindowActive(w));
            close(w);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!w && !HelpWindow::instance()); // the next Help opens it anew
        }
    }

    void aMissingOrBlankFileGivesTheMessageAndLeavesAnOpenWindowAlone() {
        HelpWindow* open = show(52);
        QTemporaryDir missing, blank;
        QFile f(blank.filePath("Qmtrxdoc.hlp"));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(" \r\n\r\n") == 5 && f.flush());
        for (const QString& folder : {missing.path(), blank.path()}) {
            RecordingPrompt prompt;
            QCOMPARE(HelpWindow::showHelp(nullptr, folder, 30, prompt), nullptr);
            QVERIFY(prompt.messages.size() == 1 && prompt.messages[0].icon == MsgIcon::Exclamation);
            QVERIFY(
                prompt.messages[0].text.starts_with("'" + folder.toStdString() + "/Qmtrxdoc.hlp'"));
            QCOMPARE(open->browser()->source().fragment(), QStringLiteral("ctx52"));
        }
    }
};

QTEST_MAIN(HelpWindowTest)
#include "helpwindow_test.moc"
