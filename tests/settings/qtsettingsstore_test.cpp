// The settings store on QSettings: what pSaveCfg writes reads back, in a
// temporary folder so the user's own settings are never touched.
#include "platform/qtsettingsstore.h"

#include "core/recordingprompt.h"
#include "settings/config.h"
#include "settings/settingsdump.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace qm {

class QtSettingsStoreTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;

    QString iniPath() const {
        return dir_.filePath(QStringLiteral("Quantimetrix/Quantimetrix.ini"));
    }

  private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
    }

    void init() { QFile::remove(iniPath()); }

    void savedSettingsReadBack() {
        Settings saved = test::customSettings();
        ConversionTable table = test::tableWithNodes();
        table.psTableFile = "C:\\Daten\\Einheiten, neu.dat";
        {
            QtSettingsStore store(QSettings::IniFormat);
            WindowCapture minimised;
            minimised.minimised = true;
            QVERIFY(pSaveCfg(saved, table, minimised, store));
        }
        QVERIFY(QFile::exists(iniPath()));

        QtSettingsStore store(QSettings::IniFormat);
        Settings back;
        ConversionTable table2;
        RecordingPrompt prompt;
        QVERIFY(pReadCfg(back, table2, store, prompt, 1000));
        QVERIFY(prompt.messages.empty());
        const auto want = test::dumpTexts(saved, table);
        const auto got = test::dumpTexts(back, table2);
        QCOMPARE(got.size(), want.size());
        for (std::size_t i = 0; i < want.size(); ++i)
            QCOMPARE(got[i], want[i]);
    }

    void everyValueIsAStringInItsSection() {
        Settings s;
        s.Width = 7095.5f;
        s.numberStyle.pbShowError = true;
        ConversionTable table = test::tableWithNodes();
        {
            QtSettingsStore store(QSettings::IniFormat);
            pSaveCfg(s, table, WindowCapture{true}, store);
        }
        QSettings raw(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quantimetrix"),
                      QStringLiteral("Quantimetrix"));
        QCOMPARE(
            raw.childGroups(),
            (QStringList{QStringLiteral("Color"), QStringLiteral("Extra"), QStringLiteral("File"),
                         QStringLiteral("Font"), QStringLiteral("Form"), QStringLiteral("Header"),
                         QStringLiteral("Option"), QStringLiteral("View")}));
        QCOMPARE(raw.value(QStringLiteral("Form/Width")).typeId(), int(QMetaType::QString));
        QCOMPARE(raw.value(QStringLiteral("Form/Width")).toString(), QStringLiteral("7095.5"));
        QCOMPARE(raw.value(QStringLiteral("Option/ShowError")).toString(), QStringLiteral("True"));
        QCOMPARE(raw.value(QStringLiteral("Color/BackColor3")).toString(),
                 QStringLiteral("-2147483644"));
        QCOMPARE(raw.value(QStringLiteral("Extra/ShowMessage")).toString(),
                 QStringLiteral("111111"));
        raw.beginGroup(QStringLiteral("Font"));
        QCOMPARE(raw.childKeys().size(), 22);
    }

    void missingKeysGiveTheirDefaults() {
        QtSettingsStore store(QSettings::IniFormat);
        QCOMPARE(QString::fromStdString(store.get("Quantimetrix", "Form", "Left", "450")),
                 QStringLiteral("450"));
        store.save("Quantimetrix", "Option", "CalcPath", "");
        QCOMPARE(QString::fromStdString(store.get("Quantimetrix", "Option", "CalcPath", "dflt")),
                 QString());
    }

    void handEditedFileIsReadAsText() {
        QDir().mkpath(dir_.filePath(QStringLiteral("Quantimetrix")));
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            "[Form]\nWidth=7,095\nLeft=  300  \n[Option]\nDigits=7.5\n[Extra]\nShowMenuDelay=20\n");
        file.close();
        QtSettingsStore store(QSettings::IniFormat);
        QCOMPARE(QString::fromStdString(store.get("Quantimetrix", "Form", "Width", "")),
                 QStringLiteral("7,095"));
        Settings s;
        ConversionTable table;
        RecordingPrompt prompt;
        QVERIFY(pReadCfg(s, table, store, prompt, 1000));
        QCOMPARE(s.Width, 7.0f);
        QCOMPARE(s.Left, 300.0f);
        QCOMPARE(int(s.numberStyle.pnDigits), 8);
        QCOMPARE(int(s.ShowMenuDelay), 100);
    }

    void textsKeepSpecialCharacters() {
        const std::vector<std::string> texts = {"C:\\Program Files\\calc, \"x\".exe",
                                                "Maßeinheit ÄÖÜ",
                                                "a;b=c",
                                                " leading and trailing ",
                                                "#hash",
                                                "50%"};
        for (const std::string& text : texts) {
            {
                QtSettingsStore store(QSettings::IniFormat);
                store.save("Quantimetrix", "Option", "CalcPath", text);
            }
            QtSettingsStore store(QSettings::IniFormat);
            QCOMPARE(QString::fromStdString(store.get("Quantimetrix", "Option", "CalcPath", "")),
                     QString::fromStdString(text));
        }
    }

    void failedReadIsReported() {
        {
            QtSettingsStore store(QSettings::IniFormat);
            store.save("Quantimetrix", "Option", "Digits", "40000");
        }
        QtSettingsStore store(QSettings::IniFormat);
        Settings s;
        ConversionTable table;
        RecordingPrompt prompt;
        QVERIFY(!pReadCfg(s, table, store, prompt, 1000));
        QCOMPARE(prompt.messages.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(prompt.messages[0].text),
                 QStringLiteral("Error Code = PRCG02"));
    }
};

} // namespace qm

QTEST_MAIN(qm::QtSettingsStoreTest)
#include "qtsettingsstore_test.moc"
