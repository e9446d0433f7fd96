#include "about/AboutTexts.h"
#include "about/frmAbout.h"
#include "platform/forms/ScreenMetrics.h"
#include "resources/ProductInfo.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <QtTest>

using namespace platform;
using namespace platform::forms;

namespace {

QString scratch() {
    return qEnvironmentVariable("QUORVEL_TEST_SCRATCH", QDir::tempPath());
}

// Records what the box hands to the desktop; a program "starts" when its file exists.
class RecordingLauncher : public ShellLauncher {
public:
    bool openUrl(const QUrl& url) override { return urls.append(url), true; }
    bool startProgram(const QString& path) override {
        return programs.append(path), QFileInfo(path).isFile();
    }
    QList<QUrl> urls;
    QStringList programs;
};

class RecordingMessages : public MessageBoxes {
public:
    void show(const QString& text, MessageIcon icon, const QString& title) override {
        shown.append({text, icon, title});
    }
    struct Shown {
        QString text;
        MessageIcon icon;
        QString title;
    };
    QList<Shown> shown;
};

template <class T>
T& control(about::frmAbout& box, const char* name) {
    auto* c = dynamic_cast<T*>(box.form().findControl(QLatin1String(name)));
    if (!c) qFatal("no control %s", name);
    return *c;
}

}  // namespace

class TestAbout : public QObject {
    Q_OBJECT

    FixedScreenMetrics m_screen{1280, 1024};
    QString m_store;
    QString m_program;  // what the machine's system-information lookup answers
    std::unique_ptr<Registry> m_registry;
    RecordingLauncher m_launcher;
    RecordingMessages m_messages;

    std::unique_ptr<about::frmAbout> makeBox() {
        return std::make_unique<about::frmAbout>(m_screen, *m_registry, m_launcher, m_messages);
    }

private slots:
    void init() {
        static int n = 0;
        m_store = scratch() + QStringLiteral("/about%1/registry.qrv").arg(++n);
        m_program.clear();
        m_registry = std::make_unique<Registry>(m_store, [this] { return m_program; });
        m_launcher = {};
        m_messages = {};
    }

    void versionLabelIsNotPadded() {
        QCOMPARE(about::versionLabel(1, 2, 0), QStringLiteral("Version 1.2.0"));
        QCOMPARE(about::versionLabel(1, 10, 3), QStringLiteral("Version 1.10.3"));
    }

    void loadSetsCaptionAndVersion() {
        auto box = makeBox();
        box->Form_Load();
        QCOMPARE(box->form().Caption(), QStringLiteral("A propos : Quorvel"));
        QCOMPARE(control<Label>(*box, "lblVersion").Caption(), QStringLiteral("Version 1.0.0"));
        QCOMPARE(control<Label>(*box, "lblTitle").Caption(), QStringLiteral("Quorvel"));
        QCOMPARE(control<Label>(*box, "lblDescription").Caption(), quorvel::product::kAuthorship);
        QCOMPARE(control<Label>(*box, "Label3").Caption(), "URL : " + quorvel::product::kMakerSite);
        QCOMPARE(control<Label>(*box, "lblDisclaimer").Caption(),
                 "E-Mail : " + quorvel::product::kAuthorAddress);
        QCOMPARE(control<CommandButton>(*box, "cmdSysInfo").Caption(), QStringLiteral("&Système Info..."));
        QCOMPARE(control<CommandButton>(*box, "Command1").Caption(), QStringLiteral("Détails..."));
        QCOMPARE(box->form().Width(), 5730.0f);
        QCOMPARE(box->form().Height(), 3240.0f);
        // The window itself, before it was ever shown: 15 twips a pixel.
        QCOMPARE(box->form().widget()->size(), QSize(382, 216));
    }

