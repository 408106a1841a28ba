// The settings store on QSettings, in a temporary folder so the user's own
// settings are never touched.
#include "platform/qtsettingsstore.h"

#include "settings/settingsfiles.h"

#include <QFile>
#include <QSettings>
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
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
    }

    void init() { QFile::remove(iniPath()); }

    void savedSettingsReadBackAsTexts() {
        Settings saved = test::customSettings();
        ConversionTable table = test::tableWithNodes(), table2;
        table.psTableFile = "C:\\Daten\\Einheiten, neu;1.dat";
        { // the store writes its file when it goes
            QtSettingsStore store(QSettings::IniFormat);
            QVERIFY(pSaveCfg(saved, table, WindowCapture{true}, store));
        }
        QSettings raw(iniPath(), QSettings::IniFormat);
        QCOMPARE(raw.value(QStringLiteral("Form/Width")).typeId(), int(QMetaType::QString));
        QCOMPARE(raw.value(QStringLiteral("Option/ShowError")).toString(), QStringLiteral("True"));
        QtSettingsStore store(QSettings::IniFormat);
        Settings back;
        RecordingPrompt prompt;
        QVERIFY(pReadCfg(back, table2, store, prompt, 0) && back == saved);
        QCOMPARE(table2.psTableFile, table.psTableFile);
    }

    // Texts come back as saved; in a hand-edited file an unquoted comma makes
    // a list, read back as the text it was.
    void textsKeepSpecialCharacters() {
        for (const std::string text : {"C:\\Program Files\\calc, \"x\".exe", "Maßeinheit ÄÖÜ",
                                       "a;b=c", " leading and trailing ", "#hash", "50%", ""}) {
            QtSettingsStore(QSettings::IniFormat).save(kSettingsApp, "Option", "CalcPath", text);
            QCOMPARE(QtSettingsStore(QSettings::IniFormat)
                         .get(kSettingsApp, "Option", "CalcPath", "dflt"),
                     text);
        }
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::Append));
        file.write("[Form]\nWidth=7,095\n");
        file.close();
        QtSettingsStore store(QSettings::IniFormat);
        QCOMPARE(store.get(kSettingsApp, "Form", "Width", ""), std::string("7,095"));
        QCOMPARE(store.get(kSettingsApp, "Form", "Top", "dflt"), std::string("dflt"));
    }
};

} // namespace qm

QTEST_MAIN(qm::QtSettingsStoreTest)
#include "qtsettingsstore_test.moc"