    void controlsHaveTheirPlacesTipsAndPointers() {
        auto box = makeBox();
        const auto placed = [&](const char* name, float l, float t, float w, float h) {
            const Control* c = box->form().findControl(QLatin1String(name));
            QVERIFY2(c, name);
            QCOMPARE(QList<float>({c->Left(), c->Top(), c->Width(), c->Height()}),
                     QList<float>({l, t, w, h}));
        };
        placed("Command1", 3840, 2160, 1575, 375);
        placed("cmdOK", 3840, 1440, 1620, 585);
        placed("cmdSysInfo", 3840, 2640, 1605, 345);
        placed("Image2", 1320, 2400, 1500, 660);
        placed("Image1", 120, 240, 720, 720);
        placed("lblDescription", 1080, 840, 3885, 330);
        placed("lblTitle", 1080, 120, 3885, 240);
        placed("lblVersion", 1320, 600, 3885, 225);
        QCOMPARE(control<Line>(*box, "Line1(0)").BorderColor(), QColor(Qt::white));
        QCOMPARE(control<Line>(*box, "Line1(0)").BorderWidth(), 2);
        QCOMPARE(control<Line>(*box, "Line1(1)").Y1(), 1217.0f);
        QVERIFY(control<CommandButton>(*box, "cmdOK").Default());
        QVERIFY(control<CommandButton>(*box, "cmdOK").Cancel());
        QCOMPARE(control<Label>(*box, "Label3").ToolTipText(),
                 QStringLiteral("Visitez le site officiel Lumeno"));
        QCOMPARE(control<Label>(*box, "lblDisclaimer").ToolTipText(), QStringLiteral("Envoyer un courriel"));
        QCOMPARE(control<CommandButton>(*box, "cmdSysInfo").ToolTipText(),
                 QStringLiteral("Informations système"));
        QCOMPARE(control<Image>(*box, "Image2").ToolTipText(),
                 QStringLiteral("Faire un don avec PayPal - Un solution gratuite, rapide et sécurisée."));
        QVERIFY(!control<Image>(*box, "Image2").Picture().isNull());
        QVERIFY(!control<Image>(*box, "Image1").Picture().isNull());
        for (const char* link : {"Label3", "lblDisclaimer", "Image2"}) {
            const Control* c = box->form().findControl(QLatin1String(link));
            QCOMPARE(c->mousePointer(), MousePointer::Custom);
            QCOMPARE(c->widget()->cursor().hotSpot(), QPoint(12, 1));
            QVERIFY(!c->widget()->cursor().pixmap().isNull());
        }
    }

    void linksOpenSiteDonationAndMail() {
        auto box = makeBox();
        control<Label>(*box, "Label3").performClick();
        control<Image>(*box, "Image2").performClick();
        control<Label>(*box, "lblDisclaimer").performClick();
        QCOMPARE(m_launcher.urls, QList<QUrl>({QUrl(quorvel::product::kMakerSite),
                                               QUrl(quorvel::product::kMakerSite + "/Don/Don.htm"),
                                               QUrl("mailto:" + quorvel::product::kContactAddress)}));
        QVERIFY(m_messages.shown.isEmpty());
    }

    void detailsMessage() {
        auto box = makeBox();
        control<CommandButton>(*box, "Command1").performClick();
        QCOMPARE(m_messages.shown.size(), 1);
        QCOMPARE(m_messages.shown[0].title, QStringLiteral("A propos"));
        QCOMPARE(m_messages.shown[0].icon, MessageIcon::Information);
        QCOMPARE(m_messages.shown[0].text,
                 "Quorvel version 1.0.0\rLecteur de fichier Flash FLV\r\rAuteur : " +
                     quorvel::product::kAuthorship + "\rE-Mail : " + quorvel::product::kAuthorAddress +
                     "\rUrl : " + quorvel::product::kMakerSite + "\r");
    }

    void escapeAndEnterCloseTheBox_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("escape") << int(Qt::Key_Escape);
        QTest::newRow("enter") << int(Qt::Key_Return);
    }
    void escapeAndEnterCloseTheBox() {
        QFETCH(int, key);
        auto box = makeBox();
        QWidget* ok = control<CommandButton>(*box, "cmdOK").widget();
        bool focusedOnOk = false;
        bool closedByKey = true;
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY_WITH_TIMEOUT(box->form().isShown() && QApplication::focusWidget(), 20000);
            focusedOnOk = QApplication::focusWidget() == ok;
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        });
        // Should the key not close it, end the modal loop anyway so the test reports instead of hanging.
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, [&] {
            closedByKey = false;
            box->form().Unload();
        });
        guard.start(30000);
        box->ShowModal();
        QVERIFY(closedByKey);
        QVERIFY(focusedOnOk);
        QVERIFY(!box->form().isShown());
    }

    void tabCyclesThroughTheButtons() {
        auto box = makeBox();
        box->form().Show();
        QWidget* ok = control<CommandButton>(*box, "cmdOK").widget();
        QApplication::setActiveWindow(box->form().widget());
        control<CommandButton>(*box, "cmdOK").SetFocus();
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), ok, 20000);
        QStringList order;
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order, QStringList({"cmdSysInfo", "Command1", "cmdOK"}));
    }

    void startSysInfoStartsTheProgramFound() {
        QDir().mkpath(scratch() + "/bin dir");
        m_program = scratch() + "/bin dir/hardinfo";
        QFile program(m_program);
        QVERIFY(program.open(QIODevice::WriteOnly));
        program.close();
        auto box = makeBox();
        control<CommandButton>(*box, "cmdSysInfo").performClick();
        QCOMPARE(m_launcher.programs, QStringList({m_program}));
        QVERIFY(m_messages.shown.isEmpty());
    }

    void startSysInfoReportsAMissingProgram() {
        m_program = scratch() + "/nowhere/hardinfo";
        auto box = makeBox();
        box->StartSysInfo();
        QCOMPARE(m_launcher.programs, QStringList({m_program}));  // tried although it is not there
        QCOMPARE(m_messages.shown.size(), 1);
        QCOMPARE(m_messages.shown[0].text, QStringLiteral("Information Systeme introuvable !"));
        QCOMPARE(m_messages.shown[0].title, QStringLiteral("Quorvel"));
        QCOMPARE(m_messages.shown[0].icon, MessageIcon::None);
    }

    void startSysInfoWithNeitherKey() {
        auto box = makeBox();
        box->StartSysInfo();
        QVERIFY(m_launcher.programs.isEmpty());
        QCOMPARE(m_messages.shown.size(), 1);
        QCOMPARE(m_messages.shown[0].text, QStringLiteral("Information Systeme introuvable !"));
    }

    void startSysInfoWithTheRealLauncher() {
        // A stand-in system-information program on the PATH, found by the real lookup.
        const QString bin = scratch() + "/real bin";
        const QString marker = scratch() + "/started";
        QDir().mkpath(bin);
        QFile script(bin + "/hardinfo");
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\ntouch \"" + marker.toUtf8() + "\"\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QByteArray oldPath = qgetenv("PATH");
        qputenv("PATH", bin.toUtf8() + ':' + oldPath);
        Registry registry(m_store, findSystemInfoProgram);
        DesktopShellLauncher launcher;
        about::frmAbout box(m_screen, registry, launcher, m_messages);
        box.StartSysInfo();
        qputenv("PATH", oldPath);
        QVERIFY(m_messages.shown.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 20000);
    }

    void getKeyValueBufferAndTypes() {
        HKEY key = 0;
        QCOMPARE(m_registry->RegCreateKeyA(HKEY_CURRENT_USER, "Values", &key), ERROR_SUCCESS);
        m_registry->RegSetValueExA(key, "Exact", REG_SZ, QByteArray(1024, 'e'));
        m_registry->RegSetValueExA(key, "ExactNul", REG_SZ, QByteArray(1023, 'n') + '\0');
        m_registry->RegSetValueExA(key, "TooLong", REG_SZ, QByteArray(1025, 'l'));
        m_registry->RegSetValueExA(key, "NoNul", REG_SZ, "abc");
        m_registry->RegSetValueExA(key, "Unicode", REG_SZ, QStringLiteral("Vidéos été").toUtf8() + '\0');
        m_registry->RegSetValueExA(key, "Answer", REG_DWORD, QByteArray("\x2a\0\0\0", 4));
        m_registry->RegSetValueExA(key, "Big", REG_DWORD, QByteArray("\x01\x02\0\0", 4));
        m_registry->RegSetValueExA(key, "Expand", REG_EXPAND_SZ, QByteArray("%PATH%\0", 7));
        m_registry->RegCloseKey(key);
        auto box = makeBox();
        const auto read = [&](const char* name, QString initial = QString()) {
            QString value = initial;
            const bool ok = box->GetKeyValue(HKEY_CURRENT_USER, "Values", QLatin1String(name), value);
            return std::make_pair(ok, value);
        };
        QCOMPARE(read("Exact"), std::make_pair(true, QString(1024, 'e')));
        QCOMPARE(read("ExactNul"), std::make_pair(true, QString(1023, 'n')));
        QCOMPARE(read("TooLong", "x"), std::make_pair(false, QString()));
        QCOMPARE(read("NoNul"), std::make_pair(true, QStringLiteral("abc")));
        QCOMPARE(read("Unicode"), std::make_pair(true, QStringLiteral("Vidéos été")));
        QCOMPARE(read("Answer"), std::make_pair(true, QStringLiteral("42")));
        QCOMPARE(read("Big"), std::make_pair(true, QStringLiteral("513")));
        QCOMPARE(read("Expand"), std::make_pair(true, QString()));
        QCOMPARE(read("Expand", "kept"), std::make_pair(true, QStringLiteral("kept")));
        QCOMPARE(read("Missing", "x"), std::make_pair(false, QString()));
        QString value = "x";
        QVERIFY(!box->GetKeyValue(HKEY_CURRENT_USER, "NoSuchKey", "v", value));
        QCOMPARE(value, QString());
    }

    void getKeyValueReadsMachineKeys() {
        m_program = QStringLiteral("/usr/bin/hardinfo");
        auto box = makeBox();
        QString value;
        QVERIFY(box->GetKeyValue(HKEY_LOCAL_MACHINE, QLatin1String(kMsInfoKey), "PATH", value));
        QCOMPARE(value, m_program);
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
